#include "database/station_database.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "common/format.h"

#include "support/database_builder.h"
#include "support/recording_progress.h"

namespace r8 {
namespace {

using testing::AllDayRec;
using testing::MakeDatabase;
using testing::Rec;
using testing::UtilRec;

std::vector<int> Numbers(RecordRange r) {
  std::vector<int> out;
  for (int i = r.first; i <= r.last; ++i) out.push_back(i);
  return out;
}

TEST(HourIndex, BucketsFollowStartHoursWithAllDayAndUtilityLast) {
  const StationDatabase db =
      MakeDatabase({"A"}, {Rec(0, 100, 1, 1), Rec(30, 100, 1, 2),           // 1, 2: hour 00
                           Rec(1400, 1500, 1, 3),                           // 3: hour 14
                           Rec(1430, 1600, 1, 4),                           // 4: hour 14
                           Rec(2300, 100, 1, 5),                            // 5: hour 23
                           AllDayRec(1, 6), AllDayRec(1, 7),                // 6, 7: all day
                           UtilRec("FAX1", 1, 8), UtilRec("CB  ", 1, 9)});  // 8, 9: utility
  EXPECT_EQ(Numbers(db.BucketRange(0)), (std::vector<int>{1, 2}));
  // Empty hours give empty ranges and the next bucket is still found.
  for (int h = 1; h <= 13; ++h) EXPECT_TRUE(db.BucketRange(h).empty()) << h;
  EXPECT_EQ(Numbers(db.BucketRange(14)), (std::vector<int>{3, 4}));
  for (int h = 15; h <= 22; ++h) EXPECT_TRUE(db.BucketRange(h).empty()) << h;
  EXPECT_EQ(Numbers(db.BucketRange(23)), (std::vector<int>{5}));
  EXPECT_EQ(Numbers(db.BucketRange(kAllDayBucket)), (std::vector<int>{6, 7}));
  EXPECT_EQ(Numbers(db.BucketRange(kUtilityBucket)), (std::vector<int>{8, 9}));
  EXPECT_EQ(Numbers(db.AllDayAndUtilityRange()), (std::vector<int>{6, 7, 8, 9}));
  EXPECT_EQ(db.hour_index()[14], 3);
  EXPECT_EQ(db.hour_index()[15], 5);  // an empty bucket holds the next existing record
  EXPECT_TRUE(db.BucketRange(-1).empty());
  EXPECT_TRUE(db.BucketRange(26).empty());
}

TEST(HourIndex, EmptyTableAndTablesWithoutSomeBucketsStayInsideTheTable) {
  const StationDatabase empty;
  for (int h = 0; h < kHourBuckets; ++h) {
    EXPECT_EQ(empty.hour_index()[static_cast<std::size_t>(h)], 1);
    EXPECT_TRUE(empty.BucketRange(h).empty());
  }
  // Only utility records: every time bucket is empty, the utility bucket holds all.
  const StationDatabase util = MakeDatabase({"A"}, {UtilRec("FAX1", 1, 1), UtilRec("FAX2", 1, 2)});
  for (int h = 0; h <= kAllDayBucket; ++h) EXPECT_TRUE(util.BucketRange(h).empty()) << h;
  EXPECT_EQ(Numbers(util.BucketRange(kUtilityBucket)), (std::vector<int>{1, 2}));
}

TEST(HourIndex, OutOfOrderOrDamagedTimesNeverGiveRangesOutsideTheTable) {
  const StationDatabase db =
      MakeDatabase({"A"}, {Rec(1500, 1600, 1, 1), Rec(300, 400, 1, 2), Rec(-150, 0, 1, 3),
                           UtilRec("FAX1", 1, 4), Rec(700, 800, 1, 5), Rec(32000, 1, 1, 6)});
  int previous = 1;
  for (int h = 0; h < kHourBuckets; ++h) {
    const int entry = db.hour_index()[static_cast<std::size_t>(h)];
    EXPECT_GE(entry, previous);
    EXPECT_LE(entry, db.count() + 1);
    previous = entry;
    const RecordRange r = db.BucketRange(h);
    if (!r.empty()) {
      EXPECT_GE(r.first, 1);
      EXPECT_LE(r.last, db.count());
    }
  }
}

TEST(HourIndex, RangesStayInsideTheTableWhenRecordsGoBeforeTheIndexIsRebuilt) {
  StationDatabase db = MakeDatabase(
      {"A"}, {Rec(100, 200, 1, 1), Rec(100, 200, 1, 2), AllDayRec(1, 3), UtilRec("FAX1", 1, 4)});
  ASSERT_TRUE(db.DeleteRecord(4));
  ASSERT_TRUE(db.DeleteRecord(3));
  EXPECT_EQ(db.BucketRange(kUtilityBucket).last, 2);
  EXPECT_TRUE(db.AllDayAndUtilityRange().empty());
  EXPECT_EQ(db.Record(4).StationIndex, 0);  // a blank record, not the deleted one
}

TEST(HourIndex, ReindexShowsItsProgressBox) {
  StationDatabase db = MakeDatabase({"A"}, {});
  for (int i = 0; i < 100; ++i) db.AppendRecord(Rec(i / 5 * 100, i / 5 * 100 + 30, 1, 9580));
  testing::RecordingProgressBox box;
  ReindexDatabase(db, &box);
  EXPECT_EQ(box.events,
            (std::vector<std::string>{"open Reindexing Database | Reindexing...", "close"}));
  EXPECT_EQ(box.percents.back(), 100);
  EXPECT_EQ(box.percents.size(), 20u);  // every 5 %, not per record
  EXPECT_EQ(Numbers(db.BucketRange(19)), (std::vector<int>{96, 97, 98, 99, 100}));
}

TEST(StationDatabase, CapacitiesAreNeverExceeded) {
  StationDatabase db;
  for (int i = 0; i < kMaxRecords; ++i) ASSERT_TRUE(db.AppendRecord(Rec(0, 100, 1, i)));
  EXPECT_FALSE(db.AppendRecord(Rec(0, 100, 1, 1)));
  EXPECT_FALSE(db.InsertRecord(1, Rec(0, 100, 1, 1)));
  EXPECT_EQ(db.count(), kMaxRecords);
  for (int i = 0; i < kMaxStations; ++i) ASSERT_NE(db.stations().Add("S" + std::to_string(i)), 0);
  EXPECT_EQ(db.stations().Add("one too many"), 0);
  EXPECT_EQ(db.stations().size(), static_cast<std::size_t>(kMaxStations));
}

TEST(StationDatabase, InsertAndDeleteKeepNumberingAndRefuseBadPositions) {
  StationDatabase db = MakeDatabase({"A"}, {Rec(100, 200, 1, 1), Rec(100, 200, 1, 3)});
  EXPECT_TRUE(db.InsertRecord(2, Rec(100, 200, 1, 2)));
  EXPECT_TRUE(db.InsertRecord(4, Rec(100, 200, 1, 4)));
  EXPECT_FALSE(db.InsertRecord(0, Rec(100, 200, 1, 0)));
  EXPECT_FALSE(db.InsertRecord(6, Rec(100, 200, 1, 0)));
  ASSERT_EQ(db.count(), 4);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(db.Record(i).Freq, i);
  EXPECT_FALSE(db.DeleteRecord(0));
  EXPECT_FALSE(db.DeleteRecord(5));
  EXPECT_TRUE(db.DeleteRecord(1));
  EXPECT_EQ(db.Record(1).Freq, 2);
  EXPECT_EQ(db.MutableRecord(4), nullptr);
}

TEST(StationTable, NamesAreTwentyFiveCharactersAndNeverComeFromOutsideTheTable) {
  StationTable t;
  EXPECT_EQ(t.Add("Radio A"), 1);
  EXPECT_EQ(t.Add("Radio AB"), 2);
  EXPECT_EQ(t.Add("A station name that is far too long"), 3);
  EXPECT_EQ(t.Find("Radio AB"), 2);
  EXPECT_EQ(t.Find("Radio A" + std::string(18, ' ')), 1);
  EXPECT_EQ(t.Find("radio a"), 0);
  EXPECT_TRUE(t.Rename(1, "Radio C"));
  EXPECT_EQ(t.Name(1), "Radio C" + std::string(18, ' '));
  EXPECT_FALSE(t.Rename(4, "X"));
  EXPECT_EQ(StationNameOf(t, Rec(0, 100, 1, 0)), "Radio C" + std::string(18, ' '));
  EXPECT_EQ(StationNameOf(t, Rec(0, 100, 3, 0)), "A station name that is fa");
  for (std::uint16_t bad : {0, 4, 65535}) {
    EXPECT_EQ(StationNameOf(t, Rec(0, 100, bad, 0)), std::string(25, ' ')) << bad;
  }
}

TEST(TimeRangeText, AllThreeKindsWithAndWithoutDash) {
  const ScheduleRecord fax1 = Rec('F' | 'A' << 8, 'X' | '1' << 8, 1, 0);  // "Util" "FAX1"
  EXPECT_EQ(TimeRangeText(Rec(1430, 1600, 1, 0), false), "14301600");
  EXPECT_EQ(TimeRangeText(Rec(1430, 1600, 1, 0), true), "1430-1600");
  EXPECT_EQ(TimeRangeText(Rec(5, 100, 1, 0), true), "0005-0100");
  EXPECT_EQ(TimeRangeText(Rec(2400, 0, 1, 0), false), "24hr    ");
  EXPECT_EQ(TimeRangeText(Rec(2400, 0, 1, 0), true), "24hr-    ");
  EXPECT_EQ(TimeRangeText(fax1, false), "UtilFAX1");
  EXPECT_EQ(TimeRangeText(fax1, true), "Util-FAX1");
  // A damaged time keeps the column width.
  EXPECT_EQ(TimeRangeText(Rec(-5, 12345, 1, 0), false).size(), 8u);
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
