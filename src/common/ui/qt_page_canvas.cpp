#include "common/ui/qt_page_canvas.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPen>

namespace r8 {

QtPageCanvas::QtPageCanvas(QPaintDevice& device) : device_(device) {
  if (painter_.begin(&device_)) painter_.setPen(QPen(Qt::black, 1, Qt::SolidLine));
}

QtPageCanvas::~QtPageCanvas() { End(); }

void QtPageCanvas::End() {
  if (painter_.isActive()) painter_.end();
}

int QtPageCanvas::PageWidth() const { return device_.width(); }

int QtPageCanvas::PageHeight() const { return device_.height(); }

void QtPageCanvas::SetFont(const PageFont& font) {
  QFont f(QString::fromLatin1(font.name.c_str()), font.size);
  f.setBold(font.bold);
  f.setFixedPitch(font.fixed_pitch);
  if (font.fixed_pitch) f.setStyleHint(QFont::TypeWriter);
  painter_.setFont(f);
}

int QtPageCanvas::TextHeight() { return painter_.fontMetrics().lineSpacing(); }

int QtPageCanvas::TextWidth(std::string_view text) { return text_.TextWidth(text); }

void QtPageCanvas::DrawText(int x, int y, std::string_view text) { text_.DrawText(x, y, text); }

void QtPageCanvas::DrawLine(int x1, int y1, int x2, int y2) { painter_.drawLine(x1, y1, x2, y2); }

void QtPageCanvas::SetPenWidth(int width) {
  QPen pen = painter_.pen();
  pen.setWidth(width);
  painter_.setPen(pen);
}

void QtPageCanvas::NewPage() {
  if (auto* paged = dynamic_cast<QPagedPaintDevice*>(&device_)) paged->newPage();
}

}  // namespace r8
