#include "common/text_canvas.h"

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
  std::size_t piece = 0;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = text.find('\t', start);
    const std::string_view part =
        text.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
    if (piece == 0) {
      canvas.DrawText(rect.left, rect.top, part);
    } else {
      const std::size_t k = piece - 1;
      if (k >= tab_stops.size()) break;
      const char align = k < align_codes.size() ? align_codes[k] : 'L';
      TextOutAligned(canvas, tab_stops[k], rect.top, part, align);
    }
    if (tab == std::string_view::npos) break;
    start = tab + 1;
    ++piece;
  }
}

}  // namespace r8
