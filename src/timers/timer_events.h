// Timer mode and the once-a-minute check: every set event due at this UTC minute and weekday
// tunes the receiver, in table order, before the faceplate's refresh of that minute shows it.
#pragma once

#include <string>

#include "common/events.h"

namespace r8 {

class AppContext;

class TimerEvents {
 public:
  explicit TimerEvents(AppContext& ctx);

  // TimerBtnClick: timer mode on or off while the receiver is on.
  void TimerBtnClick();
  // The check for the present minute; the minute tick calls it. Returns how many events tuned.
  int CheckNow();

 private:
  AppContext& ctx_;
  // The UTC minute last checked, so that a redrawn clock does not fire an event twice.
  std::string last_checked_;
  Subscription minute_;
};

}  // namespace r8
