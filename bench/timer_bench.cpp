// The once-a-minute timer check over 30 set events (the target is under 20 microseconds).
#include <benchmark/benchmark.h>

#include "timers/timer_table.h"

namespace {

void BM_MinuteCheckOverThirtySetEvents(benchmark::State& state) {
  r8::TimerTable table{};
  for (int i = 0; i < r8::kTimerCount; ++i) {
    // Every event set, half of them due at 1200 on weekdays, the rest at other minutes.
    table[static_cast<std::size_t>(i)] = {true,
                                          i % 2 ? "1200" : "0630",
                                          5000.0 + i * 10.0,
                                          0,
                                          static_cast<std::uint8_t>(i % 3 ? 0x3E : 128),
                                          "Event"};
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(r8::DueTimerFrequencies(table, "1200", 3));
  }
}
BENCHMARK(BM_MinuteCheckOverThirtySetEvents)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
