// The page loop every printout shares with the printing-status window: the window's Abort button
// sets a flag, and the loop stops after the page it is drawing.
#pragma once

#include <functional>
#include <string>

namespace r8 {

// "Page 2 of 5 from"
std::string PrintPageText(int page, int pages);

// Draws pages first..last. Before each page pump() lets the window process its events (the Abort
// click) and aborted is read, so a run stops after the page it was drawing. Returns how many pages
// were drawn.
int PrintPages(int first, int last, const std::function<void(int page)>& draw_page,
               const std::function<void()>& pump, const bool& aborted);
// Pages 1..pages.
int PrintPages(int pages, const std::function<void(int page)>& draw_page,
               const std::function<void()>& pump, const bool& aborted);

}  // namespace r8
