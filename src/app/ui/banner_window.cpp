#include "app/ui/banner_window.h"

#include <QLabel>
#include <QVBoxLayout>

namespace r8 {

TBanner::TBanner(QWidget* window) : QWidget(window) {
  setObjectName(QStringLiteral("Banner"));
  setAttribute(Qt::WA_StyledBackground);
  hide();
  setStyleSheet(
      QStringLiteral("#Banner { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 "
                     "#3a3d42, stop:1 #18191c);"
                     " border: 2px solid #0a0a0a; }"
                     "QLabel { color: #ffb238; }"
                     "#Title { font-size: 20pt; font-weight: bold; }"
                     "#Line { color: #c9ccd1; font-size: 10pt; }"));
  auto* title = new QLabel(QStringLiteral("Veltrix R8 Control"), this);
  title->setObjectName(QStringLiteral("Title"));
  auto* line = new QLabel(QStringLiteral("for the Drake R8, R8A and R8B receivers"), this);
  line->setObjectName(QStringLiteral("Line"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(28, 20, 28, 20);
  layout->addWidget(title, 0, Qt::AlignHCenter);
  layout->addWidget(line, 0, Qt::AlignHCenter);
}

void TBanner::ShowOver() {
  adjustSize();
  if (parentWidget()) move(parentWidget()->rect().center() - rect().center());
  show();
  raise();
  repaint();
}

QRect TBanner::ScreenRect() const { return QRect(mapToGlobal(QPoint(0, 0)), size()); }

}  // namespace r8
