#include "log/log_report.h"

#include <system_error>

#include "app/app_context.h"
#include "common/file_commit.h"
#include "log/log_format.h"
#include "log/log_format_tags.h"

namespace r8 {
namespace fs = std::filesystem;
namespace {

// Removes the report's staging file when the report ends, however it ends.
class StagingFile {
 public:
  explicit StagingFile(fs::path path) : path_(std::move(path)) {}
  ~StagingFile() {
    std::error_code ec;
    fs::remove(path_, ec);
  }
  StagingFile(const StagingFile&) = delete;
  StagingFile& operator=(const StagingFile&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

bool Fail(AppContext& ctx, const std::string& text) {
  ShowMessage(ctx.prompts(), MessageKind::kError, text);
  return false;
}

}  // namespace

bool LogReport(AppContext& ctx, const std::vector<std::string>& entry_lines, LogPrintPort& port) {
  if (ctx.profile().Exists()) ctx.settings().log = ReadLogDetails(ctx.profile());
  const std::string& form = ctx.settings().rpt_form;
  if (form.empty() || form == kUntitled) {
    ShowMessage(ctx.prompts(), MessageKind::kInformation,
                "No report format has been loaded.  Please specify a report format from the Log "
                "Display.");
    return false;
  }
  const FormatFile format = ReadFormatFile(FormatPath(ctx, form), FormatKind::kReport);
  if (!format.ok) return Fail(ctx, format.error);

  if (!LogExport(ctx, kExportForReport, entry_lines, &port)) return false;
  const StagingFile staged(ctx.data_folder() / kReportExportFile);
  std::string exported;
  if (!ReadWholeFile(staged.path(), exported)) {
    return Fail(ctx, "The exported entries " + staged.path().string() + " could not be read.");
  }

  const ReportOutput choice = port.ChoosePrinter();
  if (choice == ReportOutput::kCancel) return false;
  const std::vector<std::string> lines =
      AssembleReport(format.lines, ctx.settings().log, SplitFormatLines(exported));
  if (choice == ReportOutput::kFile) {
    const std::optional<fs::path> out = AskOutputFile(ctx, "Log Report");
    return out && WriteOutput(ctx, *out, JoinFormatLines(lines), &port);
  }
  TextPrintout printout;
  printout.title = kReportTitle;
  printout.font = PageFont{kReportFont, kReportFontSize, false, true};
  printout.lines = lines;
  return port.Print(printout);
}

}  // namespace r8
