// A clock for tests: pauses advance time at once, so pacing and delays cost no real time.
#pragma once

#include "common/clock.h"

namespace r8::testing {

class FakeClock : public Clock {
 public:
  explicit FakeClock(LocalDateTime now = {2026, 12, 5, 14, 30, 0}) : now_(now) {}

  std::uint32_t TickMs() override { return tick_; }
  LocalDateTime Now() override { return now_; }
  void PauseMs(std::uint32_t ms) override { Advance(ms); }

  void Set(LocalDateTime now) { now_ = now; }
  void SetTick(std::uint32_t tick) { tick_ = tick; }
  // Moves the tick and the wall clock on together.
  void Advance(std::uint32_t ms);
  std::uint64_t total_paused_ms() const { return paused_; }

 private:
  LocalDateTime now_;
  std::uint32_t tick_ = 1000;
  std::uint32_t sub_second_ms_ = 0;
  std::uint64_t paused_ = 0;
};

}  // namespace r8::testing
