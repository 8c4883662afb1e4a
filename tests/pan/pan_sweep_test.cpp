#include "pan/pan_sweep.h"

#include <gtest/gtest.h>

namespace r8 {
namespace {

PanSweep Sweep(double lower, double upper, double step) {
  PanSweep s;
  s.SetLimits(lower, upper);
  s.SetStep(step);
  s.Clear();
  return s;
}

TEST(PanSweep, PointCountGridAndCursorSnap) {
  struct Case {
    double lower, upper, step;
    int w, n, d;
    int mouse_x;
    double cursor;
  };
  const Case cases[] = {
      {5900, 6200, 5, 600, 60, 60, 15, 5910},    // Round(1.5) = 2 points in
      {5900, 6200, 5, 600, 60, 60, 5, 5900},     // Round(0.5) = 0: halves to even
      {0, 3000, 1, 387, 3000, 30, 387, 3000},    // 387 pixels and N = 3000: 30 grid lines
      {0, 0, 0, 100, 100, 10, 50, 0},            // no sweep: N = 100, cursor 0
      {6100, 6000, 5, 200, -20, -20, 100, 6050}, // a leftward zoom keeps its order
  };
  for (const Case& c : cases) {
    const PanSweep s = Sweep(c.lower, c.upper, c.step);
    EXPECT_EQ(s.PointCount(), c.n) << c.lower << ".." << c.upper;
    EXPECT_EQ(GridSpacing(s.PointCount(), c.w), c.d) << c.lower << ".." << c.upper;
    EXPECT_DOUBLE_EQ(s.CursorFreq(c.mouse_x, c.w), c.cursor) << c.mouse_x;
  }
}

TEST(PanSweep, RunningMeanAndNewLineAfterAJump) {
  PanSweep s = Sweep(5900, 6200, 5);
  s.set_previous({5900, 0});
  s.Plot(5905, 100);
  const PanSegment same = s.Plot(5905, 51);
  EXPECT_EQ(s.Entry(1).level, 76);  // Round(75.5), halves to even
  EXPECT_EQ(s.Entry(1).count, 2);
  EXPECT_FALSE(same.jump);
  const PanSegment next = s.Plot(5910, 40);
  EXPECT_FALSE(next.jump);
  EXPECT_DOUBLE_EQ(next.from.freq, 5905);
  s.Plot(6200, 30);
  const PanSegment wrap = s.Plot(5900, 20);  // upper to lower: a move, not a line across
  EXPECT_TRUE(wrap.jump);
  EXPECT_DOUBLE_EQ(wrap.from.freq, 5900);
  EXPECT_FALSE(s.Plot(6300, 99).stored);  // outside the sweep: drawn, not stored
  EXPECT_FALSE(s.Plot(5895, 99).stored);
}

TEST(PanSweep, WideSweepsAreThinnedToTheTable) {
  struct Case {
    double lower, upper, step, thinned_step;
  };
  const Case cases[] = {
      {5900, 6200, 5, 5},                // fits: unchanged
      {100, 10099, 1, 1},                // N = 9999 exactly: fits
      {100, 10100, 1, 2},                // N = 10000: every second step
      {100, 30000, 0.01, 3},             // N = 2990000: every 300th step
      {0, 1.7e38, 1e-30, 0},             // a file's absurd values: only checked below
      {30000, 100, 1, 3},                // leftward ranges too
  };
  for (const Case& c : cases) {
    PanSweep s = Sweep(c.lower, c.upper, c.step);
    EXPECT_LE(std::abs(s.PointCount()), kSweepEntries - 1) << c.upper;
    EXPECT_LE(s.Points().size(), static_cast<std::size_t>(kSweepEntries));
    if (c.thinned_step > 0) {
      EXPECT_NEAR(s.step(), c.thinned_step, 1e-9) << c.upper;
      EXPECT_EQ(s.thinned(), c.thinned_step != c.step);
    }
    // The top of the range lands in the last point, never past the table.
    s.set_previous({c.upper, 0});
    s.Plot(c.upper, 200);
    EXPECT_EQ(s.Points().empty() ? 0 : s.Points().back().count, s.Points().empty() ? 0 : 1)
        << c.upper;
  }
}

TEST(PanSweep, PictureGridScaleAndGaps) {
  PanSweep s = Sweep(5900, 6200, 5);
  for (double f : {5900.0, 5905.0, 5915.0, 5920.0, 5925.0}) s.Plot(f, 255);
  const PanPicture p = ComputePanPicture(s, 600, 255);
  ASSERT_EQ(p.trace_runs.size(), 2u);  // the point without a reading leaves a gap
  EXPECT_EQ(p.trace_runs[1].size(), 3u);
  EXPECT_EQ(p.trace_runs[0][0].x, 0);
  EXPECT_EQ(p.trace_runs[0][1].x, 10);
  EXPECT_EQ(p.trace_runs[0][0].y, 0);  // level 255 at the top
  ASSERT_EQ(p.scale.size(), 7u);
  const char* texts[] = {"S3  ", "S5  ", "S7  ", "S9  ", "20  ", "40  ", "60  "};
  for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(p.scale[i].text, texts[i]);
  EXPECT_TRUE(p.scale[6].top);
  EXPECT_FALSE(p.scale[5].top);
  EXPECT_EQ(p.grid[7].width, 1);  // below S9
  EXPECT_EQ(p.grid[8].width, 2);  // S9 and up
  EXPECT_EQ(p.grid[0].y1, 254);   // level 0: the bottom row
  EXPECT_EQ(p.grid.size(), 15u + 61u);  // 15 levels, d = 60 gives 61 vertical lines
}

}  // namespace
}  // namespace r8
