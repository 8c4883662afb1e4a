#include "pan/pan_labels.h"

#include <gtest/gtest.h>

#include "support/database_builder.h"
#include "support/test_context.h"

namespace r8 {
namespace {

PanSweep WithLevels(const std::vector<int>& levels) {
  PanSweep s;
  s.SetLimits(0, static_cast<double>(levels.size() - 1));
  s.SetStep(1);
  s.Clear();
  for (std::size_t i = 0; i < levels.size(); ++i) {
    if (levels[i] >= 0) s.Plot(static_cast<double>(i), levels[i]);
  }
  return s;
}

TEST(PanLabels, PeaksStrongestFirstPlateauAtItsMiddle) {
  //                         0   1   2   3   4   5   6   7   8  9  10  11
  const PanSweep s = WithLevels({5, 90, 20, 60, 60, 60, 10, 16, 9, -1, 30, 30});
  const std::vector<PanPeak> peaks = FindPeaks(s);
  ASSERT_EQ(peaks.size(), 3u);  // 16 is below the floor
  EXPECT_EQ(peaks[0].freq, 1);
  EXPECT_EQ(peaks[1].freq, 4);
  EXPECT_EQ(peaks[2].freq, 10);  // after a gap, at the edge
}

TEST(PanLabels, LabelsNeverOverlapAndStayInsideTheGraph) {
  const PanSweep s = WithLevels(std::vector<int>(101, 0));
  auto width = [](std::string_view t) { return static_cast<int>(t.size()) * 6; };
  struct Case {
    const char* what;
    std::vector<PeakStations> peaks;
    std::vector<std::string> shown;
  };
  const Case cases[] = {
      {"both fit", {{{20, 200}, {"Alpha"}}, {{80, 100}, {"Beta"}}}, {"Alpha", "Beta"}},
      {"at the edges, moved inside", {{{0, 100}, {"Left"}}, {{100, 100}, {"Right"}}},
       {"Left", "Right"}},
      {"all names, else the first", {{{50, 100}, {"Alpha", "Beta"}}, {{67, 105}, {"Gamma"}}},
       {"Gamma", "Alpha"}},
      {"the weaker neighbour hides", {{{50, 200}, {"Alpha"}}, {{52, 200}, {"Beta"}}}, {"Alpha"}},
      {"no room above the peak", {{{50, 250}, {"Top"}}}, {}},
      {"nothing on the air", {{{50, 100}, {}}}, {}},
  };
  for (const Case& c : cases) {
    const std::vector<PanLabel> got = LayoutPeakLabels(s, c.peaks, 300, 255, width, 12);
    std::vector<std::string> shown;
    for (const PanLabel& l : got) {
      shown.push_back(l.text);
      EXPECT_TRUE(l.x >= 0 && l.y >= 0 && l.x + l.w <= 300) << c.what;
      for (const PanLabel& o : got) {
        if (&o == &l) continue;
        EXPECT_TRUE(l.x + l.w <= o.x || o.x + o.w <= l.x || l.y + l.h <= o.y ||
                    o.y + o.h <= l.y)
            << c.what;
      }
    }
    EXPECT_EQ(shown, c.shown) << c.what;
  }
}

TEST(PanLabels, StationsOnTheAirAtThePresentHour) {
  testing::TestContext t;  // the fake clock says 14:30
  t.ctx().settings().TimeOffset = 0;
  t.ctx().database() = testing::MakeDatabase(
      {"Radio Now", "Radio Later", "Radio Always"},
      {testing::Rec(1400, 1500, 1, 5975, 0x7F), testing::Rec(1800, 1900, 2, 5975, 0x7F),
       testing::AllDayRec(3, 5975), testing::AllDayRec(1, 5975.1)});
  StationsOnAir on_air(t.ctx());
  EXPECT_EQ(on_air.At(5975), (std::vector<std::string>{"Radio Now", "Radio Always"}));
  EXPECT_TRUE(on_air.At(6005).empty());
}

}  // namespace
}  // namespace r8
