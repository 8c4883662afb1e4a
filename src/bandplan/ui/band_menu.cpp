#include "bandplan/ui/band_menu.h"

#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

#include "bandplan/ui/band_plan_window.h"
#include "common/ui/menu_items.h"
#include "faceplate/ui/face_plate_panel.h"

namespace r8 {
namespace {

// The band plan joins the "&Tools" menu, made here when no other subsystem has made it yet.
QMenu* ToolsMenu(QMenuBar& bar) {
  for (QAction* a : bar.actions()) {
    if (a->menu() && a->text() == QStringLiteral("&Tools")) return a->menu();
  }
  return bar.addMenu(QStringLiteral("&Tools"));
}

}  // namespace

BandMenu::BandMenu(AppContext& ctx, QMainWindow& main, QMenuBar& bar, FacePlatePanel& panel)
    : QObject(&main), ctx_(ctx), main_(main), panel_(panel) {
  Bandplan1 = AddItem(ToolsMenu(bar), "Bandplan1", "&Band plan", [this] { BandBtnClick(); });
  Bandplan1->setShortcut(QKeySequence(Qt::Key_F2));
  BandLbl = panel.findChild<QLabel*>(QStringLiteral("BandLbl"));
  if (BandLbl) {
    BandLbl->setCursor(Qt::PointingHandCursor);
    BandLbl->installEventFilter(this);
  }
}

void BandMenu::BandBtnClick() {
  if (!window_) {
    window_ = new TBandPlan(ctx_, &main_);
    FacePlatePanel* panel = &panel_;
    window_->keys_active = [panel] { return panel->KeysActive(); };
    // Beside the faceplate, tops aligned, as the find window opens.
    const QRect face = main_.frameGeometry();
    window_->move(face.right() + 1, face.top());
  }
  window_->showNormal();
  window_->raise();
  window_->activateWindow();
  window_->GoToStart();
}

TBandPlan* BandMenu::window() const { return window_; }

bool BandMenu::eventFilter(QObject* watched, QEvent* event) {
  if (watched == BandLbl && event->type() == QEvent::MouseButtonRelease) BandBtnClick();
  return QObject::eventFilter(watched, event);
}

}  // namespace r8
