// The program's own CPU time per receiver transaction against the in-process emulated receiver.
// Pacing runs on a virtual clock, so the figures are the program's (and the emulator's) work alone,
// not the 115 ms the line pacing would cost on a real line.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "common/user_prompts.h"
#include "emulator/emulated_serial_port.h"
#include "radio/radio_link.h"
#include "radio/radio_model.h"
#include "radio/radio_protocol.h"
#include "radio/status_line.h"
#include "settings/settings.h"
#include "support/fake_clock.h"

namespace {

struct Rig {
  explicit Rig(int model) : port(clock, model) {
    settings.RadioModel = model;
    settings.CommPort = 1;
    link.CommOpen();
  }
  r8::testing::FakeClock clock;
  r8::bench::AnsweringPrompts prompts;
  r8::emulator::EmulatedSerialPort port;
  r8::Settings settings;
  r8::RadioState radio;
  r8::RadioLink link{port, clock, prompts, settings, radio};
  r8::RadioControl control{link, radio, settings, clock};
};

void BM_StatusPoll(benchmark::State& state) {
  Rig rig(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const r8::PollResult p = rig.control.PollStatus();
    benchmark::DoNotOptimize(p);
    rig.port.ClearLog();
  }
  state.SetLabel(r8::ModelName(static_cast<int>(state.range(0))));
  state.counters["us_per_poll"] =
      benchmark::Counter(static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_StatusPoll)->Arg(r8::kModelR8)->Arg(r8::kModelR8A)->Unit(benchmark::kMicrosecond);

void BM_Tune(benchmark::State& state) {
  Rig rig(static_cast<int>(state.range(0)));
  double f = 5950.0;
  for (auto _ : state) {
    rig.control.TuneRadio(f);
    f = f >= 15800.0 ? 5950.0 : f + 5.0;
    rig.port.ClearLog();
  }
  state.SetLabel(r8::ModelName(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_Tune)->Arg(r8::kModelR8)->Arg(r8::kModelR8A)->Unit(benchmark::kMicrosecond);

void BM_DecodeStatusLine(benchmark::State& state) {
  r8::RadioState radio;
  const std::string line = " 012 00:<8   9580.00*KHz BBC____ 7F\r\n";
  for (auto _ : state) {
    benchmark::DoNotOptimize(r8::DecodeStatusLine(line, r8::kModelR8A, radio));
  }
}
BENCHMARK(BM_DecodeStatusLine);

}  // namespace
