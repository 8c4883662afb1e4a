// The faceplate's own time: one refresh (UpdateDisplay) beyond the serial exchange, and start-up
// to the shown faceplate. The receiver is the in-process emulator on a virtual clock, so no line
// pacing is counted. Runs on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "faceplate/ui/face_plate_window.h"
#include "radio/radio_model.h"
#include "support/test_context.h"
#include "widgets_bench_main.h"

namespace {

void BM_UpdateDisplay(benchmark::State& state) {
  r8::testing::TestContext t(r8::kModelR8B);
  t.WriteSettingsFile();
  r8::TFacePlate face(t.ctx());
  face.show();
  face.FormShow();
  for (auto _ : state) {
    face.UpdateDisplay();
    t.port().ClearLog();
  }
}
BENCHMARK(BM_UpdateDisplay)->Unit(benchmark::kMicrosecond);

void BM_StartUpToShownFacePlate(benchmark::State& state) {
  for (auto _ : state) {
    r8::testing::TestContext t(r8::kModelR8B);
    t.WriteSettingsFile();
    r8::TFacePlate face(t.ctx());
    face.show();
    face.FormShow();
    QApplication::processEvents();
    benchmark::DoNotOptimize(face.isVisible());
  }
}
BENCHMARK(BM_StartUpToShownFacePlate)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

R8_WIDGETS_BENCHMARK_MAIN()
