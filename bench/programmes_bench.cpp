// Filling the list of the week's shortwave programmes from a guide of 1,000 programmes, from the
// file's bytes to the rows, with 400 stations on the air. Target: under 20 ms a fill.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "common/format.h"
#include "programmes/dx_list.h"

namespace {

std::string MakeGuide(int programmes) {
  std::string bytes;
  for (int i = 0; i < programmes; ++i) {
    r8::DxEntry e;
    const int day = i * 7 / programmes;
    const int minute = (i % (programmes / 7)) * 1440 / (programmes / 7 + 1);
    e.time = r8::IntToStr2Z(minute / 60) + r8::IntToStr2Z(minute % 60);
    e.program = "Programme " + std::to_string(i);
    e.station = "Station " + std::to_string(i % 500);
    e.notes = i % 3 == 0 ? "Notes of the week's programme" : "";
    e.heard = i % 5 == 0;
    bytes += r8::BuildDxLine(e, r8::DxHeadForDay(day)) + "\r\n";
  }
  return bytes;
}

void BM_FillWeekOf1000(benchmark::State& state) {
  const std::string bytes = MakeGuide(1000);
  std::vector<std::string> on_air;
  for (int i = 0; i < 400; ++i) on_air.push_back("Station " + std::to_string(i));
  r8::ClockReading now;
  now.time4 = "1430";
  now.day_of_week = 4;
  r8::DxFilter filter;
  filter.preview = state.range(0) != 0;
  filter.station = filter.preview ? "station 1" : "";
  for (auto _ : state) {
    const r8::DxListView v = r8::FillDxList(r8::SplitDxShows(bytes), filter, now, on_air);
    benchmark::DoNotOptimize(v.rows.data());
  }
  state.counters["fills_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FillWeekOf1000)->Arg(0)->Arg(1)->ArgNames({"filtered"})->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
