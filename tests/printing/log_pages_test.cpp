#include "printing/log_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "support/recording_page_canvas.h"

namespace r8 {
namespace {

using Canvas = testing::RecordingPageCanvas;

// An 800 x 1200 page: eighths are 100 dots, a line slot 20, so the first slot's top is
// 20 + 40 + 5 + 20 = 85 and the closing rule at 85 + 55 x 20 = 1185.
constexpr int kSlot0 = 85;
constexpr int kL = 20;

std::string Entry(int n, const std::string& station = "Radio Valdoria") {
  return " 9580.00\tkHz\t1200m\t07 Dec 26\tAM\t\t" + std::to_string(n) + "\tW1AW\t" + station;
}

struct Printed {
  Canvas canvas{800, 1200};
  PageRunResult result;
  std::vector<std::pair<int, int>> status;
};

Printed Print(const std::vector<std::string>& lines, PageRange range = {}) {
  Printed run;
  LogPages pages(lines, "01 Jan 27", "TARVELIN.LOG");
  PageHooks hooks;
  hooks.starting_page = [&run](int page, int total) { run.status.emplace_back(page, total); };
  const bool aborted = false;
  run.result = RunPageJob(run.canvas, pages, range, hooks, aborted);
  return run;
}

const Canvas::Mark* Find(const Canvas::Page& page, const std::string& text) {
  for (const auto& m : page.texts)
    if (m.text == text) return &m;
  return nullptr;
}

TEST(WrapNotes, PiecesEndAtTheLastBlankAndALongWordIsCut) {
  const std::string word200(200, 'x');
  const struct {
    std::string notes;
    std::size_t width;
    std::vector<std::string> pieces;
  } cases[] = {
      {"", 80, {}},
      {"   ", 80, {}},
      {"Good signal", 80, {"Good signal"}},
      {"aaaa bbbb", 4, {"aaaa", "bbbb"}},
      {"aaa bbb ccc", 7, {"aaa bbb", "ccc"}},
      {"a    b", 3, {"a", "b"}},
      {word200, 80, {std::string(80, 'x'), std::string(80, 'x'), std::string(40, 'x')}},
      {" " + word200, 80, {std::string(79, 'x'), std::string(80, 'x'), std::string(41, 'x')}},
      {"QSL " + word200, 80, {"QSL", std::string(80, 'x'), std::string(80, 'x'),
                              std::string(40, 'x')}},
      {"abc", 0, {"a", "b", "c"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.notes.substr(0, 20));
    EXPECT_EQ(WrapNotes(c.notes, c.width), c.pieces);
  }
}

TEST(LogPrintLines, EntriesThenTheirNotesWrapped) {
  const std::string note100 = std::string(60, 'n') + " " + std::string(39, 'm');
  const struct {
    std::string record;
    std::vector<std::string> lines;
  } cases[] = {
      {Entry(1), {Entry(1)}},
      {Entry(2) + "\xFF\t\tFading\xFF\t\tID at 0300",
       {Entry(2), "\t\tFading", "\t\tID at 0300"}},
      {Entry(3) + "\xFF\t\ta\tb\xFF\t\t", {Entry(3), "\t\ta b"}},
      {Entry(4) + "\xFF\t\t" + note100, {Entry(4), "\t\t" + note100.substr(0, 60),
                                         "\t\t" + std::string(39, 'm')}},
      {"", {""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.record.substr(0, 40));
    EXPECT_EQ(LogPrintLines({c.record}), c.lines);
  }
}

TEST(LogPages, FiftyFiveLinesAPageAndTheRange) {
  const struct {
    int lines;
    PageRange range;
    int pages;
    std::vector<int> printed;  // the pages drawn
  } cases[] = {
      {0, {}, 1, {1}},           {1, {}, 1, {1}},        {55, {}, 1, {1}},
      {56, {}, 2, {1, 2}},       {110, {}, 2, {1, 2}},   {111, {}, 3, {1, 2, 3}},
      {220, {2, 3}, 4, {2, 3}},  {220, {3, 9}, 4, {3, 4}}, {220, {5, 5}, 4, {}},
      {220, {0, 1}, 4, {1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.lines) + " lines, from " + std::to_string(c.range.first));
    std::vector<std::string> lines;
    for (int i = 0; i < c.lines; ++i) lines.push_back(Entry(i));
    const Printed run = Print(lines, c.range);
    EXPECT_EQ(run.result.pages, c.pages);
    ASSERT_EQ(run.result.printed, static_cast<int>(c.printed.size()));
    ASSERT_EQ(run.canvas.pages.size(), std::max<std::size_t>(1, c.printed.size()));
    for (std::size_t k = 0; k < c.printed.size(); ++k) {
      const int page = c.printed[k];
      const Canvas::Page& drawn = run.canvas.pages[k];
      EXPECT_EQ(run.status[k], std::make_pair(page, c.pages));
      EXPECT_TRUE(Find(drawn, "Page " + std::to_string(page)));
      // Each line in its slot: the first and the last of the page.
      const int first = (page - 1) * 55;
      const int last = std::min(c.lines, page * 55) - 1;
      for (int i : {first, last}) {
        if (i < first || i >= c.lines) continue;
        const Canvas::Mark* sinpo = Find(drawn, std::to_string(i));
        ASSERT_TRUE(sinpo) << i;
        EXPECT_EQ(sinpo->y1, kSlot0 + (i - first) * kL);
      }
      // Lines of other pages are not on this one.
      EXPECT_FALSE(Find(drawn, std::to_string(page * 55)));
    }
  }
}

TEST(LogPages, ANoteBlockGoesOnOnTheNextPage) {
  std::vector<std::string> records;
  for (int i = 0; i < 54; ++i) records.push_back(Entry(i));
  records.push_back(Entry(54) + "\xFF\t\tnote one\xFF\t\tnote two\xFF\t\tnote three");
  records.push_back(Entry(55));
  const Printed run = Print(LogPrintLines(records));
  ASSERT_EQ(run.canvas.pages.size(), 2u);
  EXPECT_EQ(Find(run.canvas.pages[0], "54")->y1, kSlot0 + 54 * kL);
  const struct {
    std::string text;
    int x, y;
  } second[] = {{"note one", 124, kSlot0},
                {"note two", 124, kSlot0 + kL},
                {"note three", 124, kSlot0 + 2 * kL},
                {"55", 398 - 6, kSlot0 + 3 * kL}};
  for (const auto& t : second) {
    const Canvas::Mark* m = Find(run.canvas.pages[1], t.text);
    ASSERT_TRUE(m) << t.text;
    EXPECT_EQ(std::make_pair(m->x1, m->y1), std::make_pair(t.x, t.y)) << t.text;
  }
}

// Rules: the heading rule, the table's top and the closing rule across the frame, one rule per
// slot without a line, seven separators over each entry row and the frame's two sides.
TEST(LogPages, EmptySlotsAreRuledAndEntriesSeparated) {
  const struct {
    int entries, notes;
  } cases[] = {{0, 0}, {10, 0}, {10, 5}, {55, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.entries) + "/" + std::to_string(c.notes));
    std::vector<std::string> lines;
    for (int i = 0; i < c.entries; ++i) lines.push_back(Entry(i));
    for (int i = 0; i < c.notes; ++i) lines.push_back("\t\tnote");
    const Printed run = Print(lines);
    int across = 0, thick = 0, uprights = 0;
    for (const auto& l : run.canvas.pages[0].lines) {
      if (l.y1 == l.y2 && l.x1 == 25 && l.x2 == 775) ++across;
      if (l.y1 == l.y2 && l.pen == 4) ++thick;
      if (l.x1 == l.x2) ++uprights;
    }
    EXPECT_EQ(across, 3 + 55 - c.entries - c.notes);
    EXPECT_EQ(thick, 2);
    EXPECT_EQ(uprights, 7 * c.entries + 2);
  }
}

TEST(LogPages, TitleHeadingsAndFooterAtTheirPlaces) {
  Printed run = Print({Entry(1)});
  const Canvas::Page& page = run.canvas.pages[0];
  const struct {
    std::string text;
    int x, y;
  } cases[] = {
      {"Veltrix R8 Control Radio Log", 400 - 28 * 3, 20},
      {"Page 1", 775 - 36, 20},
      {"Frequency", 76 - 27, 65},
      {"Station Name", 525, 65},
      {"9580.00", 90 - 42, kSlot0},
      {"kHz", 94, kSlot0},
      {"Radio Valdoria", 525, kSlot0},
      {"01 Jan 27", 25, 1185 + 2},
      {"Log File: TARVELIN.LOG", 775 - 22 * 6, 1185 + 2},
  };
  for (const auto& c : cases) {
    const Canvas::Mark* m = Find(page, c.text);
    ASSERT_TRUE(m) << c.text;
    EXPECT_EQ(std::make_pair(m->x1, m->y1), std::make_pair(c.x, c.y)) << c.text;
  }
  // On a page too short for it, the footer still ends on the page.
  Canvas low(800, 600);
  LogPages pages({}, "07 Dec 26", "TARVELIN.LOG");
  pages.DrawPage(low, 1);
  EXPECT_LE(Find(low.pages[0], "07 Dec 26")->y1 + 10, 600);
}

// Too long for the page: every text still starts and ends inside the frame, each entry field
// inside its column, and the run ends.
TEST(LogPages, OverlongTextsStayInsideTheFrame) {
  const std::string huge(300, 'S');
  const std::string word(200, 'w');
  std::vector<std::string> records = {
      Entry(1, huge),
      std::string(12, 'F') + "\tkHz\t" + std::string(40, 'T') + "\t\t\t\t\t\tX",
      Entry(2) + "\xFF\t\t" + word,
      "no tabs here but far too long for any page " + huge,
  };
  const Printed run = Print(LogPrintLines(records));
  ASSERT_EQ(run.result.printed, 1);
  Canvas measure(800, 1200);
  for (const auto& m : run.canvas.pages[0].texts) {
    EXPECT_GE(m.x1, 25) << m.text;
    EXPECT_LE(m.x1 + measure.TextWidth(m.text), 775) << m.text;
  }
  // The station keeps its start, the long note word its 80-character pieces.
  const auto& texts = run.canvas.pages[0].texts;
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const Canvas::Mark& m) {
    return m.x1 == 525 && m.text.size() > 30 && m.text.find_first_not_of('S') == std::string::npos;
  }));
  EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                          [](const Canvas::Mark& m) { return m.text[0] == 'w'; }),
            3);
  // The time field stays between its separators.
  for (const auto& m : texts) {
    if (m.text[0] == 'T') {
      EXPECT_TRUE(m.x1 >= 124 && m.x1 + measure.TextWidth(m.text) <= 174);
    }
  }
}

}  // namespace
}  // namespace r8
