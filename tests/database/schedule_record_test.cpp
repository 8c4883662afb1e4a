#include "database/schedule_record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "common/format.h"

namespace r8 {
namespace {

ScheduleRecord Timed(std::int16_t start, std::int16_t stop) {
  ScheduleRecord r;
  r.StartTime = start;
  r.StopTime = stop;
  return r;
}

ScheduleRecord Utility(const char code[4]) {
  ScheduleRecord r;
  r.StartTime = static_cast<std::int16_t>(static_cast<unsigned char>(code[0]) |
                                          static_cast<unsigned char>(code[1]) << 8);
  r.StopTime = static_cast<std::int16_t>(static_cast<unsigned char>(code[2]) |
                                         static_cast<unsigned char>(code[3]) << 8);
  return r;
}

TEST(TimeRangeText, AllThreeKindsWithAndWithoutDash) {
  EXPECT_EQ(TimeRangeText(Timed(1430, 1600), false), "14301600");
  EXPECT_EQ(TimeRangeText(Timed(1430, 1600), true), "1430-1600");
  EXPECT_EQ(TimeRangeText(Timed(5, 100), true), "0005-0100");
  EXPECT_EQ(TimeRangeText(Timed(2400, 0), false), "24hr    ");
  EXPECT_EQ(TimeRangeText(Timed(2400, 0), true), "24hr-    ");
  EXPECT_EQ(TimeRangeText(Utility("FAX1"), false), "UtilFAX1");
  EXPECT_EQ(TimeRangeText(Utility("FAX1"), true), "Util-FAX1");
  // A damaged time keeps the column width.
  EXPECT_EQ(TimeRangeText(Timed(-5, 12345), false).size(), 8u);
}

TEST(StationNameOf, NamesComeFromTheTableAndNeverFromOutsideIt) {
  StationTable t;
  EXPECT_EQ(t.Add("BBC"), 1);
  EXPECT_EQ(t.Add("A station name that is far too long"), 2);
  ScheduleRecord r;
  r.StationIndex = 1;
  EXPECT_EQ(StationNameOf(t, r), "BBC                      ");
  r.StationIndex = 2;
  EXPECT_EQ(StationNameOf(t, r), "A station name that is fa");
  for (std::uint16_t bad : {0, 3, 65535}) {
    r.StationIndex = bad;
    EXPECT_EQ(StationNameOf(t, r), std::string(25, ' '));
  }
}

TEST(FreqText7, AgreesWithTheGeneralFormatterOnTiesNearTiesAndRandomValues) {
  std::vector<double> values = {0.0,      -0.0,    9580.0, 9580.25,  9580.05,  -9580.25, 0.05,
                                0.04,     -0.04,   -0.05,  99999.95, 1e13,     -1e13,    1e20,
                                29999.95, 5950.15, 0.25,   2.5e-7,   123456.75};
  std::mt19937_64 rng(42);
  for (int i = 0; i < 20000; ++i) {
    const double base = static_cast<double>(rng() % 3000000) / 100.0 + 0.05;  // on a tie
    values.push_back(base);
    values.push_back(std::nextafter(base, 0.0));
    values.push_back(std::nextafter(base, 1e9));
    std::uint64_t bits = rng();
    double any;
    std::memcpy(&any, &bits, sizeof any);
    if (std::isfinite(any)) values.push_back(any);
  }
  for (double v : values) ASSERT_EQ(FreqText7(v), FormatFixedWidth(v, 7, 1)) << v;
  EXPECT_EQ(FreqText7(9580.0), " 9580.0");
}

}  // namespace
}  // namespace r8
