// The station database in memory: the schedule table, the station table, the hour index and the
// changed flag. Capacities are fixed when it is made; nothing is stored past them.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "common/progress_box.h"
#include "database/schedule_record.h"

namespace r8 {

// Entry h is the number of the first record of bucket h; bucket h runs to entry h+1 minus one, the
// utility bucket to the last record.
using HourIndex = std::array<std::int16_t, kHourBuckets>;

// 1-based record numbers first..last; empty when first > last.
struct RecordRange {
  int first = 1;
  int last = 0;
  bool empty() const { return first > last; }
};

class StationDatabase {
 public:
  StationDatabase();

  int count() const { return static_cast<int>(records_.size()); }
  bool empty() const { return records_.empty(); }
  bool HasRecord(int number) const { return number >= 1 && number <= count(); }
  // Record number (1-based); a blank record for a number outside the table.
  const ScheduleRecord& Record(int number) const;
  // Null for a number outside the table.
  ScheduleRecord* MutableRecord(int number);
  std::span<const ScheduleRecord> records() const { return records_; }

  // False (and nothing changes) when the table is full or position is not 1..count+1. The hour
  // index is not rebuilt: call BuildHourIndex after a batch of changes.
  bool AppendRecord(const ScheduleRecord& record);
  bool InsertRecord(int position, const ScheduleRecord& record);
  bool DeleteRecord(int number);

  const StationTable& stations() const { return stations_; }
  StationTable& stations() { return stations_; }
  std::string StationNameOf(const ScheduleRecord& record) const;

  const HourIndex& hour_index() const { return hour_index_; }
  // Rebuilds the index in one pass, advancing display per record when given.
  void BuildHourIndex(ProgressDisplay* display = nullptr);
  // Records of bucket 0..25; empty for any other bucket.
  RecordRange BucketRange(int bucket) const;
  // The all-day and utility records together.
  RecordRange AllDayAndUtilityRange() const;

  // 1 when memory holds changes the saved form on disk does not.
  int DatabaseChanged() const { return changed_; }
  void SetDatabaseChanged(int changed) { changed_ = changed; }

  // Set when the last load could not take in everything the files hold (more than the capacities,
  // or a file that could not be read). Saving such a table would destroy what was left out.
  bool incomplete() const { return incomplete_; }
  void set_incomplete(bool v) { incomplete_ = v; }

  // Empties the schedule table only (the index is not rebuilt).
  void ClearRecords() { records_.clear(); }
  // Empties both tables and the index; the capacities stay.
  void Clear();

 private:
  std::vector<ScheduleRecord> records_;
  StationTable stations_;
  HourIndex hour_index_{};
  int changed_ = 0;
  bool incomplete_ = false;
};

// Rebuilds the index behind the "Reindexing Database" progress box.
void ReindexDatabase(StationDatabase& db, ProgressBox* progress);

}  // namespace r8
