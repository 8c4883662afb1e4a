#include "support/fake_clock.h"

namespace r8::testing {

void FakeClock::Advance(std::uint32_t ms) {
  tick_ += ms;
  paused_ += ms;
  sub_second_ms_ += ms;
  while (sub_second_ms_ >= 1000) {
    sub_second_ms_ -= 1000;
    if (++now_.second < 60) continue;
    now_.second = 0;
    if (++now_.minute < 60) continue;
    now_.minute = 0;
    if (++now_.hour < 24) continue;
    now_.hour = 0;
    if (++now_.day <= DaysInMonth(now_.year, now_.month)) continue;
    now_.day = 1;
    if (++now_.month <= 12) continue;
    now_.month = 1;
    ++now_.year;
  }
}

}  // namespace r8::testing
