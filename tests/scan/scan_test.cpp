#include <gtest/gtest.h>

#include <set>

#include "app/app_context.h"
#include "faceplate/faceplate_core.h"
#include "pan/pan_display.h"
#include "radio/radio_model.h"
#include "scan/scan_controller.h"
#include "scan/scan_rules.h"
#include "support/test_context.h"

namespace r8 {
namespace {

using testing::TestContext;

TEST(ScanRules, WrapBankSearchAndDelay) {
  // A-B wrap with an offset of 1.78 kHz: limits 9400..9500 are without it.
  EXPECT_DOUBLE_EQ(WrapToScanLimits(9501.79, 1.78, 9400, 9500, true), 9401.78);
  EXPECT_DOUBLE_EQ(WrapToScanLimits(9501.78, 1.78, 9400, 9500, true), 9501.78);
  EXPECT_DOUBLE_EQ(WrapToScanLimits(9401.77, 1.78, 9400, 9500, false), 9501.78);
  EXPECT_DOUBLE_EQ(WrapToScanLimits(9401.77, 1.78, 9400, 9500, true), 9401.77);

  // An R8 with banks 2 and 7 and channels 21, 24 and 73 stored.
  const BankFlags banks = ParseScanList("27", kModelR8);
  const std::set<int> stored = {21, 24, 73};
  const auto occupied = [&](int c) { return stored.count(c) > 0; };
  std::vector<int> up{21}, down{21};
  for (int i = 0; i < 3; ++i) {
    up.push_back(*NextListChannel(up.back(), true, banks, kModelR8, occupied));
    down.push_back(*NextListChannel(down.back(), false, banks, kModelR8, occupied));
  }
  EXPECT_EQ(up, (std::vector<int>{21, 24, 73, 21}));
  EXPECT_EQ(down, (std::vector<int>{21, 73, 24, 21}));
  // The R8B wraps past bank 99; from the last channel up and the first down too.
  BankFlags b99{};
  b99[99] = b99[0] = true;
  const auto only = [](int ch) { return [ch](int c) { return c == ch; }; };
  EXPECT_EQ(NextListChannel(999, true, b99, kModelR8B, only(3)), 3);
  EXPECT_EQ(NextListChannel(0, false, b99, kModelR8B, only(995)), 995);
  // A bank beyond the model's is never visited; nothing stored, no bank, no table: no endless
  // search.
  EXPECT_EQ(NextListChannel(5, true, b99, kModelR8A, only(995)), std::nullopt);
  EXPECT_EQ(NextListChannel(21, true, banks, kModelR8, only(55)), std::nullopt);
  EXPECT_EQ(NextListChannel(21, true, BankFlags{}, kModelR8, occupied), std::nullopt);
  EXPECT_EQ(NextListChannel(21, true, banks, kModelR8, nullptr), std::nullopt);

  EXPECT_EQ(ScanDelayMs(7), 1000);
  EXPECT_EQ(ScanDelayMs(10), 10000);
  EXPECT_EQ(ScanDelayMs(0), 50);
}

class ScanTest : public ::testing::Test {
 protected:
  void Start(int model, int mode, int type) {
    // What refers to the old context goes before it.
    scan.reset();
    core.reset();
    t = std::make_unique<TestContext>(model);
    t->ctx().settings().scan_mode = mode;
    t->ctx().settings().scan_type = type;
    core = std::make_unique<FacePlateCore>(t->ctx());
    scan = std::make_unique<ScanController>(t->ctx(), *core);
    t->Connect();
    core->UpdateDisplay();
  }
  // VFO B at b, then VFO A at a, the receiver left on A.
  void SetVfos(double a, double b) {
    RadioControl& c = t->ctx().control();
    c.RadioCommand(kCmdVfo, true);
    c.TuneRadio(b);
    c.RadioCommand(kCmdVfo, true);
    c.TuneRadio(a);
    core->UpdateDisplay();
  }
  void Steps(int n) {
    for (int i = 0; i < n && scan->active(); ++i) {
      t->clock().Advance(10);
      scan->Step();
    }
  }
  double Freq() { return t->radio().RadioFreq; }

  std::unique_ptr<TestContext> t;
  std::unique_ptr<FacePlateCore> core;
  std::unique_ptr<ScanController> scan;
};

TEST_F(ScanTest, AnABScanTakesItsLimitsFromTheVfosAndSeekStopsOnACarrier) {
  Start(kModelR8A, kScanModeAB, kScanTypeSeek);
  SetVfos(5900, 6200);
  t->ctx().commands().Post(AppCommand::kScanButton);
  ASSERT_TRUE(scan->active());
  EXPECT_EQ(t->ctx().scan().lower_khz, 5900);
  EXPECT_EQ(t->ctx().scan().upper_khz, 6200);
  EXPECT_EQ(t->radio().VFO, VfoCode::kA);
  EXPECT_TRUE(t->ctx().scan().pan_sweep);
  Steps(100);
  EXPECT_FALSE(scan->active());
  EXPECT_FALSE(t->ctx().scan().pan_sweep);
  EXPECT_EQ(Freq(), 5950);  // the 49 m band's first carrier, and the receiver stays there
  EXPECT_EQ(t->receiver().shown().freq_10hz, 595000);

  // Swapped VFOs give the same limits; going down past the lower one wraps to the upper.
  Start(kModelR8A, kScanModeAB, kScanTypeCarr);
  SetVfos(9500, 9400);
  scan->ScanBtnClick();
  EXPECT_EQ(t->ctx().scan().lower_khz, 9400);
  EXPECT_EQ(t->ctx().scan().upper_khz, 9500);
  core->TuneUpDown(false, false);  // a tuning button reverses the scan
  Steps(2);
  EXPECT_EQ(Freq(), 9485);
  t->radio().RadioFreq = 9400;
  Steps(1);
  EXPECT_EQ(Freq(), 9500);
  scan->ScanBtnClick();
  EXPECT_FALSE(scan->active());
}

// An A-B scan on the R8A sweeps the pan display: its limits and step, then a point per step.
TEST_F(ScanTest, AnABScanFeedsThePanDisplay) {
  Start(kModelR8A, kScanModeAB, kScanTypeCarr);
  PanDisplay pan(t->ctx());
  const PanRecorder recorder(t->ctx(), pan, [this]() -> std::optional<PanSweepSetup> {
    const ScanStatus& s = t->ctx().scan();
    if (!s.pan_sweep) return std::nullopt;
    return PanSweepSetup{s.lower_khz, s.upper_khz, s.pan_step_khz};
  });
  SetVfos(6100, 6300);
  scan->ScanBtnClick();
  EXPECT_EQ(pan.sweep().lower(), 6100);
  EXPECT_EQ(pan.sweep().upper(), 6300);
  EXPECT_EQ(pan.sweep().step(), 5);
  EXPECT_DOUBLE_EQ(pan.sweep().previous().freq, 6100);  // the sweep starts where the receiver is
  Steps(3);
  EXPECT_DOUBLE_EQ(pan.sweep().previous().freq, 6115);
  scan->ScanBtnClick();
}

TEST_F(ScanTest, TimeHoldsItsDelayCarrHoldsWhileTheCarrierLastsPauseStopsStepping) {
  Start(kModelR8A, kScanModeAB, kScanTypeTime);
  t->ctx().settings().scan_delay = 7;  // 1000 ms
  SetVfos(5945, 6200);
  scan->ScanBtnClick();
  Steps(1);
  ASSERT_EQ(Freq(), 5950);
  Steps(99);  // 990 ms: still held
  EXPECT_EQ(Freq(), 5950);
  Steps(1);
  EXPECT_EQ(Freq(), 5955);

  Start(kModelR8A, kScanModeAB, kScanTypeCarr);
  SetVfos(5945, 6200);
  scan->ScanBtnClick();
  Steps(50);
  ASSERT_EQ(Freq(), 5950);
  t->receiver().Receive("F0596000\r", t->port().NowMs());  // the carrier goes from the receiver
  Steps(1);
  EXPECT_EQ(Freq(), 5955);
  scan->TogglePause();
  EXPECT_EQ(scan->LabelText(), "PAUS");
  EXPECT_EQ(core->View().scan_lbl_text, "PAUS");
  Steps(5);
  EXPECT_EQ(Freq(), 5955);
  // A silent receiver fails the step's transactions; the scan goes on.
  scan->TogglePause();
  t->port().SetSilent(true);
  Steps(1);
  EXPECT_TRUE(scan->active());
}

TEST_F(ScanTest, MemoryListScanNeedsAMemoryFileAndEndsWhenItsBanksHoldNothing) {
  Start(kModelR8, kScanModeList, kScanTypeCarr);
  scan->ScanBtnClick();
  EXPECT_FALSE(scan->active());
  ASSERT_EQ(t->prompts().messages.size(), 1u);
  EXPECT_EQ(t->prompts().messages[0].text, kListScanNeedsMemories);

  t->ctx().scan().banks = ParseScanList("27", kModelR8);
  t->ctx().scan().channel_occupied = [](int c) { return c == 21 || c == 24 || c == 73; };
  scan->ScanBtnClick();
  ASSERT_TRUE(scan->active());
  EXPECT_EQ(t->radio().MemoryMode, MemoryModeCode::kChannel);
  std::vector<int> visited;
  for (int i = 0; i < 4; ++i) {
    Steps(1);
    visited.push_back(t->receiver().state().channel);
  }
  EXPECT_EQ(visited, (std::vector<int>{21, 24, 73, 21}));
  t->ctx().scan().channel_occupied = [](int) { return false; };
  Steps(1);
  EXPECT_FALSE(scan->active());
  EXPECT_EQ(t->prompts().messages.back().text, kListScanFindsNothing);

  // No parameters and none chosen when offered, or "Freq" with no list window: nothing starts.
  Start(kModelR8A, 0, kScanTypeSeek);
  int offered = 0;
  scan->open_parameters = [&] { ++offered; };
  scan->ScanBtnClick();
  EXPECT_EQ(offered, 1);
  EXPECT_FALSE(scan->active());
  t->ctx().settings().scan_mode = kScanModeFreq;
  scan->ScanBtnClick();
  EXPECT_FALSE(scan->active());
}

}  // namespace
}  // namespace r8
