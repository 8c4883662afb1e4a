// main() for the benchmarks that draw windows: offscreen unless a platform is named.
#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

#define R8_WIDGETS_BENCHMARK_MAIN()                                                              \
  int main(int argc, char** argv) {                                                              \
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen"); \
    QApplication app(argc, argv);                                                                \
    benchmark::Initialize(&argc, argv);                                                          \
    benchmark::RunSpecifiedBenchmarks();                                                         \
    benchmark::Shutdown();                                                                       \
    return 0;                                                                                    \
  }
