#include <gtest/gtest.h>

#include "common/program_launcher.h"
#include "log/log_export.h"
#include "log/log_format.h"
#include "log/log_report.h"
#include "support/test_context.h"

namespace r8 {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

const std::vector<std::string> kEntries = {
    " 9580.00\tkHz\t1230s\t07/12/26\tAM  \t\t35443\t\tR Aust\xFF\t\tclear",
    " 6070.00\tkHz\t0300m\t08/12/26\tAM  \t\t24322\tCFRX\tCFRX"};

struct RecordingPort : LogPrintPort {
  void ShowStatus(const std::string& page, const std::string& source,
                  const std::string& destination) override {
    status.push_back(page + "|" + source + "|" + destination);
  }
  void HideStatus() override { status.push_back("hidden"); }
  ReportOutput ChoosePrinter() override { return choice; }
  bool Print(const TextPrintout& p) override {
    printed = p;
    return !fail;
  }
  ReportOutput choice = ReportOutput::kPrinter;
  bool fail = false;
  std::vector<std::string> status;
  TextPrintout printed;
};

class LogOutputTest : public ::testing::Test {
 protected:
  LogOutputTest() {
    WriteBytes(t.dir() / "LIST.FML", "[freq][mult][stat]\r\n  [note]\r\n");
    WriteBytes(t.dir() / "QSL.FMR", "To [dxer]\n[logE]\nRx: [rcvr]");
    t.ctx().settings().log_form = "LIST.FML";
    t.ctx().settings().rpt_form = "QSL.FMR";
    t.ctx().profile().WriteString("LOG", "DXER", "Ann Lister");
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(t.dir().path()))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  testing::TestContext t;
  RecordingPort port;
};

const char kListed[] = " 9580.00 kHz R Aust \r\n  clear\r\n 6070.00 kHz CFRX \r\n  \r\n";

TEST_F(LogOutputTest, ExportWritesTheChosenFileInOneStep) {
  t.prompts().QueueFile("OUT");
  EXPECT_TRUE(LogExport(t.ctx(), kExportAll, kEntries, &port));
  EXPECT_EQ(ReadBytes(t.dir() / "OUT.TXT"), kListed);
  EXPECT_EQ(t.prompts().file_requests.at(0).filters, std::vector<std::string>{"Log Export|*.TXT"});
  EXPECT_EQ(port.status,
            (std::vector<std::string>{
                "Page 1 of 1 from|TARVELIN.LOG|to " + (t.dir() / "OUT.TXT").string(), "hidden"}));
  EXPECT_EQ(Files(), (std::vector<std::string>{"LIST.FML", "OUT.TXT", "QSL.FMR", "TARVELIN.INI"}));
  // For a report: TEMP1.RPT, no dialog, no status window.
  EXPECT_TRUE(LogExport(t.ctx(), kExportForReport, {kEntries[1]}, &port));
  EXPECT_EQ(ReadBytes(t.dir() / "TEMP1.RPT"), " 6070.00 kHz CFRX \r\n  \r\n");
  EXPECT_EQ(t.prompts().file_requests.size(), 1u);
  EXPECT_EQ(port.status.size(), 2u);
}

TEST_F(LogOutputTest, ExportFailuresAreReportedAsFailures) {
  EXPECT_FALSE(LogExport(t.ctx(), kExportSelected, kEntries, &port));  // dialog cancelled
  EXPECT_FALSE(LogExport(t.ctx(), kExportSelected, {}, &port));
  EXPECT_FALSE(LogExport(t.ctx(), 4, kEntries, &port));
  t.prompts().QueueFile((t.dir() / "NO" / "OUT.TXT").string());
  EXPECT_FALSE(LogExport(t.ctx(), kExportAll, kEntries, &port));
  t.ctx().settings().log_form = "GONE.FML";
  EXPECT_FALSE(LogExport(t.ctx(), kExportAll, kEntries, &port));
  t.ctx().settings().log_form = std::string(kUntitled);
  EXPECT_FALSE(LogExport(t.ctx(), kExportAll, kEntries, &port));
  const auto texts = t.prompts().texts();
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0], "No log entries are selected.");
  EXPECT_NE(texts[1].find("could not be written"), std::string::npos);
  EXPECT_NE(texts[2].find("GONE.FML could not be read."), std::string::npos);
  EXPECT_EQ(texts[3],
            "No export format has been loaded.  Please specify an export format from the Log "
            "Display.");
  EXPECT_EQ(Files(), (std::vector<std::string>{"LIST.FML", "QSL.FMR", "TARVELIN.INI"}));
}

TEST_F(LogOutputTest, ReportToPrinterOrFileLeavesNoStagingFile) {
  ASSERT_TRUE(LogReport(t.ctx(), {kEntries[0]}, port));
  const std::vector<std::string> report = {"To Ann Lister", " 9580.00 kHz R Aust ", "  clear",
                                           "Rx: Drake R8"};
  EXPECT_EQ(port.printed.lines, report);
  EXPECT_EQ(port.printed.title, "Log Report");
  EXPECT_EQ(port.printed.font.name + std::to_string(port.printed.font.size), "Courier10");
  port.choice = ReportOutput::kFile;
  t.prompts().QueueFile("QSL");
  ASSERT_TRUE(LogReport(t.ctx(), {kEntries[0]}, port));
  EXPECT_EQ(ReadBytes(t.dir() / "QSL.TXT"), JoinFormatLines(report));
  EXPECT_EQ(t.prompts().file_requests.back().filters, std::vector<std::string>{"Log Report|*.TXT"});
  EXPECT_FALSE(LogReport(t.ctx(), {kEntries[0]}, port));  // the save dialog cancelled
  port.choice = ReportOutput::kCancel;
  EXPECT_FALSE(LogReport(t.ctx(), {kEntries[0]}, port));
  port.choice = ReportOutput::kPrinter;
  port.fail = true;
  EXPECT_FALSE(LogReport(t.ctx(), {kEntries[0]}, port));
  t.ctx().settings().rpt_form = std::string(kUntitled);
  EXPECT_FALSE(LogReport(t.ctx(), {kEntries[0]}, port));
  EXPECT_EQ(t.prompts().texts().back(),
            "No report format has been loaded.  Please specify a report format from the Log "
            "Display.");
  EXPECT_FALSE(std::filesystem::exists(t.dir() / "TEMP1.RPT"));
}

TEST_F(LogOutputTest, FormatSaveAsksForANameAndStoresItsFullPath) {
  std::string name(kUntitled);
  EXPECT_FALSE(FormatSave(t.ctx(), FormatKind::kExport, name, {"[note] [freq]"}));
  EXPECT_EQ(t.prompts().texts(),
            std::vector<std::string>{"The [note] field must be on it's own line."});
  EXPECT_FALSE(FormatSave(t.ctx(), FormatKind::kExport, name, {"[freq]"}));  // no name given
  t.prompts().QueueFile("NEW");
  ASSERT_TRUE(FormatSave(t.ctx(), FormatKind::kExport, name, {"[freq]", "[note]"}));
  const std::string path =
      std::filesystem::absolute(t.dir() / "NEW.FML").lexically_normal().string();
  EXPECT_EQ(name, path);
  EXPECT_EQ(ReadBytes(t.dir() / "NEW.FML"), "[freq]\r\n[note]\r\n");
  EXPECT_EQ(t.ctx().settings().log_form, path);
  EXPECT_EQ(t.ctx().profile().ReadString("OPTIONS", "LOGFORM", ""), path);
  EXPECT_EQ(t.prompts().file_requests.back().filters, std::vector<std::string>{"Log Format|*.FML"});
  const std::string report = SetFormatName(t.ctx(), FormatKind::kReport, "QSL.FMR");
  EXPECT_EQ(report, ExpandedPath(t.dir() / "QSL.FMR"));
  EXPECT_EQ(CurrentFormatName(t.ctx(), FormatKind::kReport), report);
  EXPECT_EQ(SetFormatName(t.ctx(), FormatKind::kExport, std::string(kUntitled)), kUntitled);
  // A format file that is no text is refused; one too long for an export is read with a warning.
  WriteBytes(t.dir() / "BIN.FMR", std::string("a\0b", 3));
  EXPECT_FALSE(ReadFormatFile(t.dir() / "BIN.FMR", FormatKind::kReport).ok);
  WriteBytes(t.dir() / "LONG.FML", std::string(12, '\n'));
  const FormatFile f = ReadFormatFile(t.dir() / "LONG.FML", FormatKind::kExport);
  EXPECT_TRUE(f.ok && f.lines.size() == 12 && !f.warning.empty());
}

TEST(LogDemoFormats, PassTheSaveChecks) {
  for (const auto& [name, kind] : {std::pair{"LOGLIST.FML", FormatKind::kExport},
                                   std::pair{"QSLREPT.FMR", FormatKind::kReport}}) {
    const FormatFile f = ReadFormatFile(std::string(R8_DATA_DIR "/demo/") + name, kind);
    EXPECT_TRUE(f.ok && f.warning.empty() && CheckFormatLines(kind, f.lines).empty()) << name;
  }
}

}  // namespace
}  // namespace r8
