#include "radio/radio_protocol.h"

#include <gtest/gtest.h>

#include <cmath>

#include "radio/radio_model.h"
#include "support/fake_clock.h"
#include "support/scripted_prompts.h"
#include "support/scripted_serial_port.h"

namespace r8 {
namespace {

using testing::FakeClock;
using testing::ScriptedPrompts;
using testing::ScriptedSerialPort;

// The exact bytes each operation puts on the line, with every exchange acknowledged.
class ProtocolBytes : public ::testing::Test {
 protected:
  void Use(int model) {
    settings.RadioModel = model;
    settings.CommPort = 1;
    link.CommOpen();
    port.acknowledge = true;
    port.writes.clear();
    port.reads.clear();
    notified = 0;
    control.on_update_display = [this] { ++notified; };
  }
  // Writes joined, so the R8's one-byte-at-a-time writes read as whole commands.
  std::string Sent() const { return port.written; }
  void Clear() {
    port.written.clear();
    port.writes.clear();
    port.reads.clear();
  }

  ScriptedSerialPort port;
  FakeClock clock;
  ScriptedPrompts prompts;
  Settings settings;
  RadioState radio;
  RadioLink link{port, clock, prompts, settings, radio};
  RadioControl control{link, radio, settings, clock};
  int notified = 0;
};

// Tuning: the antenna the frequency needs goes first, then the frequency with the offset added.
TEST_F(ProtocolBytes, TuningSelectsTheAntennaAndSendsTheFrequency) {
  struct Case {
    const char* what;
    int model, primary;
    AntennaCode antenna;
    bool alternate_band;  // 5000..7000 kHz on the other antenna
    double freq, offset;
    const char* sent;  // nullptr: no frequency is sent
    AntennaCode antenna_after;
  };
  constexpr AntennaCode k1 = AntennaCode::kA1, k2 = AntennaCode::kA2, kC = AntennaCode::kC;
  const int r8 = kModelR8, r8a = kModelR8A;
  const Case cases[] = {
      {"R8", r8, 1, k1, false, 9580, 0, "F0958000", k1},
      {"R8A", r8a, 1, k1, false, 9580, 0, "F0958000\r", k1},
      {"VHF", r8a, 1, k1, false, 118000, 0, "AC\rF1180000\r", kC},
      {"VHF already on C", r8a, 1, kC, false, 118000, 0, "F1180000\r", kC},
      {"30 MHz is still HF", r8a, 1, k1, false, 30000, 0, "F3000000\r", k1},
      {"just above", r8a, 1, k1, false, 30000.01, 0, "AC\rF0300000\r", kC},
      {"into the band", r8a, 1, k1, true, 6000, 0, "A2\rF0600000\r", k2},
      {"out of the band", r8a, 1, k2, true, 8000, 0, "A1\rF0800000\r", k1},
      {"the band's lower edge", r8a, 1, k1, true, 5000, 0, "A2\rF0500000\r", k2},
      {"the band's upper edge", r8a, 1, k1, true, 7000, 0, "A2\rF0700000\r", k2},
      {"band disabled", r8a, 1, k1, false, 6000, 0, "F0600000\r", k1},
      // A primary antenna setting out of range counts as antenna 1: HF never goes to the converter.
      {"primary out of range", r8a, 0, k1, true, 6000, 0, "A2\rF0600000\r", k2},
      {"offset", r8a, 2, k2, false, 9580, -2.21, "F0957779\r", k2},
      {"eight digits", r8a, 1, kC, false, 1e7, 0, nullptr, kC},
      {"negative", r8a, 1, kC, false, -5.0, 0, nullptr, kC},
      {"not a number", r8a, 1, kC, false, std::nan(""), 0, nullptr, kC},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Use(c.model);
    settings.primary_antenna = c.primary;
    settings.ex_freq_enabled = c.alternate_band;
    settings.ex_freq1 = 5000;
    settings.ex_freq2 = 7000;
    radio.Antenna = c.antenna;
    radio.FreqOffset = c.offset;
    radio.VFOEqLamp = true;
    Clear();
    control.TuneRadio(c.freq);
    if (!c.sent) {
      EXPECT_EQ(Sent().find('F'), std::string::npos);
      continue;
    }
    EXPECT_EQ(Sent(), c.sent);
    EXPECT_EQ(radio.Antenna, c.antenna_after);
    EXPECT_FALSE(radio.VFOEqLamp);  // tuning away ends A=B
    if (c.model == kModelR8) {
      EXPECT_EQ(port.reads, (std::vector<std::size_t>{2}));
    }
  }
}

TEST_F(ProtocolBytes, EveryFrontPanelCommandAndItsReplyLength) {
  struct Case {
    int id;
    std::function<void(RadioState&)> set;
    const char* text;
  };
  const Case cases[] = {
      {kCmdTape, [](RadioState& r) { r.Tape = false; }, "TO\r"},
      {kCmdTape, [](RadioState& r) { r.Tape = true; }, "TF\r"},
      {kCmdMemoryMode, [](RadioState& r) { r.MemoryMode = MemoryModeCode::kVfo; }, "C\r"},
      {kCmdMemoryMode, [](RadioState& r) { r.MemoryMode = MemoryModeCode::kChannel; }, "F\r"},
      {kCmdNoiseBlanker, [](RadioState& r) { r.NoiseBlanker = NoiseBlankerCode::kOff; }, "BF\r"},
      {kCmdNoiseBlanker, [](RadioState& r) { r.NoiseBlanker = NoiseBlankerCode::kNarrow; }, "BN\r"},
      {kCmdNoiseBlanker, [](RadioState& r) { r.NoiseBlanker = NoiseBlankerCode::kWide; }, "BW\r"},
      {kCmdNotch, [](RadioState& r) { r.Notch = NotchCode::kOff; }, "NO\r"},
      {kCmdNotch, [](RadioState& r) { r.Notch = NotchCode::kOn; }, "NF\r"},
      {kCmdVfo, [](RadioState& r) { r.VFO = VfoCode::kA; }, "VB\r"},
      {kCmdVfo, [](RadioState& r) { r.VFO = VfoCode::kB; }, "VA\r"},
      {kCmdVfoAEqualsB, [](RadioState&) {}, "AEB\r"},
      {kCmdAntenna, [](RadioState& r) { r.Antenna = AntennaCode::kA1; }, "A1\r"},
      {kCmdAntenna, [](RadioState& r) { r.Antenna = AntennaCode::kA2; }, "A2\r"},
      {kCmdAntenna, [](RadioState& r) { r.Antenna = AntennaCode::kC; }, "AC\r"},
      {kCmdRf, [](RadioState& r) { r.RF = RfCode::kAtt; }, "G-\r"},
      {kCmdRf, [](RadioState& r) { r.RF = RfCode::kOff; }, "G0\r"},
      {kCmdRf, [](RadioState& r) { r.RF = RfCode::kPre; }, "G+\r"},
      {kCmdAgc, [](RadioState& r) { r.AGC = AgcCode::kOff; }, "AO\r"},
      {kCmdAgc, [](RadioState& r) { r.AGC = AgcCode::kSlow; }, "AS\r"},
      {kCmdAgc, [](RadioState& r) { r.AGC = AgcCode::kFast; }, "AF\r"},
      {kCmdBandwidth, [](RadioState& r) { r.Bandwidth = BandwidthCode::k6_0; }, "W6\r"},
      {kCmdBandwidth, [](RadioState& r) { r.Bandwidth = BandwidthCode::k4_0; }, "W4\r"},
      {kCmdBandwidth, [](RadioState& r) { r.Bandwidth = BandwidthCode::k2_3; }, "W2\r"},
      {kCmdBandwidth, [](RadioState& r) { r.Bandwidth = BandwidthCode::k1_8; }, "W1\r"},
      {kCmdBandwidth, [](RadioState& r) { r.Bandwidth = BandwidthCode::k0_5; }, "W0\r"},
      {kCmdMode, [](RadioState& r) { r.Mode = ModeCode::kAm; }, "M6\r"},
      {kCmdMode, [](RadioState& r) { r.Mode = ModeCode::kFm; }, "M5\r"},
      {kCmdMode, [](RadioState& r) { r.Mode = ModeCode::kCw; }, "M4\r"},
      {kCmdMode, [](RadioState& r) { r.Mode = ModeCode::kRtty; }, "M3\r"},
      {kCmdMode, [](RadioState& r) { r.Mode = ModeCode::kLsb; }, "M2\r"},
      {kCmdMode, [](RadioState& r) { r.Mode = ModeCode::kUsb; }, "M1\r"},
      {kCmdSync, [](RadioState& r) { r.Sync = false; }, "SO\r"},
      {kCmdSync, [](RadioState& r) { r.Sync = true; }, "SF\r"},
  };
  for (int model : {kModelR8, kModelR8A, kModelR8B}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(ModelName(model)) + " " + c.text);
      Use(model);
      Clear();
      c.set(radio);
      EXPECT_TRUE(control.RadioCommand(c.id, true));
      EXPECT_EQ(Sent(), c.text);
      const std::size_t expected = model != kModelR8 ? 2 : (c.id == kCmdMemoryMode ? 2 : 1);
      EXPECT_EQ(port.reads, (std::vector<std::size_t>{expected}));
      EXPECT_EQ(notified, 1);
    }
  }
}

TEST_F(ProtocolBytes, TogglesHappenBeforeSendingAndTapeAfter) {
  Use(kModelR8A);
  radio.Notch = NotchCode::kOff;
  control.RadioCommand(kCmdNotch, false);
  EXPECT_EQ(radio.Notch, NotchCode::kOn);
  radio.Tape = false;
  control.RadioCommand(kCmdTape, false);
  EXPECT_TRUE(radio.Tape);
  radio.VFOEqLamp = true;
  control.RadioCommand(kCmdAntenna, false);
  EXPECT_FALSE(radio.VFOEqLamp);
  EXPECT_EQ(notified, 0);
}

TEST_F(ProtocolBytes, ValuesWithoutACommandSendNothing) {
  Use(kModelR8A);
  radio.Bandwidth = BandwidthCode::k12;
  EXPECT_FALSE(control.RadioCommand(kCmdBandwidth, true));
  radio.Mode = static_cast<ModeCode>(6);
  EXPECT_FALSE(control.RadioCommand(kCmdMode, true));
  radio.AGC = AgcCode::kNone;
  EXPECT_FALSE(control.RadioCommand(kCmdAgc, true));
  EXPECT_FALSE(control.RadioCommand(999, true));
  EXPECT_EQ(Sent(), "");
  EXPECT_EQ(notified, 0);
}

TEST_F(ProtocolBytes, PowerChannelsAndStores) {
  Use(kModelR8);
  control.PowerToggle();
  EXPECT_EQ(Sent(), "PO\r");
  EXPECT_TRUE(radio.PowerOn);
  EXPECT_EQ(notified, 1);
  Clear();
  control.PowerToggle();
  EXPECT_EQ(Sent(), "PF\r");
  EXPECT_EQ(port.reads, (std::vector<std::size_t>{1}));
  Clear();
  control.RecallChannel(7);
  EXPECT_EQ(Sent(), "C07");
  Clear();
  control.StepChannel(true);
  control.StepChannel(false);
  EXPECT_EQ(Sent(), "UD");
  EXPECT_TRUE(port.reads.empty());
  Clear();
  EXPECT_TRUE(control.StoreRadioChannel(42));
  EXPECT_EQ(Sent(), "PR\rC42");

  Use(kModelR8B);
  Clear();
  control.RecallChannel(7);
  EXPECT_EQ(Sent(), "C007\r");
  Clear();
  const std::uint64_t before = clock.total_paused_ms();
  EXPECT_TRUE(control.StoreRadioChannel(999));
  EXPECT_EQ(Sent(), "PR\rC999\r");
  // PR, pause, channel (paced read), pause.
  EXPECT_EQ(clock.total_paused_ms() - before, 115u * 3);
  port.acknowledge = false;
  EXPECT_FALSE(control.StoreRadioChannel(1));
}

TEST_F(ProtocolBytes, ChannelNames) {
  Use(kModelR8A);
  radio.MemoryMode = MemoryModeCode::kVfo;
  EXPECT_TRUE(control.StoreRadioMemName("BBC World Service"));
  EXPECT_EQ(Sent(), "C\rNCBBC_Wor\rF\r");
  EXPECT_EQ(radio.MemoryMode, MemoryModeCode::kVfo);
  Clear();
  EXPECT_TRUE(control.StoreRadioMemName("   "));
  EXPECT_TRUE(control.StoreRadioMemName(""));
  EXPECT_EQ(Sent(), "");
}

TEST_F(ProtocolBytes, DisplayCommandsGoOnlyToTheR8AAndR8B) {
  Use(kModelR8);
  control.SetRadioBandDisplay();
  control.SetRadioMemTune();
  control.SetRadioNameMode(1);
  control.ToggleRadioBright();
  control.SetRadioDisplayMode(0);
  control.SetRadioClockDisplay(1);
  control.SetRadioClocks();
  EXPECT_EQ(Sent(), "");
  control.StepRadioStep();
  EXPECT_EQ(Sent(), "ST\r");
  EXPECT_EQ(port.reads, (std::vector<std::size_t>{2}));

  Use(kModelR8B);
  Clear();
  radio.BandUnits = BandUnitsCode::kKHz;
  radio.RadioFreq = 9580;
  control.SetRadioBandDisplay();
  radio.RadioFreq = 50000;
  control.SetRadioBandDisplay();
  radio.BandUnits = BandUnitsCode::kMHz;
  radio.RadioFreq = 9580;
  control.SetRadioBandDisplay();
  radio.MemTune = 0;
  control.SetRadioMemTune();
  radio.MemTune = 1;
  control.SetRadioMemTune();
  control.SetRadioNameMode(0);
  control.SetRadioNameMode(1);
  control.ToggleRadioBright();
  control.SetRadioDisplayMode(0);
  control.SetRadioDisplayMode(1);
  control.SetRadioClockDisplay(1);
  control.SetRadioClockDisplay(2);
  EXPECT_EQ(Sent(), "SK\rSM\rSM\rCTF\rCTO\rNI\rNA\rLB\rFR\rTI\rTL\rTU\r");
}

TEST_F(ProtocolBytes, ClocksSetTheDisplayedOneLast) {
  Use(kModelR8A);
  clock.Set({2026, 12, 5, 23, 40, 7});
  settings.TimeOffset = 1.5;
  settings.ClockDisplay = 2;
  control.SetRadioClocks();
  EXPECT_EQ(Sent(), "TL234007\rTU011007\r");
  Clear();
  settings.ClockDisplay = 1;
  settings.TimeOffset = -5;
  clock.Set({2026, 12, 5, 3, 5, 59});
  control.SetRadioClocks();
  EXPECT_EQ(Sent(), "TU220559\rTL030559\r");
  // Until the user sets the offset, UTC is the computer's time, not 20 hours ahead of it.
  Clear();
  settings.TimeOffset = kTimeNotSet;
  control.SetRadioClocks();
  EXPECT_EQ(Sent(), "TU030559\rTL030559\r");
}

TEST_F(ProtocolBytes, VfoAEqualsBOnTheR8IsACommandSequence) {
  Use(kModelR8);
  radio.Antenna = AntennaCode::kA2;
  radio.RF = RfCode::kPre;
  radio.Mode = ModeCode::kAm;
  radio.NoiseBlanker = NoiseBlankerCode::kNarrow;
  radio.Notch = NotchCode::kOn;
  radio.Sync = true;
  radio.RadioFreq = 9580;
  radio.VFO = VfoCode::kA;
  settings.primary_antenna = 2;
  control.VfoAEqualsB();
  EXPECT_EQ(Sent(), "VB\rA2\rG+\rM6\rBN\rNO\rF0958000VA\rSO\r");
  EXPECT_TRUE(radio.VFOEqLamp);
  EXPECT_EQ(radio.VFO, VfoCode::kA);
  EXPECT_EQ(radio.Notch, NotchCode::kOn);
  EXPECT_TRUE(radio.Sync);
  EXPECT_EQ(notified, 0);
  Clear();
  control.VfoAEqualsB();  // the lamp is lit: nothing to do
  EXPECT_EQ(Sent(), "");

  // FM and antenna C leave out what the receiver has no choice of.
  radio.VFOEqLamp = false;
  radio.Mode = ModeCode::kFm;
  radio.Antenna = AntennaCode::kC;
  radio.RadioFreq = 100000;
  control.VfoAEqualsB();
  EXPECT_EQ(Sent(), "VB\rAC\rM5\rF1000000VA\r");

  Use(kModelR8A);
  Clear();
  radio.VFOEqLamp = false;
  control.VfoAEqualsB();
  EXPECT_EQ(Sent(), "AEB\r");
  EXPECT_TRUE(radio.VFOEqLamp);
  Clear();
  control.VfoAEqualsB();  // lit: not sent again
  EXPECT_EQ(Sent(), "");
}

TEST_F(ProtocolBytes, MemoryRecordOperations) {
  Use(kModelR8B);
  radio.Mode = ModeCode::kAm;
  control.SetRadioMode(ModeCode::kAm);
  EXPECT_EQ(Sent(), "");
  control.SetRadioMode(ModeCode::kUsb);
  EXPECT_EQ(Sent(), "M1\r");
  Clear();
  control.SetRadioSync(true, false);
  EXPECT_EQ(Sent(), "SO\r");
  EXPECT_TRUE(radio.Sync);
  Clear();
  control.SetRadioSync(false, false);
  EXPECT_EQ(Sent(), "SF\r");
  Clear();
  control.SetRadioSync(true, true);  // USB: the AM-only variant sends nothing
  EXPECT_EQ(Sent(), "");
  Clear();
  control.MemoryFillPreamble();
  EXPECT_EQ(Sent(), "EAY\r");
}

TEST_F(ProtocolBytes, StatusPollAndItsFollowUps) {
  Use(kModelR8);
  port.answers.push_back(" 05 00:<8   9.58000 MHz\r\n");
  PollResult p = control.PollStatus();
  EXPECT_EQ(Sent(), "RA\r");
  EXPECT_TRUE(p.read);
  EXPECT_TRUE(p.power_came_on);
  EXPECT_TRUE(radio.PowerOn);
  control.SendFollowUps(p);
  EXPECT_EQ(Sent(), "RA\rRS\r");
  EXPECT_EQ(port.reads.back(), 1u);

  // A second poll with the receiver still on sends no "RS".
  Clear();
  port.answers.push_back(" 05 00:<8   9.58000 MHz\r\n");
  p = control.PollStatus();
  EXPECT_FALSE(p.power_came_on);
  control.SendFollowUps(p);
  EXPECT_EQ(Sent(), "RA\r");

  // A 24-byte reply is ignored entirely.
  Clear();
  port.acknowledge = false;
  port.answers.push_back(" 05 00:<8   0.00000 MHz\n");
  p = control.PollStatus();
  EXPECT_FALSE(p.read);
  EXPECT_TRUE(radio.PowerOn);
}

TEST_F(ProtocolBytes, WhileTheReceiverScansOnlyItsOwnLinesAreRead) {
  Use(kModelR8A);
  // The receiver is on, and then starts scanning by itself.
  port.answers.push_back(" 012 00:<:   9580.00 KHz BBC____ 10\r\n");
  control.SendFollowUps(control.PollStatus());
  EXPECT_EQ(radio.ScanState, ScanStateCode::kReceiverScan);
  Clear();
  // A scanning step without a signal is ignored; a stop on a signal is taken.
  port.answers.push_back(" 012 00:<:   9580.00 KHz BBC____ 10\r\n");
  PollResult p = control.PollStatus();
  EXPECT_TRUE(p.ignored);
  EXPECT_EQ(Sent(), "");
  port.answers.push_back(" 012 00:<8   9585.00*KHz BBC____ 80\r\n");
  p = control.PollStatus();
  EXPECT_TRUE(p.read);
  EXPECT_TRUE(p.scan_ended);
  EXPECT_EQ(Sent(), "");
  EXPECT_DOUBLE_EQ(radio.RadioFreq, 9585.0);
  control.SendFollowUps(p);
  EXPECT_EQ(Sent(), "RS\r");

  // Believed to scan (a garbled line said so) but silent: after that many empty reads it is asked.
  radio.ScanState = ScanStateCode::kReceiverScan;
  port.acknowledge = false;
  Clear();
  for (int i = 0; i < kSilentScanReads; ++i) EXPECT_FALSE(control.PollStatus().read);
  EXPECT_EQ(Sent(), "");
  port.answers.push_back(" 012 00:<8   9585.00 KHz BBC____ 80\r\n");
  EXPECT_TRUE(control.PollStatus().scan_ended);
  EXPECT_EQ(Sent(), "RA\r");
}

}  // namespace
}  // namespace r8
