// Printing to PDF through the print path with its status window: a 10,000-entry log (target
// under 3 s) and the R8B memory sheet of 1000 channels on 10 pages (target under 500 ms).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include <QApplication>
#include <QPrinter>

#include "bench_support.h"
#include "memory/memory_document.h"
#include "memory/memory_print.h"
#include "printing/log_pages.h"
#include "printing/ui/print_path.h"
#include "radio/radio_model.h"
#include "support/temp_dir.h"
#include "widgets_bench_main.h"

namespace {

void ToPdf(benchmark::State& state, r8::PageJob& job) {
  r8::testing::TempDir dir;
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString((dir / "out.pdf").string()));
  r8::bench::AnsweringPrompts prompts;
  r8::PrintPath path(printer, nullptr, prompts);
  int pages = 0;
  for (auto _ : state) pages = path.Print(job, {"bench", "bench"}).printed;
  state.counters["pages"] = pages;
}

void BM_LogToPdf(benchmark::State& state) {
  std::vector<std::string> records;
  for (int i = 0; i < 10000; ++i) {
    std::string r = " 9580.00\tkHz\t" + std::to_string(1000 + i % 1400) +
                    "m\t07 Dec 26\tAM\t\t45444\tW1AW\tRadio Valdoria " + std::to_string(i);
    if (i % 4 == 0) r += "\xFF\t\tFading at times, ID at the top of the hour in English";
    records.push_back(r);
  }
  const std::vector<std::string> lines = r8::LogPrintLines(records);
  r8::LogPages pages(lines, "07 Dec 26", "TARVELIN.LOG");
  ToPdf(state, pages);
}
BENCHMARK(BM_LogToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MemorySheetR8B(benchmark::State& state) {
  const r8::MemoryDocument doc = r8::bench::FullMemoryDocument();
  r8::MemoryPages pages(doc, r8::kModelR8B, "07 Dec 26", "/dx/FULL.MEM");
  ToPdf(state, pages);
}
BENCHMARK(BM_MemorySheetR8B)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

R8_WIDGETS_BENCHMARK_MAIN()
