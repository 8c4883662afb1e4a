#include "common/page_printing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_page_canvas.h"

namespace r8 {
namespace {

using testing::RecordingPageCanvas;

TextPrintout Numbered(int n) {
  TextPrintout p;
  p.title = "Valdoria";
  p.font = {"Courier", 10, false, true};
  for (int i = 0; i < n; ++i) p.lines.push_back("L" + std::to_string(i));
  return p;
}

TEST(PrintTextPages, LinesFillPagesTopToBottom) {
  struct Case {
    int page_height;
    int line_height;
    int lines;
    int pages;     // expected
    int per_page;  // expected
  };
  const Case cases[] = {
      {100, 10, 25, 3, 10},  // last page partial
      {100, 10, 10, 1, 10},  // exactly one full page
      {100, 10, 11, 2, 10},  // one line over
      {109, 10, 20, 2, 10},  // a part line left at the foot is not used
      {10, 10, 3, 3, 1},     // room for one line only
      {100, 10, 0, 0, 10},   // nothing to print
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.page_height) + "/" + std::to_string(c.line_height) + " " +
                 std::to_string(c.lines));
    RecordingPageCanvas canvas(500, c.page_height);
    canvas.text_height = c.line_height;
    const TextPrintout printout = Numbered(c.lines);
    const bool aborted = false;
    const TextPagesResult r = PrintTextPages(canvas, printout, {}, aborted);
    EXPECT_TRUE(r.error.empty());
    EXPECT_EQ(r.pages, c.pages);
    EXPECT_EQ(r.printed, c.pages);
    ASSERT_EQ(canvas.pages.size(), static_cast<std::size_t>(std::max(1, c.pages)));
    for (int p = 0; p < c.pages; ++p) {
      const auto& texts = canvas.pages[static_cast<std::size_t>(p)].texts;
      for (std::size_t k = 0; k < texts.size(); ++k) {
        const int index = p * c.per_page + static_cast<int>(k);
        EXPECT_EQ(texts[k].text, "L" + std::to_string(index));
        EXPECT_EQ(texts[k].x, 0);
        EXPECT_EQ(texts[k].y, static_cast<int>(k) * c.line_height);
      }
      const int want = std::min(c.per_page, c.lines - p * c.per_page);
      EXPECT_EQ(texts.size(), static_cast<std::size_t>(want)) << "page " << p + 1;
    }
  }
}

TEST(PrintTextPages, TheFontIsSetBeforeMeasuring) {
  RecordingPageCanvas canvas(500, 100);
  TextPrintout printout = Numbered(1);
  printout.font = {"Helvetica", 12, true, false};
  const bool aborted = false;
  PrintTextPages(canvas, printout, {}, aborted);
  ASSERT_EQ(canvas.fonts.size(), 1u);
  EXPECT_EQ(canvas.fonts[0].name, "Helvetica");
  EXPECT_EQ(canvas.fonts[0].size, 12);
  EXPECT_TRUE(canvas.fonts[0].bold);
  EXPECT_FALSE(canvas.fonts[0].fixed_pitch);
}

TEST(PrintTextPages, APageWithoutRoomForALineIsAnErrorNotALoop) {
  const struct {
    int page_height;
    int line_height;
  } cases[] = {{0, 10}, {-50, 10}, {9, 10}, {100, 0}, {100, -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.page_height) + "/" + std::to_string(c.line_height));
    RecordingPageCanvas canvas(500, c.page_height);
    canvas.text_height = c.line_height;
    const bool aborted = false;
    const TextPagesResult r = PrintTextPages(canvas, Numbered(5), {}, aborted);
    EXPECT_EQ(r.error, "The page has no room for a line of Courier 10.");
    EXPECT_EQ(r.printed, 0);
    EXPECT_EQ(canvas.pages.size(), 1u);
    EXPECT_TRUE(canvas.pages[0].texts.empty());
  }
}

TEST(PrintTextPages, AbortStopsAfterThePageBeingDrawn) {
  RecordingPageCanvas canvas(500, 100);
  bool aborted = false;
  std::vector<std::string> status;
  PageHooks hooks;
  hooks.starting_page = [&](int page, int pages) {
    status.push_back(std::to_string(page) + "/" + std::to_string(pages));
    aborted = true;  // pressed while page 1 prints
  };
  const TextPagesResult r = PrintTextPages(canvas, Numbered(25), hooks, aborted);
  EXPECT_EQ(r.pages, 3);
  EXPECT_EQ(r.printed, 1);
  EXPECT_EQ(status, (std::vector<std::string>{"1/3"}));
  ASSERT_EQ(canvas.pages.size(), 1u);
  EXPECT_EQ(canvas.pages[0].texts.size(), 10u);
}

}  // namespace
}  // namespace r8
