// The log's printout for CMToolsLogPrint: the log command reads the log file and makes the print
// lines (LogPrintLines, printing/log_pages.h); this asks with the print dialog and prints or
// previews the pages.
#pragma once

#include <string>
#include <vector>

#include "printing/log_pages.h"

namespace r8 {

class PrintPath;

struct LogPrintRequest {
  std::string log_file;                      // the footer, the status window and the job's name
  std::vector<std::string> lines;            // the whole log's print lines
  bool selection_offered = false;            // while the log display is open
  std::vector<std::string> selection_lines;  // the print lines of its selected rows
  std::string date;                          // the footer's date (FooterDate)
  std::string title = kLogPrintTitle;
};

// The print dialog with pages 1..n preset to all, the range and print to file offered, and
// "Selection" when offered; then all pages, the chosen range, or every page of the selection.
// False when cancelled or when nothing could be printed.
bool PrintLog(PrintPath& path, const LogPrintRequest& request);

// The preview of every page of the whole log.
void PreviewLog(PrintPath& path, const LogPrintRequest& request);

}  // namespace r8
