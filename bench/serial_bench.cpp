// Status polls per second over a real serial path: the program's transport through QSerialPort to
// r8emu on a pseudo-terminal (timed at 9600 baud both ways), with line pacing (RXPACE) 115, 50 and
// 20 ms, in the default mode and with fast replies (RXCOMPLETE). The line itself caps what is
// possible: a 40-character poll exchange ("RA" + CR, 37 back) takes 41.7 ms, 24 polls a second;
// of_line_limit is the share of that reached.
#include <benchmark/benchmark.h>

#include <chrono>

#include <QProcess>

#include "bench_support.h"
#include "common/ui/qt_clock.h"
#include "common/user_prompts.h"
#include "r8emu_process.h"
#include "radio/radio_link.h"
#include "radio/radio_model.h"
#include "radio/radio_protocol.h"
#include "radio/ui/qt_serial_port.h"
#include "settings/settings.h"

namespace {

void BM_PollsOverPseudoTerminal(benchmark::State& state) {
  r8::bench::EmulatorLine line("R8A");
  if (!line.Started(state)) return;
  r8::QtSerialPort& port = line.port();
  r8::QtClock clock;
  r8::bench::AnsweringPrompts prompts;
  r8::Settings settings;
  settings.RadioModel = r8::kModelR8A;
  settings.CommPort = 1;
  settings.RxPace = static_cast<int>(state.range(0));
  settings.complete_reply = state.range(1) != 0;
  settings.IgnoreDSR = true;
  r8::RadioState radio;
  r8::RadioLink link(port, clock, prompts, settings, radio);
  r8::RadioControl control(link, radio, settings, clock);
  link.CommOpen();
  int failed = 0;
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    if (!control.PollStatus().read) ++failed;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  state.counters["polls_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["failed"] = failed;
  constexpr double kLinePollsPerSecond = 9600.0 / 10.0 / 40.0;
  state.counters["of_line_limit"] =
      static_cast<double>(state.iterations()) / seconds / kLinePollsPerSecond;
  link.CommClose();
}
BENCHMARK(BM_PollsOverPseudoTerminal)
    ->ArgNames({"rxpace", "fast"})
    ->ArgsProduct({{115, 50, 20}, {0, 1}})
    ->Iterations(60)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

R8_QT_BENCHMARK_MAIN()
