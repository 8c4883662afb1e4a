#include "common/print_status.h"

namespace r8 {

std::string PrintPageText(int page, int pages) {
  return "Page " + std::to_string(page) + " of " + std::to_string(pages) + " from";
}

int PrintPages(int pages, const std::function<void(int page)>& draw_page,
               const std::function<void()>& pump, const bool& aborted) {
  return PrintPages(1, pages, draw_page, pump, aborted);
}

int PrintPages(int first, int last, const std::function<void(int page)>& draw_page,
               const std::function<void()>& pump, const bool& aborted) {
  int done = 0;
  for (int page = first; page <= last; ++page) {
    if (pump) pump();
    if (aborted) break;
    draw_page(page);
    ++done;
  }
  return done;
}

}  // namespace r8
