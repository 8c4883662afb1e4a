// The log's export: 10,000 entries laid out through the demo's export format (LOGLIST.FML) and
// written to the chosen file, the whole of LogExport (target under 200 ms); and the layout alone.
#include <benchmark/benchmark.h>

#include "common/file_commit.h"
#include "log/log_export.h"
#include "log/log_format.h"
#include "log/log_format_tags.h"
#include "support/test_context.h"

namespace {

// Realistic entries: a third with two lines of notes long enough to wrap.
std::vector<std::string> Entries() {
  std::vector<std::string> lines;
  for (int n = 0; n < 10000; ++n) {
    std::string line = " " + std::to_string(5900 + n % 6000) + ".00\tkHz\t" +
                       std::to_string(1000 + n % 1300) + "s\t07/12/26\tAM  \t\t35443\t" +
                       (n % 4 ? "" : "VOA") + "\tStation " + std::to_string(n % 500);
    if (n % 3 == 0) {
      line += "\xFF\t\tClear signal with English news and a station identification at the hour,";
      line += "\xFF\t\tthen the interval signal and music until the fade-out.";
    }
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> DemoFormat() {
  std::string bytes;
  r8::ReadWholeFile(R8_DATA_DIR "/demo/LOGLIST.FML", bytes);
  return r8::SplitFormatLines(bytes);
}

void BM_LayOutTenThousandEntries(benchmark::State& state) {
  const std::vector<std::string> entries = Entries();
  const r8::ExportTemplate t(DemoFormat());
  for (auto _ : state) benchmark::DoNotOptimize(r8::ExportText(t, entries));
}
BENCHMARK(BM_LayOutTenThousandEntries)->Unit(benchmark::kMillisecond);

void BM_LogExportTenThousandEntries(benchmark::State& state) {
  const std::vector<std::string> entries = Entries();
  r8::testing::TestContext t;
  r8::testing::WriteBytes(t.dir() / "LOGLIST.FML", r8::JoinFormatLines(DemoFormat()));
  t.ctx().settings().log_form = "LOGLIST.FML";
  for (auto _ : state) {
    t.prompts().QueueFile("EXPORT.TXT");
    if (!r8::LogExport(t.ctx(), r8::kExportAll, entries)) state.SkipWithError("export failed");
  }
}
BENCHMARK(BM_LogExportTenThousandEntries)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
