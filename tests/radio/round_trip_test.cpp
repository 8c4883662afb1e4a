// Every front-panel command against the emulated receiver: the command changes the receiver as
// meant, and the next status poll reads the same state back.
#include <gtest/gtest.h>

#include "app/app_context.h"
#include "radio/radio_model.h"
#include "radio/radio_protocol.h"
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
      {"antenna 1", kCmdAntenna, [](RadioState& r) { r.Antenna = kAntenna1; },
       [](const RadioState& r) { return r.Antenna == kAntenna1; }},
      {"antenna 2", kCmdAntenna, [](RadioState& r) { r.Antenna = kAntenna2; },
       [](const RadioState& r) { return r.Antenna == kAntenna2; }},
      {"RF att", kCmdRf, [](RadioState& r) { r.RF = kRfAtt; },
       [](const RadioState& r) { return r.RF == kRfAtt; }},
      {"RF pre", kCmdRf, [](RadioState& r) { r.RF = kRfPre; },
       [](const RadioState& r) { return r.RF == kRfPre; }},
      {"RF off", kCmdRf, [](RadioState& r) { r.RF = kRfOff; },
       [](const RadioState& r) { return r.RF == kRfOff; }},
      {"AGC off", kCmdAgc, [](RadioState& r) { r.AGC = kAgcOff; },
       [](const RadioState& r) { return r.AGC == kAgcOff; }},
      {"AGC slow", kCmdAgc, [](RadioState& r) { r.AGC = kAgcSlow; },
       [](const RadioState& r) { return r.AGC == kAgcSlow; }},
      {"AGC fast", kCmdAgc, [](RadioState& r) { r.AGC = kAgcFast; },
       [](const RadioState& r) { return r.AGC == kAgcFast; }},
      {"BW 6.0", kCmdBandwidth, [](RadioState& r) { r.Bandwidth = 1; },
       [](const RadioState& r) { return r.Bandwidth == 1; }},
      {"BW 4.0", kCmdBandwidth, [](RadioState& r) { r.Bandwidth = 2; },
       [](const RadioState& r) { return r.Bandwidth == 2; }},
      {"BW 2.3", kCmdBandwidth, [](RadioState& r) { r.Bandwidth = 3; },
       [](const RadioState& r) { return r.Bandwidth == 3; }},
      {"BW 1.8", kCmdBandwidth, [](RadioState& r) { r.Bandwidth = 4; },
       [](const RadioState& r) { return r.Bandwidth == 4; }},
      {"BW 0.5", kCmdBandwidth, [](RadioState& r) { r.Bandwidth = 5; },
       [](const RadioState& r) { return r.Bandwidth == 5; }},
      {"CW", kCmdMode, [](RadioState& r) { r.Mode = kModeCw; },
       [](const RadioState& r) { return r.Mode == kModeCw; }},
      {"RTTY", kCmdMode, [](RadioState& r) { r.Mode = kModeRtty; },
       [](const RadioState& r) { return r.Mode == kModeRtty; }},
      {"LSB", kCmdMode, [](RadioState& r) { r.Mode = kModeLsb; },
       [](const RadioState& r) { return r.Mode == kModeLsb; }},
      {"USB", kCmdMode, [](RadioState& r) { r.Mode = kModeUsb; },
       [](const RadioState& r) { return r.Mode == kModeUsb; }},
      {"FM", kCmdMode, [](RadioState& r) { r.Mode = kModeFm; },
       [](const RadioState& r) {
         return r.Mode == kModeFm && r.AGC == kAgcNone && r.Bandwidth == kBw12;
       }},
      {"AM", kCmdMode, [](RadioState& r) { r.Mode = kModeAm; },
       [](const RadioState& r) { return r.Mode == kModeAm; }},
      {"blanker narrow", kCmdNoiseBlanker, [](RadioState& r) { r.NoiseBlanker = 1; },
       [](const RadioState& r) { return r.NoiseBlanker == 1; }},
      {"blanker wide", kCmdNoiseBlanker, [](RadioState& r) { r.NoiseBlanker = 2; },
       [](const RadioState& r) { return r.NoiseBlanker == 2; }},
      {"blanker off", kCmdNoiseBlanker, [](RadioState& r) { r.NoiseBlanker = 0; },
       [](const RadioState& r) { return r.NoiseBlanker == 0; }},
      {"notch on", kCmdNotch, [](RadioState& r) { r.Notch = 1; },
       [](const RadioState& r) { return r.Notch == 2; }},
      {"notch off", kCmdNotch, [](RadioState& r) { r.Notch = 2; },
       [](const RadioState& r) { return r.Notch == 1; }},
      {"sync on", kCmdSync, [](RadioState& r) { r.Sync = false; },
       [](const RadioState& r) { return r.Sync; }},
      {"sync off", kCmdSync, [](RadioState& r) { r.Sync = true; },
       [](const RadioState& r) { return !r.Sync; }},
      {"VFO B", kCmdVfo, [](RadioState& r) { r.VFO = 1; },
       [](const RadioState& r) { return r.VFO == 2; }},
      {"VFO A", kCmdVfo, [](RadioState& r) { r.VFO = 2; },
       [](const RadioState& r) { return r.VFO == 1; }},
      {"memory mode", kCmdMemoryMode, [](RadioState& r) { r.MemoryMode = 1; },
       [](const RadioState& r) { return r.MemoryMode == 2; }},
      {"VFO mode", kCmdMemoryMode, [](RadioState& r) { r.MemoryMode = 2; },
       [](const RadioState& r) { return r.MemoryMode == 1; }},
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
      t.radio().Antenna = t.radio().RF = 9;
      t.radio().AGC = t.radio().Bandwidth = t.radio().Mode = 9;
      t.radio().NoiseBlanker = t.radio().Notch = t.radio().VFO = 9;
      t.radio().MemoryMode = 9;
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
      const int antenna = f > 30000 ? kAntennaC : (f >= 5000 && f <= 7000 ? kAntenna2 : kAntenna1);
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
    r.Mode = kModeUsb;
    control.RadioCommand(kCmdMode, false);
    r.Bandwidth = 3;
    control.RadioCommand(kCmdBandwidth, false);
    r.NoiseBlanker = 2;
    control.RadioCommand(kCmdNoiseBlanker, false);
    control.PollStatus();
    control.VfoAEqualsB();
    control.RadioCommand(kCmdVfo, false);  // look at B
    ASSERT_TRUE(control.PollStatus().read);
    EXPECT_EQ(r.VFO, 2);
    EXPECT_DOUBLE_EQ(r.RadioFreq, 7300.0);
    EXPECT_EQ(r.Mode, kModeUsb);
    EXPECT_EQ(r.NoiseBlanker, 2);
    // The R8 has no bandwidth command in its copy sequence; the R8A/R8B copy everything at once.
    if (model != kModelR8) {
      EXPECT_EQ(r.Bandwidth, 3);
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
  EXPECT_EQ(r.MemoryMode, 2);
  EXPECT_EQ(r.MemChannel, 123);
  EXPECT_DOUBLE_EQ(r.RadioFreq, 9580.0);
  r.MemoryMode = 2;
  control.RadioCommand(kCmdMemoryMode, false);  // back to VFO mode for the name
  EXPECT_TRUE(control.StoreRadioMemName("BBC WS"));
  EXPECT_EQ(t.receiver().channel(123).name, "BBC WS ");  // the receiver shows blanks again
}

}  // namespace
}  // namespace r8
