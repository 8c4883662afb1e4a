#include "printing/ui/log_printing.h"

#include "printing/ui/print_path.h"

namespace r8 {

bool PrintLog(PrintPath& path, const LogPrintRequest& request) {
  PrintOffer offer;
  offer.pages = LogPageCount(request.lines.size());
  offer.selection = request.selection_offered;
  const std::optional<PrintChoice> choice = path.Ask(offer);
  if (!choice) return false;
  const std::vector<std::string>& lines =
      choice->selection ? request.selection_lines : request.lines;
  LogPages pages(lines, request.date, request.log_file, request.title);
  const PageRange range = choice->selection ? PageRange{} : choice->range;
  const PageRunResult r = path.Print(pages, {request.log_file, request.log_file}, range);
  return r.error.empty() && r.printed > 0;
}

void PreviewLog(PrintPath& path, const LogPrintRequest& request) {
  LogPages pages(request.lines, request.date, request.log_file, request.title);
  path.Preview(pages, request.log_file);
}

}  // namespace r8
