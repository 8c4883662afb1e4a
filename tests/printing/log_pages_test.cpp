#include "printing/log_pages.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/recording_page_canvas.h"

namespace r8 {
namespace {

using Canvas = testing::RecordingPageCanvas;
// On 800 x 1200 an eighth is 100 dots and a slot 20; the first slot's top is 20 + 40 + 5 + 20.
constexpr int kSlot0 = 85, kL = 20;

std::string Entry(int n, const std::string& station = "Radio Valdoria") {
  return " 9580.00\tkHz\t1200m\t07 Dec 26\tAM\t\t" + std::to_string(n) + "\tW1AW\t" + station;
}

const Canvas::Mark* Find(const Canvas::Page& page, const std::string& text) {
  for (const auto& m : page.texts)
    if (m.text == text) return &m;
  return nullptr;
}

Canvas Print(const std::vector<std::string>& lines, PageRange range, PageRunResult& r,
             std::vector<std::pair<int, int>>* status = nullptr) {
  Canvas canvas(800, 1200);
  LogPages pages(lines, "01 Jan 27", "TARVELIN.LOG");
  PageHooks hooks;
  if (status) hooks.starting_page = [status](int p, int n) { status->emplace_back(p, n); };
  const bool aborted = false;
  r = RunPageJob(canvas, pages, range, hooks, aborted);
  return canvas;
}

TEST(LogPrintLines, NotesWrapAtTheLastBlankAndALongWordIsCut) {
  const std::string x80(80, 'x'), x40(40, 'x');
  const struct {
    std::string notes;
    std::vector<std::string> pieces;
  } cases[] = {{"   ", {}},
               {"Good signal", {"Good signal"}},
               {std::string(70, 'a') + " " + std::string(20, 'b'),
                {std::string(70, 'a'), std::string(20, 'b')}},
               {x80 + x80 + x40, {x80, x80, x40}},
               {"QSL  " + x80 + x40, {"QSL", x80, x40}}};
  for (const auto& c : cases) EXPECT_EQ(WrapNotes(c.notes), c.pieces) << c.notes;
  EXPECT_EQ(WrapNotes("aaaa bbbb", 4), (std::vector<std::string>{"aaaa", "bbbb"}));
  EXPECT_EQ(WrapNotes("abc", 0), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(LogPrintLines({Entry(1), Entry(2) + "\xFF\t\tFading\xFF\t\ta\tb\xFF\t\t"}),
            (std::vector<std::string>{Entry(1), Entry(2), "\t\tFading", "\t\ta b"}));
}

TEST(LogPages, FiftyFiveLinesAPageAndTheRange) {
  const struct {
    int lines;
    PageRange range;
    int pages;
    std::vector<int> printed;
  } cases[] = {{0, {}, 1, {1}},          {55, {}, 1, {1}},         {56, {}, 2, {1, 2}},
               {220, {2, 3}, 4, {2, 3}}, {220, {3, 9}, 4, {3, 4}}, {220, {5, 5}, 4, {}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.lines) + " from " + std::to_string(c.range.first));
    std::vector<std::string> lines;
    for (int i = 0; i < c.lines; ++i) lines.push_back(Entry(i));
    PageRunResult r;
    std::vector<std::pair<int, int>> status;
    const Canvas canvas = Print(lines, c.range, r, &status);
    EXPECT_EQ(r.pages, c.pages);
    ASSERT_EQ(r.printed, static_cast<int>(c.printed.size()));
    for (std::size_t k = 0; k < c.printed.size(); ++k) {
      const int page = c.printed[k], first = (page - 1) * 55,
                last = std::min(c.lines, page * 55) - 1;
      EXPECT_EQ(status[k], std::make_pair(page, c.pages));
      EXPECT_TRUE(Find(canvas.pages[k], "Page " + std::to_string(page)));
      for (int i : {first, last}) {  // the SINPO field says which line it is
        if (i < first || i > last) continue;
        ASSERT_TRUE(Find(canvas.pages[k], std::to_string(i))) << i;
        EXPECT_EQ(Find(canvas.pages[k], std::to_string(i))->y1, kSlot0 + (i - first) * kL);
      }
      EXPECT_FALSE(Find(canvas.pages[k], std::to_string(page * 55)));
    }
  }
}

// A note block goes on on the next page; there, under the title and headings, the four lines
// used get no rules, the 51 empty slots one each, the entry its seven separators.
TEST(LogPages, NoteBlockAcrossPagesRulesAndFooter) {
  std::vector<std::string> records;
  for (int i = 0; i < 54; ++i) records.push_back(Entry(i));
  records.push_back(Entry(54) + "\xFF\t\tnote one\xFF\t\tnote two\xFF\t\tnote three");
  records.push_back(Entry(55));
  PageRunResult r;
  const Canvas canvas = Print(LogPrintLines(records), {}, r);
  ASSERT_EQ(canvas.pages.size(), 2u);
  const struct {
    std::string text;
    int x, y;
  } places[] = {{"note one", 124, kSlot0},        {"note three", 124, kSlot0 + 2 * kL},
                {"55", 398 - 6, kSlot0 + 3 * kL}, {"9580.00", 90 - 42, kSlot0 + 3 * kL},
                {"Page 2", 775 - 36, kL},         {"Frequency", 76 - 27, 65},
                {"01 Jan 27", 25, 1187},          {"Log File: TARVELIN.LOG", 775 - 132, 1187},
                {"Radio Valdoria", 525, kSlot0 + 3 * kL}};
  for (const auto& t : places) {
    const Canvas::Mark* m = Find(canvas.pages[1], t.text);
    ASSERT_TRUE(m) << t.text;
    EXPECT_EQ(std::make_pair(m->x1, m->y1), std::make_pair(t.x, t.y)) << t.text;
  }
  int across = 0, thick = 0, uprights = 0;
  for (const auto& l : canvas.pages[1].lines) {
    across += l.y1 == l.y2 && l.x1 == 25 && l.x2 == 775;
    thick += l.pen == 4;
    uprights += l.x1 == l.x2;
  }
  EXPECT_EQ(across, 3 + 51);
  EXPECT_EQ(thick, 2 + 2);  // the heading and closing rules, the frame's sides
  EXPECT_EQ(uprights, 7 + 2);
  for (const auto& m : canvas.pages[1].texts) {  // bold: the title and headings only
    EXPECT_EQ(m.font.bold, m.y1 < kSlot0) << m.text;
    EXPECT_TRUE(m.font.name == "Helvetica" && !m.font.fixed_pitch && m.font.size == 10);
  }
  // On a page too short for it, the footer still ends on the page.
  Canvas low(800, 600);
  LogPages({}, "01 Jan 27", "TARVELIN.LOG").DrawPage(low, 1);
  EXPECT_LE(Find(low.pages[0], "01 Jan 27")->y1 + 10, 600);
}

// Texts too long for the page stay inside the frame, an entry's fields inside their columns.
TEST(LogPages, OverlongTextsStayInsideTheFrame) {
  const std::string huge(300, 'S');
  PageRunResult r;
  const Canvas canvas = Print(
      LogPrintLines({Entry(1, huge),
                     std::string(12, 'F') + "\tkHz\t" + std::string(40, 'T') + "\t\t\t\t\t\tX",
                     Entry(2) + "\xFF\t\t" + std::string(200, 'w'), "far too long " + huge}),
      {}, r);
  ASSERT_EQ(r.printed, 1);
  int pieces = 0;
  for (const auto& m : canvas.pages[0].texts) {
    const int end = m.x1 + static_cast<int>(m.text.size()) * 6;
    EXPECT_TRUE(m.x1 >= 25 && end <= 775) << m.text;
    if (m.text[0] == 'T') {
      EXPECT_TRUE(m.x1 >= 124 && end <= 174);
    }
    if (m.text.size() > 30 && m.text[0] == 'S') {
      EXPECT_EQ(m.x1, 525);
    }
    EXPECT_TRUE(m.font.name == "Helvetica" && !m.font.fixed_pitch && m.font.size >= 7);
    if (m.text[0] == 'w' || m.text == "kHz") {  // back to 10 points after a shrunk text
      EXPECT_EQ(m.font.size, 10);
    }
    pieces += m.text[0] == 'w';
  }
  EXPECT_EQ(pieces, 3);
}

}  // namespace
}  // namespace r8
