// Text drawing shared by the owner-drawn station lists and the printed pages: a surface that can
// measure and draw single-byte text, and the aligned and tabbed helpers built on it.
#pragma once

#include <string_view>
#include <vector>

namespace r8 {

struct TextRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

class TextCanvas {
 public:
  virtual ~TextCanvas() = default;
  virtual int TextWidth(std::string_view text) = 0;
  // Draws text with its top-left corner at (x, y).
  virtual void DrawText(int x, int y, std::string_view text) = 0;
};

// align 'C' centres the text on x, 'R' ends it at x, anything else starts it at x.
void TextOutAligned(TextCanvas& canvas, int x, int y, std::string_view text, char align);

// Splits text at TABs: the first piece goes at rect.left, piece k+1 at tab_stops[k] aligned by
// align_codes[k] (left when the codes run out). Pieces beyond the last tab stop are not drawn.
void TextOutTabbed(TextCanvas& canvas, const TextRect& rect, std::string_view text,
                   std::string_view align_codes, const std::vector<int>& tab_stops);

}  // namespace r8
