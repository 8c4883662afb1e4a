// The log as a printed table: the print lines made from the log's records, and the log page
// printer that draws 55 of them a page under the title, the headings and the footer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/page_printing.h"

namespace r8 {

inline constexpr int kLogLinesPerPage = 55;
inline constexpr std::size_t kNoteWidth = 80;
inline constexpr char kLogPrintTitle[] = "Veltrix R8 Control Radio Log";

// Notes cut into pieces of at most width characters, each ending before the last blank that
// keeps it within width; a word longer than width is cut at width. Blank pieces are left out.
std::vector<std::string> WrapNotes(std::string_view notes, std::size_t width = kNoteWidth);

// Print lines from log records in the current form (nine TAB-separated fields, then for each
// note 0xFF TAB TAB and its text): each record's entry line (the nine fields), then one note line
// (TAB TAB + text) per wrapped piece of each note. TABs inside a note become blanks.
std::vector<std::string> LogPrintLines(const std::vector<std::string>& records);

// Pages for a count of lines, 55 a page; an empty log still prints one page of empty ruled slots.
int LogPageCount(std::size_t lines);

// The log page printer. Print lines: an entry line has nine TAB-separated fields (a station
// name may hold further TABs), a note line starts with two TABs, anything else is drawn as it
// stands and ruled.
class LogPages : public PageJob {
 public:
  // date and log_file make the footer.
  LogPages(const std::vector<std::string>& lines, std::string date, std::string log_file,
           std::string title = kLogPrintTitle);
  int Layout(PageCanvas& canvas, std::string& error) override;
  void DrawPage(PageCanvas& canvas, int page) override;

 private:
  const std::vector<std::string>& lines_;
  std::string date_;
  std::string log_file_;
  std::string title_;
};

}  // namespace r8
