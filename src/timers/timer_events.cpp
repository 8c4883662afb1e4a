#include "timers/timer_events.h"

#include "app/app_context.h"
#include "common/clock.h"
#include "radio/radio_protocol.h"
#include "timers/timer_table.h"

namespace r8 {

TimerEvents::TimerEvents(AppContext& ctx)
    : ctx_(ctx),
      minute_(ctx.events().minute_tick.Subscribe([this](const ClockReading&) { CheckNow(); })) {}

void TimerEvents::TimerBtnClick() {
  if (!ctx_.radio().PowerOn) return;
  Settings& s = ctx_.settings();
  s.timer_enabled = 1 - s.timer_enabled;
}

int TimerEvents::CheckNow() {
  const Settings& s = ctx_.settings();
  if (s.timer_enabled != 1 || ctx_.radio().ScanState == ScanStateCode::kReceiverScan) return 0;
  const ClockReading utc = GetClock(ctx_.clock(), UtcOffsetHours(s), 2);
  const std::string minute = utc.date + utc.time4;
  if (minute == last_checked_) return 0;
  last_checked_ = minute;
  int tuned = 0;
  for (const double khz : DueTimerFrequencies(ctx_.timers(), utc.time4, utc.day_of_week)) {
    ctx_.control().TuneRadio(khz);
    ++tuned;
  }
  return tuned;
}

}  // namespace r8
