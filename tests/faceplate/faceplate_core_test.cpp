#include "faceplate/faceplate_core.h"

#include <gtest/gtest.h>

#include "app/app_context.h"
#include "radio/radio_model.h"
#include "support/database_builder.h"
#include "support/test_context.h"

namespace r8 {
namespace {

using testing::TestContext;

class FacePlateCoreTest : public ::testing::Test {
 protected:
  void Start(int model) {
    core.reset();
    t = std::make_unique<TestContext>(model);
    core = std::make_unique<FacePlateCore>(t->ctx());
    // A window that follows the display, as the faceplate panel does.
    refreshed = t->ctx().events().display_refreshed.Subscribe([this](const RadioState&) {
      view = core->View();
      ++refreshes;
    });
    t->Connect();
    core->UpdateDisplay();
    t->port().ClearLog();
    refreshes = 0;
  }
  // The commands the receiver got since the last call.
  std::vector<std::string> Sent() {
    std::vector<std::string> c = t->port().commands();
    t->port().ClearLog();
    return c;
  }

  std::unique_ptr<TestContext> t;
  std::unique_ptr<FacePlateCore> core;
  FacePlateView view;
  int refreshes = 0;
  Subscription refreshed;
};

TEST_F(FacePlateCoreTest, FirstRefreshShowsTheReceiverAndSendsRS) {
  t = std::make_unique<TestContext>(kModelR8B);
  core = std::make_unique<FacePlateCore>(t->ctx());
  t->Connect();
  const FacePlateView v = core->UpdateDisplay();
  EXPECT_TRUE(v.on);
  EXPECT_EQ(v.freq_text, " 5975.00");
  EXPECT_EQ(v.units, "kHz");
  EXPECT_EQ(t->port().commands(), (std::vector<std::string>{"RA\r", "RS\r"}));
}

TEST_F(FacePlateCoreTest, StepsTuneTheReceiver) {
  Start(kModelR8A);
  EXPECT_TRUE(core->TuneUpDown(true, false));  // 5 kHz, the default step
  EXPECT_DOUBLE_EQ(t->radio().RadioFreq, 5980.0);
  EXPECT_EQ(Sent(), (std::vector<std::string>{"F0598000\r", "RA\r"}));
  EXPECT_EQ(view.freq_text, " 5980.00");
  EXPECT_EQ(refreshes, 1);
  core->TuneUpDown(false, true);  // small step 0.01
  EXPECT_EQ(Sent().front(), "F0597999\r");
  // 30 MHz is still HF: the small step there is the HF one.
  t->ctx().control().TuneRadio(30000);
  core->TuneUpDown(false, true);
  EXPECT_NEAR(t->radio().RadioFreq, 29999.99, 1e-6);
}

TEST_F(FacePlateCoreTest, UnitsAndConnectReachTheReceiverAndThePort) {
  Start(kModelR8A);
  core->UnitsClick();
  EXPECT_EQ(Sent().front(), "SM\r");
  EXPECT_EQ(view.units, "MHz");
  EXPECT_FALSE(core->Connect());  // open: it closes
  EXPECT_EQ(t->ctx().link().PortError(), 1);
  EXPECT_TRUE(core->Connect());
  EXPECT_EQ(t->ctx().link().PortError(), 0);
}

TEST_F(FacePlateCoreTest, KeypadEnterTunesAndRefusedEntriesRetuneTheOldFrequency) {
  Start(kModelR8A);
  for (char c : std::string("9580\r")) core->SetTuner(c);
  EXPECT_EQ(Sent().back(), "F0958000\r");
  core->UpdateDisplay();
  EXPECT_EQ(view.freq_text, " 9580.00");
  for (char c : std::string("70\r")) core->SetTuner(c);
  EXPECT_EQ(Sent().back(), "F0958000\r");
  EXPECT_DOUBLE_EQ(t->radio().RadioFreq, 9580.0);
}

TEST_F(FacePlateCoreTest, MemoryModeStepsTheChannels) {
  Start(kModelR8A);
  t->ctx().control().RadioCommand(kCmdMemoryMode, false);
  Sent();
  core->TuneUpDown(true, false);
  EXPECT_EQ(Sent(), (std::vector<std::string>{"U", "RA\r"}));
}

TEST_F(FacePlateCoreTest, MemoryTuneShowsInTheMemoryLabelAndItsMenuItem) {
  Start(kModelR8B);
  EXPECT_FALSE(core->UpdateDisplay().mem_tune_item.enabled);  // not in VFO mode
  t->ctx().control().RadioCommand(kCmdMemoryMode, false);
  FacePlateView v = core->UpdateDisplay();
  EXPECT_EQ(v.mem_lbl_text, "MEM");
  EXPECT_TRUE(v.mem_tune_item.enabled);
  EXPECT_FALSE(v.mem_tune_item.checked);
  Sent();
  core->MemTuneBtnClick();
  EXPECT_EQ(Sent().front(), "CTO\r");
  v = core->UpdateDisplay();
  EXPECT_EQ(v.mem_lbl_text, "MMT");
  EXPECT_TRUE(v.mem_tune_item.checked);
}

TEST_F(FacePlateCoreTest, TheNoiseBlankerIsSentOnlyWhenItChanges) {
  Start(kModelR8B);
  core->SetNoiseBlanker(2);
  EXPECT_EQ(Sent().front(), "BW\r");
  core->SetNoiseBlanker(2);
  core->SetNoiseBlanker(3);
  EXPECT_TRUE(Sent().empty());
}

TEST_F(FacePlateCoreTest, ControlStatesFollowModeAntennaAndModel) {
  struct Case {
    const char* name;
    int model;
    ModeCode mode;
    AntennaCode antenna;
    bool agc, bw, noise, notch, rf, sync;
  };
  const Case cases[] = {
      {"AM", kModelR8A, ModeCode::kAm, AntennaCode::kA1, true, true, true, true, true, true},
      {"FM", kModelR8A, ModeCode::kFm, AntennaCode::kC, false, false, false, false, false, false},
      {"R8B USB", kModelR8B, ModeCode::kUsb, AntennaCode::kA2, true, true, true, true, true, true},
      {"R8A USB", kModelR8A, ModeCode::kUsb, AntennaCode::kA2, true, true, true, true, true, false},
      {"R8B LSB", kModelR8B, ModeCode::kLsb, AntennaCode::kA1, true, true, true, true, true, true},
      {"R8A LSB", kModelR8A, ModeCode::kLsb, AntennaCode::kA1, true, true, true, true, true, false},
      {"CW", kModelR8, ModeCode::kCw, AntennaCode::kA1, true, true, true, true, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start(c.model);
    if (c.antenna == AntennaCode::kC) {
      t->ctx().control().TuneRadio(100000);
    } else {
      t->radio().Antenna = c.antenna;
      t->ctx().control().RadioCommand(kCmdAntenna, false);
    }
    t->radio().Mode = c.mode;
    t->ctx().control().RadioCommand(kCmdMode, false);
    const FacePlateView v = core->UpdateDisplay();
    EXPECT_EQ(v.agc.enabled, c.agc);
    EXPECT_EQ(v.bw.enabled, c.bw);
    EXPECT_EQ(v.noise_btn.enabled, c.noise);
    EXPECT_EQ(v.notch_btn.enabled, c.notch);
    EXPECT_EQ(v.rf.enabled, c.rf);
    EXPECT_EQ(v.sync_btn.enabled, c.sync);
    if (c.mode == ModeCode::kFm) {
      EXPECT_EQ(v.agc.index, CodeNumber(AgcCode::kNone));  // blank
      EXPECT_EQ(v.bw.index, CodeNumber(BandwidthCode::k12));
      EXPECT_EQ(v.rf.index, CodeNumber(RfCode::kNone));  // blank on antenna C
    }
  }
}

TEST_F(FacePlateCoreTest, OffShowsOffAndOnlyPowerConnectionMemoryAndScan) {
  Start(kModelR8A);
  core->PowerBtnClick();
  EXPECT_EQ(Sent().front(), "PF\r");
  EXPECT_FALSE(view.on);
  EXPECT_EQ(view.freq_text, "O  F  F ");
  EXPECT_FALSE(view.units_visible);
  EXPECT_EQ(view.meter_level, -1);
  EXPECT_FALSE(view.keypad.enabled);
  EXPECT_FALSE(view.up_btn.enabled);
  EXPECT_FALSE(view.ant.enabled);
  EXPECT_EQ(view.ant.index, 3);
  EXPECT_EQ(view.mode.index, 6);
  EXPECT_EQ(view.step.index, 0);
  EXPECT_FALSE(view.step.enabled || view.offset.enabled || view.mode.enabled);
  EXPECT_TRUE(view.power_btn.enabled);
  EXPECT_TRUE(view.comms_btn.enabled);
  EXPECT_TRUE(view.mem_btn.enabled);
  EXPECT_TRUE(view.scan_btn.enabled);
  EXPECT_EQ(view.vfo_menu_caption, "&VFO  ");
  // Tuning does nothing while off.
  EXPECT_FALSE(core->TuneUpDown(true, false));
  core->SetTuner('9');
  EXPECT_TRUE(core->entry().EntryIdle);
  EXPECT_TRUE(Sent().empty());
}

TEST(MeterSegment, LevelTableAndTheR8Carrier) {
  const std::pair<int, int> r8a[] = {{0, 0},    {1, 1},    {10, 1},   {11, 2},   {115, 8},
                                     {116, 9},  {137, 9},  {138, 10}, {194, 11}, {216, 12},
                                     {217, 13}, {227, 13}, {228, 14}, {255, 14}, {-5, 0}};
  for (auto [level, segment] : r8a)
    EXPECT_EQ(MeterSegment(kModelR8A, true, level, false), segment) << level;
  EXPECT_EQ(MeterSegment(kModelR8, true, 200, true), 8);
  EXPECT_EQ(MeterSegment(kModelR8, true, 200, false), 0);
  EXPECT_EQ(MeterSegment(kModelR8B, false, 200, true), -1);
}

TEST_F(FacePlateCoreTest, TheMeterFollowsTheEmulatedSignal) {
  Start(kModelR8B);
  t->ctx().control().TuneRadio(9580);  // a strong emulated broadcaster
  core->UpdateDisplay();
  EXPECT_GT(view.meter_level, 5);
  EXPECT_TRUE(t->radio().Carrier);
}

TEST_F(FacePlateCoreTest, ASilentReceiverLeavesTheConfirmedStateAndIsShownAsFailing) {
  Start(kModelR8A);
  core->UpdateDisplay();
  const std::string before = view.freq_text;
  EXPECT_FALSE(view.link_failed);
  t->port().SetSilent(true);
  core->UpdateDisplay();
  EXPECT_EQ(view.freq_text, before);
  EXPECT_TRUE(view.on);
  EXPECT_TRUE(view.link_failed);
  EXPECT_EQ(t->prompts().beeps.size(), 1u);
  // A tune that is not acknowledged shows the frequency the receiver last confirmed.
  for (char c : std::string("9580\r")) core->SetTuner(c);
  EXPECT_EQ(view.freq_text, before);
  EXPECT_DOUBLE_EQ(t->radio().RadioFreq, 5975.0);
  t->port().SetSilent(false);
  core->UpdateDisplay();
  EXPECT_FALSE(view.link_failed);
}

TEST_F(FacePlateCoreTest, CombosRefuseBlankItemsAndTwelveKilohertz) {
  Start(kModelR8A);
  EXPECT_FALSE(core->SelectCombo(kCmdBandwidth, CodeNumber(BandwidthCode::k12)));
  EXPECT_FALSE(core->SelectCombo(kCmdBandwidth, 6));
  EXPECT_FALSE(core->SelectCombo(kCmdMode, 6));
  EXPECT_FALSE(core->SelectCombo(kCmdAntenna, 3));
  EXPECT_FALSE(core->SelectCombo(kCmdRf, 3));
  EXPECT_FALSE(core->SelectCombo(kCmdAgc, 3));
  EXPECT_FALSE(core->SelectCombo(kTagStepList, 0));
  EXPECT_FALSE(core->SelectCombo(kTagOffsetList, 0));
  EXPECT_TRUE(Sent().empty());
  EXPECT_TRUE(core->SelectCombo(kCmdBandwidth, 3));
  EXPECT_EQ(Sent().front(), "W2\r");
  EXPECT_EQ(t->radio().Bandwidth, BandwidthCode::k2_3);
  EXPECT_TRUE(core->SelectCombo(kTagOffsetList, 1));
  EXPECT_DOUBLE_EQ(t->radio().FreqOffset, -2.21);
}

TEST_F(FacePlateCoreTest, EditingTheStepListInsertsInOrderWithinLimits) {
  Start(kModelR8A);
  EXPECT_TRUE(core->ComboDropEdit(kTagStepList, "2.5"));
  const auto& items = core->steps().items;
  const auto pos = std::find(items.begin(), items.end(), "   2.50") - items.begin();
  EXPECT_EQ(items[static_cast<std::size_t>(pos - 1)], "   1.00");
  EXPECT_EQ(items[static_cast<std::size_t>(pos + 1)], "   5.00");
  EXPECT_EQ(core->ui().step_index, pos);
  EXPECT_DOUBLE_EQ(core->StepSize(false), 2.5);
  const std::size_t n = items.size();
  EXPECT_TRUE(core->ComboDropEdit(kTagStepList, "5"));  // already there: selected, not added
  EXPECT_EQ(items.size(), n);
  for (const char* bad : {"0", "-1", "10000", "abc", ""})
    EXPECT_FALSE(core->ComboDropEdit(kTagStepList, bad)) << bad;
  EXPECT_TRUE(core->ComboDropEdit(kTagOffsetList, "-9.99"));
  EXPECT_EQ(core->offsets().items[1], "-9.99");
  EXPECT_FALSE(core->ComboDropEdit(kTagOffsetList, "10"));
  EXPECT_TRUE(core->ComboDropDelete(kTagOffsetList));
  EXPECT_EQ(core->offsets().items[1], "-2.21");
}

TEST(DisplayRules, TheR8ShowsMegahertzAboveThirtyMegahertz) {
  RadioState r;
  r.PowerOn = true;
  r.RadioFreq = 45000;
  ApplyDisplayRules(r, kModelR8);
  EXPECT_EQ(r.BandUnits, BandUnitsCode::kMHz);
  r.RadioFreq = 9580;
  ApplyDisplayRules(r, kModelR8);
  EXPECT_EQ(r.BandUnits, BandUnitsCode::kKHz);
}

TEST_F(FacePlateCoreTest, ListsComeFromAndGoBackToTheSettingsFile) {
  Start(kModelR8A);
  testing::WriteBytes(t->settings_path(),
                      "[OFFSET]\nCOUNT=2\nOFST1=-1.5\nOFST2=2\nDOFST=1\n"
                      "[STEPSIZE]\nCOUNT=1\nSTEP1=2.5\nDSTEP=1\n");
  core->LoadLists();
  EXPECT_DOUBLE_EQ(t->radio().FreqOffset, -1.5);
  EXPECT_EQ(core->ui().offset_index, 1);
  EXPECT_EQ(core->steps().items.size(), 2u);
  EXPECT_EQ(core->ui().step_index, 1);
  core->SelectCombo(kTagOffsetList, 2);
  t->ctx().profile().WriteString("STEPSIZE", "DSTEP", "7");  // changed behind the program
  core->SaveLists();
  EXPECT_EQ(t->ctx().profile().ReadInt("OFFSET", "DOFST", 0), 2);
  EXPECT_EQ(t->ctx().profile().ReadInt("STEPSIZE", "COUNT", 0), 1);
  EXPECT_EQ(t->ctx().profile().ReadInt("STEPSIZE", "DSTEP", 9), 1);
}

TEST_F(FacePlateCoreTest, TheStationListFollowsTheReceiverAndAEqualsBReachesIt) {
  Start(kModelR8A);
  t->ctx().database() =
      testing::MakeDatabase({"Radio Test"}, {testing::AllDayRec(1, 5975.0, "Eu")});
  core->UpdateDisplay();
  ASSERT_EQ(view.stations.size(), 1u);
  EXPECT_NE(view.stations[0].text.find("Radio Test"), std::string::npos);
  Sent();
  core->VFOEqBtnClick();
  EXPECT_EQ(Sent(), (std::vector<std::string>{"AEB\r", "RA\r"}));
  EXPECT_EQ(view.stations.size(), 1u);  // kept through the refresh
  core->PowerBtnClick();
  EXPECT_TRUE(view.stations.empty());  // off: nobody listed
  // The demo's start: the strongest signal with a station on the air, else the strongest.
  EXPECT_EQ(core->FirstFrequencyOnAir({9580, 5975, 7205}), 5975.0);
  EXPECT_EQ(core->FirstFrequencyOnAir({15400}), 15400.0);
  EXPECT_EQ(core->FirstFrequencyOnAir({}), std::nullopt);
}

TEST_F(FacePlateCoreTest, TapeVoxFollowsTheCarrier) {
  Start(kModelR8A);
  t->ctx().control().TuneRadio(9580);  // a carrier
  core->Tick();
  core->TapeBtnClick();
  EXPECT_EQ(t->radio().TapeVOX, TapeVoxCode::kCarrier);
  EXPECT_TRUE(view.tape_btn.down);
  Sent();
  t->ctx().control().TuneRadio(1234);  // nothing there: the carrier drops
  Sent();
  core->Tick();
  EXPECT_FALSE(t->radio().Tape);
  EXPECT_EQ(Sent().back(), "TF\r");
  // Switching the receiver off releases the relay and ends the VOX.
  t->ctx().control().TuneRadio(9580);
  core->Tick();
  EXPECT_TRUE(t->radio().Tape);
  Sent();
  core->PowerBtnClick();
  EXPECT_EQ(Sent().front(), "TF\r");
  EXPECT_EQ(t->radio().TapeVOX, TapeVoxCode::kOff);
  // Without the VOX a relay switched on by hand is left alone.
  core->PowerBtnClick();
  ASSERT_TRUE(t->radio().PowerOn);
  t->radio().Tape = true;
  Sent();
  core->PowerBtnClick();
  EXPECT_EQ(Sent().front(), "PF\r");
}

TEST_F(FacePlateCoreTest, DsrDroppingClosesThePortUnlessIgnored) {
  Start(kModelR8A);
  core->Tick();
  t->port().SetPlugged(false);
  TickResult r = core->Tick();
  EXPECT_TRUE(r.port_closed);
  EXPECT_TRUE(r.comms_lbl_enabled);
  EXPECT_EQ(t->ctx().link().PortError(), 1);
  EXPECT_TRUE(core->UpdateDisplay().comms_btn.down);

  Start(kModelR8A);
  t->ctx().settings().IgnoreDSR = true;
  core->Tick();
  t->port().SetPlugged(false);
  r = core->Tick();
  EXPECT_FALSE(r.port_closed);
  EXPECT_EQ(t->ctx().link().PortError(), 0);
  EXPECT_FALSE(core->UpdateDisplay().comms_btn.down);
}

TEST_F(FacePlateCoreTest, TheMinutePollsOnceButNotWhileTheReceiverScans) {
  Start(kModelR8A);
  core->Tick();  // first tick: the clock is new, one poll
  Sent();
  for (int i = 0; i < 5; ++i) {
    t->clock().Advance(100);
    core->Tick();
  }
  EXPECT_TRUE(Sent().empty());
  t->clock().Advance(60'000);
  core->Tick();
  EXPECT_EQ(Sent(), (std::vector<std::string>{"RA\r"}));

  t->radio().ScanState = ScanStateCode::kReceiverScan;
  t->clock().Advance(60'000);
  core->Tick();
  EXPECT_TRUE(Sent().empty());
  EXPECT_FALSE(core->TuneUpDown(true, false));  // the receiver steps itself; no refresh
}

TEST_F(FacePlateCoreTest, TheTimePanelTogglesTheClockWithoutAPoll) {
  Start(kModelR8A);
  t->clock().Set({2026, 12, 5, 14, 30, 0});
  t->ctx().settings().TimeOffset = -1;
  core->Tick();
  Sent();
  ClockView c = core->TimePnlClick();
  EXPECT_EQ(c.time_lbl, "LOCAL");
  EXPECT_EQ(c.clock_lbl, "14:30 a");
  EXPECT_TRUE(Sent().empty());
  c = core->TimePnlClick();
  EXPECT_EQ(c.time_lbl, "UTC");
  EXPECT_EQ(c.clock_lbl, "13:30 a");
  EXPECT_TRUE(Sent().empty());
}

TEST_F(FacePlateCoreTest, AScanningReceiversLineIsTakenWhenComplete) {
  Start(kModelR8A);
  t->ctx().control().TuneRadio(7300);
  core->UpdateDisplay();
  t->port().StartReceiverScan(emulator::ScanKind::kFrequency);
  t->clock().Advance(150);
  core->UpdateDisplay();  // takes the scan bit from the poll
  ASSERT_EQ(t->radio().ScanState, ScanStateCode::kReceiverScan);
  Sent();
  for (int i = 0; i < 400 && t->radio().ScanState == ScanStateCode::kReceiverScan; ++i) {
    t->clock().Advance(100);
    core->Tick();
  }
  EXPECT_EQ(t->radio().ScanState, ScanStateCode::kIdle);
  EXPECT_TRUE(t->radio().Carrier);
  const auto sent = Sent();
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "RA\r"), 0);
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "RS\r"), 1);
}

}  // namespace
}  // namespace r8
