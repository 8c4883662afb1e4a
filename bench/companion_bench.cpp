// The companion with a real EiBi season (data/eibi/sked-a26.csv, 9,391 lines): reading
// and choosing its records, converting the dump it makes, and the whole import into a folder
// (dump, conversion and the three files written). The target for the whole import is under 1 s.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "companion/eibi_import.h"
#include "companion/schedule_conversion.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSeason = fs::path(R8_DATA_DIR) / "eibi" / "sked-a26.csv";

std::string ReadSeason() {
  std::ifstream in(kSeason, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Lines of the file, and records and stations of the database made from it.
void Figures(benchmark::State& state, const r8::EibiImportResult& r) {
  state.counters["lines_per_s"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * r.lines, benchmark::Counter::kIsRate);
  state.counters["records"] = r.db.count();
  state.counters["stations"] = static_cast<double>(r.db.stations().size());
}

void BM_ReadAndChooseSeason(benchmark::State& state) {
  const std::string csv = ReadSeason();
  if (csv.empty()) return state.SkipWithError(("no season at " + kSeason.string()).c_str());
  r8::EibiImportResult last;
  for (auto _ : state) {
    last = r8::ImportEibiText(csv, r8::EibiImportOptions{});
    benchmark::DoNotOptimize(last.db.count());
  }
  Figures(state, last);
}
BENCHMARK(BM_ReadAndChooseSeason)->Unit(benchmark::kMillisecond);

void BM_ConvertSeasonDump(benchmark::State& state) {
  const std::string csv = ReadSeason();
  if (csv.empty()) return state.SkipWithError(("no season at " + kSeason.string()).c_str());
  const std::string dump = r8::ImportEibiText(csv, r8::EibiImportOptions{}).dump_text;
  int records = 0;
  for (auto _ : state) {
    const r8::DumpConversion conv = r8::ConvertDumpText(dump);
    records = conv.db.count();
    benchmark::DoNotOptimize(records);
  }
  state.counters["records_per_s"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * records, benchmark::Counter::kIsRate);
  state.counters["dump_bytes"] = static_cast<double>(dump.size());
}
BENCHMARK(BM_ConvertSeasonDump)->Unit(benchmark::kMillisecond);

void BM_WholeSeasonImportIntoFolder(benchmark::State& state) {
  if (!fs::exists(kSeason))
    return state.SkipWithError(("no season at " + kSeason.string()).c_str());
  const fs::path dir =
      fs::temp_directory_path() / ("r8-companion-bench-" + std::to_string(std::random_device{}()));
  fs::create_directories(dir);
  bool ok = true;
  for (auto _ : state) {
    const r8::CompanionReport report = r8::ImportEibiFile(dir, kSeason, r8::EibiImportOptions{});
    ok = ok && report.ok();
  }
  fs::remove_all(dir);
  if (!ok) state.SkipWithError("the import failed");
  state.counters["imports_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholeSeasonImportIntoFolder)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
