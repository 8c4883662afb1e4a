// Printouts drawn page by page on a PageCanvas, and the one page loop every printout runs through:
// the print path hands it a job, a page range and the printing-status window's hooks.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/page_canvas.h"

namespace r8 {

struct PageRunResult {
  int pages = 0;      // pages the printout needs
  int printed = 0;    // pages drawn (fewer when aborted or a range was asked for)
  std::string error;  // set when the printout cannot be laid out; nothing is drawn then
};
using TextPagesResult = PageRunResult;

struct PageHooks {
  std::function<void(int page, int pages)> starting_page;  // the status window's page text
  std::function<void()> pump;                              // lets the Abort click through
};

// A printout the page loop can run: its page count on the canvas it will be drawn on (fonts and
// page size decide it), then any of its pages on its own.
class PageJob {
 public:
  virtual ~PageJob() = default;
  // Sets what the pages need on canvas and returns their count; 0 with error set when the page
  // cannot hold the printout, 0 without an error when there is nothing to print.
  virtual int Layout(PageCanvas& canvas, std::string& error) = 0;
  // page runs 1..Layout(); the canvas is on a fresh page.
  virtual void DrawPage(PageCanvas& canvas, int page) = 0;
};

// Pages first..last of a job; last 0 means to its end.
struct PageRange {
  int first = 1;
  int last = 0;
};

// Lays the job out, then draws the pages of range that exist (a new page between pages), with
// starting_page(page, pages) before each and aborted read before each.
PageRunResult RunPageJob(PageCanvas& canvas, PageJob& job, PageRange range, const PageHooks& hooks,
                         const bool& aborted);

// Plain text lines, the printer used as a text device: one line per line of the font, pages
// filled top to bottom.
struct TextPrintout {
  std::string title;  // the print job's name and the status window's source
  PageFont font;
  std::vector<std::string> lines;
};

class TextPages : public PageJob {
 public:
  explicit TextPages(const TextPrintout& printout) : printout_(printout) {}
  int Layout(PageCanvas& canvas, std::string& error) override;
  void DrawPage(PageCanvas& canvas, int page) override;

 private:
  const TextPrintout& printout_;
  int line_height_ = 0;
  std::size_t per_page_ = 0;
};

// The text printout through RunPageJob, all pages. No lines draw nothing.
TextPagesResult PrintTextPages(PageCanvas& canvas, const TextPrintout& printout,
                               const PageHooks& hooks, const bool& aborted);

}  // namespace r8
