// Every front-panel command against the emulated receiver: the command changes the receiver as
// meant, and the next status poll reads the same state back.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "app/app_context.h"
#include "radio/radio_model.h"
#include "radio/radio_protocol.h"
#include "radio/status_line.h"
#include "support/test_context.h"

namespace r8 {
namespace {

using testing::TestContext;

struct Setting {
  const char* name;
  int id;
  std::function<void(RadioState&)> set;
  std::function<bool(const RadioState&)> check;
};

TEST(RoundTrip, EveryFrontPanelCommandReadsBackThroughThePoll) {
  const std::vector<Setting> settings = {
      {"antenna 1", kCmdAntenna, [](RadioState& r) { r.Antenna = AntennaCode::kA1; },
       [](const RadioState& r) { return r.Antenna == AntennaCode::kA1; }},
      {"antenna 2", kCmdAntenna, [](RadioState& r) { r.Antenna = AntennaCode::kA2; },
       [](const RadioState& r) { return r.Antenna == AntennaCode::kA2; }},
      {"RF att", kCmdRf, [](RadioState& r) { r.RF = RfCode::kAtt; },
       [](const RadioState& r) { return r.RF == RfCode::kAtt; }},
      {"RF pre", kCmdRf, [](RadioState& r) { r.RF = RfCode::kPre; },
       [](const RadioState& r) { return r.RF == RfCode::kPre; }},
      {"RF off", kCmdRf, [](RadioState& r) { r.RF = RfCode::kOff; },
       [](const RadioState& r) { return r.RF == RfCode::kOff; }},
      {"AGC off", kCmdAgc, [](RadioState& r) { r.AGC = AgcCode::kOff; },
       [](const RadioState& r) { return r.AGC == AgcCode::kOff; }},
      {"AGC slow", kCmdAgc, [](RadioState& r) { r.AGC = AgcCode::kSlow; },
       [](const RadioState& r) { return r.AGC == AgcCode::kSlow; }},
      {"AGC fast", kCmdAgc, [](RadioState& r) { r.AGC = AgcCode::kFast; },
       [](const RadioState& r) { return r.AGC == AgcCode::kFast; }},
      {"BW 6.0", kCmdBandwidth, [](RadioState& r) { r.Bandwidth = BandwidthCode::k6_0; },
       [](const RadioState& r) { return r.Bandwidth == BandwidthCode::k6_0; }},
      {"BW 4.0", kCmdBandwidth, [](RadioState& r) { r.Bandwidth = BandwidthCode::k4_0; },
       [](const RadioState& r) { return r.Bandwidth == BandwidthCode::k4_0; }},
      {"BW 2.3", kCmdBandwidth, [](RadioState& r) { r.Bandwidth = BandwidthCode::k2_3; },
       [](const RadioState& r) { return r.Bandwidth == BandwidthCode::k2_3; }},
      {"BW 1.8", kCmdBandwidth, [](RadioState& r) { r.Bandwidth = BandwidthCode::k1_8; },
       [](const RadioState& r) { return r.Bandwidth == BandwidthCode::k1_8; }},
      {"BW 0.5", kCmdBandwidth, [](RadioState& r) { r.Bandwidth = BandwidthCode::k0_5; },
       [](const RadioState& r) { return r.Bandwidth == BandwidthCode::k0_5; }},
      {"CW", kCmdMode, [](RadioState& r) { r.Mode = ModeCode::kCw; },
       [](const RadioState& r) { return r.Mode == ModeCode::kCw; }},
      {"RTTY", kCmdMode, [](RadioState& r) { r.Mode = ModeCode::kRtty; },
       [](const RadioState& r) { return r.Mode == ModeCode::kRtty; }},
      {"LSB", kCmdMode, [](RadioState& r) { r.Mode = ModeCode::kLsb; },
       [](const RadioState& r) { return r.Mode == ModeCode::kLsb; }},
      {"USB", kCmdMode, [](RadioState& r) { r.Mode = ModeCode::kUsb; },
       [](const RadioState& r) { return r.Mode == ModeCode::kUsb; }},
      {"FM", kCmdMode, [](RadioState& r) { r.Mode = ModeCode::kFm; },
       [](const RadioState& r) {
         return r.Mode == ModeCode::kFm && r.AGC == AgcCode::kNone &&
                r.Bandwidth == BandwidthCode::k12;
       }},
      {"AM", kCmdMode, [](RadioState& r) { r.Mode = ModeCode::kAm; },
       [](const RadioState& r) { return r.Mode == ModeCode::kAm; }},
      {"blanker narrow", kCmdNoiseBlanker,
       [](RadioState& r) { r.NoiseBlanker = NoiseBlankerCode::kNarrow; },
       [](const RadioState& r) { return r.NoiseBlanker == NoiseBlankerCode::kNarrow; }},
      {"blanker wide", kCmdNoiseBlanker,
       [](RadioState& r) { r.NoiseBlanker = NoiseBlankerCode::kWide; },
       [](const RadioState& r) { return r.NoiseBlanker == NoiseBlankerCode::kWide; }},
      {"blanker off", kCmdNoiseBlanker,
       [](RadioState& r) { r.NoiseBlanker = NoiseBlankerCode::kOff; },
       [](const RadioState& r) { return r.NoiseBlanker == NoiseBlankerCode::kOff; }},
      {"notch on", kCmdNotch, [](RadioState& r) { r.Notch = NotchCode::kOff; },
       [](const RadioState& r) { return r.Notch == NotchCode::kOn; }},
      {"notch off", kCmdNotch, [](RadioState& r) { r.Notch = NotchCode::kOn; },
       [](const RadioState& r) { return r.Notch == NotchCode::kOff; }},
      {"sync on", kCmdSync, [](RadioState& r) { r.Sync = false; },
       [](const RadioState& r) { return r.Sync; }},
      {"sync off", kCmdSync, [](RadioState& r) { r.Sync = true; },
       [](const RadioState& r) { return !r.Sync; }},
      {"VFO B", kCmdVfo, [](RadioState& r) { r.VFO = VfoCode::kA; },
       [](const RadioState& r) { return r.VFO == VfoCode::kB; }},
      {"VFO A", kCmdVfo, [](RadioState& r) { r.VFO = VfoCode::kB; },
       [](const RadioState& r) { return r.VFO == VfoCode::kA; }},
      {"memory mode", kCmdMemoryMode, [](RadioState& r) { r.MemoryMode = MemoryModeCode::kVfo; },
       [](const RadioState& r) { return r.MemoryMode == MemoryModeCode::kChannel; }},
      {"VFO mode", kCmdMemoryMode, [](RadioState& r) { r.MemoryMode = MemoryModeCode::kChannel; },
       [](const RadioState& r) { return r.MemoryMode == MemoryModeCode::kVfo; }},
  };
  for (int model : {kModelR8, kModelR8A, kModelR8B}) {
    TestContext t(model);
    t.Connect();
    RadioControl& control = t.ctx().control();
    control.PollStatus();
    for (const Setting& s : settings) {
      SCOPED_TRACE(std::string(ModelName(model)) + ": " + s.name);
      s.set(t.radio());
      ASSERT_TRUE(control.RadioCommand(s.id, false));
      // Scramble the mirror, so only the poll can put it right.
      RadioState& r = t.radio();
      r.Antenna = static_cast<AntennaCode>(9);
      r.RF = static_cast<RfCode>(9);
      r.AGC = static_cast<AgcCode>(9);
      r.Bandwidth = static_cast<BandwidthCode>(9);
      r.Mode = static_cast<ModeCode>(9);
      r.NoiseBlanker = static_cast<NoiseBlankerCode>(9);
      r.Notch = static_cast<NotchCode>(9);
      r.VFO = static_cast<VfoCode>(9);
      r.MemoryMode = static_cast<MemoryModeCode>(9);
      const PollResult p = control.PollStatus();
      ASSERT_TRUE(p.read);
      EXPECT_TRUE(s.check(t.radio()));
    }
    EXPECT_TRUE(t.prompts().beeps.empty());
  }
}

TEST(RoundTrip, TuningAntennaCAndTheAlternateBand) {
  for (int model : {kModelR8, kModelR8A, kModelR8B}) {
    SCOPED_TRACE(ModelName(model));
    TestContext t(model);
    t.ctx().settings().ex_freq_enabled = true;
    t.ctx().settings().ex_freq1 = 5000;
    t.ctx().settings().ex_freq2 = 7000;
    t.Connect();
    RadioControl& control = t.ctx().control();
    for (double f : {9580.0, 6000.0, 118000.0, 45000.0, 30000.0, 100.0, 15770.0}) {
      control.TuneRadio(f);
      t.radio().RadioFreq = 0;
      ASSERT_TRUE(control.PollStatus().read);
      EXPECT_DOUBLE_EQ(t.radio().RadioFreq, f);
      const AntennaCode antenna =
          f > 30000 ? AntennaCode::kC
                    : (f >= 5000 && f <= 7000 ? AntennaCode::kA2 : AntennaCode::kA1);
      EXPECT_EQ(t.radio().Antenna, antenna) << f;
    }
  }
}

TEST(RoundTrip, VfoAEqualsBCopiesEverySettingOnEveryModel) {
  for (int model : {kModelR8, kModelR8A, kModelR8B}) {
    SCOPED_TRACE(ModelName(model));
    TestContext t(model);
    t.Connect();
    RadioControl& control = t.ctx().control();
    RadioState& r = t.radio();
    control.PollStatus();
    control.TuneRadio(7300);
    r.Mode = ModeCode::kUsb;
    control.RadioCommand(kCmdMode, false);
    r.Bandwidth = BandwidthCode::k2_3;
    control.RadioCommand(kCmdBandwidth, false);
    r.NoiseBlanker = NoiseBlankerCode::kWide;
    control.RadioCommand(kCmdNoiseBlanker, false);
    control.PollStatus();
    control.VfoAEqualsB();
    control.RadioCommand(kCmdVfo, false);  // look at B
    ASSERT_TRUE(control.PollStatus().read);
    EXPECT_EQ(r.VFO, VfoCode::kB);
    EXPECT_DOUBLE_EQ(r.RadioFreq, 7300.0);
    EXPECT_EQ(r.Mode, ModeCode::kUsb);
    EXPECT_EQ(r.NoiseBlanker, NoiseBlankerCode::kWide);
    // The R8 has no bandwidth command in its copy sequence; the R8A/R8B copy everything at once.
    if (model != kModelR8) {
      EXPECT_EQ(r.Bandwidth, BandwidthCode::k2_3);
    }
  }
}

TEST(RoundTrip, ChannelStoreRecallAndNames) {
  TestContext t(kModelR8B);
  t.Connect();
  RadioControl& control = t.ctx().control();
  RadioState& r = t.radio();
  control.TuneRadio(9580);
  ASSERT_TRUE(control.StoreRadioChannel(123));
  control.TuneRadio(6000);
  control.RecallChannel(123);
  ASSERT_TRUE(control.PollStatus().read);
  EXPECT_EQ(r.MemoryMode, MemoryModeCode::kChannel);
  EXPECT_EQ(r.MemChannel, 123);
  EXPECT_DOUBLE_EQ(r.RadioFreq, 9580.0);
  r.MemoryMode = MemoryModeCode::kChannel;
  control.RadioCommand(kCmdMemoryMode, false);  // back to VFO mode for the name
  EXPECT_TRUE(control.StoreRadioMemName("BBC WS"));
  EXPECT_EQ(t.receiver().channel(123).name, "BBC WS ");  // the receiver shows blanks again
}

// Thousands of tunes and polls through a line that drops, garbles and delays the receiver's
// messages and falls silent for a while, in both read modes: no transaction outlasts its retries,
// a failed poll changes nothing, and a poll no fault came near reads the receiver's true state.
TEST(RoundTrip, TheLinkComesThroughLineFaultsWithTheReceiversState) {
  for (const bool fast : {false, true}) {
    SCOPED_TRACE(fast ? "fast replies" : "default reads");
    TestContext t(kModelR8A);
    t.ctx().settings().complete_reply = fast;
    t.ctx().settings().RxPace = fast ? 20 : 115;
    t.Connect();
    t.port().SetFaultPlan({0.03, 0.03, 0.03, 400, 60000, 4000}, 11);
    RadioControl& control = t.ctx().control();
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> khz(500, 29999);
    std::uint64_t last_fault_ms = 0;
    std::uint64_t faults = 0;
    int checked = 0;
    int failed = 0;
    for (int i = 0; i < 5000; ++i) {
      const std::uint64_t start = t.port().NowMs();
      const RadioState before = t.radio();
      const bool poll = i % 2 == 1;
      PollResult p;
      if (poll) {
        p = control.PollStatus();
      } else {
        control.TuneRadio(khz(rng));
      }
      const std::uint64_t end = t.port().NowMs();
      // Three attempts, each a read and two resynchronising reads, each of them at most the
      // pacing twice (wait and timeout) and the line time.
      const std::uint64_t pace = static_cast<std::uint64_t>(t.ctx().settings().RxPace);
      ASSERT_LE(end - start, 3 * 3 * (2 * pace + 45)) << "transaction " << i;
      const std::uint64_t now_faults = t.port().fault_counts().total();
      if (now_faults != faults) last_fault_ms = end;
      faults = now_faults;
      if (!poll) continue;
      if (!p.read) {
        ++failed;
        EXPECT_EQ(t.radio().RadioFreq, before.RadioFreq) << i;
        EXPECT_EQ(t.radio().PowerOn, before.PowerOn) << i;
      } else if (start > last_fault_ms + 500) {
        RadioState truth = t.radio();
        DecodeStatusLine(t.receiver().StatusLine(), kModelR8A, truth);
        ++checked;
        ASSERT_NEAR(t.radio().RadioFreq, truth.RadioFreq, 0.001) << i;
        ASSERT_TRUE(t.radio().PowerOn) << i;
      }
    }
    // The plan was felt, and most polls still came through clean.
    EXPECT_GT(t.port().fault_counts().silenced, 0u);
    EXPECT_GT(failed, 10);
    EXPECT_GT(checked, 500);
  }
}

}  // namespace
}  // namespace r8
