// TPanDisp: the pan display window. It draws what the core (pan/pan_display.h) computed, on a
// black panel: scale on the left, graph with grid and trace, the station labels when asked for.
#pragma once

#include <memory>
#include <vector>

#include <QMainWindow>
#include <QPixmap>

#include "common/events.h"
#include "pan/pan_display.h"
#include "pan/pan_labels.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;

namespace r8 {

class AppContext;

// GraphDsp: the paint box. The picture is kept in a pixmap so a reading draws only its segment.
class PanGraph : public QWidget {
 public:
  PanGraph(AppContext& ctx, PanDisplay& core, QWidget* parent);
  void Redraw();
  void DrawSegment(const PanSegment& seg);
  void set_labels(bool on) { labels_ = on; }
  std::function<void(int x)> on_move;

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  double CursorAt(int x) const;

  PanDisplay& core_;
  StationsOnAir stations_;
  QPixmap picture_;
  bool labels_ = false;
};

// LabelDsp: the S-meter scale.
class PanScale : public QWidget {
 public:
  PanScale(QWidget* graph, QWidget* parent);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QWidget* graph_;
};

class TPanDisp : public QMainWindow {
 public:
  TPanDisp(AppContext& ctx, PanDisplay& core, QWidget* parent = nullptr);
  ~TPanDisp() override;

  QWidget* GraphPnl = nullptr;
  QWidget* EditPnl = nullptr;
  QWidget* LabelPnl = nullptr;
  PanScale* LabelDsp = nullptr;
  PanGraph* GraphDsp = nullptr;
  QLabel* StartLbl = nullptr;
  QLineEdit* StartEdit = nullptr;
  QLabel* StopLbl = nullptr;
  QLineEdit* StopEdit = nullptr;
  QLabel* CursorLbl = nullptr;
  QLineEdit* CursorEdit = nullptr;
  QMenu* File1 = nullptr;
  QAction* New1 = nullptr;
  QAction* Open1 = nullptr;
  QAction* Save1 = nullptr;
  QAction* Saveas1 = nullptr;
  QAction* Scan1 = nullptr;
  QAction* Stations1 = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void ShowState();

  AppContext& ctx_;
  PanDisplay& core_;
  std::vector<Subscription> subscriptions_;
};

}  // namespace r8
