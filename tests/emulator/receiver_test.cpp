#include "emulator/receiver.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "emulator/emulator_test_support.h"
#include "radio/radio_model.h"

namespace r8::emulator {
namespace {

using testing::Talk;

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

TEST(ReceiverCommands, FrontPanelCommandsSetTheirField) {
  auto shown = [](auto check) { return [check](const Receiver& r) { return check(r.shown()); }; };
  const std::vector<StateCase> cases = {
      {"", "BN\r", shown([](const Tuning& t) { return t.noise_blanker == NoiseBlanker::kNarrow; })},
      {"", "BW\r", shown([](const Tuning& t) { return t.noise_blanker == NoiseBlanker::kWide; })},
      {"BW\r", "BF\r",
       shown([](const Tuning& t) { return t.noise_blanker == NoiseBlanker::kOff; })},
      {"", "NO\r", shown([](const Tuning& t) { return t.notch; })},
      {"NO\r", "NF\r", shown([](const Tuning& t) { return !t.notch; })},
      {"", "A2\r", shown([](const Tuning& t) { return t.antenna == Antenna::k2; })},
      {"", "AC\r", shown([](const Tuning& t) { return t.antenna == Antenna::kConverter; })},
      {"A2\r", "A1\r", shown([](const Tuning& t) { return t.antenna == Antenna::k1; })},
      {"", "G-\r", shown([](const Tuning& t) { return t.rf == RfGain::kAttenuator; })},
      {"", "G+\r", shown([](const Tuning& t) { return t.rf == RfGain::kPreamp; })},
      {"G+\r", "G0\r", shown([](const Tuning& t) { return t.rf == RfGain::kOff; })},
      {"", "AO\r", shown([](const Tuning& t) { return t.agc == Agc::kOff; })},
      {"", "AF\r", shown([](const Tuning& t) { return t.agc == Agc::kFast; })},
      {"AF\r", "AS\r", shown([](const Tuning& t) { return t.agc == Agc::kSlow; })},
      {"", "W4\r", shown([](const Tuning& t) { return t.bandwidth == Bandwidth::kKhz4_0; })},
      {"", "W2\r", shown([](const Tuning& t) { return t.bandwidth == Bandwidth::kKhz2_3; })},
      {"", "W1\r", shown([](const Tuning& t) { return t.bandwidth == Bandwidth::kKhz1_8; })},
      {"", "W0\r", shown([](const Tuning& t) { return t.bandwidth == Bandwidth::kKhz0_5; })},
      {"W0\r", "W6\r", shown([](const Tuning& t) { return t.bandwidth == Bandwidth::kKhz6_0; })},
      {"", "M5\r", shown([](const Tuning& t) { return t.mode == Mode::kFm; })},
      {"", "M4\r", shown([](const Tuning& t) { return t.mode == Mode::kCw; })},
      {"", "M3\r", shown([](const Tuning& t) { return t.mode == Mode::kRtty; })},
      {"", "M2\r", shown([](const Tuning& t) { return t.mode == Mode::kLsb; })},
      {"", "M1\r", shown([](const Tuning& t) { return t.mode == Mode::kUsb; })},
      {"M1\r", "M6\r", shown([](const Tuning& t) { return t.mode == Mode::kAm; })},
      {"", "SO\r", shown([](const Tuning& t) { return t.sync; })},
      {"SO\r", "SF\r", shown([](const Tuning& t) { return !t.sync; })},
      {"", "TO\r", [](const Receiver& r) { return r.state().tape; }},
      {"TO\r", "TF\r", [](const Receiver& r) { return !r.state().tape; }},
      {"", "VB\r", [](const Receiver& r) { return r.state().active_vfo == Vfo::kB; }},
      {"VB\r", "VA\r", [](const Receiver& r) { return r.state().active_vfo == Vfo::kA; }},
      {"", "PF\r", [](const Receiver& r) { return !r.state().power_on; }},
      {"PF\r", "PO\r", [](const Receiver& r) { return r.state().power_on; }},
      {"", "C\r", [](const Receiver& r) { return r.state().memory_mode; }},
      {"C\r", "F\r", [](const Receiver& r) { return !r.state().memory_mode; }},
      {"", "ST\r", [](const Receiver& r) { return r.state().step_index == 4; }},
      {"", "F0958000\r", shown([](const Tuning& t) { return t.freq_10hz == 958000; })},
      {"", "C005",
       [](const Receiver& r) { return r.state().memory_mode && r.state().channel == 5; }},
      // The R8A/R8B display commands.
      {"", "SM\r", [](const Receiver& r) { return r.state().band_display == BandDisplay::kMhz; }},
      {"SM\r", "SK\r",
       [](const Receiver& r) { return r.state().band_display == BandDisplay::kKhz; }},
      {"", "CTO\r", [](const Receiver& r) { return r.state().mem_tune; }},
      {"CTO\r", "CTF\r", [](const Receiver& r) { return !r.state().mem_tune; }},
      {"", "NA\r", [](const Receiver& r) { return r.state().name_mode; }},
      {"NA\r", "NI\r", [](const Receiver& r) { return !r.state().name_mode; }},
      {"", "TI\r", [](const Receiver& r) { return r.state().display_mode == DisplayMode::kClock; }},
      {"TI\r", "FR\r",
       [](const Receiver& r) { return r.state().display_mode == DisplayMode::kFrequency; }},
      {"", "LB\r", [](const Receiver& r) { return !r.state().bright; }},
      {"", "TL\r", [](const Receiver& r) { return r.state().clock_shown == ClockShown::kLocal; }},
      {"TL\r", "TU\r", [](const Receiver& r) { return r.state().clock_shown == ClockShown::kUtc; }},
      {"", "TL123456\r",
       [](const Receiver& r) { return r.ClockSeconds(ClockShown::kLocal, 0) == 45296; }},
      {"", "AEB\r", [](const Receiver& r) { return r.state().vfo[1] == r.state().vfo[0]; }},
      {"PR\r001\r", "EAY\r", [](const Receiver& r) { return !r.channel(1).stored; }},
      {"PR\r001\r", "EC001\r", [](const Receiver& r) { return !r.channel(1).stored; }},
  };
  RunStateCases(kModelR8A, cases);
  RunStateCases(kModelR8B, cases);
}

TEST(ReceiverCommands, TheR8TunesAndRecallsWithoutCarriageReturn) {
  const std::vector<StateCase> cases = {
      {"", "F0958000", [](const Receiver& r) { return r.shown().freq_10hz == 958000; }},
      {"", "C05",
       [](const Receiver& r) { return r.state().memory_mode && r.state().channel == 5; }},
      {"PR\r", "42", [](const Receiver& r) { return r.channel(42).stored; }},
      {"", "M1\r", [](const Receiver& r) { return r.shown().mode == Mode::kUsb; }},
  };
  RunStateCases(kModelR8, cases);
}

TEST(ReceiverCommands, ReplyBytesPerModel) {
  struct Case {
    const char* r8_command;
    const char* r8a_command;
    const char* r8_reply;  // nullptr: check the length only
    const char* r8a_reply;
    std::size_t r8_length;
    std::size_t r8a_length;
  };
  const std::vector<Case> cases = {
      {"TO\r", "TO\r", "\n", "\r\n", 1, 2},
      {"M5\r", "M5\r", "\n", "\r\n", 1, 2},
      {"VB\r", "VB\r", "\n", "\r\n", 1, 2},
      {"F\r", "F\r", "\r\n", "\r\n", 2, 2},
      {"C\r", "C\r", "\r\n", "\r\n", 2, 2},
      {"F0958000", "F0958000\r", "\r\n", "\r\n", 2, 2},
      {"C05", "C005\r", "\r\n", "\r\n", 2, 2},
      {"C05", "C005", "\r\n", "\r\n", 2, 2},
      {"PO\r", "PO\r", "\n", "\r\n", 1, 2},
      {"PF\r", "PF\r", "\n", "\r\n", 1, 2},
      {"RS\r", "RS\r", "\n", "", 1, 0},
      {"ST\r", "ST\r", "\r\n", "\r\n", 2, 2},
      {"PR\r", "PR\r", "", "", 0, 0},
      {"U", "U", "", "", 0, 0},
      {"D", "D", "", "", 0, 0},
      {"\r", "\r", "", "", 0, 0},
      {"RA\r", "RA\r", nullptr, nullptr, 25, 37},
      {"RF\r", "RF\r", "  5.97500*mHz\r\n", "  5975.00*kHz\r\n", 15, 15},
      {"RM\r", "RM\r", "302<8\r\n", " 302<8\r\n", 7, 8},
      {"RC\r", "RC\r", " 00\r\n", " 000\r\n", 5, 6},
      {"RSS\r", "RSS\r", "?", " B4\r\n", 1, 5},
      {"ID\r", "ID\r", "R8\r\n", "R8A\r\n", 4, 5},
      {"AEB\r", "AEB\r", "?", "\r\n", 1, 2},
      {"SK\r", "SK\r", "?", "\r\n", 1, 2},
      {"EAY\r", "EAY\r", "?", "\r\n", 1, 2},
      {"XYZ\r", "XYZ\r", "?", "?", 1, 1},
      {" \r", " \r", "?", "?", 1, 1},
      {"F123\r", "F123\r", "?", "?", 1, 1},
      {"C5\r", "C5\r", "?", "?", 1, 1},
      {"M7\r", "M7\r", "?", "?", 1, 1},
  };
  for (const Case& c : cases) {
    Talk r8(kModelR8);
    Talk r8a(kModelR8A);
    const std::string a = r8.Send(c.r8_command);
    const std::string b = r8a.Send(c.r8a_command);
    EXPECT_EQ(a.size(), c.r8_length) << "R8 " << c.r8_command;
    EXPECT_EQ(b.size(), c.r8a_length) << "R8A " << c.r8a_command;
    if (c.r8_reply) {
      EXPECT_EQ(a, c.r8_reply) << "R8 " << c.r8_command;
    }
    if (c.r8a_reply) {
      EXPECT_EQ(b, c.r8a_reply) << "R8A " << c.r8a_command;
    }
    // Every accepted reply ends in a line feed; a refusal never does.
    for (const std::string* r : {&a, &b}) {
      if (!r->empty() && *r != "?") {
        EXPECT_EQ(r->back(), '\n') << c.r8_command;
      }
    }
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
    if (c.freq_10hz == 0) {
      EXPECT_EQ(t.shown().freq_10hz, before) << c.commands;
      EXPECT_EQ(reply.back(), '?') << c.commands;
    } else {
      EXPECT_EQ(t.shown().freq_10hz, c.freq_10hz) << c.commands;
      EXPECT_EQ(reply.substr(reply.size() - 2), "\r\n") << c.commands;
    }
  }
}

TEST(ReceiverCommands, SwitchedOffAnswersAsUsualButChangesNothing) {
  Talk t(kModelR8A);
  t.Send("PF\r");
  const Tuning before = t.shown();
  EXPECT_EQ(t.Send("M5\r"), "\r\n");
  EXPECT_EQ(t.Send("F0700000\r"), "\r\n");
  EXPECT_EQ(t.Send("C\r"), "\r\n");
  EXPECT_EQ(t.shown(), before);
  EXPECT_FALSE(t.state().memory_mode);
  const std::string status = t.Send("RA\r");
  ASSERT_EQ(status.size(), 37u);
  EXPECT_EQ(status.substr(11, 9), std::string(9, ' '));
  EXPECT_FALSE(t.rx().SquelchOpen());
  t.Send("PO\r");
  EXPECT_EQ(t.Send("RA\r").substr(11, 9), "  5975.00");
}

TEST(ReceiverCommands, GarbageIsRefusedOnceAndTheNextCommandWorks) {
  struct Case {
    std::string garbage;
    std::string refusals;
  };
  const std::vector<Case> cases = {
      {std::string(100, 'X') + "\r", "?"},          // overflow: one refusal, the rest dropped
      {std::string("\x00\xff\x80\x1b\r", 5), "?"},  // binary bytes
      {"ra\r", "?"},                                // commands are upper case
      {"NC12345678\r", "?"},                        // a name of eight characters
      {"TL246000\r", "?"},                          // no such time
      {"EC999\r", "?"},                             // no channel 999 on the R8A
      {"\r\r\r", ""},                               // lone CRs: nothing
  };
  for (const Case& c : cases) {
    Talk t(kModelR8A);
    EXPECT_EQ(t.Send(c.garbage), c.refusals) << c.garbage;
    EXPECT_EQ(t.Send("M4\r"), "\r\n") << c.garbage;
    EXPECT_EQ(t.shown().mode, Mode::kCw) << c.garbage;
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
}

TEST(ReceiverSignal, CarriersOpenTheSquelchAndNoiseDoesNot) {
  Talk t(kModelR8A);
  struct Case {
    const char* tune;
    bool open;
  };
  const std::vector<Case> cases = {
      {"F0958000\r", true},   // strong broadcaster
      {"F0958200\r", true},   // 2 kHz off, still inside the 6 kHz filter
      {"F0960000\r", false},  // between stations
      {"F0970000\r", false},  // a weak station stays below the squelch
      {"F1540000\r", true},
  };
  for (const Case& c : cases) {
    t.Send(c.tune);
    EXPECT_EQ(t.rx().SquelchOpen(), c.open) << c.tune;
    const std::string line = t.Send("RA\r");
    EXPECT_EQ(line[20], c.open ? '*' : ' ') << c.tune;
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

}  // namespace
}  // namespace r8::emulator
