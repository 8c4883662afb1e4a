// The sortable grid behind the log display: rows of text cells under fixed heading rows, one
// focused row (ItemIndex), a selection of many rows, and sorting of the data rows by a column with
// the detection of numbers, dates and text. The window shows it through a table model.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace r8 {

struct TSortOptions {
  std::uint8_t SortStyle = 0;      // 0 automatic, 1 alphabetic, 2 numeric, 3 date
  std::uint8_t SortDirection = 0;  // 0 ascending, 1 descending
  bool SortCaseSensitive = false;
};

inline constexpr int kSortAlpha = 1;
inline constexpr int kSortNumeric = 2;
inline constexpr int kSortDate = 3;

// "dd Mon yy" as a calendar date; a two-digit year 90..99 is 19yy and 00..89 is 20yy (a log of
// this program starts in the 1990s). nullopt for anything else or no such day.
struct GridDate {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;
};
std::optional<GridDate> ReadGridDate(std::string_view text);
// The same date as a day number that orders dates.
std::optional<long> SortDate(std::string_view text);

class SortGrid {
 public:
  using Row = std::vector<std::string>;
  // How a column's cells read as numbers; without one a cell is read as a plain decimal.
  using NumberReader = std::function<std::optional<double>(std::string_view)>;

  explicit SortGrid(int fixed_rows = 1) : fixed_rows_(fixed_rows) {
    rows_.resize(static_cast<std::size_t>(fixed_rows));
    selected_.resize(rows_.size(), 0);
  }

  int FixedRows() const { return fixed_rows_; }
  int RowCount() const { return static_cast<int>(rows_.size()); }
  int DataRowCount() const { return RowCount() - fixed_rows_; }
  const Row& row(int r) const { return rows_[static_cast<std::size_t>(r)]; }
  // The cell's text; empty outside the grid.
  const std::string& Cell(int col, int row) const;
  void SetRow(int r, Row cells) { rows_[static_cast<std::size_t>(r)] = std::move(cells); }

  // Replaces every data row; the focus goes and nothing is selected.
  void SetDataRows(std::vector<Row> rows);
  void DeleteRow(int r);
  void set_number_reader(int col, NumberReader reader);

  // The focused row, -1 for none. Writing it makes it the only selected row.
  int ItemIndex() const { return item_index_; }
  void SetItemIndex(int r);
  bool Selected(int r) const;
  void SetSelected(int r, bool on);
  int SelectedCount() const { return selected_count_; }
  std::vector<int> SelectedRows() const;
  // What a view's many-row selection holds, and its focused row, in one step.
  void SetSelection(const std::vector<int>& rows, int focus);

  // The sort owners call: OnClickSort may change the options, then SortByColumn.
  void ClickSort(int col, int row, TSortOptions options);
  // Nothing while a sort runs or with fewer than two data rows; otherwise OnBeginSort, the style
  // detected when style and direction are both 0, SortColumn, OnEndSort.
  void SortByColumn(int col, TSortOptions options);
  int DetectSortStyle(int col) const;
  // Stable: rows with equal keys keep their order in both directions. The focus and the
  // selection follow their records.
  void SortColumn(int col, const TSortOptions& options);

  std::function<void(int col, int row, TSortOptions&)> OnClickSort;
  std::function<void(int col, TSortOptions&)> OnBeginSort;
  std::function<void(int col)> OnEndSort;

 private:
  std::optional<double> Number(int col, std::string_view text) const;
  void Recount();

  int fixed_rows_;
  std::vector<Row> rows_;
  std::vector<std::uint8_t> selected_;
  int selected_count_ = 0;
  int item_index_ = -1;
  bool sorting_ = false;
  std::vector<NumberReader> readers_;
};

}  // namespace r8
