// The on-now kinds: 1 (find), 2 (station lists), 3 (front panel), 7 (on-air names).
#include <gtest/gtest.h>

#include "database/query_test_support.h"

namespace r8 {
namespace {

using testing::AllDayRec;
using testing::Name25;
using testing::Rec;
using testing::UtilRec;
constexpr QueryTarget kFace = QueryTarget::kFacePlate;
constexpr QueryTarget kFind = QueryTarget::kFindWindow;
constexpr QueryTarget kSwbc = QueryTarget::kSwbcList;
constexpr QueryTarget kUtil = QueryTarget::kUtilityList;
constexpr QueryTarget kBcb = QueryTarget::kBcbList;

class OnNowQueryTest : public testing::QueryTest {};

TEST_F(OnNowQueryTest, TimeTestLooksOnlyAtTheCurrentHoursBucket) {
  struct Case {
    int start, stop;
    const char* at;
    bool found;
  };
  const Case cases[] = {
      {1400, 1500, "1430", true}, {1500, 1600, "1430", false}, {1300, 1500, "1430", false},
      {1430, 1500, "1430", true}, {1400, 1430, "1430", false}, {1400, 1500, "1400", true},
      {2300, 100, "2300", false}, {2300, 100, "2330", false},  {2300, 100, "0030", false},
      {2300, 2400, "2359", true}, {0, 30, "0000", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.start) + "-" + std::to_string(c.stop) + " at " + c.at);
    Use({"Radio"}, {Rec(c.start, c.stop, 1, 9580)});
    Run(kFace, QueryKind::kOnFrequency, "9580", c.at);
    EXPECT_EQ(results().face_plate.count(), c.found ? 1 : 0);
    Run(kFind, QueryKind::kFindNow, "Radio", c.at);
    EXPECT_EQ(results().find.count(), c.found ? 1 : 0);
  }
}

TEST_F(OnNowQueryTest, DayTestFollowsTheMaskAndTheClocksDay) {
  struct Case {
    std::uint8_t days;
    char day;
    bool found;
  };
  const Case cases[] = {
      {0x00, 's', true},  {0x00, 'a', true},  {0x7E, 's', false}, {0x7E, 'm', true},
      {0x7E, 'a', true},  {0x41, 'w', false}, {0x41, 'a', true},  {0x41, ' ', true},
      {0x80, 'm', false},  // a bit outside the week never matches a day
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(1, c.day) + " mask " + std::to_string(c.days));
    Use({"Radio"}, {Rec(1400, 1500, 1, 9580, c.days)});
    Run(kFace, QueryKind::kOnFrequency, "9580", "1430", c.day);
    EXPECT_EQ(results().face_plate.count(), c.found ? 1 : 0);
  }
  // "Now": the clock's weekday (5 December 2026 is a Saturday) restricts the search.
  Use({"Radio"}, {Rec(1400, 1500, 1, 9580, 0x3E), Rec(1400, 1500, 1, 9580, 0x40)});
  Run(kFace, QueryKind::kOnFrequency, "9580");
  EXPECT_EQ(RecordsOf(results().face_plate), (std::vector<int>{2}));
  clock_.Set({2026, 12, 7, 14, 30, 0});  // a Monday
  Run(kFace, QueryKind::kOnFrequency, "9580");
  EXPECT_EQ(RecordsOf(results().face_plate), (std::vector<int>{1}));
}

TEST_F(OnNowQueryTest, PresentTimeIsTheClockShiftedByTheUtcOffset) {
  Use({"Radio"}, {Rec(0, 100, 1, 9580, 0x40), Rec(2300, 2400, 1, 9580)});
  clock_.Set({2026, 12, 4, 23, 30, 0});  // Friday 23:30 local, one hour behind UTC
  ports_.utc_offset_hours = 1.0;
  Run(kFace, QueryKind::kOnFrequency, "9580");
  EXPECT_EQ(RecordsOf(results().face_plate), (std::vector<int>{1}));  // Saturday 0030 UTC
  ports_.utc_offset_hours = 0.0;
  Run(kFace, QueryKind::kOnFrequency, "9580");
  EXPECT_EQ(RecordsOf(results().face_plate), (std::vector<int>{2}));
  // Without a clock nothing is on the air now; the all-day pass still runs.
  ports_.clock = nullptr;
  Run(kFace, QueryKind::kOnFrequency, "9580");
  EXPECT_EQ(results().face_plate.count(), 0);
}

TEST_F(OnNowQueryTest, FrequencyWindowIsPlusMinusTwoHundredFiveHertz) {
  Use({"Radio"},
      {Rec(1400, 1500, 1, 9580.0), Rec(1400, 1500, 1, 9579.7), Rec(1400, 1500, 1, 9580.4),
       Rec(1400, 1500, 1, 9580.42), Rec(1400, 1500, 1, 9579.99)});
  Run(kFace, QueryKind::kOnFrequency, " 9580.20 ", "1430");
  EXPECT_EQ(RecordsOf(results().face_plate), (std::vector<int>{1, 3}));
}

TEST_F(OnNowQueryTest, FrontPanelLinesCarryTheHeardFlagAndStopAtTen) {
  std::vector<ScheduleRecord> records = {Rec(1400, 1500, 1, 9580, 0x3E, "NA", 'T')};
  for (int i = 0; i < 14; ++i) records.push_back(AllDayRec(2, 9580, "Eu"));
  Use({"Radio Kestrel Intl", "Voice of Valdoria"}, records);
  Run(kFace, QueryKind::kOnFrequency, "9580", "1430");
  ASSERT_EQ(results().face_plate.count(), 10);
  ASSERT_EQ(Lines(kFace).size(), 10u);
  EXPECT_EQ(Lines(kFace)[0], "1400-1500\t mtwhf \t" + Name25("Radio Kestrel Intl") + "\tNA");
  EXPECT_EQ(Lines(kFace)[1], "24hr-    \t       \t" + Name25("Voice of Valdoria") + "\tEu");
  EXPECT_EQ(FlagsOf(results().face_plate)[0], 1);
  EXPECT_EQ(FlagsOf(results().face_plate)[1], 0);
}

TEST_F(OnNowQueryTest, AllDayAndUtilityRecordsPassWithoutTimeOrDayTests) {
  Use({"Radio"}, {Rec(1400, 1500, 1, 9580), AllDayRec(1, 9580), UtilRec("FAX1", 1, 9580)});
  db_.MutableRecord(2)->Days = 0x01;  // Sundays only, yet listed on a Saturday
  Run(kFace, QueryKind::kOnFrequency, "9580");
  EXPECT_EQ(RecordsOf(results().face_plate), (std::vector<int>{1, 2, 3}));
  Run(kFace, QueryKind::kOnFrequency, "9580", "0300");
  EXPECT_EQ(RecordsOf(results().face_plate), (std::vector<int>{2, 3}));
}

TEST_F(OnNowQueryTest, KeysThatAreNotNumbersAndOddTimesFindNothingOnTheHour) {
  Use({"Radio"}, {Rec(1400, 1500, 1, 9580), AllDayRec(1, 9580)});
  Run(kFace, QueryKind::kOnFrequency, "9580", "1430");
  ASSERT_EQ(results().face_plate.count(), 2);
  for (const char* key : {"", "abc", "9580kHz", "--1", "1e999"}) {
    Run(kFace, QueryKind::kOnFrequency, key, "1430");
    EXPECT_EQ(results().face_plate.count(), 0) << key;  // the last results do not linger
    EXPECT_TRUE(Lines(kFace).empty());
  }
  // Times without an hour of their own: no hour records, the all-day pass as usual.
  for (const char* time : {"2400", "2500", "9999", "ab", "12345", "-100"}) {
    Run(kFace, QueryKind::kOnFrequency, "9580", time);
    EXPECT_EQ(RecordsOf(results().face_plate), (std::vector<int>{2})) << time;
  }
}

TEST_F(OnNowQueryTest, FindLinesAreCaseSensitiveAndOnePerFrequency) {
  Use({"Radio Kestrel Intl", "Voice of Valdoria"},
      {Rec(1400, 1500, 1, 5950, 0x3E, "Eu"), Rec(1400, 1500, 1, 6005, 0x3E, "Eu", 'T'),
       Rec(1400, 1500, 1, 7205, 0x3E, "Eu"), Rec(1400, 1500, 2, 9580), AllDayRec(1, 15400, "Af")});
  Run(kFind, QueryKind::kFindNow, "  Kestrel ", "1430");
  EXPECT_EQ(Lines(kFind),
            (std::vector<std::string>{
                "1400-1500\t mtwhf \t 5950.0\tEu", "1400-1500\t mtwhf \t 6005.0\tEu",
                "1400-1500\t mtwhf \t 7205.0\tEu", "24hr-    \t       \t15400.0\tAf"}));
  EXPECT_EQ(FlagsOf(results().find), (std::vector<int>{0, 1, 0, 0}));
  for (const std::string& line : Lines(kFind)) EXPECT_LE(line.size(), 29u);
  Run(kFind, QueryKind::kFindNow, "kestrel", "1430");
  EXPECT_EQ(results().find.count(), 0);
}

TEST_F(OnNowQueryTest, FindStopsAtThreeHundred) {
  std::vector<ScheduleRecord> records;
  for (int i = 0; i < 250; ++i) records.push_back(Rec(1400, 1500, 1, 6000 + i));
  for (int i = 0; i < 100; ++i) records.push_back(AllDayRec(1, 9000 + i));
  Use({"Radio"}, records);
  Run(kFind, QueryKind::kFindNow, "Radio", "1430");
  EXPECT_EQ(results().find.count(), 300);
  EXPECT_EQ(Lines(kFind).size(), 300u);
  EXPECT_EQ(results().find[299].record, 300);
}

TEST_F(OnNowQueryTest, StationListsGroupFrequenciesUnderTimeHeadings) {
  Use({"Radio Kestrel Intl", "Voice of Valdoria", "Radio Marisol"},
      {Rec(1400, 1500, 1, 5950), Rec(1400, 1500, 1, 6005), Rec(1400, 1500, 1, 7205),
       Rec(1400, 1500, 2, 9580), Rec(1430, 1500, 3, 9650), Rec(1430, 1600, 3, 11750),
       AllDayRec(2, 15400), AllDayRec(2, 15575), AllDayRec(3, 6155), UtilRec("FAX1", 1, 8040)});
  Run(kSwbc, QueryKind::kStationsNow, "", "1445");
  EXPECT_EQ(Lines(kSwbc), (std::vector<std::string>{
                              "=======[1400-1500]=======", "Radio Kestrel Intl",
                              "Voice of Valdoria", "=======[1430-1500]=======", "Radio Marisol",
                              "=======[1430-1600]=======", "Radio Marisol",
                              "=========[24hr]==========", "Voice of Valdoria", "Radio Marisol"}));
  EXPECT_EQ(RecordsOf(results().what_swbc), (std::vector<int>{1, 1, 4, 5, 5, 6, 6, 7, 7, 9}));
  EXPECT_EQ(FlagsOf(results().what_swbc), (std::vector<int>{1, 0, 0, 1, 0, 1, 0, 1, 0, 0}));
}

TEST_F(OnNowQueryTest, StationRowsAreFlaggedWhenAFrequencyOfTheirRunIsHeardToday) {
  Use({"A", "B", "C"}, {Rec(1400, 1500, 1, 5950), Rec(1400, 1500, 1, 6005, 0, "Eu", 'T'),
                        Rec(1400, 1500, 2, 7205, 0x02, "Eu", 'T'),  // heard, but Mondays only
                        Rec(1400, 1500, 2, 7210), Rec(1400, 1500, 3, 9580, 0, "Eu", 'T')});
  // On Saturday B is on the air on 7210 only: listed through it, and not flagged.
  Run(kSwbc, QueryKind::kStationsNow, "", "1430", 'a');
  EXPECT_EQ(Lines(kSwbc), (std::vector<std::string>{"=======[1400-1500]=======", "A", "B", "C"}));
  EXPECT_EQ(RecordsOf(results().what_swbc), (std::vector<int>{1, 1, 4, 5}));
  EXPECT_EQ(FlagsOf(results().what_swbc), (std::vector<int>{1, 1, 0, 1}));
  Run(kSwbc, QueryKind::kStationsNow, "", "1430", 'm');
  EXPECT_EQ(Lines(kSwbc), (std::vector<std::string>{"=======[1400-1500]=======", "A", "B", "C"}));
  EXPECT_EQ(FlagsOf(results().what_swbc), (std::vector<int>{1, 1, 1, 1}));
}

TEST_F(OnNowQueryTest, UtilityAndBcbListsSplitTheUtilityBucketByCode) {
  Use({"Ocean Fax", "Metro 1010", "Highway CB", "Mixed Station"},
      {Rec(1400, 1500, 1, 9580), UtilRec("FAX1", 1, 8040), UtilRec("BCB ", 2, 1010),
       UtilRec("CB  ", 3, 27185), UtilRec("BCB ", 4, 1520), UtilRec("USB ", 4, 6507)});
  Run(kUtil, QueryKind::kStationsNow, "", "1430");
  EXPECT_EQ(Lines(kUtil), (std::vector<std::string>{"=========[FAX1]==========", "Ocean Fax",
                                                    "=========[USB ]==========", "Mixed Station"}));
  Run(kBcb, QueryKind::kStationsNow, "", "1430");
  EXPECT_EQ(Lines(kBcb), (std::vector<std::string>{"=========[BCB ]==========", "Metro 1010",
                                                   "=========[CB  ]==========", "Highway CB",
                                                   "=========[BCB ]==========", "Mixed Station"}));
  // Each list keeps its own results; the SWBC list never shows utility records.
  EXPECT_EQ(results().what_utility.count(), 4);
  EXPECT_EQ(results().what_bcb.count(), 6);
  Run(kSwbc, QueryKind::kStationsNow, "", "0300");
  EXPECT_TRUE(Lines(kSwbc).empty());
  EXPECT_EQ(results().what_utility.count(), 4);
  // Kind 2 for a window that is not a station list: no output, no results touched.
  Run(kFace, QueryKind::kStationsNow, "", "1430");
  EXPECT_TRUE(targets_.lists.empty());
  EXPECT_EQ(results().what_bcb.count(), 6);
}

TEST_F(OnNowQueryTest, StationListsHoldFourHundredRowsHeadingsIncluded) {
  std::vector<std::string> names;
  std::vector<ScheduleRecord> records;
  for (int i = 0; i < 450; ++i) {
    names.push_back("Station " + std::to_string(i));
    records.push_back(Rec(1400, 1500, static_cast<std::uint16_t>(i % 999 + 1), 6000 + i));
  }
  names.resize(999, "Filler");
  Use(names, records);
  Run(kSwbc, QueryKind::kStationsNow, "", "1430");
  EXPECT_EQ(results().what_swbc.count(), 400);
  EXPECT_EQ(Lines(kSwbc).size(), 400u);
  EXPECT_EQ(Lines(kSwbc).back(), "Station 398");  // one heading, 399 stations
}

TEST_F(OnNowQueryTest, OnAirNamesAreTrimmedAndListedOncePerRun) {
  Use({"Radio Kestrel Intl", "Voice of Valdoria"},
      {Rec(1400, 1500, 1, 5950), Rec(1400, 1500, 1, 6005), Rec(1400, 1500, 1, 7205, 0x41),
       Rec(1400, 1500, 2, 9580), Rec(1500, 1600, 2, 9580), AllDayRec(2, 15400), AllDayRec(2, 15575),
       UtilRec("FAX1", 1, 8040)});
  Run(QueryTarget::kNone, QueryKind::kOnAirNames, "", "1430", 'a');
  EXPECT_EQ(
      std::vector<std::string>(results().on_air.rows().begin(), results().on_air.rows().end()),
      (std::vector<std::string>{"Radio Kestrel Intl", "Radio Kestrel Intl", "Voice of Valdoria",
                                "Voice of Valdoria", "Radio Kestrel Intl"}));
}

TEST_F(OnNowQueryTest, OnAirNamesFindAStationWhoseFirstRecordOfTheHourHasEnded) {
  Use({"Radio Kestrel Intl"}, {Rec(1400, 1430, 1, 5950), Rec(1430, 1500, 1, 5950)});
  Run(QueryTarget::kNone, QueryKind::kOnAirNames, "", "1445");
  ASSERT_EQ(results().on_air.count(), 1);
  EXPECT_EQ(results().on_air[0], "Radio Kestrel Intl");
}

TEST_F(OnNowQueryTest, AnEmptyTableLeavesNoStaleResults) {
  Use({"Radio"}, {Rec(1400, 1500, 1, 9580)});
  Run(kFace, QueryKind::kOnFrequency, "9580", "1430");
  Run(kSwbc, QueryKind::kStationsNow, "", "1430");
  ASSERT_EQ(results().face_plate.count(), 1);
  ASSERT_EQ(results().what_swbc.count(), 2);
  db_.Clear();
  Run(kFace, QueryKind::kOnFrequency, "9580", "1430");
  Run(kSwbc, QueryKind::kStationsNow, "", "1430");
  EXPECT_EQ(results().face_plate.count(), 0);
  EXPECT_EQ(results().what_swbc.count(), 0);
  EXPECT_TRUE(Lines(kFace).empty());
}

}  // namespace
}  // namespace r8
