// The Clock port on Qt: the monotonic elapsed timer for the tick, the system's local time.
#pragma once

#include <QElapsedTimer>

#include "common/clock.h"

namespace r8 {

class QtClock : public Clock {
 public:
  QtClock();
  std::uint32_t TickMs() override;
  LocalDateTime Now() override;
  void PauseMs(std::uint32_t ms) override;

 private:
  QElapsedTimer timer_;
};

}  // namespace r8
