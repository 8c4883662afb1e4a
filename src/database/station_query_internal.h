// What the parts of the query engine share: one query's prepared inputs and its tests.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "database/station_query.h"

namespace r8::query_internal {

struct Query {
  const StationDatabase& db;
  QueryResults& results;
  const QueryPorts& ports;
  QueryTarget target;
  std::string key;
  std::optional<int> now;      // hhmm; none when the time given is not one
  char day = ' ';              // ' ' passes every record
  std::optional<double> freq;  // kinds 3 and 6

  bool DayTest(const ScheduleRecord& r) const;
  bool TimeTest(const ScheduleRecord& r) const;
  bool FreqTest(const ScheduleRecord& r) const;
  // The current hour's bucket; empty when there is no usable time.
  RecordRange HourRange() const;
  RecordRange AllRecords() const { return RecordRange{1, db.count()}; }
  ResultList* List() const;
  ResultGrid* Grid() const;
};

// Station names upper-cased once per query, so the whole-table kinds need not do it per record;
// entry 0 (and any number outside the table) is the blank name.
class UpperNames {
 public:
  explicit UpperNames(const StationTable& stations);
  const std::string& Of(const ScheduleRecord& r) const;

 private:
  std::vector<std::string> names_;
};

inline bool Contains(std::string_view name, std::string_view key) {
  return name.find(key) != std::string_view::npos;
}

// Kinds 4, 5, 6 and 8: the whole table.
void RunFullSchedule(Query& q);
void RunPrintSchedule(Query& q);
void RunWhoElse(Query& q);
void RunFreqUsage(Query& q);

}  // namespace r8::query_internal
