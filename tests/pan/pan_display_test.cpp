#include "pan/pan_display.h"

#include <fstream>

#include <gtest/gtest.h>

#include "common/file_commit.h"
#include "common/real48.h"
#include "pan/pan_file.h"
#include "support/test_context.h"

namespace r8 {
namespace {

using testing::TestContext;

std::string Record(double a, double b) {
  const Real48Bytes x = DoubleToReal48(a), y = DoubleToReal48(b);
  return std::string(x.begin(), x.end()) + std::string(y.begin(), y.end());
}

class PanDisplayTest : public ::testing::Test {
 protected:
  PanDisplayTest() {
    t.Connect();
    t.radio().PowerOn = true;
  }
  std::optional<PanSweepSetup> setup{PanSweepSetup{5900, 6200, 5}};
  TestContext t{kModelR8A};
  PanDisplay pan{t.ctx()};
  PanRecorder recorder{t.ctx(), pan, [this] { return setup; }};

  // A scan that reaches `points` sweep points at level 100 + i, as the faceplate refresh feeds it.
  void Sweep(int points) {
    t.ctx().events().scan_changed.Emit(true);
    RadioState r;
    for (int i = 0; i < points; ++i) {
      r.RadioFreq = 5900 + 5 * i;
      r.MeterLevel = 100 + i;
      t.ctx().events().display_refreshed.Emit(r);
    }
    t.ctx().events().scan_changed.Emit(false);
  }
  std::string Write(const std::string& name, const std::string& bytes) {
    std::ofstream(t.dir() / name, std::ios::binary) << bytes;
    return name;
  }
};

TEST_F(PanDisplayTest, ScanFillsTheSweepAndAHalfSweepSavesWithZeroRecords) {
  Sweep(30);
  EXPECT_EQ(pan.sweep().Entry(29).level, 129);
  EXPECT_TRUE(pan.menu().save);
  t.prompts().QueueFile((t.dir() / "BAND49").string());
  t.ctx().commands().Post(AppCommand::kPanFileSave);
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(t.dir() / "BAND49.pan", bytes));
  EXPECT_EQ(bytes.size(), 756u);  // N = 60: 63 records
  EXPECT_EQ(bytes.substr(12 * 40, 12), Record(0, 0));  // a point the scan never reached
  EXPECT_EQ(pan.caption(), "Pan Display - [BAND49.pan]");
  EXPECT_FALSE(pan.menu().save);

  pan.New1Click();
  EXPECT_EQ(pan.sweep().step(), 0.0);
  EXPECT_EQ(pan.caption(), "Pan Display - [<Untitled>]");
  ASSERT_TRUE(pan.OpenPanFile("BAND49.pan"));
  EXPECT_EQ(pan.sweep().PointCount(), 60);
  EXPECT_EQ(pan.sweep().Entry(29).level, 129);
  EXPECT_EQ(pan.sweep().Entry(30).count, 0);
  EXPECT_TRUE(pan.menu().save_as && pan.menu().scan && !pan.menu().save);
}

TEST_F(PanDisplayTest, BadPanFiles) {
  struct Case {
    const char* what;
    std::string bytes;
    double lower, upper, step;
    int stored;        // points with a reading after loading
    bool message;
  };
  const std::string head = Record(0, 100) + Record(5, 0);
  std::string huge = head;
  for (int i = 0; i < 10001; ++i) huge += Record(50, 10);
  const Case cases[] = {
      {"empty", "", 5900, 6200, 5, 0, false},
      {"one record", Record(7000, 7300), 7000, 7300, 5, 0, false},
      {"cut mid-record", head + Record(5, 99) + "abcde", 0, 100, 5, 1, true},
      {"huge", huge, 5900, 6200, 5, 0, true},
      // A zero record is an unvisited point even where 0 kHz is inside the range.
      {"zero records", head + Record(0, 0) + Record(10, 300), 0, 100, 5, 1, false},
      {"absurd reals", Record(0, 1.7e38) + Record(1e-30, 0) + Record(1.7e38, 1e30) +
           std::string(12, '\xff'), 0, Real48ToDouble(DoubleToReal48(1.7e38)), -1, 1, false},
  };
  for (const Case& c : cases) {
    pan.New1Click();
    pan.StartSweep({5900, 6200, 5}, t.radio());
    pan.StopSweep();
    t.prompts().messages.clear();
    pan.OpenPanFile(Write("BAD.PAN", c.bytes));
    EXPECT_EQ(pan.sweep().lower(), c.lower) << c.what;
    EXPECT_EQ(pan.sweep().upper(), c.upper) << c.what;
    if (c.step >= 0) {
      EXPECT_EQ(pan.sweep().step(), c.step) << c.what;
    }
    int stored = 0;
    for (const SweepEntry& e : pan.sweep().Points()) {
      stored += e.count > 0;
      EXPECT_LE(e.level, kPanLevelMax) << c.what;
    }
    EXPECT_LE(pan.sweep().Points().size(), 10000u) << c.what;
    EXPECT_EQ(stored, c.stored) << c.what;
    EXPECT_EQ(!t.prompts().messages.empty(), c.message) << c.what;
  }
}

TEST_F(PanDisplayTest, OpeningAChangedSweepAsksFirst) {
  Sweep(3);
  t.prompts().QueueAnswer(Answer::kCancel);
  t.ctx().commands().Post(AppCommand::kPanFileOpen);
  ASSERT_EQ(t.prompts().texts().size(), 1u);
  EXPECT_NE(t.prompts().texts()[0].find("Pan file has been changed."), std::string::npos);
  EXPECT_TRUE(t.prompts().file_requests.empty());
  t.prompts().QueueAnswer(Answer::kNo);
  t.prompts().QueueFileCancel();
  t.ctx().commands().Post(AppCommand::kPanFileOpen);
  ASSERT_EQ(t.prompts().file_requests.size(), 1u);
  EXPECT_EQ(t.prompts().file_requests[0].title, "Open Pan File");
  EXPECT_EQ(pan.sweep().Entry(2).count, 1);  // cancelled: the sweep stays
}

TEST_F(PanDisplayTest, ZoomClickRescanAndKeypad) {
  Sweep(60);
  t.prompts().messages.clear();
  pan.ZoomDown(6000.001);
  pan.ZoomUp(6000);
  ASSERT_EQ(t.prompts().texts(), std::vector<std::string>{"Scan sweep too small!"});
  EXPECT_EQ(pan.sweep().upper(), 6200);
  pan.ZoomDown(6100);
  pan.ZoomUp(6000);
  EXPECT_EQ(pan.sweep().lower(), 6100);
  EXPECT_EQ(pan.sweep().upper(), 6000);

  int refreshes = 0, vfo = 0, scans = 0, keys = 0;
  std::vector<Subscription> subs;
  subs.push_back(t.ctx().commands().Register(AppCommand::kRefresh, [&](int) { ++refreshes; }));
  subs.push_back(t.ctx().commands().Register(AppCommand::kVfoSwitch, [&](int) { ++vfo; }));
  subs.push_back(t.ctx().commands().Register(AppCommand::kScanButton, [&](int) { ++scans; }));
  subs.push_back(t.ctx().commands().Register(AppCommand::kKeypadChar, [&](int c) { keys += c; }));
  pan.GraphDspClick(6050.004);
  EXPECT_EQ(t.radio().RadioFreq, 6050);
  EXPECT_EQ(t.port().commands().back(), "F0605000\r");
  EXPECT_EQ(refreshes, 1);
  t.ctx().events().scan_changed.Emit(true);  // no clicks, zooms or rescans while a scan runs
  pan.GraphDspClick(6010);
  pan.Scan1Click();
  EXPECT_EQ(refreshes + vfo + scans, 1);
  t.ctx().events().scan_changed.Emit(false);
  pan.Scan1Click();
  EXPECT_EQ(vfo, 2);
  EXPECT_EQ(scans, 1);
  EXPECT_EQ(t.ctx().settings().scan_mode * 10 + t.ctx().settings().scan_type, 32);
  pan.KeyChar('.');
  pan.KeyChar('5');
  EXPECT_EQ(keys, '.');
}

TEST_F(PanDisplayTest, MenuFollowsTheRefreshAndOnlyAnAbSweepRecords) {
  RadioState r = t.radio();
  pan.Refresh(r);
  EXPECT_FALSE(pan.menu().scan);  // no sweep set yet
  setup.reset();                  // a scan that does not sweep (memory scan, or an R8)
  Sweep(3);
  EXPECT_FALSE(pan.sweep().has_sweep());
  setup = PanSweepSetup{5900, 6200, 5};
  Sweep(3);
  t.ctx().events().scan_changed.Emit(true);
  pan.Refresh(r);
  EXPECT_FALSE(pan.menu().scan || pan.menu().file);
  t.ctx().events().scan_changed.Emit(false);
  pan.Refresh(r);
  EXPECT_TRUE(pan.menu().scan && pan.menu().file);
  r.PowerOn = false;
  pan.Refresh(r);
  EXPECT_FALSE(pan.menu().scan);
}

}  // namespace
}  // namespace r8
