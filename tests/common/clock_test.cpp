#include "common/clock.h"

#include <gtest/gtest.h>

#include "support/fake_clock.h"

namespace r8 {
namespace {

using testing::FakeClock;

struct ClockCase {
  const char* name;
  LocalDateTime local;
  double offset;
  int local_setting;
  const char* time4;
  int day_of_week;
  const char* date;
};

TEST(GetClock, ShiftsAcrossDayMonthAndYearBoundaries) {
  const ClockCase cases[] = {
      {"plain UTC", {2026, 12, 5, 14, 30, 0}, 0, 2, "1430", 7, "05 Dec 26"},
      {"forward into next day", {2026, 12, 5, 23, 30, 0}, 1, 2, "0030", 1, "06 Dec 26"},
      {"back into last year", {2026, 1, 1, 0, 15, 0}, -1, 2, "2315", 4, "31 Dec 25"},
      {"forward into next year", {2026, 12, 31, 22, 0, 0}, 5.5, 2, "0330", 6, "01 Jan 27"},
      {"forward past month end", {2026, 4, 30, 20, 45, 0}, 3.25, 2, "0000", 6, "01 May 26"},
      {"back to previous month", {2026, 3, 1, 2, 0, 0}, -2.75, 2, "2315", 7, "28 Feb 26"},
      {"leap day backwards", {2028, 3, 1, 0, 30, 0}, -1, 2, "2330", 3, "29 Feb 28"},
      {"leap day forwards", {2028, 2, 28, 23, 30, 0}, 0.75, 2, "0015", 3, "29 Feb 28"},
      {"quarter hours", {2026, 6, 15, 10, 50, 0}, 5.75, 2, "1635", 2, "15 Jun 26"},
      {"year 2000", {2000, 1, 1, 12, 0, 0}, 0, 2, "1200", 7, "01 Jan 00"},
      {"12-hour local dial", {2026, 12, 5, 23, 59, 0}, 0, 1, "1159", 7, "05 Dec 26"},
      {"12-hour keeps noon", {2026, 12, 5, 12, 5, 0}, 0, 1, "1205", 7, "05 Dec 26"},
      {"12-hour keeps midnight", {2026, 12, 5, 0, 5, 0}, 0, 1, "0005", 7, "05 Dec 26"},
      {"no 12-hour dial with an offset", {2026, 12, 5, 23, 0, 0}, 0.5, 1, "2330", 7, "05 Dec 26"},
  };
  for (const ClockCase& c : cases) {
    SCOPED_TRACE(c.name);
    FakeClock clock(c.local);
    const ClockReading r = GetClock(clock, c.offset, c.local_setting);
    EXPECT_EQ(r.time4, c.time4);
    EXPECT_EQ(r.day_of_week, c.day_of_week);
    EXPECT_EQ(r.date, c.date);
  }
}

TEST(GetClock, UnsetOrWildOffsetsStayOnTheDial) {
  // 20.0 is the "not set" marker; whatever reaches the clock must still give a valid time.
  for (double offset : {20.0, -30.0, 100.0, 1e12, -1e12}) {
    const ClockReading r = ShiftClock({2026, 12, 5, 14, 30, 0}, offset, 2);
    EXPECT_GE(r.hours, 0);
    EXPECT_LT(r.hours, 24);
    EXPECT_EQ(r.time4.size(), 4u);
    EXPECT_EQ(r.date.size(), 9u);
  }
  EXPECT_EQ(ShiftClock({2026, 12, 5, 14, 30, 0}, 20.0, 2).time4, "1030");
}

TEST(GetClock, DayOfWeek) {
  EXPECT_EQ(DayOfWeek(2026, 12, 6), 1);  // a Sunday
  EXPECT_EQ(DayOfWeek(2000, 1, 1), 7);   // a Saturday
  EXPECT_EQ(DayOfWeek(2028, 2, 29), 3);  // a Tuesday
}

TEST(DelayMs, WaitsOnTheTickWithoutRealTime) {
  FakeClock clock;
  clock.SetTick(0xFFFFFF00u);  // the counter wraps during the wait
  DelayMs(clock, 500);
  EXPECT_EQ(clock.total_paused_ms(), 500u);
  DelayMs(clock, 0);
  EXPECT_EQ(clock.total_paused_ms(), 500u);
}

TEST(FakeClock, AdvancingRollsTheDate) {
  FakeClock clock({2026, 12, 31, 23, 59, 59});
  clock.Advance(1500);
  const LocalDateTime now = clock.Now();
  EXPECT_EQ(now.year, 2027);
  EXPECT_EQ(now.month, 1);
  EXPECT_EQ(now.day, 1);
  EXPECT_EQ(now.second, 0);
}

}  // namespace
}  // namespace r8
