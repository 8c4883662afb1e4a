// Scan steps per second over a real serial path: the scan controller stepping an A-B scan through
// QSerialPort to the timed r8emu on a pseudo-terminal, at line pacing (RXPACE) 115 and 50 ms.
// Each step makes two transactions (the tune and the status poll of the refresh), and each waits
// the pacing before it reads, so 2 x RXPACE per step is the bound; of_bound is the share of it
// reached (the target is 0.95 or more).
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include <QProcess>

#include "app/app_context.h"
#include "bench_support.h"
#include "common/program_launcher.h"
#include "common/ui/qt_clock.h"
#include "common/user_prompts.h"
#include "faceplate/faceplate_core.h"
#include "r8emu_process.h"
#include "radio/radio_model.h"
#include "radio/ui/qt_serial_port.h"
#include "scan/scan_controller.h"
#include "support/temp_dir.h"

namespace {

void BM_ScanStepsOverPseudoTerminal(benchmark::State& state) {
  r8::bench::EmulatorLine line("R8A");
  if (!line.Started(state)) return;
  r8::QtSerialPort& port = line.port();
  r8::QtClock clock;
  r8::bench::AnsweringPrompts prompts;
  r8::bench::NoLauncher launcher;
  const r8::testing::TempDir folder;
  {
    r8::AppContext ctx(clock, prompts, port, launcher, folder / "TARVELIN.INI");
    r8::Settings& s = ctx.settings();
    s.RadioModel = r8::kModelR8A;
    s.CommPort = 1;
    s.IgnoreDSR = true;
    s.RxPace = static_cast<int>(state.range(0));
    s.scan_mode = r8::kScanModeAB;
    s.scan_type = r8::kScanTypeCarr;  // a pseudo-terminal has no carrier line: it never holds
    r8::FacePlateCore core(ctx);
    r8::ScanController scan(ctx, core);
    ctx.link().CommOpen();
    core.UpdateDisplay();
    scan.ScanBtnClick();
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) scan.Step();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    scan.StopScan();
    const double bound = 1000.0 / (2.0 * static_cast<double>(s.RxPace));
    state.counters["steps_per_s"] = static_cast<double>(state.iterations()) / seconds;
    state.counters["of_bound"] = static_cast<double>(state.iterations()) / seconds / bound;
    ctx.link().CommClose();
  }
}
BENCHMARK(BM_ScanStepsOverPseudoTerminal)
    ->ArgName("rxpace")
    ->Arg(115)
    ->Arg(50)
    ->Iterations(40)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

R8_QT_BENCHMARK_MAIN()
