#include "common/text_canvas.h"

#include <algorithm>

namespace r8 {

void TextOutAligned(TextCanvas& canvas, int x, int y, std::string_view text, char align) {
  if (align == 'C') {
    x -= canvas.TextWidth(text) / 2;
  } else if (align == 'R') {
    x -= canvas.TextWidth(text);
  }
  canvas.DrawText(x, y, text);
}

void TextOutTabbed(TextCanvas& canvas, const TextRect& rect, std::string_view text,
                   std::string_view align_codes, const std::vector<int>& tab_stops) {
  // The stops are laid out for one font; in a wider one a field could run into the next
  // ("1900-1958mtwhf"). A field never starts before the previous one's end plus a space.
  const int gap = canvas.TextWidth(" ");
  int previous_end = rect.left;
  std::size_t piece = 0;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = text.find('\t', start);
    const std::string_view part =
        text.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
    const int width = canvas.TextWidth(part);
    int x = rect.left;
    if (piece > 0) {
      const std::size_t k = piece - 1;
      if (k >= tab_stops.size()) break;
      const char align = k < align_codes.size() ? align_codes[k] : 'L';
      x = tab_stops[k];
      if (align == 'C') x -= width / 2;
      if (align == 'R') x -= width;
      x = std::max(x, previous_end + gap);
    }
    canvas.DrawText(x, rect.top, part);
    if (width > 0) previous_end = x + width;
    if (tab == std::string_view::npos) break;
    start = tab + 1;
    ++piece;
  }
}

}  // namespace r8
