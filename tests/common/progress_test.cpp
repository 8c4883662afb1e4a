#include "common/progress.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/print_status.h"

namespace r8 {
namespace {

struct RecordingDisplay : ProgressDisplay {
  void ShowPercent(int p) override { drawn.push_back(p); }
  std::vector<int> drawn;
};

TEST(CheckPct, DrawsOnlyAtZeroAndEveryFivePercent) {
  RecordingDisplay d;
  std::int16_t last = 0;
  for (int pct = 0; pct <= 10; ++pct) CheckPct(pct, 100, 5, last, d);
  EXPECT_EQ(d.drawn, (std::vector<int>{0, 5, 10}));
  EXPECT_EQ(last, 10);
}

TEST(CheckPct, AWholeRunRedrawsOncePerStepAfterTheStart) {
  RecordingDisplay d;
  std::int16_t last = 0;
  for (int i = 0; i <= 9999; ++i) CheckPct(i, 9999, 5, last, d);
  // Zero is always drawn (the window's first picture); after it, exactly the twenty 5 % steps.
  std::vector<int> after_start;
  for (int p : d.drawn) {
    if (p != 0) after_start.push_back(p);
  }
  std::vector<int> steps;
  for (int p = 5; p <= 100; p += 5) steps.push_back(p);
  EXPECT_EQ(after_start, steps);
}

TEST(CheckPct, RoundsHalvesUpAndHoldsOddTotalsInRange) {
  EXPECT_EQ(ProgressPercent(1, 8), 13);   // 12.5
  EXPECT_EQ(ProgressPercent(1, 200), 1);  // 0.5
  EXPECT_EQ(ProgressPercent(1, 201), 0);  // 0.497...
  EXPECT_EQ(ProgressPercent(0, 0), 100);  // nothing to do is done
  EXPECT_EQ(ProgressPercent(5, -3), 100);
  EXPECT_EQ(ProgressPercent(150, 100), 100);
  EXPECT_EQ(ProgressPercent(-4, 100), 0);
}

TEST(ProgressWindow, SitsBelowTheBannerElseCentred) {
  const ScreenRect screen{0, 0, 1920, 1080};
  const WindowPos centred = ProgressWindowPosition(screen, 400, 100, std::nullopt);
  EXPECT_EQ(centred.x, 760);
  EXPECT_EQ(centred.y, 490);
  const WindowPos below = ProgressWindowPosition(screen, 400, 100, ScreenRect{660, 300, 600, 200});
  EXPECT_EQ(below.x, 760);
  EXPECT_EQ(below.y, 501);
  // A screen that does not start at the origin (a second monitor).
  const WindowPos second = ProgressWindowPosition({1920, 100, 1280, 1024}, 400, 100, std::nullopt);
  EXPECT_EQ(second.x, 2360);
  EXPECT_EQ(second.y, 562);
}

TEST(PrintPages, StopsAfterThePageBeingDrawnWhenAborted) {
  bool aborted = false;
  std::vector<int> pages;
  const int done = PrintPages(
      5,
      [&](int page) {
        pages.push_back(page);
        if (page == 2) aborted = true;  // Abort pressed while page 2 was drawn
      },
      nullptr, aborted);
  EXPECT_EQ(done, 2);
  EXPECT_EQ(pages, (std::vector<int>{1, 2}));
  EXPECT_EQ(PrintPageText(2, 5), "Page 2 of 5 from");
}

}  // namespace
}  // namespace r8
