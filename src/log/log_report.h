// The log report: the report format filled with the listener's details (settings section "LOG")
// and the selected entries laid out through the export format, printed or written to a file.
#pragma once

#include <string>
#include <vector>

#include "log/log_export.h"

namespace r8 {

class AppContext;

// The printed report's title and font.
inline constexpr char kReportTitle[] = "Log Report";
inline constexpr char kReportFont[] = "Courier";
inline constexpr int kReportFontSize = 10;

// Reads the logging parameters, exports entry_lines for the report (LogExport kExportForReport),
// asks printer or file through port and writes the report there. TEMP1.RPT is gone afterwards
// whatever happened. True when the report was printed or written.
bool LogReport(AppContext& ctx, const std::vector<std::string>& entry_lines, LogPrintPort& port);

}  // namespace r8
