#include "common/page_printing.h"

#include "common/print_status.h"

namespace r8 {

namespace {

// 0 when not even one line fits, whatever the signs.
int LinesPerPage(int page_height, int line_height) {
  if (line_height <= 0 || page_height < line_height) return 0;
  return page_height / line_height;
}

}  // namespace

TextPagesResult PrintTextPages(PageCanvas& canvas, const TextPrintout& printout,
                               const PageHooks& hooks, const bool& aborted) {
  TextPagesResult result;
  if (printout.lines.empty()) return result;
  canvas.SetFont(printout.font);
  const int line_height = canvas.TextHeight();
  const int per_page = LinesPerPage(canvas.PageHeight(), line_height);
  if (per_page == 0) {
    result.error = "The page has no room for a line of " + printout.font.name + " " +
                   std::to_string(printout.font.size) + ".";
    return result;
  }
  const std::size_t count = printout.lines.size();
  const auto per = static_cast<std::size_t>(per_page);
  result.pages = static_cast<int>((count + per - 1) / per);
  result.printed = PrintPages(
      result.pages,
      [&](int page) {
        if (hooks.starting_page) hooks.starting_page(page, result.pages);
        if (page > 1) canvas.NewPage();
        const std::size_t first = static_cast<std::size_t>(page - 1) * per;
        for (std::size_t i = first; i < count && i < first + per; ++i) {
          canvas.DrawText(0, static_cast<int>(i - first) * line_height, printout.lines[i]);
        }
      },
      hooks.pump, aborted);
  return result;
}

}  // namespace r8
