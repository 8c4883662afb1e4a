#include "emulator/emulated_serial_port.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "radio/radio_model.h"
#include "support/fake_clock.h"

namespace r8::emulator {
namespace {

LineSettings Line(int data_bits, Parity parity) {
  LineSettings s;
  s.data_bits = data_bits;
  s.parity = parity;
  return s;
}
// The line each model wants: seven bits and even parity for the R8, eight and none for the others.
LineSettings LineFor(int model) {
  return model == kModelR8 ? Line(7, Parity::kEven) : Line(8, Parity::kNone);
}

class EmulatedPortTest : public ::testing::Test {
 protected:
  EmulatedSerialPort& Start(int model, std::uint32_t read_timeout_ms = 200) {
    port_ = std::make_unique<EmulatedSerialPort>(clock_, model);
    EXPECT_TRUE(port_->Open("COM1"));
    EXPECT_TRUE(port_->Configure(LineFor(model)));
    EXPECT_TRUE(port_->SetTimeouts({read_timeout_ms, 0, 0}));
    return *port_;
  }
  std::uint32_t Elapsed(std::uint32_t since) { return clock_.TickMs() - since; }

  r8::testing::FakeClock clock_;
  std::unique_ptr<EmulatedSerialPort> port_;
};

TEST_F(EmulatedPortTest, ReadWaitsForTheReplyAtLineSpeed) {
  struct Case {
    int model;
    const char* command;
    std::size_t length;
    // The command's characters, then the reply's, at 1.04 ms each, each way rounded up to the
    // tick.
    std::uint32_t ms;
  };
  const Case cases[] = {
      {kModelR8A, "RA\r", 37, 43},
      {kModelR8, "RA\r", 25, 31},
      {kModelR8, "TO\r", 1, 6},
      {kModelR8B, "F0958000\r", 2, 13},
  };
  clock_.SetTick(0xFFFFFFF0u);  // the first case runs across the tick's wrap
  for (const Case& c : cases) {
    EmulatedSerialPort& port = Start(c.model);
    ASSERT_EQ(port.Write(c.command), kLineErrorNone);
    const std::uint32_t start = clock_.TickMs();
    const ReadResult r = port.Read(c.length);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.errors, kLineErrorNone);
    EXPECT_EQ(r.bytes.size(), c.length) << c.command;
    EXPECT_EQ(r.bytes.back(), '\n') << c.command;
    EXPECT_EQ(Elapsed(start), c.ms) << c.command;
  }
}

TEST_F(EmulatedPortTest, ReadGivesUpAtItsTimeoutWithWhatArrived) {
  EmulatedSerialPort& port = Start(kModelR8A, 150);
  port.Write("TO\r");
  const std::uint32_t start = clock_.TickMs();
  EXPECT_EQ(port.Read(5).bytes, "\r\n");
  EXPECT_EQ(Elapsed(start), 150u);
  // "RS" is never answered by the R8A: the read waits the whole timeout for nothing.
  port.Write("RS\r");
  EXPECT_EQ(port.Read(1).bytes, "");
  port.Write("TO\rTO\r");
  EXPECT_EQ(port.Read(4).bytes, "\r\n\r\n");  // a plain read goes on past a line feed
  // A timeout of 0 never blocks.
  port.SetTimeouts({0, 0, 0});
  port.Write("RA\r");
  const std::uint32_t now = clock_.TickMs();
  EXPECT_EQ(port.Read(37).bytes, "");
  EXPECT_EQ(Elapsed(now), 0u);
}

TEST_F(EmulatedPortTest, InputQueueFillsAsCharactersArriveAndPurgeKeepsWhatIsOnTheWire) {
  EmulatedSerialPort& port = Start(kModelR8A);
  port.Write("RA\r");
  EXPECT_EQ(port.InputQueueCount(), 0u);
  clock_.Advance(14);  // the command arrives at 4 ms, then 9 characters of the reply
  EXPECT_EQ(port.InputQueueCount(), 9u);
  port.Purge();
  EXPECT_EQ(port.InputQueueCount(), 0u);
  const ReadResult rest = port.Read(28);
  EXPECT_EQ(rest.bytes.size(), 28u);
  EXPECT_EQ(rest.bytes.substr(26), "\r\n");
}

TEST_F(EmulatedPortTest, RecordsWhatTheProgramGaveItAndAClosedPortFails) {
  EmulatedSerialPort port(clock_, kModelR8);
  EXPECT_FALSE(port.SetQueueSizes(256, 256)) << "nothing to set on a closed port";
  EXPECT_EQ(port.Write("RA\r"), kLineErrorIo);
  const ReadResult closed = port.Read(1);
  EXPECT_FALSE(closed.ok);
  EXPECT_EQ(closed.errors, kLineErrorIo);
  EXPECT_FALSE(port.Modem().dsr);

  port.FailNextOpen();
  EXPECT_FALSE(port.Open("COM3"));
  EXPECT_FALSE(port.IsOpen());
  ASSERT_TRUE(port.Open("COM3"));
  EXPECT_TRUE(port.SetQueueSizes(256, 128));
  EXPECT_EQ(port.open_name(), "COM3");
  EXPECT_EQ(port.open_count(), 1);
  port.Close();
  EXPECT_FALSE(port.IsOpen());
}

TEST_F(EmulatedPortTest, TheWrongLineSettingsLetNothingThrough) {
  struct Case {
    int model;
    int data_bits;
    Parity parity;
    bool works;
  };
  const Case cases[] = {
      {kModelR8, 7, Parity::kEven, true},
      {kModelR8, 8, Parity::kNone, false},
      {kModelR8A, 8, Parity::kNone, true},
      {kModelR8A, 7, Parity::kEven, false},
  };
  for (const Case& c : cases) {
    EmulatedSerialPort& port = Start(c.model);
    port.Configure(Line(c.data_bits, c.parity));
    port.Write("ID\r");
    const ReadResult r = port.Read(4);
    EXPECT_EQ(r.bytes.empty(), !c.works) << c.model << " " << c.data_bits;
    EXPECT_EQ((r.errors & kLineErrorFrame) != 0, !c.works) << c.model << " " << c.data_bits;
    EXPECT_EQ(port.commands().empty(), !c.works);
  }
}

TEST_F(EmulatedPortTest, ModemLinesFollowTheCableAndTheSquelch) {
  EmulatedSerialPort& port = Start(kModelR8A);
  // Commands take their time on the line before the receiver acts on them.
  auto send = [&](const char* command) {
    port.Write(command);
    clock_.Advance(20);
  };
  EXPECT_TRUE(port.Modem().dsr);
  send("F0958000\r");
  EXPECT_TRUE(port.Modem().carrier);
  send("F0960000\r");
  EXPECT_FALSE(port.Modem().carrier);
  send("F0958000\rPF\r");
  EXPECT_TRUE(port.Modem().dsr) << "switched off by command, the set still holds DSR";
  EXPECT_FALSE(port.Modem().carrier);
  send("PO\r");
  EXPECT_TRUE(port.Modem().carrier);

  port.ClearLog();
  port.Purge();
  port.SetPlugged(false);
  EXPECT_FALSE(port.Modem().dsr);
  EXPECT_FALSE(port.Modem().carrier);
  port.Write("RA\r");
  EXPECT_EQ(port.Read(37).bytes, "");
  EXPECT_TRUE(port.commands().empty()) << "an unplugged receiver hears nothing";
  port.SetPlugged(true);
  port.Write("RA\r");
  EXPECT_EQ(port.Read(37).bytes.size(), 37u);
  // Pulled half way through a reply: the rest of it is lost with the cable.
  port.Write("RA\r");
  clock_.Advance(14);
  port.SetPlugged(false);
  EXPECT_LT(port.Read(37).bytes.size(), 37u);
}

TEST_F(EmulatedPortTest, DroppedSilencedAndDelayedRepliesDoNotArriveInTime) {
  EmulatedSerialPort& port = Start(kModelR8A, 100);
  port.DropReplies(2);
  port.Write("RA\r");
  EXPECT_EQ(port.Read(37).bytes, "");
  port.Write("TO\r");
  EXPECT_EQ(port.Read(2).bytes, "");
  EXPECT_TRUE(port.receiver().state().tape) << "the command itself was obeyed";
  port.Write("RA\r");
  EXPECT_EQ(port.Read(37).bytes.size(), 37u);

  port.DelayReplies(1, 300);
  port.Write("RA\r");
  EXPECT_EQ(port.Read(37).bytes, "");
  EXPECT_EQ(port.InputQueueCount(), 0u);
  clock_.Advance(250);
  EXPECT_EQ(port.InputQueueCount(), 37u) << "the late reply comes after the read gave up";
  port.Purge();
  port.Write("TO\r");
  EXPECT_EQ(port.Read(2).bytes, "\r\n") << "the next reply is on time";

  // Silent: obeys, never answers.
  port.SetSilent(true);
  port.Write("M4\r");
  EXPECT_EQ(port.Read(2).bytes, "");
  EXPECT_EQ(port.receiver().shown().mode, Mode::kCw);
  EXPECT_EQ(port.LastCommand(), "M4\r");
}

TEST_F(EmulatedPortTest, GarbledRepliesFailTheProgramsCheck) {
  struct Case {
    EmulatedSerialPort::Garble how;
    std::size_t length;  // of a 37-byte status line after spoiling, read with a count of 37
    bool ends_in_line_feed;
  };
  const Case cases[] = {
      {EmulatedSerialPort::Garble::kFlipBits, 37, false},
      {EmulatedSerialPort::Garble::kKeepLineFeed, 37, true},
      {EmulatedSerialPort::Garble::kShorter, 36, false},
      {EmulatedSerialPort::Garble::kLonger, 37, false},
  };
  for (const Case& c : cases) {
    EmulatedSerialPort& port = Start(kModelR8A);
    port.Write("RA\r");
    const std::string good = port.Read(37).bytes;
    port.GarbleReplies(1, c.how);
    port.Write("RA\r");
    const std::string bad = port.Read(37).bytes;
    EXPECT_EQ(bad.size(), c.length);
    EXPECT_NE(bad, good);
    EXPECT_EQ(!bad.empty() && bad.back() == '\n', c.ends_in_line_feed);
    clock_.Advance(100);  // let a longer reply's tail arrive, then clear it
    port.Purge();
    port.Write("RA\r");
    EXPECT_EQ(port.Read(37).bytes, good) << "only one reply is spoilt";
  }
}

TEST_F(EmulatedPortTest, ResynchronisationGetsExactlyOneByte) {
  EmulatedSerialPort& port = Start(kModelR8A, 50);
  for (int i = 0; i < 2; ++i) {
    port.Write(" \r");
    EXPECT_EQ(port.Read(1).bytes, "?");
    clock_.Advance(50);
    EXPECT_EQ(port.InputQueueCount(), 0u) << "nothing left to spoil the next exchange";
  }
}

TEST_F(EmulatedPortTest, ScanLinesArriveUnaskedAndAnUnreadScanOverrunsWithoutGrowing) {
  EmulatedSerialPort& port = Start(kModelR8A);
  port.StartReceiverScan(ScanKind::kMemory);
  clock_.Advance(40);
  EXPECT_EQ(port.InputQueueCount(), 37u);
  const ReadResult r = port.Read(37);
  ASSERT_EQ(r.bytes.size(), 37u);
  EXPECT_EQ((r.bytes[9] - '0') & 0x02, 0x02) << "the scan bit of F5";
  for (int i = 0; i < 200; ++i) {
    clock_.Advance(1000);
    ASSERT_LE(port.InputQueueCount(), EmulatedSerialPort::kMaxInput);
  }
  EXPECT_NE(port.Read(37).errors & kLineErrorOverrun, 0);
  EXPECT_EQ(port.Read(37).errors & kLineErrorOverrun, 0) << "reported once";
  port.StopReceiverScan();
  EXPECT_FALSE(port.receiver().state().scanning);
}

}  // namespace
}  // namespace r8::emulator
