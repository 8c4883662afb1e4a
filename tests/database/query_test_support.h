// A database, result tables, recording windows and a fake clock for the query engine's tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "database/station_query.h"
#include "support/database_builder.h"
#include "support/fake_clock.h"
#include "support/recording_progress.h"
#include "support/recording_query_targets.h"

namespace r8::testing {

inline std::string Name25(const std::string& name) {
  return (name + std::string(25, ' ')).substr(0, 25);
}

class QueryTest : public ::testing::Test {
 protected:
  QueryTest() : results_(std::make_unique<QueryResults>()) {
    ports_.targets = &targets_;
    ports_.progress = &progress_;
    ports_.clock = &clock_;
    ports_.utc_offset_hours = 0.0;
  }

  void Use(const std::vector<std::string>& names, const std::vector<ScheduleRecord>& records) {
    db_ = MakeDatabase(names, records);
  }

  // Clears the windows, as the callers do, then runs the query.
  void Run(QueryTarget target, QueryKind kind, std::string_view key,
           std::string_view time = kTimeNow, char day = ' ') {
    targets_.ClearAll();
    StationQuery(db_, *results_, ports_, target, kind, key, time, day);
  }

  std::vector<std::string>& Lines(QueryTarget t) { return targets_.Lines(t); }
  std::vector<std::vector<std::string>>& Rows(QueryTarget t) { return targets_.Rows(t); }
  QueryResults& results() { return *results_; }

  template <typename Table>
  static std::vector<int> RecordsOf(const Table& table) {
    std::vector<int> out;
    for (const ResultEntry& e : table.rows()) out.push_back(e.record);
    return out;
  }
  template <typename Table>
  static std::vector<int> FlagsOf(const Table& table) {
    std::vector<int> out;
    for (const ResultEntry& e : table.rows()) out.push_back(e.flag);
    return out;
  }

  StationDatabase db_;
  std::unique_ptr<QueryResults> results_;
  RecordingTargets targets_;
  RecordingProgressBox progress_;
  FakeClock clock_{LocalDateTime{2026, 12, 5, 14, 30, 0}};  // a Saturday
  QueryPorts ports_;
};

}  // namespace r8::testing
