// Exporting log entries through the export format into a text file, and the port through which
// the export and the report reach the printing-status window and the printer.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/page_printing.h"

namespace r8 {

class AppContext;

// LogExport's argument.
inline constexpr int kExportAll = 1;
inline constexpr int kExportSelected = 2;
inline constexpr int kExportForReport = 3;
// Where an export for a report goes, in the data folder.
inline constexpr char kReportExportFile[] = "TEMP1.RPT";

enum class ReportOutput { kCancel, kPrinter, kFile };

// The window side of the log's output: the printing-status window, the print dialog and the
// printer as a text device.
class LogPrintPort {
 public:
  virtual ~LogPrintPort() = default;
  // The status window with its page line, source and destination lines; HideStatus closes it.
  virtual void ShowStatus(const std::string& page, const std::string& source,
                          const std::string& destination) = 0;
  virtual void HideStatus() = 0;
  // The print dialog, with printing to a file offered.
  virtual ReportOutput ChoosePrinter() = 0;
  // Prints the lines (with the status window); false when they were not, the reason shown.
  virtual bool Print(const TextPrintout& printout) = 0;
};

// mode kExportAll / kExportSelected: asks for the output file ("Log Export", "*.TXT");
// kExportForReport: writes TEMP1.RPT in the data folder. entry_lines are log records as the log
// display holds them. The output is written whole to a temporary file and renamed into place.
// True when it was written; every failure has been shown to the user. port (may be null) shows
// the status window.
bool LogExport(AppContext& ctx, int mode, const std::vector<std::string>& entry_lines,
               LogPrintPort* port = nullptr);

// Shared with the report:
// The log file's name without its folder, the status window's source line.
std::string LogFileShownName(const AppContext& ctx);
// The save dialog for an output file ("*" + extension with type_name); the extension added to a
// bare name.
std::optional<std::filesystem::path> AskOutputFile(AppContext& ctx, const char* type_name,
                                                   const std::string& extension = ".TXT");
// Writes the bytes in one step behind the status window (port may be null); a failure is shown.
bool WriteOutput(AppContext& ctx, const std::filesystem::path& path, const std::string& bytes,
                 LogPrintPort* port);

}  // namespace r8
