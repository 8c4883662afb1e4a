// The emulated receiver driven directly, on receiver time the test moves by hand: commands and
// their replies, the channel memory and the scans.
#include "emulator/receiver.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "radio/radio_model.h"
#include "radio/radio_state.h"
#include "radio/status_line.h"

namespace r8::emulator {
namespace {

class Talk {
 public:
  explicit Talk(int model) : rx_(model) {}

  // Sends bytes now and returns everything the receiver answered, concatenated.
  std::string Send(std::string_view bytes) {
    rx_.Receive(bytes, now_ms_);
    return Take();
  }
  // Moves receiver time on by ms and returns what the receiver sent by itself meanwhile.
  std::string Wait(std::uint64_t ms) {
    now_ms_ += ms;
    rx_.AdvanceTo(now_ms_);
    return Take();
  }
  std::string Take() {
    std::string out;
    for (const Reply& r : rx_.TakeReplies()) out += r.bytes;
    return out;
  }
  Receiver& rx() { return rx_; }
  const Tuning& shown() const { return rx_.shown(); }
  const ReceiverState& state() const { return rx_.state(); }
  std::uint64_t now() const { return now_ms_; }

 private:
  Receiver rx_;
  std::uint64_t now_ms_ = 0;
};

bool IsR8(int model) { return model == kModelR8; }
// The R8 takes a frequency or a channel without a carriage return; the R8A/R8B want one.
std::string Cr(int model, const std::string& command) {
  return IsR8(model) ? command : command + "\r";
}
// The frequency field of a status line of either length.
std::string FreqField(const std::string& line) {
  return line.substr(line.size() == 25 ? 10 : 11, 9);
}

// Splits what arrived into status lines of the model's length.
std::vector<std::string> Lines(const std::string& bytes, int model) {
  const std::size_t n = IsR8(model) ? 25 : 37;
  std::vector<std::string> out;
  for (std::size_t i = 0; i + n <= bytes.size(); i += n) out.push_back(bytes.substr(i, n));
  EXPECT_EQ(bytes.size() % n, 0u) << "only whole status lines are sent";
  return out;
}

// A check on the receiver r.
#define HOLDS(...) [](const Receiver& r) { return __VA_ARGS__; }

struct StateCase {
  const char* setup;
  const char* command;
  std::function<bool(const Receiver&)> holds;
};

// Each command, sent after its setup, must bring about what the check says; the check must not
// already hold before it, or the case would prove nothing.
void RunStateCases(int model, const std::vector<StateCase>& cases) {
  for (const StateCase& c : cases) {
    Talk t(model);
    t.Send(c.setup);
    ASSERT_FALSE(c.holds(t.rx())) << "before " << c.command;
    const std::string reply = t.Send(c.command);
    EXPECT_TRUE(c.holds(t.rx())) << "after " << c.command;
    EXPECT_NE(reply, "?") << c.command;
  }
}

// The settings the status line carries (blanker, notch, antennas 1 and 2, RF gain, AGC, bandwidth,
// mode, sync, VFO, memory mode) are proven on every model by the program's round trip through the
// poll (tests/radio/round_trip_test.cpp); these are the commands it cannot see.
TEST(ReceiverCommands, CommandsSetTheirField) {
  const std::vector<StateCase> cases = {
      {"", "AC\r", HOLDS(r.shown().antenna == Antenna::kConverter)},
      {"", "TO\r", HOLDS(r.state().tape)},
      {"TO\r", "TF\r", HOLDS(!r.state().tape)},
      {"", "PF\r", HOLDS(!r.state().power_on)},
      {"PF\r", "PO\r", HOLDS(r.state().power_on)},
      {"", "ST\r", HOLDS(r.state().step_index == 4)},
      {"", "F0958000\r", HOLDS(r.shown().freq_10hz == 958000)},
      {"", "C005", HOLDS(r.state().memory_mode && r.state().channel == 5)},
      // The R8A/R8B display commands.
      {"", "SM\r", HOLDS(r.state().band_display == BandDisplay::kMhz)},
      {"SM\r", "SK\r", HOLDS(r.state().band_display == BandDisplay::kKhz)},
      {"", "CTO\r", HOLDS(r.state().mem_tune)},
      {"CTO\r", "CTF\r", HOLDS(!r.state().mem_tune)},
      {"", "NA\r", HOLDS(r.state().name_mode)},
      {"NA\r", "NI\r", HOLDS(!r.state().name_mode)},
      {"", "TI\r", HOLDS(r.state().display_mode == DisplayMode::kClock)},
      {"TI\r", "FR\r", HOLDS(r.state().display_mode == DisplayMode::kFrequency)},
      {"", "LB\r", HOLDS(!r.state().bright)},
      {"", "TL\r", HOLDS(r.state().clock_shown == ClockShown::kLocal)},
      {"TL\r", "TU\r", HOLDS(r.state().clock_shown == ClockShown::kUtc)},
      {"", "TL123456\r", HOLDS(r.ClockSeconds(ClockShown::kLocal, 0) == 45296)},
      {"", "AEB\r", HOLDS(r.state().vfo[1] == r.state().vfo[0])},
      {"PR\r001\r", "EAY\r", HOLDS(!r.channel(1).stored)},
      {"PR\r001\r", "EC001\r", HOLDS(!r.channel(1).stored)},
  };
  RunStateCases(kModelR8A, cases);
  RunStateCases(kModelR8B, cases);
  RunStateCases(kModelR8, {{"", "F0958000", HOLDS(r.shown().freq_10hz == 958000)},
                           {"", "C05", HOLDS(r.state().memory_mode && r.state().channel == 5)},
                           {"PR\r", "42", HOLDS(r.channel(42).stored)}});
}

TEST(ReceiverCommands, ReplyBytesPerModel) {
  struct Case {
    const char* command;
    const char* r8_reply;
    const char* r8a_reply;
  };
  const Case cases[] = {
      {"TO\r", "\n", "\r\n"},
      {"M5\r", "\n", "\r\n"},
      {"VB\r", "\n", "\r\n"},
      {"F\r", "\r\n", "\r\n"},
      {"C\r", "\r\n", "\r\n"},
      {"PO\r", "\n", "\r\n"},
      {"PF\r", "\n", "\r\n"},
      {"RS\r", "\n", ""},
      {"ST\r", "\r\n", "\r\n"},
      {"PR\r", "", ""},
      {"U", "", ""},
      {"D", "", ""},
      {"\r", "", ""},
      {"RM\r", "302<8\r\n", " 302<8\r\n"},
      {"RC\r", " 00\r\n", " 000\r\n"},
      {"RSS\r", "?", " B4\r\n"},
      {"ID\r", "R8\r\n", "R8A\r\n"},
      {"AEB\r", "?", "\r\n"},
      {"SK\r", "?", "\r\n"},
      {"EAY\r", "?", "\r\n"},
      {"XYZ\r", "?", "?"},
      {" \r", "?", "?"},
      {"F123\r", "?", "?"},
      {"C5\r", "?", "?"},
      {"M7\r", "?", "?"},
      {"RF\r", "  5.97500*mHz\r\n", "  5975.00*kHz\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Talk(kModelR8).Send(c.command), c.r8_reply) << "R8 " << c.command;
    EXPECT_EQ(Talk(kModelR8A).Send(c.command), c.r8a_reply) << "R8A " << c.command;
  }
  // Tuning and recalling, with the R8's unterminated forms, and the status line.
  const std::pair<int, const char*> acknowledged[] = {
      {kModelR8, "F0958000"}, {kModelR8A, "F0958000\r"}, {kModelR8, "C05"},
      {kModelR8A, "C005\r"},  {kModelR8A, "C005"},
  };
  for (const auto& [model, command] : acknowledged) {
    EXPECT_EQ(Talk(model).Send(command), "\r\n") << command;
  }
  for (int model : {kModelR8, kModelR8A}) {
    const std::string status = Talk(model).Send("RA\r");
    EXPECT_EQ(status.size(), IsR8(model) ? 25u : 37u);
    EXPECT_EQ(status.back(), '\n');
  }
}

TEST(ReceiverCommands, ByteAtATimeGivesTheSameResultAsWholeWrites) {
  const std::string r8_script =
      "F0958000M4\rC\rF\rPR\r17C17U D RA\rAC\rF1180000G-\rRA\rXX\rRS\rC05RA\r";
  const std::string r8a_script =
      "F0958000\rM4\rPR\r017\rC017\rCTO\rF0958010\rU RA\rNCHELLO\rAC\rF1180000\rRA\rEC017\r"
      "C005RA\rRSS\rTL010203\r";
  for (const auto& [model, script] :
       {std::pair{kModelR8, r8_script}, std::pair{kModelR8A, r8a_script}}) {
    Talk whole(model);
    Talk bytes(model);
    const std::string expected = whole.Send(script);
    std::string got;
    for (char c : script) got += bytes.Send(std::string(1, c));
    EXPECT_EQ(got, expected) << model;
    EXPECT_EQ(bytes.rx().commands(), whole.rx().commands()) << model;
    EXPECT_EQ(bytes.shown(), whole.shown()) << model;
    for (int n = 0; n < whole.rx().channel_count(); ++n) {
      ASSERT_EQ(bytes.rx().channel(n), whole.rx().channel(n)) << model << " channel " << n;
    }
  }
}

TEST(ReceiverCommands, TuneValueFollowsTheAntenna) {
  struct Case {
    int model;
    const char* commands;
    std::int32_t freq_10hz;  // 0: refused, frequency unchanged
  };
  const std::vector<Case> cases = {
      {kModelR8, "F0958000", 958000},
      {kModelR8, "F3000000", 3000000},       // 30000 kHz is still HF
      {kModelR8, "F1180000", 1180000},       // antenna 1: 11800 kHz
      {kModelR8, "AC\rF1180000", 11800000},  // converter: 118000 kHz
      {kModelR8, "AC\rF0350000", 3500000},   // 35000 kHz
      {kModelR8, "F3000001", 0},             // above HF on antenna 1
      {kModelR8, "F0000999", 0},             // below 100 kHz
      {kModelR8A, "AC\rF0300000\r", 0},      // 30000 kHz is not a converter band
      {kModelR8A, "AC\rF0600000\r", 0},      // between the converter bands
      {kModelR8A, "AC\rF1740000\r", 17400000},
      {kModelR8A, "A2\rF0010000\r", 10000},
  };
  for (const Case& c : cases) {
    Talk t(c.model);
    const std::int32_t before = t.shown().freq_10hz;
    const std::string reply = t.Send(c.commands);
    EXPECT_EQ(t.shown().freq_10hz, c.freq_10hz ? c.freq_10hz : before) << c.commands;
    EXPECT_EQ(reply.substr(reply.size() - (c.freq_10hz ? 2 : 1)), c.freq_10hz ? "\r\n" : "?")
        << c.commands;
  }
}

TEST(ReceiverCommands, SwitchedOffAnswersAsUsualButChangesNothing) {
  Talk t(kModelR8A);
  t.Send("PF\r");
  const Tuning before = t.shown();
  EXPECT_EQ(t.Send("M5\rF0700000\rC\r"), "\r\n\r\n\r\n");
  EXPECT_EQ(t.shown(), before);
  EXPECT_FALSE(t.state().memory_mode);
  const std::string status = t.Send("RA\r");
  ASSERT_EQ(status.size(), 37u);
  EXPECT_EQ(FreqField(status), std::string(9, ' '));
  EXPECT_FALSE(t.rx().SquelchOpen());
  t.Send("PO\r");
  EXPECT_EQ(FreqField(t.Send("RA\r")), "  5975.00");
  // No scan starts while switched off.
  t.Send("PF\r");
  t.rx().StartScan(ScanKind::kMemory, t.now());
  EXPECT_FALSE(t.state().scanning);
  EXPECT_EQ(t.Wait(1000), "");
}

TEST(ReceiverCommands, GarbageIsRefusedOnceAndTheNextCommandWorks) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {std::string(100, 'X') + "\r", "?"},          // overflow: one refusal, the rest dropped
      {std::string("\x00\xff\x80\x1b\r", 5), "?"},  // binary bytes
      {"ra\r", "?"},                                // commands are upper case
      {"NC12345678\r", "?"},                        // a name of eight characters
      {"TL246000\r", "?"},                          // no such time
      {"EC999\r", "?"},                             // no channel 999 on the R8A
      {"AX\r", "?"},                                // neither an antenna nor an AGC
      {"\r\r\r", ""},                               // lone CRs: nothing
  };
  for (const auto& [garbage, refusals] : cases) {
    Talk t(kModelR8A);
    EXPECT_EQ(t.Send(garbage), refusals) << garbage;
    EXPECT_EQ(t.Send("M4\r"), "\r\n") << garbage;
    EXPECT_EQ(t.shown().mode, Mode::kCw) << garbage;
  }
}

TEST(ReceiverCommands, LogKeepsTerminatorsAsReceived) {
  Talk r8(kModelR8);
  r8.Send("F0958000C05\rM4\r");
  EXPECT_EQ(r8.rx().commands(), (std::vector<std::string>{"F0958000", "C05", "\r", "M4\r"}));
  Talk r8a(kModelR8A);
  r8a.Send("F0958000\rC005\rC007U\n");
  EXPECT_EQ(r8a.rx().commands(),
            (std::vector<std::string>{"F0958000\r", "C005\r", "C007", "U", "\n"}));
  r8a.rx().ClearLog();
  EXPECT_TRUE(r8a.rx().commands().empty());
  // A full log drops its older half before it takes the next command.
  std::string many;
  for (std::size_t i = 0; i <= Receiver::kLogLimit; ++i) many += "M4\r";
  r8a.Send(many);
  EXPECT_EQ(r8a.rx().commands().size(), Receiver::kLogLimit / 2 + 1);
}

TEST(ReceiverSignal, CarriersOpenTheSquelchAndNoiseDoesNot) {
  Talk t(kModelR8A);
  const std::pair<const char*, bool> cases[] = {
      {"F0958000\r", true},   // strong broadcaster
      {"F0958200\r", true},   // 2 kHz off, still inside the 6 kHz filter
      {"F0960000\r", false},  // between stations
      {"F0970000\r", false},  // a weak station stays below the squelch
      {"F1540000\r", true},
  };
  for (const auto& [tune, open] : cases) {
    t.Send(tune);
    EXPECT_EQ(t.rx().SquelchOpen(), open) << tune;
    EXPECT_EQ(t.Send("RA\r")[20], open ? '*' : ' ') << tune;
  }
  t.Send("F0958000\r");
  const int full = t.rx().SignalLevel();
  t.Send("G-\r");
  EXPECT_LT(t.rx().SignalLevel(), full);
  t.Send("G0\rAC\r");
  EXPECT_FALSE(t.rx().SquelchOpen()) << "HF carriers do not reach the converter input";
}

TEST(ReceiverClock, SetClocksRunOnReceiverTime) {
  Talk t(kModelR8B);
  t.Wait(5000);
  t.Send("TU235959\rTL120000\r");
  EXPECT_EQ(t.state().clock_shown, ClockShown::kLocal);
  t.Wait(2500);
  EXPECT_EQ(t.rx().ClockSeconds(ClockShown::kUtc, t.now()), 1);  // wrapped past midnight
  EXPECT_EQ(t.rx().ClockSeconds(ClockShown::kLocal, t.now()), 12 * 3600 + 2);
}

TEST(ReceiverMemory, StoreThenRecallGivesBackEverySetting) {
  struct Case {
    int model;
    const char* store_number;  // what follows "PR" + CR
    const char* recall;
    int channel;
  };
  const Case cases[] = {
      {kModelR8, "12", "C12", 12},
      {kModelR8A, "012\r", "C012\r", 12},
      {kModelR8B, "987\r", "C987\r", 987},
      {kModelR8A, "C012\r", "C012", 12},  // the number may come as for a recall, "C" first
  };
  for (const Case& c : cases) {
    Talk t(c.model);
    t.Send(Cr(c.model, "F0958000") + "M4\rW1\rAF\rA2\rG+\rBN\rNO\r");
    const Tuning wanted = t.shown();
    EXPECT_EQ(t.Send("PR\r"), "") << "a store gets no reply until its channel number";
    EXPECT_EQ(t.Send(c.store_number), "\r\n") << c.store_number;
    EXPECT_TRUE(t.rx().channel(c.channel).stored);
    EXPECT_EQ(t.state().channel, c.channel);
    EXPECT_FALSE(t.state().memory_mode) << "storing does not leave VFO mode";

    t.Send(Cr(c.model, "F0700000") + "M6\rW6\r");
    EXPECT_EQ(t.Send(c.recall), "\r\n");
    EXPECT_TRUE(t.state().memory_mode);
    EXPECT_EQ(t.shown(), wanted);

    // The program reads the recalled channel from the status line (the settings in it are read
    // back on every model in tests/radio/round_trip_test.cpp).
    RadioState radio;
    const std::string line = t.Send("RA\r");
    ASSERT_TRUE(DecodeStatusLine(line, c.model, radio).frequency_valid) << line;
    EXPECT_EQ(radio.MemoryMode, MemoryModeCode::kChannel);
    EXPECT_EQ(radio.MemChannel, c.channel);
    EXPECT_DOUBLE_EQ(radio.RadioFreq, 9580.0);
  }
}

TEST(ReceiverMemory, ChannelNumbersWithoutAStoreOrOutOfRangeAreRefused) {
  const std::pair<int, const char*> cases[] = {
      {kModelR8A, "012\r"},                                 // bare digits without "PR" first
      {kModelR8, "12"},      {kModelR8A, "PR\r440\r"},      // the R8A has channels 000..439
      {kModelR8A, "C440\r"}, {kModelR8B, "PR\rM4\r123\r"},  // another command cancels the store
  };
  for (const auto& [model, text] : cases) {
    Talk t(model);
    EXPECT_EQ(t.Send(text).back(), '?') << text;
    for (int n = 0; n < t.rx().channel_count(); ++n) {
      ASSERT_FALSE(t.rx().channel(n).stored) << text << " stored " << n;
    }
    EXPECT_FALSE(t.state().memory_mode) << text;
  }
}

TEST(ReceiverMemory, NamesGoToTheChannelOnShowWithUnderscoresAsBlanks) {
  Talk t(kModelR8B);
  t.Send("F0958000\rPR\r003\r");
  EXPECT_EQ(t.Send("NCBBC\r"), "?") << "VFO mode: no channel on show";
  t.Send("C\r");
  EXPECT_EQ(t.state().channel, 3);
  EXPECT_EQ(t.Send("NCBBC_WS\r"), "\r\n");
  EXPECT_EQ(t.rx().channel(3).name, "BBC WS ");
  EXPECT_EQ(t.Send("RA\r").substr(25, 7), "BBC WS ");
  EXPECT_EQ(t.Send("NCRADIO_1\r"), "\r\n");
  EXPECT_EQ(t.rx().channel(3).name, "RADIO 1");
  t.Send("F\r");
  EXPECT_EQ(t.Send("RA\r").substr(25, 7), "       ") << "no name shown in VFO mode";
  // Storing again makes a new channel: the old name goes.
  t.Send("PR\r003\r");
  EXPECT_EQ(t.rx().channel(3).name, "       ");
}

TEST(ReceiverMemory, ErasedChannelsReadBackAtTheBottomOfTheBand) {
  Talk t(kModelR8A);
  t.Send("F0958000\rPR\r001\rPR\r002\rC001\r");
  EXPECT_EQ(FreqField(t.Send("RA\r")), "  9580.00");
  t.Send("EC001\r");
  EXPECT_FALSE(t.rx().channel(1).stored);
  EXPECT_TRUE(t.rx().channel(2).stored);
  EXPECT_EQ(FreqField(t.Send("RA\r")), "   100.00") << "the channel on show is erased too";
  t.Send("EAY\r");
  EXPECT_FALSE(t.rx().channel(2).stored);
}

// The program's capture: from channel s, "U" and "RA" as many times as there are channels, which
// must read every channel once and end on s. "D" steps down, wrapping below channel 0.
TEST(ReceiverMemory, CaptureWalkReadsEveryChannelOnceAndUpDownWrap) {
  for (int model : {kModelR8, kModelR8A, kModelR8B}) {
    Talk t(model);
    const int count = ChannelCount(model);
    t.Send(IsR8(model) ? "F0958000PR\r07C00" : "F0958000\rPR\r007\rC000\r");
    EXPECT_EQ(t.Send("D"), "") << "stepping is never answered";
    EXPECT_EQ(t.state().channel, count - 1) << model;
    std::vector<int> order;
    for (int i = 0; i < count; ++i) {
      EXPECT_EQ(t.Send("U"), "");
      const std::string line = t.Send("RA\r");
      ASSERT_EQ(line.size(), IsR8(model) ? 25u : 37u);
      ASSERT_EQ(line[0], '*');
      const int channel = std::stoi(line.substr(1, IsR8(model) ? 2 : 3));
      order.push_back(channel);
      const bool r8 = IsR8(model);
      EXPECT_EQ(FreqField(line),
                channel == 7 ? (r8 ? "  9.58000" : "  9580.00") : (r8 ? "  0.10000" : "   100.00"))
          << channel;
    }
    for (int i = 0; i < count; ++i) ASSERT_EQ(order[static_cast<std::size_t>(i)], i) << model;
  }
}

// The program's fill of one named channel into an R8A.
TEST(ReceiverMemory, FillSequenceStoresFrequencySettingsAndName) {
  Talk t(kModelR8A);
  t.Send("F0700000\r");
  const Tuning vfo_a = t.shown();
  const std::vector<std::pair<std::string, std::string>> exchange = {
      {"VB\r", "\r\n"},  {"EAY\r", "\r\n"}, {"F0958000\r", "\r\n"},  {"SK\r", "\r\n"},
      {"A2\r", "\r\n"},  {"M2\r", "\r\n"},  {"AF\r", "\r\n"},        {"PR\r", ""},
      {"003\r", "\r\n"}, {"C\r", "\r\n"},   {"NCRADIO_1\r", "\r\n"}, {"F\r", "\r\n"},
      {"VA\r", "\r\n"},
  };
  for (const auto& [command, reply] : exchange) EXPECT_EQ(t.Send(command), reply) << command;
  Channel wanted;
  wanted.stored = true;
  wanted.tuning.freq_10hz = 958000;
  wanted.tuning.mode = Mode::kLsb;
  wanted.tuning.antenna = Antenna::k2;
  wanted.tuning.agc = Agc::kFast;
  wanted.name = "RADIO 1";
  EXPECT_EQ(t.rx().channel(3), wanted);
  EXPECT_FALSE(t.state().memory_mode);
  EXPECT_EQ(t.shown(), vfo_a) << "VFO A is untouched by a fill through VFO B";
}

TEST(ReceiverMemory, TuningInMemoryModeDependsOnMemoryTune) {
  Talk t(kModelR8A);
  t.Send("F0958000\rM4\rPR\r010\rF0600000\rM6\rC010\r");
  // Without memory tune: the channel's settings move to the VFO, which is then tuned.
  t.Send("F1210000\r");
  EXPECT_FALSE(t.state().memory_mode);
  EXPECT_EQ(t.shown().freq_10hz, 1210000);
  EXPECT_EQ(t.shown().mode, Mode::kCw);
  // With memory tune: the channel on show is retuned and stays on show; the store is untouched.
  t.Send("C010\rCTO\rF1220000\rM1\r");
  EXPECT_TRUE(t.state().memory_mode);
  EXPECT_EQ(t.shown().freq_10hz, 1220000);
  EXPECT_EQ(t.shown().mode, Mode::kUsb);
  EXPECT_EQ(t.rx().channel(10).tuning.freq_10hz, 958000);
  EXPECT_EQ(t.rx().channel(10).tuning.mode, Mode::kCw);
}

TEST(ReceiverScan, MemoryScanSendsLinesUntilItStopsOnASignal) {
  for (int model : {kModelR8, kModelR8A, kModelR8B}) {
    // Channels 1 and 2 between stations, channel 3 on a strong one; the scan starts from 0.
    Talk t(model);
    t.Send(IsR8(model) ? "F0960000PR\r01F1200000PR\r02F0958000PR\r03C00"
                       : "F0960000\rPR\r001\rF1200000\rPR\r002\rF0958000\rPR\r003\rC000\r");
    t.rx().StartScan(ScanKind::kMemory, t.now());
    RadioState radio;
    const std::vector<std::string> first = Lines(t.Take(), model);
    ASSERT_EQ(first.size(), 1u) << "a line as the scan starts";
    DecodeStatusLine(first[0], model, radio);
    EXPECT_EQ(radio.ScanState, ScanStateCode::kReceiverScan);

    std::vector<int> channels;
    std::vector<ScanStateCode> scan_states;
    std::vector<char> squelch;
    for (int step = 0; step < 10; ++step) {
      for (const std::string& line : Lines(t.Wait(Receiver::kScanStepMs), model)) {
        DecodeStatusLine(line, model, radio);
        channels.push_back(radio.MemChannel);
        scan_states.push_back(radio.ScanState);
        squelch.push_back(line[IsR8(model) ? 19 : 20]);
      }
    }
    // Only stored channels are visited; the strong one ends the scan with '*' and the bit clear.
    EXPECT_EQ(channels, (std::vector<int>{1, 2, 3})) << model;
    constexpr ScanStateCode kScan = ScanStateCode::kReceiverScan;
    EXPECT_EQ(scan_states, (std::vector{kScan, kScan, ScanStateCode::kIdle})) << model;
    EXPECT_EQ(squelch, (std::vector<char>{' ', ' ', '*'})) << model;
    EXPECT_DOUBLE_EQ(radio.RadioFreq, 9580.0);
    EXPECT_FALSE(t.state().scanning);
    EXPECT_EQ(t.rx().NextEventMs(), Receiver::kNever);
  }
}

// Runs a frequency scan for steps and returns the frequencies shown after each.
std::vector<std::int32_t> ScanSteps(Talk& t, int steps) {
  std::vector<std::int32_t> freqs;
  for (int step = 0; step < steps && t.state().scanning; ++step) {
    t.Wait(Receiver::kScanStepMs);
    freqs.push_back(t.shown().freq_10hz);
  }
  return freqs;
}

TEST(ReceiverScan, FrequencyScanStepsBetweenTheVfosStopsOnACarrierAndWraps) {
  Talk t(kModelR8A);
  t.Send("VB\rF0959500\rVA\rF0956000\r");  // A 9560, B 9595, step 5 kHz
  t.rx().StartScan(ScanKind::kFrequency, t.now());
  EXPECT_EQ(ScanSteps(t, 10), (std::vector<std::int32_t>{956500, 957000, 957500, 958000}));
  EXPECT_TRUE(t.rx().SquelchOpen());

  Talk u(kModelR8A);
  u.Send("VB\rF1201000\rVA\rF1199000\rST\rST\r");  // 11990..12010, step 10 kHz, no carrier
  u.rx().StartScan(ScanKind::kFrequency, u.now());
  EXPECT_EQ(ScanSteps(u, 4), (std::vector<std::int32_t>{1200000, 1201000, 1199000, 1200000}));
  EXPECT_EQ(u.Send("D"), "");
  EXPECT_TRUE(u.state().scanning) << "up/down only turn the scan round";
  EXPECT_EQ(ScanSteps(u, 1), std::vector<std::int32_t>{1199000});
}

TEST(ReceiverScan, WhatStopsTheScan) {
  const std::pair<const char*, bool> cases[] = {
      {"RA\r", false},  {"RF\r", false}, {"RSS\r", false}, {"ID\r", false},  {"U", false},
      {"XYZ\r", false}, {"RS\r", true},  {"M4\r", true},   {"C001\r", true}, {"PF\r", true},
  };
  for (const auto& [command, stops] : cases) {
    Talk t(kModelR8A);
    t.rx().StartScan(ScanKind::kMemory, t.now());
    t.Take();
    const std::string reply = t.Send(command);
    if (std::string(command) == "RA\r") {
      EXPECT_EQ((reply.at(9) - '0') & 0x02, 0x02) << "a poll during the scan shows its bit";
    }
    EXPECT_EQ(t.state().scanning, !stops) << command;
    // A stopped scan sends nothing more by itself.
    if (stops) {
      EXPECT_EQ(t.Wait(10 * Receiver::kScanStepMs), "") << command;
    }
  }
}

TEST(ReceiverScan, PanelStopEndsWithALineTheProgramTakes) {
  Talk t(kModelR8A);
  t.Send("VB\rF0960000\rVA\rF0960000\r");  // equal limits: the whole HF segment
  t.rx().StartScan(ScanKind::kFrequency, t.now());
  t.Wait(3 * Receiver::kScanStepMs);
  t.rx().StopScan(t.now());
  const std::vector<std::string> lines = Lines(t.Take(), kModelR8A);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0][20], '*') << "the R8A program ignores scan lines without it";
  RadioState radio;
  radio.ScanState = ScanStateCode::kReceiverScan;
  DecodeStatusLine(lines[0], kModelR8A, radio);
  EXPECT_EQ(radio.ScanState, ScanStateCode::kIdle);
}

TEST(ReceiverScan, ScanLinesAreUnaskedTimedAtTheirStepAndBoundedWhenUnread) {
  Talk t(kModelR8A);
  t.Wait(1000);
  t.rx().StartScan(ScanKind::kMemory, t.now());
  t.rx().AdvanceTo(t.now() + 350);
  const std::vector<Reply> replies = t.rx().TakeReplies();
  ASSERT_EQ(replies.size(), 4u);
  for (std::size_t i = 0; i < replies.size(); ++i) {
    EXPECT_TRUE(replies[i].unasked);
    EXPECT_EQ(replies[i].at_ms, 1000 + i * Receiver::kScanStepMs);
  }
  const std::uint64_t day_later = t.now() + 24ull * 3600 * 1000;  // nobody reading
  t.rx().AdvanceTo(day_later);
  EXPECT_LE(t.rx().TakeReplies().size(), Receiver::kMaxQueuedReplies);
  EXPECT_TRUE(t.state().scanning);
  EXPECT_GE(t.rx().NextEventMs(), day_later);
}

}  // namespace
}  // namespace r8::emulator
