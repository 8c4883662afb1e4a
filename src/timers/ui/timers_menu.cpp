#include "timers/ui/timers_menu.h"

#include <QAction>
#include <QMenu>

#include "app/app_context.h"
#include "common/ui/menu_items.h"
#include "faceplate/faceplate_core.h"
#include "faceplate/ui/face_plate_panel.h"
#include "faceplate/ui/menu_view.h"
#include "timers/ui/timer_list.h"

namespace r8 {

TimersMenu::TimersMenu(AppContext& ctx, QMenu& menu, FacePlatePanel& panel, QWidget& window)
    : ctx_(ctx), panel_(panel), window_(window), events_(ctx) {
  menu.addSeparator();
  Timermode1 = AddItem(
      &menu, "Timermode1", "&Timer mode", [this] { TimerBtnClick(); }, true);
  Timermode1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
  Timerparameters1 = AddItem(&menu, "Timerparameters1", "T&imer parameters...",
                             [this] { Timerparameters1Click(); });
  Timerparameters1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_I));
  panel.on_timer_click = [this] { TimerBtnClick(); };
  panel.on_timer_lbl_click = [this] { Timerparameters1Click(); };
  subscriptions_.push_back(
      panel.view_applied().Subscribe([this](const FacePlateView& v) { Apply(v); }));
  Apply(panel.view());
}

TimersMenu::~TimersMenu() { delete list_; }

TTimerList* TimersMenu::list() const { return list_; }

void TimersMenu::TimerBtnClick() {
  events_.TimerBtnClick();
  panel_.ApplyView(panel_.core().View());
}

void TimersMenu::Timerparameters1Click() {
  if (!list_) list_ = new TTimerList(ctx_, &window_);
  list_->Fill();
  list_->show();
  list_->raise();
  list_->activateWindow();
}

void TimersMenu::Apply(const FacePlateView& v) {
  SetMenu(Timermode1, v.timer_item);
  SetMenu(Timerparameters1, {v.timer_btn.enabled, false});
}

}  // namespace r8
