#include <gtest/gtest.h>

#include "common/file_commit.h"
#include "freqlist/list_tuning.h"
#include "log/log_table.h"
#include "support/temp_dir.h"

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
  t.grid().SetItemIndex(2);
  EXPECT_EQ(ListRowFrequency(ListWindow::kLogList, t.TuneRow()), 31000.0);
  EXPECT_EQ(ModeFromText(ListWindow::kLogList, t.TuneRow()), ModeCode::kUsb);
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
  EXPECT_EQ(
      t.SelectedEntryLines(),
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

namespace r8 {
namespace {

// Blank lines, overlong lines, missing fields and binary bytes in a log of 100,000 lines: they
// are counted, not shown, and survive a change elsewhere in the file byte for byte.
TEST(LogTable, BadLinesAreCountedAndKeptThroughAChange) {
  testing::TempDir dir;
  const LogFile log(dir / "BAD.LOG");
  const std::string entry = " 9580.00\tkHz\t1430m\t05 Dec 98\tAM\t\t34433\t\tBBC";
  std::string bytes;
  for (int i = 0; i < 100000; ++i) {
    switch (i % 5) {
      case 0:
        bytes += entry + "\r\n";
        break;
      case 1:
        bytes += "\r\n";
        break;
      case 2:
        bytes += " 9580.00\tkHz\t1430m\r\n";
        break;
      case 3:
        bytes += std::string("\0\x01\xFE\t\xFF\t", 6) + "\n";
        break;
      default:
        bytes += entry + std::string(3000, 'x') + "\r\n";
        break;
    }
  }
  std::string error;
  ASSERT_TRUE(CommitFiles({{log.path(), bytes}}, error));
  LogLines lines;
  ASSERT_TRUE(log.Read(lines, error));
  LogTable t;
  t.Load(lines);
  EXPECT_EQ(t.grid().DataRowCount(), 40000);
  EXPECT_EQ(t.unreadable(), 40000);
  EXPECT_EQ(t.first_unreadable(), 3);
  EXPECT_EQ(t.grid().Cell(7, 2).size(), 3003u);
  ASSERT_TRUE(log.Delete(1, error, entry));
  std::string after;
  ReadWholeFile(log.path(), after);
  EXPECT_EQ(after, bytes.substr(entry.size() + 2));
  EXPECT_FALSE(LogFile(dir / "NONE.LOG").Read(lines, error));
  EXPECT_EQ(error, "ERROR: " + (dir / "NONE.LOG").string() + "\rFile not found or other error.");
}

}  // namespace
}  // namespace r8
