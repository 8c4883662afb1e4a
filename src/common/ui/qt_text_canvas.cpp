#include "common/ui/qt_text_canvas.h"

#include <QFontMetrics>

namespace r8 {
namespace {
QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

int QPainterTextCanvas::TextWidth(std::string_view text) {
  return painter_.fontMetrics().horizontalAdvance(Latin1(text));
}

void QPainterTextCanvas::DrawText(int x, int y, std::string_view text) {
  painter_.drawText(x, y + painter_.fontMetrics().ascent(), Latin1(text));
}

}  // namespace r8
