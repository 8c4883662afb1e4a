// The network control server against the timed r8emu on a pseudo-terminal at line pacing
// (RXPACE) 115: how many `f` (get_freq) commands per second a network client gets, beside the
// link's own status polls per second; clients whose lines wait together share one poll, so the
// per-client rate should match the poll rate and the total grow with the clients. And the CPU a
// command costs the program beyond the receiver's exchange (the target is under 50 us).
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <vector>

#include <QTcpSocket>

#include "app/app_context.h"
#include "bench_support.h"
#include "common/ui/qt_clock.h"
#include "netctl/net_server_core.h"
#include "netctl/ui/net_server.h"
#include "r8emu_process.h"
#include "radio/radio_model.h"
#include "radio/ui/qt_serial_port.h"
#include "support/temp_dir.h"

namespace {

// The program's context on r8emu's pseudo-terminal, connected.
struct EmulatedProgram {
  explicit EmulatedProgram(int rx_pace)
      : line("R8B"), ctx(clock, prompts, line.port(), launcher, folder / "TARVELIN.INI") {
    r8::Settings& s = ctx.settings();
    s.RadioModel = r8::kModelR8B;
    s.CommPort = 1;
    s.IgnoreDSR = true;
    s.RxPace = rx_pace;
    if (!line.emu().device().empty()) ctx.link().CommOpen();
  }
  ~EmulatedProgram() { ctx.link().CommClose(); }

  r8::bench::EmulatorLine line;
  r8::QtClock clock;
  r8::bench::AnsweringPrompts prompts;
  r8::bench::NoLauncher launcher;
  const r8::testing::TempDir folder;
  r8::AppContext ctx;
};

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

void BM_LinkStatusPoll(benchmark::State& state) {
  EmulatedProgram program(static_cast<int>(state.range(0)));
  if (!program.line.Started(state)) return;
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) benchmark::DoNotOptimize(program.ctx.control().PollStatus());
  state.counters["polls_per_s"] = static_cast<double>(state.iterations()) / Seconds(start);
}
BENCHMARK(BM_LinkStatusPoll)
    ->ArgName("rxpace")
    ->Arg(115)
    ->Iterations(30)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// Every client sends "f" and waits for its answer; an iteration ends when all have one.
void RunClients(benchmark::State& state, r8::netctl::NetServer& server) {
  std::vector<std::unique_ptr<QTcpSocket>> clients;
  for (int i = 0; i < state.range(0); ++i) {
    clients.push_back(std::make_unique<QTcpSocket>());
    clients.back()->connectToHost(QStringLiteral("127.0.0.1"), server.port());
    if (!clients.back()->waitForConnected(2000)) {
      state.SkipWithError("no connection");
      return;
    }
  }
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    for (auto& c : clients) c->write("f\n");
    std::size_t answered = 0;
    while (answered < clients.size()) {
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
      answered = 0;
      for (auto& c : clients) answered += c->canReadLine() ? 1 : 0;
    }
    for (auto& c : clients) c->readLine();
  }
  const double commands = static_cast<double>(state.iterations() * state.range(0));
  state.counters["commands_per_s"] = commands / Seconds(start);
  state.counters["per_client_per_s"] = static_cast<double>(state.iterations()) / Seconds(start);
}

void BM_NetGetFreqOnEmulator(benchmark::State& state) {
  EmulatedProgram program(115);
  if (!program.line.Started(state)) return;
  r8::netctl::NetServer server(program.ctx);
  if (!server.Start(r8::netctl::ListenAddress{"127.0.0.1", 0})) {
    state.SkipWithError("cannot listen");
    return;
  }
  const long long before = server.core().refreshes();
  RunClients(state, server);
  state.counters["polls_per_round"] = static_cast<double>(server.core().refreshes() - before) /
                                      static_cast<double>(state.iterations());
}
BENCHMARK(BM_NetGetFreqOnEmulator)
    ->ArgName("clients")
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->Iterations(30)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The program's own CPU for one command through the sockets and the server, the receiver's
// exchange left out (the port is closed, so "f" answers from the state the program holds). The
// client's side of the loopback is counted too: an upper bound.
void BM_NetCommandCpuWithoutReceiver(benchmark::State& state) {
  r8::QtClock clock;
  r8::bench::AnsweringPrompts prompts;
  r8::bench::NoLauncher launcher;
  r8::QtSerialPort port([](const std::string&) { return std::string(); });
  const r8::testing::TempDir folder;
  r8::AppContext ctx(clock, prompts, port, launcher, folder / "TARVELIN.INI");
  r8::netctl::NetServer server(ctx);
  if (!server.Start(r8::netctl::ListenAddress{"127.0.0.1", 0})) {
    state.SkipWithError("cannot listen");
    return;
  }
  RunClients(state, server);
}
BENCHMARK(BM_NetCommandCpuWithoutReceiver)->Arg(1)->Unit(benchmark::kMicrosecond);

// The server's core alone: cutting the line, the reply, the round.
struct StillReceiver : r8::netctl::RigReceiver {
  const r8::RadioState& State() const override { return state; }
  int Model() const override { return r8::kModelR8B; }
  bool Busy() const override { return false; }
  bool Connected() const override { return true; }
  void Refresh() override {}
  bool Tune(double) override { return true; }
  bool SetMode(r8::ModeCode, std::optional<r8::BandwidthCode>) override { return true; }
  bool SetVfo(r8::VfoCode) override { return true; }
  bool SetPower(bool) override { return true; }
  void Show() override {}
  r8::RadioState state;
};

void BM_NetCoreCommand(benchmark::State& state) {
  StillReceiver rx;
  r8::netctl::NetServerCore core(rx);
  core.Add(1);
  const char* line = state.range(0) == 0 ? "f\n" : "+\\set_mode USB 2400\n";
  for (auto _ : state) {
    if (!core.Feed(1, line)) state.SkipWithError("dropped");
    benchmark::DoNotOptimize(core.Round());
  }
}
BENCHMARK(BM_NetCoreCommand)->ArgName("set")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

R8_QT_BENCHMARK_MAIN()
