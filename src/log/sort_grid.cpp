#include "log/sort_grid.h"

#include <algorithm>
#include <cctype>
#include <numeric>

#include "common/clock.h"
#include "common/format.h"

namespace r8 {
namespace {

constexpr std::string_view kMonths = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";
constexpr std::size_t kSortTextMax = 255;

int Digits2(std::string_view s) {
  if (s.size() != 2 || !std::isdigit(static_cast<unsigned char>(s[0])) ||
      !std::isdigit(static_cast<unsigned char>(s[1]))) {
    return -1;
  }
  return (s[0] - '0') * 10 + (s[1] - '0');
}

}  // namespace

std::optional<GridDate> ReadGridDate(std::string_view t) {
  if (t.size() != 9 || t[2] != ' ' || t[6] != ' ') return std::nullopt;
  const int day = Digits2(t.substr(0, 2));
  const int yy = Digits2(t.substr(7, 2));
  const std::string mon = UpperStr(t.substr(3, 3));
  const std::size_t at = kMonths.find(mon);
  if (day < 1 || yy < 0 || at == std::string_view::npos || at % 3 != 0) return std::nullopt;
  const int month = static_cast<int>(at / 3) + 1;
  const int year = yy >= 90 ? 1900 + yy : 2000 + yy;
  if (day > DaysInMonth(year, month)) return std::nullopt;
  return GridDate{year, month, day};
}

std::optional<long> SortDate(std::string_view t) {
  const std::optional<GridDate> d = ReadGridDate(t);
  if (!d) return std::nullopt;
  return (static_cast<long>(d->year) * 12 + d->month - 1) * 31 + d->day - 1;
}

const std::string& SortGrid::Cell(int col, int r) const {
  static const std::string kEmpty;
  if (r < 0 || r >= RowCount() || col < 0) return kEmpty;
  const Row& cells = rows_[static_cast<std::size_t>(r)];
  return static_cast<std::size_t>(col) < cells.size() ? cells[static_cast<std::size_t>(col)]
                                                      : kEmpty;
}

void SortGrid::SetDataRows(std::vector<Row> rows) {
  rows_.resize(static_cast<std::size_t>(fixed_rows_));
  rows_.reserve(rows_.size() + rows.size());
  for (Row& r : rows) rows_.push_back(std::move(r));
  selected_.assign(rows_.size(), 0);
  selected_count_ = 0;
  item_index_ = -1;
}

void SortGrid::DeleteRow(int r) {
  if (r < fixed_rows_ || r >= RowCount()) return;
  rows_.erase(rows_.begin() + r);
  selected_.erase(selected_.begin() + r);
  if (item_index_ >= RowCount() || item_index_ > r) --item_index_;
  if (item_index_ < fixed_rows_) item_index_ = -1;
  Recount();
}

void SortGrid::set_number_reader(int col, NumberReader reader) {
  if (col < 0) return;
  if (readers_.size() <= static_cast<std::size_t>(col)) readers_.resize(col + 1);
  readers_[static_cast<std::size_t>(col)] = std::move(reader);
}

void SortGrid::SetItemIndex(int r) {
  std::fill(selected_.begin(), selected_.end(), 0);
  selected_count_ = 0;
  if (r < fixed_rows_ || r >= RowCount()) {
    item_index_ = -1;
    return;
  }
  item_index_ = r;
  selected_[static_cast<std::size_t>(r)] = 1;
  selected_count_ = 1;
}

bool SortGrid::Selected(int r) const {
  return r >= 0 && r < RowCount() && selected_[static_cast<std::size_t>(r)] != 0;
}

void SortGrid::SetSelected(int r, bool on) {
  if (r < fixed_rows_ || r >= RowCount()) return;
  selected_[static_cast<std::size_t>(r)] = on ? 1 : 0;
  Recount();
}

std::vector<int> SortGrid::SelectedRows() const {
  std::vector<int> out;
  for (int r = fixed_rows_; r < RowCount(); ++r) {
    if (selected_[static_cast<std::size_t>(r)]) out.push_back(r);
  }
  return out;
}

void SortGrid::SetSelection(const std::vector<int>& rows, int focus) {
  std::fill(selected_.begin(), selected_.end(), 0);
  for (int r : rows) {
    if (r >= fixed_rows_ && r < RowCount()) selected_[static_cast<std::size_t>(r)] = 1;
  }
  item_index_ = focus >= fixed_rows_ && focus < RowCount() ? focus : -1;
  Recount();
}

void SortGrid::Recount() {
  selected_count_ = static_cast<int>(
      std::count(selected_.begin() + fixed_rows_, selected_.end(), std::uint8_t{1}));
}

std::optional<double> SortGrid::Number(int col, std::string_view text) const {
  if (static_cast<std::size_t>(col) < readers_.size() && readers_[static_cast<std::size_t>(col)])
    return readers_[static_cast<std::size_t>(col)](text);
  if (text.empty()) return std::nullopt;
  return ParseDecimal(TrimStr(text));
}

void SortGrid::ClickSort(int col, int r, TSortOptions options) {
  if (OnClickSort) OnClickSort(col, r, options);
  SortByColumn(col, options);
}

void SortGrid::SortByColumn(int col, TSortOptions options) {
  if (sorting_ || fixed_rows_ + 1 >= RowCount()) return;
  if (OnBeginSort) OnBeginSort(col, options);
  if (options.SortStyle == 0 && options.SortDirection == 0)
    options.SortStyle = static_cast<std::uint8_t>(DetectSortStyle(col));
  SortColumn(col, options);
  if (OnEndSort) OnEndSort(col);
}

int SortGrid::DetectSortStyle(int col) const {
  bool numeric = true;
  bool date = true;
  for (int r = fixed_rows_; r < RowCount() && (numeric || date); ++r) {
    const std::string& text = Cell(col, r);
    if (numeric && !Number(col, text)) numeric = false;
    if (date && !SortDate(text)) date = false;
  }
  if (numeric) return kSortNumeric;
  if (date) return kSortDate;
  return kSortAlpha;
}

void SortGrid::SortColumn(int col, const TSortOptions& options) {
  sorting_ = true;
  const int n = DataRowCount();
  // One key per row, worked out once: a number, or a text. A cell that does not convert under a
  // numeric or date style sorts before every one that does.
  struct Key {
    bool valid = false;
    double number = 0.0;
    std::string text;
  };
  std::vector<Key> keys(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    std::string_view text = Cell(col, fixed_rows_ + i);
    text = text.substr(0, kSortTextMax);
    Key& k = keys[static_cast<std::size_t>(i)];
    if (options.SortStyle == kSortNumeric) {
      const std::optional<double> v = Number(col, text);
      k.valid = v.has_value();
      k.number = v.value_or(0.0);
    } else if (options.SortStyle == kSortDate) {
      const std::optional<long> d = SortDate(text);
      k.valid = d.has_value();
      k.number = static_cast<double>(d.value_or(0));
    } else {
      k.text = options.SortCaseSensitive ? std::string(text) : UpperStr(text);
    }
  }
  const bool textual = options.SortStyle != kSortNumeric && options.SortStyle != kSortDate;
  auto less = [&](const Key& a, const Key& b) {
    if (a.valid != b.valid) return !a.valid;
    if (textual) {
      return std::lexicographical_compare(
          a.text.begin(), a.text.end(), b.text.begin(), b.text.end(), [](char x, char y) {
            return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
          });
    }
    return a.number < b.number;
  };
  std::vector<int> order(static_cast<std::size_t>(n));
  std::iota(order.begin(), order.end(), 0);
  const bool down = options.SortDirection == 1;
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const Key& ka = keys[static_cast<std::size_t>(a)];
    const Key& kb = keys[static_cast<std::size_t>(b)];
    return down ? less(kb, ka) : less(ka, kb);
  });
  std::vector<Row> moved(static_cast<std::size_t>(n));
  std::vector<std::uint8_t> flags(static_cast<std::size_t>(n));
  int focus = -1;
  for (int i = 0; i < n; ++i) {
    const int from = fixed_rows_ + order[static_cast<std::size_t>(i)];
    moved[static_cast<std::size_t>(i)] = std::move(rows_[static_cast<std::size_t>(from)]);
    flags[static_cast<std::size_t>(i)] = selected_[static_cast<std::size_t>(from)];
    if (from == item_index_) focus = fixed_rows_ + i;
  }
  for (int i = 0; i < n; ++i) {
    rows_[static_cast<std::size_t>(fixed_rows_ + i)] =
        std::move(moved[static_cast<std::size_t>(i)]);
    selected_[static_cast<std::size_t>(fixed_rows_ + i)] = flags[static_cast<std::size_t>(i)];
  }
  item_index_ = focus;
  sorting_ = false;
}

}  // namespace r8
