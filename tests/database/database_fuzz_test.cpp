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

// Windows that keep only counts, and check that every line goes where a line can go.
struct CheckingTargets : QueryTargets, ResultList, ResultGrid {
  void InsertLine(int index, std::string_view) override {
    ASSERT_TRUE(index >= 0 && index <= lines) << index;
    ++lines;
  }
  int LineCount() const override { return lines; }
  void AddRow(std::span<const std::string> cells) override {
    ASSERT_FALSE(cells.empty());
    ++rows;
  }
  int RowCount() const override { return rows; }
  void Clear() override { lines = rows = 0; }
  ResultList* GetListBox(QueryTarget) override { return this; }
  ResultGrid* GetGridBox(QueryTarget) override { return this; }
  int lines = 0;
  int rows = 0;
};

struct NullText : TextOutput {
  bool IsFile() const override { return true; }
  void WriteLine(std::string_view) override {}
};

class Fuzzer {
 public:
  explicit Fuzzer(std::uint32_t seed) : rng_(seed) {
    StationDatabase demo;
    FillDemoDatabase(demo);
    const std::string all = EncodeSchedule(demo);
    // Seeds from the realistic database (the start, an hour in the middle, the utility end) and
    // one of the distribution form.
    schedule_seeds_ = {all.substr(0, 16 * kMaxFuzzRecords),
                       all.substr(all.size() / 2 / 16 * 16, 16 * kMaxFuzzRecords),
                       all.substr(all.size() - 16 * 12),
                       testing::DistributionScheduleBytes({{"0000", "0100", 0, 1, 5950},
                                                           {"0000", "0100", 0, 1, 6005, "Eu", 'T'},
                                                           {"1430", "1500", 0x3E, 2, 9580},
                                                           {"24hr", "    ", 0, 3, 15400},
                                                           {"Util", "BCB ", 0, 4, 1010},
                                                           {"Util", "FAX1", 0, 5, 8040},
                                                           {"Util", "CB  ", 0, 9, 27185}})};
    names_seed_ = EncodeStations(demo.stations()).substr(0, 25 * 12);
  }

  std::uint32_t Next(std::size_t n) { return n == 0 ? 0 : rng_() % static_cast<std::uint32_t>(n); }

  std::string Garbage(std::size_t max_len) {
    std::string s(Next(max_len + 1), '\0');
    for (char& c : s) c = static_cast<char>(Next(256));
    return s;
  }

  // A seed, maybe truncated, with bytes changed, inserted or removed; or plain garbage.
  std::string Mutate(const std::string& seed, std::size_t max_len) {
    const std::uint32_t how = Next(6);
    std::string s = how == 0 ? Garbage(max_len)
                             : seed.substr(0, how == 1 ? Next(seed.size() + 1) : seed.size());
    for (std::uint32_t e = Next(8); e > 0 && !s.empty(); --e) {
      const std::size_t at = Next(s.size());
      const std::uint32_t edit = Next(3);
      if (edit == 0) s[at] = static_cast<char>(Next(256));
      if (edit == 1) s.insert(at, 1, static_cast<char>(Next(256)));
      if (edit == 2) s.erase(at, 1);
    }
    if (s.size() > max_len) s.resize(max_len);
    return s;
  }

  std::string ScheduleInput() {
    // One in three from the distribution form's seed.
    const std::size_t seed = Next(3) == 0 ? 3 : Next(3);
    return Mutate(schedule_seeds_[seed], 16 * kMaxFuzzRecords + 15);
  }
  std::string StationInput() { return Mutate(names_seed_, 25 * 14); }

  std::string Key(const StationDatabase& db) {
    static const char* const kNumbers[] = {"9580", " 5950.0 ", "9580.2", "-0",   "1e400", "nan",
                                           "inf",  "0x10",     "",       "1010", "  "};
    switch (Next(4)) {
      case 0:
        return kNumbers[Next(std::size(kNumbers))];
      case 1: {  // part of a name, or of a name past the table's end
        const std::string& name =
            db.stations().Name(static_cast<std::uint16_t>(Next(db.stations().size() + 2)));
        const std::size_t from = Next(25);
        return name.substr(from, Next(26));
      }
      case 2:
        return std::to_string(
            static_cast<int>(db.Record(1 + static_cast<int>(Next(db.count() + 1))).Freq));
      default:
        return Garbage(30);
    }
  }

  std::string Time() {
    const std::uint32_t how = Next(4);
    if (how == 0) return std::string(kTimeNow);
    if (how > 1) return Garbage(6);
    std::string t(4, '0');
    for (char& c : t) c = static_cast<char>('0' + Next(10));
    return t;
  }

  char Day() { return Next(5) == 0 ? static_cast<char>(Next(256)) : " smtwhfa"[Next(8)]; }

 private:
  std::mt19937 rng_;
  std::vector<std::string> schedule_seeds_;
  std::string names_seed_;
};

template <typename Table>
void ExpectEntriesInTable(const Table& table, const StationDatabase& db) {
  ASSERT_LE(table.count(), Table::kCapacity);
  for (const ResultEntry& e : table.rows()) ASSERT_TRUE(e.record >= 1 && e.record <= db.count());
}

void ExpectIndexInsideTable(const StationDatabase& db) {
  int previous = 1;
  for (int entry : db.hour_index()) {
    ASSERT_TRUE(entry >= previous && entry <= db.count() + 1);
    previous = entry;
  }
}

TEST(DatabaseFuzz, AMillionDamagedFilesAndKeysNeverReachOutsideTheTables) {
  Fuzzer fuzz(0x5EED2026);
  testing::FakeClock clock;
  StationDatabase db;
  auto results = std::make_unique<QueryResults>();
  CheckingTargets targets;
  NullText text;
  QueryPorts ports{&targets, &text, nullptr, &clock};
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
    for (int q = 0; q < 2; ++q, ++inputs) {
      targets.Clear();
      const auto kind = static_cast<QueryKind>(1 + fuzz.Next(8));
      // Every window, kNone (0) to kTextOutput (8).
      const auto target = static_cast<QueryTarget>(fuzz.Next(9));
      StationQuery(db, *results, ports, target, kind, fuzz.Key(db), fuzz.Time(), fuzz.Day());
      // The table of the kind just run names records of this database only, and the window got
      // a line or row for each of its entries.
      switch (kind) {
        case QueryKind::kOnFrequency:
          ASSERT_NO_FATAL_FAILURE(ExpectEntriesInTable(results->face_plate, db));
          ASSERT_EQ(targets.lines, results->face_plate.count());
          break;
        case QueryKind::kFindNow:
        case QueryKind::kFreqUsage:
          ASSERT_NO_FATAL_FAILURE(ExpectEntriesInTable(results->find, db));
          ASSERT_EQ(targets.lines, results->find.count());
          break;
        case QueryKind::kStationsNow:
          if (const auto v = WhatVariantOf(target)) {
            ASSERT_NO_FATAL_FAILURE(ExpectEntriesInTable(results->What(*v), db));
          }
          break;
        case QueryKind::kWhoElse:
          ASSERT_NO_FATAL_FAILURE(ExpectEntriesInTable(results->who, db));
          ASSERT_EQ(targets.rows, results->who.count());
          break;
        case QueryKind::kFullSchedule:
          ASSERT_LE(results->schedule.count(), kScheduleRowCapacity);
          for (const ScheduleRow& row : results->schedule.rows()) {
            ASSERT_TRUE(row.freq_count >= 1 && row.freq_count <= 4);
            for (int c = 0; c < row.freq_count; ++c) {
              const int record = row.records[static_cast<std::size_t>(c)];
              ASSERT_TRUE(record >= 1 && record <= db.count());
            }
          }
          break;
        case QueryKind::kPrintSchedule:
        case QueryKind::kOnAirNames:
          break;
      }
      ASSERT_LE(results->on_air.count(), kOnAirCapacity);
    }
  }
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
