// The port for time: the millisecond tick the pacing runs on, the local date and time, and a pause.
#pragma once

#include <cstdint>
#include <string>

namespace r8 {

struct LocalDateTime {
  int year = 2000;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since some fixed moment; wraps like a 32-bit tick counter.
  virtual std::uint32_t TickMs() = 0;
  virtual LocalDateTime Now() = 0;
  virtual void PauseMs(std::uint32_t ms) = 0;
};

// Waits until the tick has advanced by ms.
void DelayMs(Clock& clock, std::uint32_t ms);

// The present time as the program shows it: hhmm, the weekday (1 = Sunday) and "05 Dec 26".
struct ClockReading {
  std::string time4;
  int day_of_week = 1;
  std::string date;
  int hours = 0;
  int minutes = 0;
};

// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(int year, int month, int day);
int DaysInMonth(int year, int month);

// local_setting is the "LOCAL" key: 1 gives a 12-hour dial when no offset is applied.
ClockReading ShiftClock(const LocalDateTime& local, double offset_hours, int local_setting);
ClockReading GetClock(Clock& clock, double offset_hours, int local_setting);

}  // namespace r8
