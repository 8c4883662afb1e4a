#include <gtest/gtest.h>

#include "log/log_table.h"

namespace r8 {
namespace {

const std::string N = "\xFF\t\t";

LogLines Lines(std::vector<std::string> lines) {
  LogLines l;
  for (std::string& s : lines) {
    l.lines.push_back(std::move(s));
    l.ends.push_back("\r\n");
  }
  return l;
}

const LogLines kLog = Lines({
    " 9580.00\tkHz\t1430m\t05 Dec 98\tAM\t\t34433\t\tRadio Australia" + N + "first" + N + "second",
    "",
    "not an entry",
    " 31.0000\tMHz\t0905s\t17 Jan 26\tUSB\t\t45444\t\tZeta",
    " 6000.00\tkHz\t2359a\t02 Mar 97\tAM\t34433\tRHC",
    "174000.00\tkHz\t1200w\t01 Jan 00\tFM\t\t\t\tWX",
});

std::string Column(const LogTable& t, int col) {
  std::string s;
  for (int r = 1; r < t.grid().RowCount(); ++r) s += t.grid().Cell(col, r) + "|";
  return s;
}

TEST(LogTable, LoadsEntriesSortsAndKeepsTheSortAcrossReloads) {
  LogTable t;
  t.Load(kLog);
  EXPECT_EQ(t.unreadable(), 1);
  EXPECT_EQ(t.first_unreadable(), 3);
  EXPECT_EQ(Column(t, 9), "1|4|5|6|");
  EXPECT_EQ(Column(t, 0), " 9580.00 kHz| 31.0000 MHz| 6000.00 kHz|174.0000 MHz|");
  EXPECT_EQ(Column(t, 4) + Column(t, 6), "||||||||");  // the 7-field line has neither
  EXPECT_EQ(t.StatusText(), "Double-click to tune to 174.0000");
  t.SortClick(0);
  EXPECT_EQ(Column(t, 9), "5|1|4|6|");
  t.SortClick(2);
  EXPECT_EQ(Column(t, 9), "5|1|6|4|");
  t.Load(kLog);
  EXPECT_EQ(Column(t, 9), "5|1|6|4|");
  EXPECT_EQ(t.sort_column(), 2);
  t.SortClick(9);
  EXPECT_EQ(Column(t, 9), "1|4|5|6|");
}

TEST(LogTable, EditKeepsNoteLinesAndDeleteRenumbers) {
  LogTable t;
  t.Load(kLog);
  t.grid().SetItemIndex(1);
  EXPECT_EQ(t.NotesText(), "first\nsecond");
  EXPECT_EQ(t.grid().Cell(kLogCellNotes, 1), "first second");
  const std::optional<LogEditRequest> q = t.DoEdit(kLog);
  ASSERT_TRUE(q);
  EXPECT_EQ(q->line, 1);
  EXPECT_EQ(q->entry.notes, (std::vector<std::string>{"first", "second"}));
  EXPECT_EQ(q->entry.freq + q->entry.unit + q->entry.station, " 9580.00kHzRadio Australia");
  EXPECT_EQ(t.SelectedEntryLines(),
            std::vector<std::string>{" 9580.00\tkHz\t1430m\t05 Dec 98\tAM\t\t34433\t\tRadio Australia" +
                                     N + "first second"});
  LogEntry changed = q->entry;
  changed.call = "VLW";
  t.RowModified(1, changed);
  EXPECT_EQ(t.grid().Cell(6, 1) + t.grid().Cell(9, 1), "VLW1");
  t.grid().SetItemIndex(2);
  t.RowDeleted(4);
  EXPECT_EQ(Column(t, 9), "1|4|5|");
  EXPECT_EQ(t.grid().ItemIndex(), 2);
  t.grid().SetSelected(3, true);
  EXPECT_FALSE(t.CanEdit());
  EXPECT_FALSE(t.DoEdit(kLog));
}

}  // namespace
}  // namespace r8
