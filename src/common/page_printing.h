// Plain text lines printed page by page on a PageCanvas: the printer used as a text device, one
// line per line of the font, pages filled top to bottom.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/page_canvas.h"

namespace r8 {

struct TextPrintout {
  std::string title;  // the print job's name and the status window's source
  PageFont font;
  std::vector<std::string> lines;
};

struct TextPagesResult {
  int pages = 0;      // pages the lines need
  int printed = 0;    // pages drawn (fewer when aborted)
  std::string error;  // set when the page cannot hold a line; nothing is drawn then
};

struct PageHooks {
  std::function<void(int page, int pages)> starting_page;  // the status window's page text
  std::function<void()> pump;                              // lets the Abort click through
};

// Sets the font, then draws the lines through PrintPages: a new page between pages, aborted read
// before each page. No lines draw nothing.
TextPagesResult PrintTextPages(PageCanvas& canvas, const TextPrintout& printout,
                               const PageHooks& hooks, const bool& aborted);

}  // namespace r8
