// The pan display at its largest sweep (N = 9999): one reading added (GraphDspPlot, target under
// 50 us) and one full repaint of the graph with its scale and station labels (under 16 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMenuBar>

#include "database/demo_database.h"
#include "pan/ui/pan_display_window.h"
#include "pan/ui/pan_menu.h"
#include "support/test_context.h"
#include "widgets_bench_main.h"

namespace {

constexpr double kLower = 100.0, kStep = 1.0, kUpper = kLower + 9999 * kStep;

void BM_GraphDspPlot(benchmark::State& state) {
  r8::PanSweep sweep;
  sweep.SetLimits(kLower, kUpper);
  sweep.SetStep(kStep);
  sweep.Clear();
  double f = kLower;
  for (auto _ : state) {
    benchmark::DoNotOptimize(sweep.Plot(f, static_cast<int>(f) % 256));
    f = f >= kUpper ? kLower : f + kStep;
  }
  state.counters["N"] = sweep.PointCount();
}
BENCHMARK(BM_GraphDspPlot)->Unit(benchmark::kMicrosecond);

// With the window: the reading's segment drawn into the graph's picture too.
void BM_GraphDspPlotWithWindow(benchmark::State& state) {
  r8::testing::TestContext t(r8::kModelR8B);
  QMenuBar bar;
  r8::PanMenu pan(t.ctx(), bar, nullptr, [] { return r8::PanSweepSetup{kLower, kUpper, kStep}; });
  pan.PanDisplay1Click();
  pan.window()->resize(900, 320);
  t.ctx().events().scan_changed.Emit(true);
  r8::RadioState r;
  r.RadioFreq = kLower;
  for (auto _ : state) {
    r.MeterLevel = static_cast<int>(r.RadioFreq) % 256;
    t.ctx().events().display_refreshed.Emit(r);
    r.RadioFreq = r.RadioFreq >= kUpper ? kLower : r.RadioFreq + kStep;
  }
}
BENCHMARK(BM_GraphDspPlotWithWindow)->Unit(benchmark::kMicrosecond);

void BM_FullRepaint(benchmark::State& state) {
  r8::testing::TestContext t(r8::kModelR8B);
  t.ctx().settings().TimeOffset = 0;
  r8::FillDemoDatabase(t.ctx().database());
  QMenuBar bar;
  r8::PanMenu pan(t.ctx(), bar, nullptr, [] { return r8::PanSweepSetup{kLower, kUpper, kStep}; });
  pan.PanDisplay1Click();
  r8::TPanDisp* w = pan.window();
  w->resize(900, 320);
  w->Stations1->setChecked(true);
  w->Stations1->triggered(true);
  t.ctx().events().scan_changed.Emit(true);
  r8::RadioState r;
  for (int i = 0; i <= 9999; ++i) {
    r.RadioFreq = kLower + i * kStep;
    r.MeterLevel = (i * 37) % 200;
    t.ctx().events().display_refreshed.Emit(r);
  }
  t.ctx().events().scan_changed.Emit(false);
  for (auto _ : state) {
    w->GraphDsp->Redraw();
    w->LabelDsp->repaint();
    w->GraphDsp->repaint();
  }
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

R8_WIDGETS_BENCHMARK_MAIN()
