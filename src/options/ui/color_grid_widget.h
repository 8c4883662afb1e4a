// TColorGrid: sixteen colour cells in four rows. A left click chooses the foreground colour, a
// right click the background colour; the cells chosen carry "FG", "BG" or "FB".
#pragma once

#include <functional>

#include <QWidget>

namespace r8 {

class TColorGrid : public QWidget {
 public:
  explicit TColorGrid(QWidget* parent = nullptr);

  // Cell indexes 0..15 into kGridColors, -1 for none.
  int ForegroundIndex() const { return foreground_; }
  int BackgroundIndex() const { return background_; }
  void SetForegroundIndex(int index);
  void SetBackgroundIndex(int index);
  // The cell under a point of the widget, or -1.
  int CellAt(const QPoint& pos) const;
  QRect CellRect(int index) const;
  // Runs after the user changed either choice.
  std::function<void()> on_change;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int foreground_ = -1;
  int background_ = -1;
};

// A colour of the settings file (red in the low byte) as Qt draws it.
QColor SettingsColorToQt(int color);

}  // namespace r8
