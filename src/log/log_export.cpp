#include "log/log_export.h"

#include "app/app_context.h"
#include "common/file_commit.h"
#include "common/file_names.h"
#include "common/print_status.h"
#include "common/program_launcher.h"
#include "log/log_format.h"
#include "log/log_format_tags.h"

namespace r8 {
namespace fs = std::filesystem;

std::string LogFileShownName(const AppContext& ctx) {
  return fs::path(NativePath(ctx.settings().log_file)).filename().string();
}

std::optional<fs::path> AskOutputFile(AppContext& ctx, const char* type_name,
                                      const std::string& extension) {
  FileDialogRequest ask;
  ask.for_open = false;
  ask.initial_dir = ctx.data_folder().string();
  ask.filters = {std::string(type_name) + "|*" + extension};
  ask.overwrite_prompt = true;
  const FileDialogResult got = ctx.prompts().FileDialog(ask);
  if (!got.accepted || got.name.empty()) return std::nullopt;
  fs::path p(got.name);
  if (p.extension().empty()) p += extension;
  if (p.is_relative()) p = ctx.data_folder() / p;
  return p;
}

bool WriteOutput(AppContext& ctx, const fs::path& path, const std::string& bytes,
                 LogPrintPort* port) {
  if (port) port->ShowStatus(PrintPageText(1, 1), LogFileShownName(ctx), "to " + path.string());
  std::string error;
  const bool ok = CommitFiles({FileToWrite{path, bytes}}, error);
  if (port) port->HideStatus();
  if (!ok) {
    ShowMessage(ctx.prompts(), MessageKind::kError,
                ExpandedPath(path) + " could not be written: " + error);
  }
  return ok;
}

bool LogExport(AppContext& ctx, int mode, const std::vector<std::string>& entry_lines,
               LogPrintPort* port) {
  if (mode != kExportAll && mode != kExportSelected && mode != kExportForReport) return false;
  const std::string& form = ctx.settings().log_form;
  if (form.empty() || form == kUntitled) {
    ShowMessage(ctx.prompts(), MessageKind::kInformation,
                "No export format has been loaded.  Please specify an export format from the Log "
                "Display.");
    return false;
  }
  // The format is read before anything is asked, so a missing one costs no dialog.
  const FormatFile format = ReadFormatFile(FormatPath(ctx, form), FormatKind::kExport);
  if (!format.ok) {
    ShowMessage(ctx.prompts(), MessageKind::kError, format.error);
    return false;
  }
  if (entry_lines.empty()) {
    ShowMessage(
        ctx.prompts(), MessageKind::kInformation,
        mode == kExportAll ? "The log has no entries to export." : "No log entries are selected.");
    return false;
  }
  fs::path out = ctx.data_folder() / kReportExportFile;
  if (mode != kExportForReport) {
    const std::optional<fs::path> chosen = AskOutputFile(ctx, "Log Export");
    if (!chosen) return false;
    out = *chosen;
  }
  const std::string text = ExportText(ExportTemplate(format.lines), entry_lines);
  return WriteOutput(ctx, out, text, mode == kExportForReport ? nullptr : port);
}

}  // namespace r8
