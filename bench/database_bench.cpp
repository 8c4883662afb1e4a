// The station database with full tables (9,999 records, 999 stations): loading each layout, the
// front panel's on-now query, the whole-table queries and the full dump.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "common/clock.h"
#include "common/format.h"
#include "common/program_launcher.h"
#include "common/user_prompts.h"
#include "database/database_files.h"
#include "database/schedule_dump.h"
#include "database/station_query.h"
#include "settings/profile_file.h"

namespace {

namespace fs = std::filesystem;

class FixedClock : public r8::Clock {
 public:
  std::uint32_t TickMs() override { return 0; }
  r8::LocalDateTime Now() override { return {2026, 12, 5, 14, 30, 0}; }
  void PauseMs(std::uint32_t) override {}
};

class SilentPrompts : public r8::UserPrompts {
 public:
  r8::Answer Message(const r8::MessageRequest&) override { return r8::Answer::kYes; }
  void Beep(r8::BeepKind) override {}
  void BusyCursor(bool) override {}
  r8::FileDialogResult FileDialog(const r8::FileDialogRequest&) override { return {}; }
};

class NoLauncher : public r8::ProgramLauncher {
 public:
  bool Start(const fs::path&, const std::vector<std::string>&, const fs::path&) override {
    return false;
  }
};

class NullText : public r8::TextOutput {
 public:
  bool IsFile() const override { return true; }
  void WriteLine(std::string_view line) override { bytes += line.size(); }
  std::size_t bytes = 0;
};

// 400 records an hour, then all-day and utility records; each station has runs of three
// frequencies at the same hours.
const r8::StationDatabase& FullDatabase() {
  static const r8::StationDatabase db = [] {
    r8::StationDatabase d;
    for (int s = 1; s <= r8::kMaxStations; ++s) d.stations().Add("Station " + r8::IntToStr3Z(s));
    for (int i = 0; i < r8::kMaxRecords; ++i) {
      r8::ScheduleRecord r;
      if (i < 9600) {
        r.StartTime = static_cast<std::int16_t>(i / 400 * 100 + (i / 3 % 2) * 30);
        r.StopTime = static_cast<std::int16_t>(i / 400 * 100 + 100);
      } else if (i < 9800) {
        r.StartTime = r8::kAllDay;
      } else {
        r = r8::UtilityRecord(i % 2 ? "FAX " : "BCB ");
      }
      r.StationIndex = static_cast<std::uint16_t>(i / 3 % r8::kMaxStations + 1);
      r.Freq = 2000 + (i * 37) % 24000;
      r.Days = static_cast<std::uint8_t>(i % 5 == 0 ? 0x41 : 0);
      r.Target = {'E', 'u'};
      r.Heard = i % 11 == 0 ? 'T' : 'F';
      d.AppendRecord(r);
    }
    d.BuildHourIndex();
    return d;
  }();
  return db;
}

std::string Le16(std::uint16_t v) {
  return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}

// The distribution form of a record, as the companion writes it.
std::string DistributionBytes(const r8::ScheduleRecord& r) {
  std::string b;
  if (r.StartTime == r8::kAllDay) {
    b = "24hr    ";
  } else if (r8::IsUtility(r)) {
    b = "Util" + r8::UtilityCode(r);
  } else {
    b = r8::IntToTime4(r.StartTime) + r8::IntToTime4(r.StopTime);
  }
  b += static_cast<char>(r.Days);
  b += Le16(r.StationIndex);
  b += Le16(static_cast<std::uint16_t>(static_cast<std::int16_t>(r.Freq)));
  b += r.Target[0];
  b += r.Target[1];
  b += r.Heard;
  return b;
}

class Folder {
 public:
  Folder() {
    std::random_device rd;
    path_ = fs::temp_directory_path() / ("r8dbbench-" + std::to_string(rd()));
    fs::create_directories(path_);
  }
  ~Folder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

void WriteFile(const fs::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void BM_LoadSavedForm(benchmark::State& state) {
  Folder dir;
  if (!r8::SaveDatabaseFiles(dir.path(), FullDatabase(), nullptr).ok) {
    state.SkipWithError("could not write the files");
    return;
  }
  r8::StationDatabase db;
  for (auto _ : state) {
    const r8::LoadResult r = r8::LoadDatabaseFiles(dir.path(), db, nullptr);
    benchmark::DoNotOptimize(r);
  }
  state.counters["records_per_s"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * r8::kMaxRecords, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LoadSavedForm)->Unit(benchmark::kMillisecond);

void BM_LoadDistributionForm(benchmark::State& state) {
  Folder dir;
  std::string bytes;
  for (const r8::ScheduleRecord& r : FullDatabase().records()) bytes += DistributionBytes(r);
  WriteFile(dir.path() / "SWBCGIDE.DAT", bytes);
  WriteFile(dir.path() / "STATIONS.DAT", r8::EncodeStations(FullDatabase().stations()));
  r8::StationDatabase db;
  for (auto _ : state) {
    const r8::LoadResult r = r8::LoadDatabaseFiles(dir.path(), db, nullptr);
    benchmark::DoNotOptimize(r);
  }
  state.counters["records_per_s"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * r8::kMaxRecords, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LoadDistributionForm)->Unit(benchmark::kMillisecond);

// Runs one query kind repeatedly and reports microseconds per query.
void RunQuery(benchmark::State& state, r8::QueryKind kind, r8::QueryTarget target,
              const std::string& key) {
  FixedClock clock;
  auto results = std::make_unique<r8::QueryResults>();
  NullText text;
  r8::QueryPorts ports;
  ports.clock = &clock;
  ports.text = &text;
  for (auto _ : state) {
    r8::StationQuery(FullDatabase(), *results, ports, target, kind, key);
    benchmark::ClobberMemory();
  }
  // Shown as a time (e.g. "1.25us"): seconds per query.
  state.counters["time_per_query"] =
      benchmark::Counter(static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_OnFrequencyNow(benchmark::State& state) {
  // 14:30 at the clock: the 14 bucket plus the all-day and utility records.
  RunQuery(state, r8::QueryKind::kOnFrequency, r8::QueryTarget::kFacePlate, "9580");
}
BENCHMARK(BM_OnFrequencyNow)->Unit(benchmark::kMicrosecond);

void BM_FullSchedule(benchmark::State& state) {
  RunQuery(state, r8::QueryKind::kFullSchedule, r8::QueryTarget::kFullSchedule, "Station 500");
}
BENCHMARK(BM_FullSchedule)->Unit(benchmark::kMicrosecond);

void BM_PrintSchedule(benchmark::State& state) {
  RunQuery(state, r8::QueryKind::kPrintSchedule, r8::QueryTarget::kTextOutput, "Station 500");
}
BENCHMARK(BM_PrintSchedule)->Unit(benchmark::kMicrosecond);

void BM_FreqUsage(benchmark::State& state) {
  // "STATION 1" matches 111 stations: a usage list of several hundred lines to keep in order.
  RunQuery(state, r8::QueryKind::kFreqUsage, r8::QueryTarget::kFindWindow, "Station 1");
}
BENCHMARK(BM_FreqUsage)->Unit(benchmark::kMicrosecond);

void BM_FullDumpText(benchmark::State& state) {
  // The dump's text alone, without the file.
  for (auto _ : state) {
    const std::string text = r8::ScheduleFileText(FullDatabase(), "*", nullptr);
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["records_per_s"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * r8::kMaxRecords, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FullDumpText)->Unit(benchmark::kMillisecond);

void BM_FullDumpToFile(benchmark::State& state) {
  Folder dir;
  SilentPrompts prompts;
  NoLauncher launcher;
  r8::ProfileFile profile(dir.path() / "TARVELIN.INI");
  r8::DatabasePorts ports{prompts, launcher, profile, nullptr};
  for (auto _ : state) {
    const r8::DoPrintResult r = r8::DoPrint(dir.path(), FullDatabase(), "*", "SKEDULE.TXT", ports);
    benchmark::DoNotOptimize(r);
  }
  state.counters["records_per_s"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * r8::kMaxRecords, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FullDumpToFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
