// Memories: reading a full memory file and making the list's 1000 rows (target under 10 ms), and
// capture of a full R8B and fill of 1000 channels through QSerialPort to the timed r8emu on a
// pseudo-terminal at RXPACE 115. Every command the link writes waits the pacing once (before its
// reply is read, or after it when none comes), and a store waits once more after its channel
// number, so the pacing bound is (writes + stores) x RXPACE (+ the fill's 1000 ms after "EAY");
// of_bound is the share of it reached (target 0.95 or more).
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include <QProcess>

#include "app/app_context.h"
#include "bench_support.h"
#include "common/program_launcher.h"
#include "common/ui/qt_clock.h"
#include "common/user_prompts.h"
#include "memory/memory_commands.h"
#include "memory/memory_document.h"
#include "memory/memory_exchange.h"
#include "r8emu_process.h"
#include "radio/radio_model.h"
#include "radio/ui/qt_serial_port.h"
#include "support/temp_dir.h"

namespace {

std::string FullFile() {
  return r8::FormatMemFile(r8::bench::FullMemoryDocument(), r8::kModelR8B);
}

void BM_ReadFileAndListRows(benchmark::State& state) {
  const std::string bytes = FullFile();
  for (auto _ : state) {
    r8::MemoryDocument doc;
    r8::ReadMemFile(bytes, doc);
    std::size_t total = 0;
    for (int c = 0; c < r8::kMemorySlots; ++c) {
      total += r8::MemDisplayLine(c, doc.slot(c), r8::kModelR8B).size();
    }
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_ReadFileAndListRows)->Unit(benchmark::kMillisecond);

// Counts what the link writes.
class CountingPort : public r8::SerialPort {
 public:
  explicit CountingPort(r8::SerialPort& inner) : inner_(inner) {}
  bool Open(const std::string& name) override { return inner_.Open(name); }
  void Close() override { inner_.Close(); }
  bool IsOpen() const override { return inner_.IsOpen(); }
  bool SetQueueSizes(std::size_t i, std::size_t o) override { return inner_.SetQueueSizes(i, o); }
  bool Configure(const r8::LineSettings& s) override { return inner_.Configure(s); }
  bool SetTimeouts(const r8::PortTimeouts& t) override { return inner_.SetTimeouts(t); }
  int Write(std::string_view bytes) override {
    ++writes;
    if (bytes.substr(0, 2) == "PR") ++stores;
    return inner_.Write(bytes);
  }
  r8::ReadResult Read(std::size_t n) override { return inner_.Read(n); }
  r8::ReadResult ReadReply(std::size_t n) override { return inner_.ReadReply(n); }
  void Purge() override { inner_.Purge(); }
  std::size_t InputQueueCount() override { return inner_.InputQueueCount(); }
  r8::ModemLines Modem() override { return inner_.Modem(); }
  long long writes = 0;
  long long stores = 0;

 private:
  r8::SerialPort& inner_;
};

// range(0): 0 capture, 1 fill.
void BM_ExchangeOverPseudoTerminal(benchmark::State& state) {
  r8::bench::EmulatorLine line("R8B");
  if (!line.Started(state)) return;
  r8::QtSerialPort& qt_port = line.port();
  CountingPort port(qt_port);
  r8::QtClock clock;
  r8::bench::AnsweringPrompts prompts(r8::Answer::kYes);
  r8::bench::NoLauncher launcher;
  const r8::testing::TempDir folder;
  {
    r8::AppContext ctx(clock, prompts, port, launcher, folder / "TARVELIN.INI");
    r8::Settings& s = ctx.settings();
    s.RadioModel = r8::kModelR8B;
    s.CommPort = 1;
    s.IgnoreDSR = true;
    s.RxPace = 115;
    ctx.link().CommOpen();
    const bool fill = state.range(0) == 1;
    if (fill) r8::ReadMemFile(FullFile(), ctx.memory());
    double seconds = 0.0;
    for (auto _ : state) {
      port.writes = port.stores = 0;
      const auto start = std::chrono::steady_clock::now();
      if (fill) {
        r8::CMMemoryFill(ctx, nullptr);
      } else {
        r8::CMMemoryCapture(ctx, nullptr);
      }
      seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const double bound_s =
        (static_cast<double>(port.writes + port.stores) * s.RxPace + (fill ? 1000.0 : 0.0)) /
        1000.0;
    state.counters["seconds"] = seconds;
    state.counters["of_bound"] = bound_s / seconds;
    ctx.link().CommClose();
  }
}
BENCHMARK(BM_ExchangeOverPseudoTerminal)
    ->ArgName("fill")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);

}  // namespace

R8_QT_BENCHMARK_MAIN()
