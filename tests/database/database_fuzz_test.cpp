// Random, truncated and mutated bytes as both database files, and random keys, times and days as
// queries of every kind: nothing may crash, hang, or name a record outside the table. The run is
// seeded, so a failure repeats; it also runs under AddressSanitizer and UBSan.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "database/database_codec.h"
#include "database/database_files.h"
#include "database/demo_database.h"
#include "database/station_query.h"
#include "support/database_builder.h"
#include "support/fake_clock.h"

namespace r8 {
namespace {

constexpr int kInputs = 1'000'000;
constexpr std::size_t kMaxFuzzRecords = 24;  // small tables keep a million inputs to seconds

// Targets that keep nothing but check that every line goes where a line can go.
class CheckingList : public ResultList {
 public:
  void InsertLine(int index, std::string_view) override {
    ASSERT_GE(index, 0);
    ASSERT_LE(index, count);
    ++count;
  }
  int LineCount() const override { return count; }
  void Clear() override { count = 0; }
  int count = 0;
};

class CheckingGrid : public ResultGrid {
 public:
  void AddRow(std::span<const std::string> cells) override {
    ASSERT_FALSE(cells.empty());
    ++count;
  }
  int RowCount() const override { return count; }
  void Clear() override { count = 0; }
  int count = 0;
};

class CheckingText : public TextOutput {
 public:
  bool IsFile() const override { return true; }
  void WriteLine(std::string_view) override { ++count; }
  int count = 0;
};

class CheckingTargets : public QueryTargets {
 public:
  ResultList* GetListBox(QueryTarget) override { return &list; }
  ResultGrid* GetGridBox(QueryTarget) override { return &grid; }
  CheckingList list;
  CheckingGrid grid;
};

class Fuzzer {
 public:
  explicit Fuzzer(std::uint32_t seed) : rng_(seed) {
    StationDatabase demo;
    FillDemoDatabase(demo);
    const std::string all = EncodeSchedule(demo);
    // Seeds from the realistic database: the start, an hour in the middle, the utility end.
    saved_seeds_ = {all.substr(0, 16 * kMaxFuzzRecords),
                    all.substr(all.size() / 2 / 16 * 16, 16 * kMaxFuzzRecords),
                    all.substr(all.size() - 16 * 12)};
    dist_seeds_ = {testing::DistributionScheduleBytes({{"0000", "0100", 0, 1, 5950},
                                                       {"0000", "0100", 0, 1, 6005, "Eu", 'T'},
                                                       {"1430", "1500", 0x3E, 2, 9580},
                                                       {"24hr", "    ", 0, 3, 15400},
                                                       {"Util", "BCB ", 0, 4, 1010},
                                                       {"Util", "FAX1", 0, 5, 8040},
                                                       {"Util", "CB  ", 0, 9, 27185}})};
    std::string names = EncodeStations(demo.stations());
    names_seed_ = names.substr(0, 25 * 12);
  }

  std::uint32_t Next(std::uint32_t n) { return n == 0 ? 0 : rng_() % n; }

  std::string Garbage(std::size_t max_len) {
    std::string s(Next(static_cast<std::uint32_t>(max_len) + 1), '\0');
    for (char& c : s) c = static_cast<char>(Next(256));
    return s;
  }

  // A seed truncated, with bytes flipped, inserted or removed, or plain garbage.
  std::string Mutate(const std::string& seed, std::size_t max_len) {
    std::string s;
    switch (Next(6)) {
      case 0:
        s = Garbage(max_len);
        break;
      case 1:
        s = seed.substr(0, Next(static_cast<std::uint32_t>(seed.size()) + 1));
        break;
      default:
        s = seed;
        break;
    }
    const std::uint32_t edits = Next(8);
    for (std::uint32_t e = 0; e < edits && !s.empty(); ++e) {
      const std::size_t at = Next(static_cast<std::uint32_t>(s.size()));
      switch (Next(3)) {
        case 0:
          s[at] = static_cast<char>(Next(256));
          break;
        case 1:
          s.insert(at, 1, static_cast<char>(Next(256)));
          break;
        default:
          s.erase(at, 1);
          break;
      }
    }
    if (s.size() > max_len) s.resize(max_len);
    return s;
  }

  std::string ScheduleInput() {
    const bool dist = Next(3) == 0;
    const auto& seeds = dist ? dist_seeds_ : saved_seeds_;
    return Mutate(seeds[Next(static_cast<std::uint32_t>(seeds.size()))], 16 * kMaxFuzzRecords + 15);
  }
  std::string StationInput() { return Mutate(names_seed_, 25 * 14); }

  std::string Key(const StationDatabase& db) {
    static const char* const kNumbers[] = {"9580", " 5950.0 ", "9580.2", "-0",   "1e400", "nan",
                                           "inf",  "0x10",     "",       "1010", "  "};
    switch (Next(4)) {
      case 0:
        return kNumbers[Next(sizeof kNumbers / sizeof kNumbers[0])];
      case 1: {
        const std::string& name = db.stations().Name(
            static_cast<std::uint16_t>(Next(static_cast<std::uint32_t>(db.stations().size()) + 2)));
        const std::size_t from = Next(25);
        return name.substr(from, Next(26));
      }
      case 2:
        return std::to_string(static_cast<int>(
            db.Record(1 + static_cast<int>(Next(static_cast<std::uint32_t>(db.count()) + 1)))
                .Freq));
      default:
        return Garbage(30);
    }
  }

  std::string Time() {
    switch (Next(4)) {
      case 0:
        return std::string(kTimeNow);
      case 1: {
        char t[5];
        for (int i = 0; i < 4; ++i) t[i] = static_cast<char>('0' + Next(10));
        t[4] = 0;
        return t;
      }
      default:
        return Garbage(6);
    }
  }

  char Day() {
    static const char kDays[] = " smtwhfa";
    return Next(5) == 0 ? static_cast<char>(Next(256)) : kDays[Next(8)];
  }

 private:
  std::mt19937 rng_;
  std::vector<std::string> saved_seeds_;
  std::vector<std::string> dist_seeds_;
  std::string names_seed_;
};

template <typename Table>
void ExpectEntriesInTable(const Table& table, const StationDatabase& db) {
  ASSERT_LE(table.count(), Table::kCapacity);
  for (const ResultEntry& e : table.rows()) {
    ASSERT_GE(e.record, 1);
    ASSERT_LE(e.record, db.count());
  }
}

void ExpectIndexInsideTable(const StationDatabase& db) {
  int previous = 1;
  for (int h = 0; h < kHourBuckets; ++h) {
    const int entry = db.hour_index()[static_cast<std::size_t>(h)];
    ASSERT_GE(entry, previous);
    ASSERT_LE(entry, db.count() + 1);
    previous = entry;
  }
}

TEST(DatabaseFuzz, AMillionDamagedFilesAndKeysNeverReachOutsideTheTables) {
  Fuzzer fuzz(0x5EED2026);
  testing::FakeClock clock;
  StationDatabase db;
  auto results = std::make_unique<QueryResults>();
  CheckingTargets targets;
  CheckingText text;
  QueryPorts ports;
  ports.targets = &targets;
  ports.text = &text;
  ports.clock = &clock;

  static constexpr QueryTarget kTargets[] = {
      QueryTarget::kNone,         QueryTarget::kFacePlate,     QueryTarget::kFindWindow,
      QueryTarget::kSwbcList,     QueryTarget::kUtilityList,   QueryTarget::kBcbList,
      QueryTarget::kFullSchedule, QueryTarget::kOtherStations, QueryTarget::kTextOutput};
  int inputs = 0;
  while (inputs < kInputs) {
    const std::string schedule = fuzz.ScheduleInput();
    const TableDecodeReport r = DecodeSchedule(schedule, DetectLayout(schedule), db);
    ASSERT_EQ(static_cast<std::size_t>(db.count()), schedule.size() / 16);
    ASSERT_EQ(r.trailing_bytes, schedule.size() % 16);
    DecodeStations(fuzz.StationInput(), db.stations());
    inputs += 2;
    db.BuildHourIndex();
    ASSERT_NO_FATAL_FAILURE(ExpectIndexInsideTable(db));
    if (fuzz.Next(16) == 0) {
      clock.Set({2026, 1 + static_cast<int>(fuzz.Next(12)), 1 + static_cast<int>(fuzz.Next(28)),
                 static_cast<int>(fuzz.Next(24)), static_cast<int>(fuzz.Next(60)), 0});
      ports.utc_offset_hours = static_cast<double>(fuzz.Next(25)) - 12.0;
    }
    // Several queries per database: each key is an input of its own.
    for (int q = 0; q < 2; ++q) {
      targets.list.Clear();
      targets.grid.Clear();
      const auto kind = static_cast<QueryKind>(1 + fuzz.Next(8));
      const QueryTarget target = kTargets[fuzz.Next(9)];
      const std::string key = fuzz.Key(db);
      StationQuery(db, *results, ports, target, kind, key, fuzz.Time(), fuzz.Day());
      ++inputs;
      // The table of the kind just run names records of this database only.
      switch (kind) {
        case QueryKind::kOnFrequency:
          ASSERT_NO_FATAL_FAILURE(ExpectEntriesInTable(results->face_plate, db));
          break;
        case QueryKind::kFindNow:
        case QueryKind::kFreqUsage:
          ASSERT_NO_FATAL_FAILURE(ExpectEntriesInTable(results->find, db));
          break;
        case QueryKind::kStationsNow:
          if (const auto v = WhatVariantOf(target)) {
            ASSERT_NO_FATAL_FAILURE(ExpectEntriesInTable(results->What(*v), db));
          }
          break;
        case QueryKind::kWhoElse:
          ASSERT_NO_FATAL_FAILURE(ExpectEntriesInTable(results->who, db));
          break;
        case QueryKind::kFullSchedule:
          ASSERT_LE(results->schedule.count(), kScheduleRowCapacity);
          for (const ScheduleRow& row : results->schedule.rows()) {
            ASSERT_GE(row.freq_count, 1);
            ASSERT_LE(row.freq_count, 4);
            for (int c = 0; c < row.freq_count; ++c) {
              ASSERT_GE(row.records[static_cast<std::size_t>(c)], 1);
              ASSERT_LE(row.records[static_cast<std::size_t>(c)], db.count());
            }
          }
          break;
        case QueryKind::kPrintSchedule:
        case QueryKind::kOnAirNames:
          break;
      }
      ASSERT_LE(results->on_air.count(), kOnAirCapacity);
      if (kind == QueryKind::kOnFrequency) {
        ASSERT_EQ(targets.list.count, results->face_plate.count());
      }
      if (kind == QueryKind::kFindNow || kind == QueryKind::kFreqUsage) {
        ASSERT_EQ(targets.list.count, results->find.count());
      }
      if (kind == QueryKind::kWhoElse) {
        ASSERT_EQ(targets.grid.count, results->who.count());
      }
    }
  }
  EXPECT_GE(inputs, kInputs);
}

TEST(DatabaseFuzz, DamagedFilesOnDiskLoadOrFailCleanly) {
  Fuzzer fuzz(7);
  testing::TempDir dir;
  StationDatabase db;
  for (int i = 0; i < 300; ++i) {
    const std::string schedule = fuzz.ScheduleInput();
    const std::string names = fuzz.StationInput();
    if (i % 10 != 9) testing::WriteBytes(dir / "SWBCGIDE.DAT", schedule);
    if (i % 7 != 6) testing::WriteBytes(dir / "STATIONS.DAT", names);
    const LoadResult r = LoadDatabaseFiles(dir.path(), db, nullptr);
    ASSERT_NO_FATAL_FAILURE(ExpectIndexInsideTable(db));
    if (r.status == LoadStatus::kLoaded) {
      ASSERT_EQ(static_cast<std::size_t>(db.count()), schedule.size() / 16);
      ASSERT_EQ(db.stations().size(), names.size() / 25);
    }
    std::filesystem::remove(dir / "SWBCGIDE.DAT");
    std::filesystem::remove(dir / "STATIONS.DAT");
  }
}

}  // namespace
}  // namespace r8
