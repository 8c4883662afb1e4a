// Timers on the faceplate: timer mode (TimerBtn, "&Timer mode"), the timer list ("T&imer
// parameters...", a click on TIMER), and the minute check that tunes the receiver.
#pragma once

#include <memory>
#include <vector>

#include <QPointer>

#include "common/events.h"
#include "timers/timer_events.h"

class QAction;
class QMenu;
class QWidget;

namespace r8 {

class AppContext;
class FacePlatePanel;
class TTimerList;
struct FacePlateView;

class TimersMenu {
 public:
  TimersMenu(AppContext& ctx, QMenu& menu, FacePlatePanel& panel, QWidget& window);
  ~TimersMenu();

  void TimerBtnClick();
  void Timerparameters1Click();
  TimerEvents& events() { return events_; }
  TTimerList* list() const;

 private:
  void Apply(const FacePlateView& v);

  AppContext& ctx_;
  FacePlatePanel& panel_;
  QWidget& window_;
  TimerEvents events_;
  QPointer<TTimerList> list_;
  QAction* Timermode1 = nullptr;
  QAction* Timerparameters1 = nullptr;
  std::vector<Subscription> subscriptions_;
};

}  // namespace r8
