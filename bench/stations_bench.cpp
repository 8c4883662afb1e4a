// The station windows' refresh on a full database (9,999 records): SyncWindows with every window
// open after one tune, and the SWBC list filled at a new hour. Figures: microseconds per call.
#include <benchmark/benchmark.h>

#include "app/app_context.h"
#include "common/format.h"
#include "support/test_context.h"

namespace {

// 400 records an hour, then all-day and utility records, three frequencies per station and hour.
r8::StationDatabase FullDatabase() {
  r8::StationDatabase d;
  for (int s = 1; s <= r8::kMaxStations; ++s) d.stations().Add("Station " + r8::IntToStr3Z(s));
  for (int i = 0; i < r8::kMaxRecords; ++i) {
    r8::ScheduleRecord r;
    if (i < 9600) {
      r.StartTime = static_cast<std::int16_t>(i / 400 * 100);
      r.StopTime = static_cast<std::int16_t>(i / 400 * 100 + 100);
    } else if (i < 9800) {
      r.StartTime = r8::kAllDay;
    } else {
      r = r8::UtilityRecord(i % 2 ? "FAX " : "BCB ");
    }
    r.StationIndex = static_cast<std::uint16_t>(i / 3 % r8::kMaxStations + 1);
    r.Freq = 2000 + (i * 37) % 24000;
    d.AppendRecord(r);
  }
  d.BuildHourIndex();
  return d;
}

void Prepare(r8::testing::TestContext& t) {
  t.clock().Set({2026, 12, 5, 14, 30, 0});
  t.ctx().settings().TimeOffset = 0;
  t.ctx().database() = FullDatabase();
  t.Connect();
  t.radio().PowerOn = true;
}

void BM_SyncWindowsAfterATune(benchmark::State& state) {
  r8::testing::TestContext t;
  Prepare(t);
  r8::StationWindowSet& set = t.ctx().station_windows();
  set.handover() = {"Station 500", "", "9250.00"};
  set.FindFreq(0);
  set.WhenStat();
  set.WhoStat();
  set.WhatWindow(1);
  set.WhatWindow(2);
  set.WhatWindow(3);
  t.ctx().control().TuneRadio(9580.0);
  for (auto _ : state) set.SyncWindows(0);
  state.counters["us_per_sync"] =
      benchmark::Counter(static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SyncWindowsAfterATune)->Unit(benchmark::kMillisecond);

void BM_SwbcListAtANewHour(benchmark::State& state) {
  r8::testing::TestContext t;
  Prepare(t);
  r8::StationWindowSet& set = t.ctx().station_windows();
  set.WhatWindow(1);
  int hour = 0;
  for (auto _ : state) {
    hour = (hour + 1) % 24;
    t.clock().Set({2026, 12, 5, hour, 0, 0});
    t.ctx().events().minute_tick.Emit(r8::ClockReading{});
  }
  state.counters["rows"] = static_cast<double>(set.state(r8::StationWindow::kSwbc).RowCount());
}
BENCHMARK(BM_SwbcListAtANewHour)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
