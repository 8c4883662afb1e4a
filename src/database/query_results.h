// The result tables the query engine fills beside every list, so that a selected row can be traced
// back to its record. Each has a fixed capacity; rows beyond it are dropped.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace r8 {

// One output row: its record (1-based) and its flag (Heard for list and grid rows; headings and
// heard-today stations for What rows; any heard record at the frequency for usage rows).
struct ResultEntry {
  std::uint16_t record = 0;
  std::uint8_t flag = 0;
  bool operator==(const ResultEntry&) const = default;
};

template <typename T, std::size_t N>
class FixedTable {
 public:
  static constexpr int kCapacity = static_cast<int>(N);

  int count() const { return count_; }
  bool full() const { return count_ >= kCapacity; }
  void Reset() { count_ = 0; }
  // False (and nothing stored) when the table is full.
  bool Append(const T& item) { return Insert(count_, item); }
  // Inserts before row index (0-based; count() appends), moving the later rows up.
  bool Insert(int index, const T& item) {
    if (full() || index < 0 || index > count_) return false;
    for (int i = count_; i > index; --i) At(i) = At(i - 1);
    At(index) = item;
    ++count_;
    return true;
  }
  // Row index (0-based) of the last query; callers keep to 0..count()-1.
  const T& operator[](int index) const { return items_[static_cast<std::size_t>(index)]; }
  T& operator[](int index) { return At(index); }
  std::span<const T> rows() const { return std::span<const T>(items_.data(), Size()); }

 private:
  T& At(int index) { return items_[static_cast<std::size_t>(index)]; }
  std::size_t Size() const { return static_cast<std::size_t>(count_); }

  std::array<T, N> items_{};
  std::int16_t count_ = 0;
};

// One row of the full-schedule grid: up to four frequencies of one group.
struct ScheduleRow {
  std::uint8_t group_start = 0;  // 1 on the first row of a group, 0 on continuations
  std::uint8_t freq_count = 0;   // 1..4
  std::array<std::uint16_t, 4> records{};
  bool operator==(const ScheduleRow&) const = default;
};

inline constexpr int kFacePlateCapacity = 10;
inline constexpr int kFindCapacity = 300;
inline constexpr int kWhatCapacity = 400;
inline constexpr int kWhoCapacity = 100;
inline constexpr int kScheduleRowCapacity = 600;
inline constexpr int kOnAirCapacity = 400;

enum class WhatVariant { kSwbc, kUtility, kBcb };

struct QueryResults {
  FixedTable<ResultEntry, kFacePlateCapacity> face_plate;  // kind 3
  FixedTable<ResultEntry, kFindCapacity> find;             // kinds 1 and 8
  FixedTable<ResultEntry, kWhatCapacity> what_swbc;        // kind 2, per variant
  FixedTable<ResultEntry, kWhatCapacity> what_utility;
  FixedTable<ResultEntry, kWhatCapacity> what_bcb;
  FixedTable<ResultEntry, kWhoCapacity> who;               // kind 6
  FixedTable<ScheduleRow, kScheduleRowCapacity> schedule;  // kind 4
  FixedTable<std::string, kOnAirCapacity> on_air;          // kind 7: trimmed names

  // Forgets every query's rows: for after a load, when the record numbers name other records.
  void ResetAll() {
    face_plate.Reset();
    find.Reset();
    what_swbc.Reset();
    what_utility.Reset();
    what_bcb.Reset();
    who.Reset();
    schedule.Reset();
    on_air.Reset();
  }

  FixedTable<ResultEntry, kWhatCapacity>& What(WhatVariant v) {
    return v == WhatVariant::kSwbc ? what_swbc
                                   : (v == WhatVariant::kUtility ? what_utility : what_bcb);
  }
  const FixedTable<ResultEntry, kWhatCapacity>& What(WhatVariant v) const {
    return v == WhatVariant::kSwbc ? what_swbc
                                   : (v == WhatVariant::kUtility ? what_utility : what_bcb);
  }
};

}  // namespace r8
