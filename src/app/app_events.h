// The events of the program that many windows follow. They live on the context; a window
// subscribes when it is made and its Subscription leaves when it goes.
#pragma once

#include "common/clock.h"
#include "common/events.h"
#include "radio/radio_state.h"

namespace r8 {

enum class DatabaseChange {
  kLoaded,   // read from its files (start-up, reload, import)
  kChanged,  // edited in memory or saved
};

struct AppEvents {
  // The faceplate re-read the receiver; the state as it now is.
  Event<RadioState> display_refreshed;
  // The clock entered a new minute (UTC or local, as the clock shows it).
  Event<ClockReading> minute_tick;
  // The receiver was sent a new frequency (kHz, as displayed).
  Event<double> tuned;
  Event<DatabaseChange> database_changed;
  Event<> memory_table_changed;
  // The serial port was opened (true) or closed (false).
  Event<bool> port_changed;
  // A scan started (true) or stopped (false).
  Event<bool> scan_changed;

  // One place where a listener's failure is reported, for every event.
  void set_failure_sink(const FailureSink& sink) {
    display_refreshed.set_failure_sink(sink);
    minute_tick.set_failure_sink(sink);
    tuned.set_failure_sink(sink);
    database_changed.set_failure_sink(sink);
    memory_table_changed.set_failure_sink(sink);
    port_changed.set_failure_sink(sink);
    scan_changed.set_failure_sink(sink);
  }
};

}  // namespace r8
