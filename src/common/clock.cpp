#include "common/clock.h"

#include <algorithm>
#include <cmath>

#include "common/format.h"

namespace r8 {
namespace {

constexpr const char* kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

void StepDay(int& year, int& month, int& day, int dir) {
  if (dir > 0) {
    if (++day > DaysInMonth(year, month)) {
      day = 1;
      if (++month > 12) {
        month = 1;
        ++year;
      }
    }
  } else {
    if (--day < 1) {
      if (--month < 1) {
        month = 12;
        --year;
      }
      day = DaysInMonth(year, month);
    }
  }
}

}  // namespace

void DelayMs(Clock& clock, std::uint32_t ms) {
  const std::uint32_t start = clock.TickMs();
  for (;;) {
    const std::uint32_t elapsed = clock.TickMs() - start;
    if (elapsed >= ms) return;
    clock.PauseMs(ms - elapsed);
  }
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 31;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

int DayOfWeek(int year, int month, int day) {
  // Sakamoto's method: 0 = Sunday.
  static constexpr int kT[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month < 3) year -= 1;
  const int m = (month >= 1 && month <= 12) ? month : 1;
  int dow = (year + year / 4 - year / 100 + year / 400 + kT[m - 1] + day) % 7;
  if (dow < 0) dow += 7;
  return dow + 1;
}

ClockReading ShiftClock(const LocalDateTime& local, double offset_hours, int local_setting) {
  int year = local.year;
  int month = std::clamp(local.month, 1, 12);
  int day = std::clamp(local.day, 1, DaysInMonth(year, month));
  // Whole minutes keep the arithmetic exact; an offset of any size moves the date day by day.
  const double offset_minutes = std::isfinite(offset_hours) ? offset_hours * 60.0 : 0.0;
  long long total = local.hour * 60LL + local.minute +
                    static_cast<long long>(std::llround(std::clamp(offset_minutes, -1e6, 1e6)));
  while (total < 0) {
    total += 24 * 60;
    StepDay(year, month, day, -1);
  }
  while (total >= 24 * 60) {
    total -= 24 * 60;
    StepDay(year, month, day, +1);
  }
  ClockReading r;
  r.hours = static_cast<int>(total / 60);
  r.minutes = static_cast<int>(total % 60);
  if (offset_hours == 0.0 && local_setting == 1 && r.hours > 12) r.hours -= 12;
  r.time4 = IntToStr2(r.hours) + IntToStr2(r.minutes);
  r.day_of_week = DayOfWeek(year, month, day);
  r.date =
      IntToStr2(day) + " " + kMonthNames[month - 1] + " " + IntToStr2Z(((year % 100) + 100) % 100);
  return r;
}

ClockReading GetClock(Clock& clock, double offset_hours, int local_setting) {
  return ShiftClock(clock.Now(), offset_hours, local_setting);
}

}  // namespace r8
