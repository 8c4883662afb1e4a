#include "log/log_table.h"

#include "common/format.h"

namespace r8 {

const std::vector<std::string>& LogColumnTitles() {
  static const std::vector<std::string> kTitles = {"Frequency",  "Time",  "Date", "Mode",
                                                   "Rate/Shift", "SINPO", "Call", "Station Name",
                                                   "Notes",      "Index"};
  return kTitles;
}

std::optional<double> LogCellKHz(std::string_view cell) {
  if (cell.size() < 5) return std::nullopt;
  const std::optional<double> v = ParseDecimal(TrimStr(cell.substr(0, cell.size() - 4)));
  const std::string_view unit = cell.substr(cell.size() - 3);
  if (!v) return std::nullopt;
  if (unit == "MHz") return *v * 1000.0;
  if (unit == "kHz") return *v;
  return std::nullopt;
}

LogTable::LogTable() {
  grid_.SetRow(0, LogColumnTitles());
  // Frequencies sort by their value whatever their unit; the index by its number.
  grid_.set_number_reader(0, LogCellKHz);
}

void LogTable::Load(const LogLines& file) {
  std::vector<SortGrid::Row> rows;
  rows.reserve(file.lines.size());
  unreadable_ = 0;
  first_unreadable_ = 0;
  for (std::size_t i = 0; i < file.lines.size(); ++i) {
    const std::string& line = file.lines[i];
    std::optional<LogEntry> e = ParseLogRecord(line);
    if (e && (e->freq.size() > 8 || line.find('\t') != 8)) e = ParseLogRecord(UpgradeLogLine(line));
    if (!e) {
      // A blank line is no fault; anything else is counted so that the user hears of it.
      if (!TrimStr(line).empty()) {
        if (unreadable_++ == 0) first_unreadable_ = static_cast<int>(i) + 1;
      }
      continue;
    }
    rows.push_back(LogRowCells(*e, static_cast<int>(i) + 1));
  }
  grid_.SetDataRows(std::move(rows));
  grid_.SetItemIndex(grid_.RowCount() - 1);
  if (sort_column_ != kLogSortOriginal) grid_.ClickSort(sort_column_, 0, TSortOptions{});
}

void LogTable::SortClick(int column) {
  const int col = column < 0 || column >= kLogCellIndex ? kLogCellIndex : column;
  sort_column_ = col == kLogCellIndex ? kLogSortOriginal : col;
  grid_.ClickSort(col, 0, TSortOptions{});
}

std::string LogTable::StatusText() const {
  const int r = grid_.ItemIndex();
  if (r < grid_.FixedRows()) return {};
  return "Double-click to tune to " + grid_.Cell(0, r).substr(0, 8);
}

std::string LogTable::NotesText() const {
  const int r = grid_.ItemIndex();
  return r < grid_.FixedRows() ? std::string() : grid_.Cell(kLogCellNoteLines, r);
}

std::string LogTable::TuneRow() const {
  const int r = grid_.ItemIndex();
  if (r < grid_.FixedRows()) return {};
  std::string row;
  for (int c = 0; c < kLogCellNotes; ++c) {
    if (c > 0) row += '\t';
    row += grid_.Cell(c, r);
  }
  // The frequency stands apart from its unit, so the mode is the fifth field.
  if (row.size() > 8 && row[8] == ' ') row[8] = '\t';
  return row;
}

std::optional<LogEditRequest> LogTable::DoEdit(const LogLines& file) const {
  const std::vector<int> sel = grid_.SelectedRows();
  if (sel.size() != 1) return std::nullopt;
  const int r = sel.front();
  LogEditRequest q;
  q.line = static_cast<int>(ParseLeadingInt(grid_.Cell(kLogCellIndex, r)).value_or(0));
  if (q.line < 1 || q.line > static_cast<int>(file.lines.size())) return std::nullopt;
  q.original = file.lines[static_cast<std::size_t>(q.line - 1)];
  const std::string& f = grid_.Cell(0, r);
  q.entry.freq = f.substr(0, 8);
  q.entry.unit = f.size() >= 12 ? f.substr(9, 3) : "";
  q.unit_choice = q.entry.unit == "kHz" ? kUnitKHz : kUnitMHz;
  q.entry.time = grid_.Cell(1, r);
  q.entry.date = grid_.Cell(2, r);
  q.entry.mode = grid_.Cell(3, r);
  q.entry.rate = grid_.Cell(4, r);
  q.entry.sinpo = grid_.Cell(5, r);
  q.entry.call = grid_.Cell(6, r);
  q.entry.station = grid_.Cell(7, r);
  // The notes keep their lines.
  if (const std::optional<LogEntry> e = ParseLogRecord(q.original)) q.entry.notes = e->notes;
  return q;
}

int LogTable::RowOfLine(int line) const {
  const std::string key = std::to_string(line);
  for (int r = grid_.FixedRows(); r < grid_.RowCount(); ++r) {
    if (grid_.Cell(kLogCellIndex, r) == key) return r;
  }
  return -1;
}

void LogTable::RowModified(int line, const LogEntry& written) {
  const int r = RowOfLine(line);
  if (r < 0) return;
  std::optional<LogEntry> e = ParseLogRecord(FormatLogRecord(written));
  grid_.SetRow(r, LogRowCells(e.value_or(written), line));
}

void LogTable::RowDeleted(int line) {
  const int r = RowOfLine(line);
  if (r < 0) return;
  grid_.DeleteRow(r);
  for (int k = grid_.FixedRows(); k < grid_.RowCount(); ++k) {
    const long long n = ParseLeadingInt(grid_.Cell(kLogCellIndex, k)).value_or(0);
    if (n > line) {
      SortGrid::Row cells = grid_.row(k);
      cells[kLogCellIndex] = std::to_string(n - 1);
      grid_.SetRow(k, std::move(cells));
    }
  }
  grid_.SetItemIndex(std::min(r, grid_.RowCount() - 1));
}

std::vector<std::string> LogTable::SelectedEntryLines() const {
  std::vector<std::string> out;
  for (int r : grid_.SelectedRows()) {
    const std::string& f = grid_.Cell(0, r);
    std::string line = f.substr(0, 8) + '\t' + (f.size() >= 12 ? f.substr(9, 3) : "");
    for (int c = 1; c <= 7; ++c) line += '\t' + grid_.Cell(c, r);
    line += kNoteMark;
    line += "\t\t";
    line += grid_.Cell(kLogCellNotes, r);
    out.push_back(std::move(line));
  }
  return out;
}

}  // namespace r8
