// The printed page as the core sees it: fonts, text measured and drawn, rules, pages. Positions
// and sizes are in the device's units (printer dots), the origin at the top left of the drawing
// area.
#pragma once

#include <string>
#include <string_view>

#include "common/text_canvas.h"

namespace r8 {

struct PageFont {
  std::string name = "Courier";
  int size = 10;  // points
  bool bold = false;
  bool fixed_pitch = true;
};

enum class TextAlign : char { kLeft = 'L', kCentre = 'C', kRight = 'R' };

// TextWidth and DrawText (top-left corner at x, y) come from TextCanvas, so the tabbed helpers
// draw on a page as they do in a list.
class PageCanvas : public TextCanvas {
 public:
  virtual int PageWidth() const = 0;
  virtual int PageHeight() const = 0;
  virtual void SetFont(const PageFont& font) = 0;
  // The distance from one line of the current font to the next.
  virtual int TextHeight() = 0;
  virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;
  virtual void SetPenWidth(int width) = 0;
  // Ends the page drawn so far and starts an empty one.
  virtual void NewPage() = 0;

  // Left starts the text at x, centre centres it on x, right ends it at x.
  void DrawAligned(int x, int y, std::string_view text, TextAlign align) {
    TextOutAligned(*this, x, y, text, static_cast<char>(align));
  }
};

}  // namespace r8
