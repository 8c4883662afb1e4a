// What the log display shows and does, without a window: the log's entries as rows of a
// SortGrid, the sort column kept across reloads, the texts of the status bar and notes pane, the
// entry handed to the dialog for Modify and Delete, and the rows changed after it.
#pragma once

#include <string>
#include <vector>

#include "log/log_file.h"
#include "log/sort_grid.h"

namespace r8 {

inline constexpr int kLogColumnCount = 10;
inline constexpr int kLogSortOriginal = -1;

// The column headings, "Frequency" .. "Index".
const std::vector<std::string>& LogColumnTitles();

// The kHz value of a frequency cell ("  9580.00 kHz", "174.0000 MHz").
std::optional<double> LogCellKHz(std::string_view cell);

// What the entry dialog is given for Modify and Delete.
struct LogEditRequest {
  int line = 0;          // in the file, 1-based
  std::string original;  // the line as the file held it when shown
  LogEntry entry;
  int unit_choice = 0;
};

class LogTable {
 public:
  LogTable();

  // Fills the rows from the file's lines: one row per entry, lines that are none are skipped
  // and counted. The last row is focused; the sort column is applied again.
  void Load(const LogLines& lines);

  SortGrid& grid() { return grid_; }
  const SortGrid& grid() const { return grid_; }
  int unreadable() const { return unreadable_; }
  int first_unreadable() const { return first_unreadable_; }

  // -1 original order (by "Index"), or 0..7.
  int sort_column() const { return sort_column_; }
  // SortClick: column 0..7, or 9 (or -1) for the original order.
  void SortClick(int column);

  // "Double-click to tune to " + the frequency of the focused row; empty without one.
  std::string StatusText() const;
  std::string NotesText() const;
  // The focused row's line as TuneToListRow reads a log row: its cells joined by TABs, the
  // frequency's number and unit apart.
  std::string TuneRow() const;

  // Modify and Delete are offered with exactly one row selected.
  bool CanEdit() const { return grid_.SelectedCount() == 1; }
  std::optional<LogEditRequest> DoEdit(const LogLines& file) const;
  // After a Modify: the row's cells from the entry written, the line number kept.
  void RowModified(int line, const LogEntry& written);
  // After a Delete: the row goes, later line numbers drop by one, the focus keeps its place.
  void RowDeleted(int line);

  // One line per selected row, rebuilt from its cells: frequency, unit, time, date, mode,
  // rate/shift, SINPO, call, station, 0xFF TAB TAB, the notes as shown.
  std::vector<std::string> SelectedEntryLines() const;

 private:
  int RowOfLine(int line) const;
  SortGrid grid_;
  int sort_column_ = kLogSortOriginal;
  int unreadable_ = 0;
  int first_unreadable_ = 0;
};

}  // namespace r8
