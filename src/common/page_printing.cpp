#include "common/page_printing.h"

#include <algorithm>

#include "common/print_status.h"

namespace r8 {

PageRunResult RunPageJob(PageCanvas& canvas, PageJob& job, PageRange range, const PageHooks& hooks,
                         const bool& aborted) {
  PageRunResult result;
  result.pages = std::max(0, job.Layout(canvas, result.error));
  if (!result.error.empty()) result.pages = 0;
  const int first = std::max(1, range.first);
  const int last = range.last <= 0 ? result.pages : std::min(range.last, result.pages);
  result.printed = PrintPages(
      first, last,
      [&](int page) {
        if (hooks.starting_page) hooks.starting_page(page, result.pages);
        if (page > first) canvas.NewPage();
        job.DrawPage(canvas, page);
      },
      hooks.pump, aborted);
  return result;
}

int TextPages::Layout(PageCanvas& canvas, std::string& error) {
  if (printout_.lines.empty()) return 0;
  canvas.SetFont(printout_.font);
  line_height_ = canvas.TextHeight();
  // None when not even one line fits, whatever the signs.
  if (line_height_ <= 0 || canvas.PageHeight() < line_height_) {
    error = "The page has no room for a line of " + printout_.font.name + " " +
            std::to_string(printout_.font.size) + ".";
    return 0;
  }
  per_page_ = static_cast<std::size_t>(canvas.PageHeight() / line_height_);
  return static_cast<int>((printout_.lines.size() + per_page_ - 1) / per_page_);
}

void TextPages::DrawPage(PageCanvas& canvas, int page) {
  const std::size_t first = static_cast<std::size_t>(page - 1) * per_page_;
  const std::size_t end = std::min(printout_.lines.size(), first + per_page_);
  for (std::size_t i = first; i < end; ++i) {
    canvas.DrawText(0, static_cast<int>(i - first) * line_height_, printout_.lines[i]);
  }
}

TextPagesResult PrintTextPages(PageCanvas& canvas, const TextPrintout& printout,
                               const PageHooks& hooks, const bool& aborted) {
  TextPages job(printout);
  return RunPageJob(canvas, job, {}, hooks, aborted);
}

}  // namespace r8
