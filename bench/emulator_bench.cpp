// The emulated receiver's own cost: status polls through the in-process port (on a clock whose
// pauses take no real time, so only the emulator's work is measured) and raw command parsing.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>

#include "common/clock.h"
#include "emulator/emulated_serial_port.h"
#include "emulator/receiver.h"
#include "radio/radio_model.h"

namespace {

class InstantClock : public r8::Clock {
 public:
  std::uint32_t TickMs() override { return tick_; }
  r8::LocalDateTime Now() override { return {}; }
  void PauseMs(std::uint32_t ms) override { tick_ += ms; }

 private:
  std::uint32_t tick_ = 0;
};

// One "RA" poll as the transport makes it: pace, write, read the line, purge. state.range(0) is
// the line pacing in ms; "line_ms_per_poll" is the receiver time one poll takes at that pacing.
void BM_StatusPoll(benchmark::State& state) {
  const int model = static_cast<int>(state.range(1));
  const auto pace = static_cast<std::uint32_t>(state.range(0));
  InstantClock clock;
  r8::emulator::EmulatedSerialPort port(clock, model);
  port.Open("COM1");
  port.SetTimeouts({pace + 100, 0, 0});
  const std::size_t length = model == r8::kModelR8 ? 25 : 37;
  const std::uint32_t start = clock.TickMs();
  for (auto _ : state) {
    port.Write("RA\r");
    clock.PauseMs(pace);
    const r8::ReadResult r = port.Read(length);
    port.Purge();
    if (r.bytes.size() != length) state.SkipWithError("short status line");
    benchmark::DoNotOptimize(r);
  }
  state.counters["polls_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["line_ms_per_poll"] =
      static_cast<double>(clock.TickMs() - start) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_StatusPoll)
    ->ArgNames({"pace_ms", "model"})
    ->Args({0, r8::kModelR8})
    ->Args({0, r8::kModelR8A})
    ->Args({50, r8::kModelR8A});

// A stream of mixed commands and garbage straight into the receiver.
void BM_ParseStream(benchmark::State& state) {
  std::mt19937 rng(7);
  const char* commands[] = {"RA\r", "F0958000\r", "M4\r", "C005\r", "U", "XYZ\r", "NCBBC\r"};
  std::string stream;
  while (stream.size() < 64 * 1024) {
    stream += commands[rng() % 7];
    if (rng() % 10 == 0) stream += static_cast<char>(rng() & 0xFF);
  }
  r8::emulator::Receiver rx(r8::kModelR8A);
  std::uint64_t now = 0;
  for (auto _ : state) {
    rx.Receive(stream, now++);
    benchmark::DoNotOptimize(rx.TakeReplies());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * stream.size()));
}
BENCHMARK(BM_ParseStream);

}  // namespace

BENCHMARK_MAIN();
