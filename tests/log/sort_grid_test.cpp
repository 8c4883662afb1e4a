#include <gtest/gtest.h>

#include "log/log_table.h"
#include "log/sort_grid.h"

namespace r8 {
namespace {

// A one-column grid of the texts with a heading; column 1 holds each row's first position.
SortGrid Grid(std::vector<std::string> texts) {
  SortGrid g;
  g.SetRow(0, {"Head", "#"});
  std::vector<SortGrid::Row> rows;
  for (std::size_t i = 0; i < texts.size(); ++i) rows.push_back({texts[i], std::to_string(i)});
  g.SetDataRows(std::move(rows));
  return g;
}

std::string Order(const SortGrid& g, int col = 1) {
  std::string s;
  for (int r = 1; r < g.RowCount(); ++r) s += g.Cell(col, r) + (r + 1 < g.RowCount() ? "," : "");
  return s;
}

TEST(SortGrid, DetectsNumbersDatesAndText) {
  struct Case {
    std::vector<std::string> cells;
    int style;
    const char* order;
  } const kCases[] = {
      {{"1430", "0905", "2359"}, kSortNumeric, "1,0,2"},
      {{"1430", "0905", "Util"}, kSortAlpha, "1,0,2"},
      {{"05 Dec 98", "17 Jan 98", "02 Mar 97"}, kSortDate, "2,1,0"},
      // Two-digit years turn at 90: 26 is 2026, 00 is 2000 and a date.
      {{"05 Dec 26", "17 Jan 98", "01 Jan 00", "31 Dec 90"}, kSortDate, "3,1,2,0"},
      {{"31 Feb 98", "17 Jan 98"}, kSortAlpha, "1,0"},
      {{"05-Dec 98", "17 Jan 98"}, kSortAlpha, "0,1"},
      {{"12", ""}, kSortAlpha, "1,0"},
      {{"b", "abc", "ABC", "a"}, kSortAlpha, "3,1,2,0"},
  };
  for (const Case& c : kCases) {
    SortGrid g = Grid(c.cells);
    EXPECT_EQ(g.DetectSortStyle(0), c.style) << c.cells[0];
    g.ClickSort(0, 0, {});
    EXPECT_EQ(Order(g), c.order) << c.cells[0];
  }
}

TEST(SortGrid, StableBothWaysAndFocusAndSelectionFollowTheirRecords) {
  SortGrid g = Grid({"b", "a", "B", "c", "A"});
  g.SetItemIndex(3);  // "B"
  g.SetSelected(5, true);
  EXPECT_EQ(g.SelectedCount(), 2);
  TSortOptions down;
  down.SortStyle = kSortAlpha;
  down.SortDirection = 1;
  g.SortByColumn(0, down);
  EXPECT_EQ(Order(g), "3,0,2,1,4");
  EXPECT_EQ(g.Cell(1, g.ItemIndex()), "2");
  EXPECT_EQ(g.SelectedRows(), (std::vector<int>{3, 5}));
  g.SortByColumn(0, {});
  EXPECT_EQ(Order(g), "1,4,0,2,3");
  EXPECT_EQ(g.Cell(1, g.ItemIndex()), "2");
  g.SetItemIndex(1);
  EXPECT_EQ(g.SelectedCount(), 1);
  g.SetSelection({0, 2, 4, 99}, 4);
  EXPECT_EQ(g.SelectedRows(), (std::vector<int>{2, 4}));
  EXPECT_FALSE(g.Selected(0));
  EXPECT_EQ(g.ItemIndex(), 4);
  // A style given is used as it is: "10" before "9" as text.
  SortGrid n = Grid({"9", "10"});
  n.SortByColumn(0, {kSortAlpha, 0, false});
  EXPECT_EQ(Order(n), "1,0");
}

TEST(SortGrid, OneDataRowDoesNothing) {
  SortGrid g = Grid({"x"});
  int events = 0;
  g.OnBeginSort = [&](int, TSortOptions&) { ++events; };
  g.OnEndSort = [&](int) { ++events; };
  g.ClickSort(0, 0, {});
  EXPECT_EQ(events, 0);
  g.DeleteRow(0);  // the heading stays
  EXPECT_EQ(g.Cell(0, 0), "Head");
  g.SetDataRows({{"b"}, {"a"}});
  g.ClickSort(0, 0, {});
  EXPECT_EQ(events, 2);
}

}  // namespace
}  // namespace r8
