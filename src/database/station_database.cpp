#include "database/station_database.h"

#include <algorithm>

namespace r8 {

StationDatabase::StationDatabase() {
  records_.reserve(kMaxRecords);
  BuildHourIndex();
}

const ScheduleRecord& StationDatabase::Record(int number) const {
  static const ScheduleRecord kBlank{};
  return HasRecord(number) ? records_[static_cast<std::size_t>(number - 1)] : kBlank;
}

ScheduleRecord* StationDatabase::MutableRecord(int number) {
  return HasRecord(number) ? &records_[static_cast<std::size_t>(number - 1)] : nullptr;
}

bool StationDatabase::AppendRecord(const ScheduleRecord& record) {
  return InsertRecord(count() + 1, record);
}

bool StationDatabase::InsertRecord(int position, const ScheduleRecord& record) {
  if (count() >= kMaxRecords || position < 1 || position > count() + 1) return false;
  records_.insert(records_.begin() + (position - 1), record);
  return true;
}

bool StationDatabase::DeleteRecord(int number) {
  if (!HasRecord(number)) return false;
  records_.erase(records_.begin() + (number - 1));
  return true;
}

std::string StationDatabase::StationNameOf(const ScheduleRecord& record) const {
  return stations_.Name(record.StationIndex);
}

void StationDatabase::BuildHourIndex(ProgressDisplay* display) {
  // Entries only ever take rising record numbers, so every range lies within 1..count+1 even when
  // the table is out of bucket order.
  int next = 0;
  const int n = count();
  std::int16_t last = 0;
  for (int i = 1; i <= n; ++i) {
    const int bucket = BucketOf(records_[static_cast<std::size_t>(i - 1)]);
    while (next <= bucket && next < kHourBuckets) {
      hour_index_[static_cast<std::size_t>(next)] = static_cast<std::int16_t>(i);
      ++next;
    }
    if (display) CheckPct(i, n, 5, last, *display);
  }
  for (; next < kHourBuckets; ++next) {
    hour_index_[static_cast<std::size_t>(next)] = static_cast<std::int16_t>(n + 1);
  }
}

RecordRange StationDatabase::BucketRange(int bucket) const {
  if (bucket < 0 || bucket >= kHourBuckets) return RecordRange{};
  // Held to the table, so an index not yet rebuilt after a deletion never reaches past it.
  const int first = std::max<int>(1, hour_index_[static_cast<std::size_t>(bucket)]);
  const int last =
      bucket + 1 < kHourBuckets ? hour_index_[static_cast<std::size_t>(bucket + 1)] - 1 : count();
  return RecordRange{first, std::min(last, count())};
}

RecordRange StationDatabase::AllDayAndUtilityRange() const {
  return RecordRange{std::max<int>(1, hour_index_[kAllDayBucket]), count()};
}

void StationDatabase::Clear() {
  records_.clear();
  stations_.Clear();
  changed_ = 0;
  incomplete_ = false;
  BuildHourIndex();
}

void ReindexDatabase(StationDatabase& db, ProgressBox* progress) {
  ProgressScope scope(progress, "Reindexing Database", "Reindexing...");
  db.BuildHourIndex(scope.display());
}

}  // namespace r8
