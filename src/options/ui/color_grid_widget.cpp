#include "options/ui/color_grid_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "options/options_model.h"

namespace r8 {
namespace {

constexpr int kCols = 4;
constexpr int kRows = 4;

}  // namespace

QColor SettingsColorToQt(int color) {
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

TColorGrid::TColorGrid(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ColorGrid"));
  setToolTip(
      QStringLiteral("Left click: highlight colour. Right click: colour of marked stations."));
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TColorGrid::SetForegroundIndex(int index) {
  foreground_ = index >= 0 && index < 16 ? index : -1;
  update();
}

void TColorGrid::SetBackgroundIndex(int index) {
  background_ = index >= 0 && index < 16 ? index : -1;
  update();
}

QSize TColorGrid::sizeHint() const {
  const int cell = fontMetrics().height() * 2;
  return {cell * kCols + 1, cell * kRows + 1};
}

QRect TColorGrid::CellRect(int index) const {
  const int w = (width() - 1) / kCols;
  const int h = (height() - 1) / kRows;
  return {(index % kCols) * w, (index / kCols) * h, w, h};
}

int TColorGrid::CellAt(const QPoint& pos) const {
  for (int i = 0; i < kCols * kRows; ++i) {
    if (CellRect(i).contains(pos)) return i;
  }
  return -1;
}

void TColorGrid::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QFont bold = font();
  bold.setBold(true);
  p.setFont(bold);
  for (int i = 0; i < kCols * kRows; ++i) {
    const QRect r = CellRect(i);
    const QColor c = SettingsColorToQt(kGridColors[static_cast<std::size_t>(i)]);
    p.fillRect(r, c);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(r);
    QString mark;
    if (i == foreground_ && i == background_) {
      mark = QStringLiteral("FB");
    } else if (i == foreground_) {
      mark = QStringLiteral("FG");
    } else if (i == background_) {
      mark = QStringLiteral("BG");
    }
    if (mark.isEmpty()) continue;
    // The mark must read on dark and light cells alike.
    p.setPen(c.lightness() < 128 ? Qt::white : Qt::black);
    p.drawText(r, Qt::AlignCenter, mark);
    p.drawRect(r.adjusted(2, 2, -2, -2));
  }
}

void TColorGrid::mousePressEvent(QMouseEvent* event) {
  const int cell = CellAt(event->position().toPoint());
  if (cell < 0) return;
  if (event->button() == Qt::LeftButton) {
    foreground_ = cell;
  } else if (event->button() == Qt::RightButton) {
    background_ = cell;
  } else {
    return;
  }
  update();
  if (on_change) on_change();
}

}  // namespace r8
