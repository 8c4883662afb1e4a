#include "common/page_printing.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "support/recording_page_canvas.h"

namespace r8 {
namespace {

TEST(PrintTextPages, LinesFillPagesTopToBottomUntilAborted) {
  const struct {
    int page_height, font_size, lines, abort_on;
    int pages, printed, per_page;  // expected; pages -1: the page has no room for a line
  } cases[] = {
      {100, 10, 25, 0, 3, 3, 10}, {100, 10, 10, 0, 1, 1, 10}, {109, 10, 11, 0, 2, 2, 10},
      {10, 10, 3, 0, 3, 3, 1},    {100, 10, 0, 0, 0, 0, 10},  {100, 10, 25, 1, 3, 1, 10},
      {9, 10, 5, 0, -1, 0, 0},    {-50, 10, 5, 0, -1, 0, 0},  {100, 0, 5, 0, -1, 0, 0},
      {100, -1, 5, 0, -1, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.page_height) + "/" + std::to_string(c.font_size));
    TextPrintout printout{"Valdoria", {"Courier", c.font_size}, {}};
    for (int i = 0; i < c.lines; ++i) printout.lines.push_back("L" + std::to_string(i));
    testing::RecordingPageCanvas canvas(500, c.page_height);
    bool aborted = false;
    std::pair<int, int> status;  // what the status window last showed
    PageHooks hooks;
    hooks.starting_page = [&](int page, int pages) {
      status = {page, pages};
      aborted = page == c.abort_on;
    };
    const TextPagesResult r = PrintTextPages(canvas, printout, hooks, aborted);
    EXPECT_EQ(r.error.empty(), c.pages >= 0);
    EXPECT_EQ(r.printed, c.printed);
    EXPECT_EQ(status, std::make_pair(c.printed, std::max(0, c.pages)));
    ASSERT_EQ(canvas.pages.size(), static_cast<std::size_t>(std::max(1, c.printed)));
    int next = 0;  // each page goes on from the line the last one stopped at, from its top
    for (int p = 0; p < c.printed; ++p) {
      const auto& texts = canvas.pages[static_cast<std::size_t>(p)].texts;
      EXPECT_EQ(static_cast<int>(texts.size()), std::min(c.per_page, c.lines - p * c.per_page));
      for (std::size_t k = 0; k < texts.size(); ++k) {
        EXPECT_EQ(texts[k].text, "L" + std::to_string(next++));
        EXPECT_EQ(texts[k].y1, static_cast<int>(k) * c.font_size);
      }
    }
    EXPECT_TRUE(c.printed > 0 || canvas.pages[0].texts.empty());
  }
}

}  // namespace
}  // namespace r8
