// The query engine, kind by kind: the on-now kinds 1 (find), 2 (station lists), 3 (front panel)
// and 7 (on-air names), and the whole-table kinds 4 (full schedule), 5 (printed schedule),
// 6 (who else) and 8 (usage).
#include "database/station_query.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "database/query_format.h"
#include "support/database_builder.h"
#include "support/fake_clock.h"
#include "support/recording_progress.h"
#include "support/recording_query_targets.h"

namespace r8 {
namespace {

using testing::AllDayRec;
using testing::Rec;
using testing::UtilRec;
using Strings = std::vector<std::string>;
using Ints = std::vector<int>;
constexpr QueryTarget kFace = QueryTarget::kFacePlate;
constexpr QueryTarget kFind = QueryTarget::kFindWindow;
constexpr QueryTarget kSwbc = QueryTarget::kSwbcList;
constexpr QueryTarget kUtil = QueryTarget::kUtilityList;
constexpr QueryTarget kBcb = QueryTarget::kBcbList;
constexpr QueryTarget kFull = QueryTarget::kFullSchedule;
constexpr QueryTarget kWho = QueryTarget::kOtherStations;

std::string Name25(const std::string& name) { return (name + std::string(25, ' ')).substr(0, 25); }

class QueryTest : public ::testing::Test {
 protected:
  QueryTest() : results_(std::make_unique<QueryResults>()) {}

  void Use(const std::vector<std::string>& names, const std::vector<ScheduleRecord>& records) {
    db_ = testing::MakeDatabase(names, records);
  }

  // Clears the windows, as the callers do, then runs the query.
  void Run(QueryTarget target, QueryKind kind, std::string_view key,
           std::string_view time = kTimeNow, char day = ' ') {
    targets_.ClearAll();
    StationQuery(db_, *results_, ports_, target, kind, key, time, day);
  }

  std::vector<std::string>& Lines(QueryTarget t) { return targets_.Lines(t); }
  std::vector<std::vector<std::string>>& Rows(QueryTarget t) { return targets_.Rows(t); }
  QueryResults& results() { return *results_; }

  template <typename Table>
  static std::vector<int> RecordsOf(const Table& table) {
    std::vector<int> out;
    for (const ResultEntry& e : table.rows()) out.push_back(e.record);
    return out;
  }
  template <typename Table>
  static std::vector<int> FlagsOf(const Table& table) {
    std::vector<int> out;
    for (const ResultEntry& e : table.rows()) out.push_back(e.flag);
    return out;
  }

  StationDatabase db_;
  std::unique_ptr<QueryResults> results_;
  testing::RecordingTargets targets_;
  testing::RecordingProgressBox progress_;
  testing::FakeClock clock_{LocalDateTime{2026, 12, 5, 14, 30, 0}};  // a Saturday
  QueryPorts ports_{&targets_, nullptr, &progress_, &clock_, 0.0};
};

// The records make(0) .. make(n - 1).
std::vector<ScheduleRecord> Many(int n, const std::function<ScheduleRecord(int)>& make) {
  std::vector<ScheduleRecord> out;
  for (int i = 0; i < n; ++i) out.push_back(make(i));
  return out;
}

class OnNowQuery : public QueryTest {};
class TableQuery : public QueryTest {};

TEST_F(OnNowQuery, TimeTestLooksOnlyAtTheCurrentHoursBucket) {
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
      {1400, 1500, "13:0", false},  // no time, although its digits would add up to 1400
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

TEST_F(OnNowQuery, DayTestFollowsTheMaskAndTheClocksDay) {
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
  EXPECT_EQ(RecordsOf(results().face_plate), (Ints{2}));
  clock_.Set({2026, 12, 7, 14, 30, 0});  // a Monday
  Run(kFace, QueryKind::kOnFrequency, "9580");
  EXPECT_EQ(RecordsOf(results().face_plate), (Ints{1}));
}

TEST_F(OnNowQuery, PresentTimeIsTheClockShiftedByTheUtcOffset) {
  Use({"Radio"}, {Rec(0, 100, 1, 9580, 0x40), Rec(2300, 2400, 1, 9580)});
  clock_.Set({2026, 12, 4, 23, 30, 0});  // Friday 23:30 local, one hour behind UTC
  ports_.utc_offset_hours = 1.0;
  Run(kFace, QueryKind::kOnFrequency, "9580");
  EXPECT_EQ(RecordsOf(results().face_plate), (Ints{1}));  // Saturday 0030 UTC
  ports_.utc_offset_hours = 0.0;
  Run(kFace, QueryKind::kOnFrequency, "9580");
  EXPECT_EQ(RecordsOf(results().face_plate), (Ints{2}));
  // Without a clock nothing is on the air now; the all-day pass still runs.
  ports_.clock = nullptr;
  Run(kFace, QueryKind::kOnFrequency, "9580");
  EXPECT_EQ(results().face_plate.count(), 0);
}

TEST_F(OnNowQuery, FrequencyWindowIsPlusMinusTwoHundredFiveHertz) {
  Use({"Radio"},
      {Rec(1400, 1500, 1, 9580.0), Rec(1400, 1500, 1, 9579.7), Rec(1400, 1500, 1, 9580.4),
       Rec(1400, 1500, 1, 9580.42), Rec(1400, 1500, 1, 9579.99)});
  Run(kFace, QueryKind::kOnFrequency, " 9580.20 ", "1430");
  EXPECT_EQ(RecordsOf(results().face_plate), (Ints{1, 3}));
}

TEST_F(OnNowQuery, FrontPanelLinesCarryTheHeardFlagAndStopAtTen) {
  std::vector<ScheduleRecord> records = Many(15, [](int) { return AllDayRec(2, 9580, "Eu"); });
  records[0] = Rec(1400, 1500, 1, 9580, 0x3E, "NA", 'T');
  Use({"Radio Kestrel Intl", "Voice of Valdoria"}, records);
  Run(kFace, QueryKind::kOnFrequency, "9580", "1430");
  ASSERT_EQ(results().face_plate.count(), 10);
  ASSERT_EQ(Lines(kFace).size(), 10u);
  EXPECT_EQ(Lines(kFace)[0], "1400-1500\t mtwhf \t" + Name25("Radio Kestrel Intl") + "\tNA");
  EXPECT_EQ(Lines(kFace)[1], "24hr-    \t       \t" + Name25("Voice of Valdoria") + "\tEu");
  EXPECT_EQ(FlagsOf(results().face_plate)[0], 1);
  EXPECT_EQ(FlagsOf(results().face_plate)[1], 0);
}

TEST_F(OnNowQuery, AllDayAndUtilityRecordsPassWithoutTimeOrDayTests) {
  Use({"Radio"}, {Rec(1400, 1500, 1, 9580), AllDayRec(1, 9580), UtilRec("FAX1", 1, 9580)});
  db_.MutableRecord(2)->Days = 0x01;  // Sundays only, yet listed on a Saturday
  Run(kFace, QueryKind::kOnFrequency, "9580");
  EXPECT_EQ(RecordsOf(results().face_plate), (Ints{1, 2, 3}));
  Run(kFace, QueryKind::kOnFrequency, "9580", "0300");
  EXPECT_EQ(RecordsOf(results().face_plate), (Ints{2, 3}));
}

TEST_F(OnNowQuery, KeysThatAreNotNumbersAndOddTimesFindNothingOnTheHour) {
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
    EXPECT_EQ(RecordsOf(results().face_plate), (Ints{2})) << time;
  }
}

TEST_F(OnNowQuery, FindLinesAreCaseSensitiveAndOnePerFrequency) {
  Use({"Radio Kestrel Intl", "Voice of Valdoria"},
      {Rec(1400, 1500, 1, 5950, 0x3E, "Eu"), Rec(1400, 1500, 1, 6005, 0x3E, "Eu", 'T'),
       Rec(1400, 1500, 1, 7205, 0x3E, "Eu"), Rec(1400, 1500, 2, 9580), AllDayRec(1, 15400, "Af")});
  Run(kFind, QueryKind::kFindNow, "  Kestrel ", "1430");
  EXPECT_EQ(Lines(kFind),
            (Strings{"1400-1500\t mtwhf \t 5950.0\tEu", "1400-1500\t mtwhf \t 6005.0\tEu",
                     "1400-1500\t mtwhf \t 7205.0\tEu", "24hr-    \t       \t15400.0\tAf"}));
  EXPECT_EQ(FlagsOf(results().find), (Ints{0, 1, 0, 0}));
  for (const std::string& line : Lines(kFind)) EXPECT_LE(line.size(), 29u);
  Run(kFind, QueryKind::kFindNow, "kestrel", "1430");
  EXPECT_EQ(results().find.count(), 0);
}

TEST_F(OnNowQuery, StationListsGroupFrequenciesUnderTimeHeadings) {
  Use({"Radio Kestrel Intl", "Voice of Valdoria", "Radio Marisol"},
      {Rec(1400, 1500, 1, 5950), Rec(1400, 1500, 1, 6005), Rec(1400, 1500, 1, 7205),
       Rec(1400, 1500, 2, 9580), Rec(1430, 1500, 3, 9650), Rec(1430, 1600, 3, 11750),
       AllDayRec(2, 15400), AllDayRec(2, 15575), AllDayRec(3, 6155), UtilRec("FAX1", 1, 8040)});
  Run(kSwbc, QueryKind::kStationsNow, "", "1445");
  EXPECT_EQ(Lines(kSwbc),
            (Strings{"=======[1400-1500]=======", "Radio Kestrel Intl", "Voice of Valdoria",
                     "=======[1430-1500]=======", "Radio Marisol",
                     "=======[1430-1600]=======", "Radio Marisol",
                     "=========[24hr]==========", "Voice of Valdoria", "Radio Marisol"}));
  EXPECT_EQ(RecordsOf(results().what_swbc), (Ints{1, 1, 4, 5, 5, 6, 6, 7, 7, 9}));
  EXPECT_EQ(FlagsOf(results().what_swbc), (Ints{1, 0, 0, 1, 0, 1, 0, 1, 0, 0}));
}

TEST_F(OnNowQuery, StationRowsAreFlaggedWhenAFrequencyOfTheirRunIsHeardToday) {
  Use({"A", "B", "C"}, {Rec(1400, 1500, 1, 5950), Rec(1400, 1500, 1, 6005, 0, "Eu", 'T'),
                        Rec(1400, 1500, 2, 7205, 0x02, "Eu", 'T'),  // heard, but Mondays only
                        Rec(1400, 1500, 2, 7210), Rec(1400, 1500, 3, 9580, 0, "Eu", 'T')});
  // On Saturday B is on the air on 7210 only: listed through it, and not flagged.
  Run(kSwbc, QueryKind::kStationsNow, "", "1430", 'a');
  EXPECT_EQ(Lines(kSwbc), (Strings{"=======[1400-1500]=======", "A", "B", "C"}));
  EXPECT_EQ(RecordsOf(results().what_swbc), (Ints{1, 1, 4, 5}));
  EXPECT_EQ(FlagsOf(results().what_swbc), (Ints{1, 1, 0, 1}));
  Run(kSwbc, QueryKind::kStationsNow, "", "1430", 'm');
  EXPECT_EQ(Lines(kSwbc), (Strings{"=======[1400-1500]=======", "A", "B", "C"}));
  EXPECT_EQ(FlagsOf(results().what_swbc), (Ints{1, 1, 1, 1}));
}

TEST_F(OnNowQuery, UtilityAndBcbListsSplitTheUtilityBucketByCode) {
  Use({"Ocean Fax", "Metro 1010", "Highway CB", "Mixed Station"},
      {Rec(1400, 1500, 1, 9580), UtilRec("FAX1", 1, 8040), UtilRec("BCB ", 2, 1010),
       UtilRec("CB  ", 3, 27185), UtilRec("BCB ", 4, 1520), UtilRec("USB ", 4, 6507)});
  Run(kUtil, QueryKind::kStationsNow, "", "1430");
  EXPECT_EQ(Lines(kUtil), (Strings{"=========[FAX1]==========", "Ocean Fax",
                                   "=========[USB ]==========", "Mixed Station"}));
  Run(kBcb, QueryKind::kStationsNow, "", "1430");
  EXPECT_EQ(Lines(kBcb), (Strings{"=========[BCB ]==========", "Metro 1010",
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

TEST_F(OnNowQuery, OnAirNamesAreTrimmedAndListedOncePerRun) {
  Use({"Radio Kestrel Intl", "Voice of Valdoria"},
      {Rec(1400, 1500, 1, 5950), Rec(1400, 1500, 1, 6005), Rec(1400, 1500, 1, 7205, 0x41),
       Rec(1400, 1500, 2, 9580), Rec(1500, 1600, 2, 9580), AllDayRec(2, 15400), AllDayRec(2, 15575),
       UtilRec("FAX1", 1, 8040)});
  Run(QueryTarget::kNone, QueryKind::kOnAirNames, "", "1430", 'a');
  EXPECT_EQ(
      std::vector<std::string>(results().on_air.rows().begin(), results().on_air.rows().end()),
      (Strings{"Radio Kestrel Intl", "Radio Kestrel Intl", "Voice of Valdoria", "Voice of Valdoria",
               "Radio Kestrel Intl"}));
  // A station whose first record of the hour has ended is still found by its next one.
  Use({"Radio Kestrel Intl"}, {Rec(1400, 1430, 1, 5950), Rec(1430, 1500, 1, 5950)});
  Run(QueryTarget::kNone, QueryKind::kOnAirNames, "", "1445");
  ASSERT_EQ(results().on_air.count(), 1);
  EXPECT_EQ(results().on_air[0], "Radio Kestrel Intl");
}

TEST_F(OnNowQuery, AnEmptyTableLeavesNoStaleResults) {
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

const std::string kEmptyFreq = "\t       \t  ";
const std::string kContinuation =
    std::string(9, ' ') + "\t" + std::string(7, ' ') + "\t" + std::string(25, ' ');

TEST_F(TableQuery, NineFrequenciesOfAGroupMakeThreeScheduleRows) {
  std::vector<ScheduleRecord> records = {Rec(1200, 1300, 2, 7325)};
  for (int i = 0; i < 9; ++i) records.push_back(Rec(1400, 1500, 1, 5950 + 100 * i, 0x3E, "Eu"));
  Use({"Radio Kestrel Intl", "Other"}, records);
  Run(kFull, QueryKind::kFullSchedule, "kestrel");
  ASSERT_EQ(results().schedule.count(), 3);
  EXPECT_EQ(results().schedule[0], (ScheduleRow{1, 4, {2, 3, 4, 5}}));
  EXPECT_EQ(results().schedule[1], (ScheduleRow{0, 4, {6, 7, 8, 9}}));
  EXPECT_EQ(results().schedule[2], (ScheduleRow{0, 1, {10, 0, 0, 0}}));
  const auto& rows = Rows(kFull);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], (Strings{"1400-1500\t mtwhf \t" + Name25("Radio Kestrel Intl"),
                              "\t 5950.0\tEu", "\t 6050.0\tEu", "\t 6150.0\tEu", "\t 6250.0\tEu"}));
  EXPECT_EQ(rows[1][0], kContinuation);
  EXPECT_EQ(rows[2], (Strings{kContinuation, "\t 6750.0\tEu", kEmptyFreq, kEmptyFreq, kEmptyFreq}));
}

TEST_F(TableQuery, GroupsNeedEqualTimesDaysAndStation) {
  Use({"Radio A", "Radio AB"},
      {Rec(1400, 1500, 1, 5950), Rec(1400, 1500, 1, 6005), Rec(1400, 1500, 1, 7205),  // one row
       Rec(1400, 1500, 1, 7390, 0x41),                                                // days differ
       Rec(1400, 1530, 1, 9410),  // stop differs
       Rec(1400, 1530, 2, 9580),  // name differs
       AllDayRec(1, 11750), UtilRec("FAX1", 1, 8040)});
  Run(kFull, QueryKind::kFullSchedule, "radio a");
  std::vector<int> starts;
  std::vector<int> sizes;
  for (const ScheduleRow& r : results().schedule.rows()) {
    starts.push_back(r.group_start);
    sizes.push_back(r.freq_count);
  }
  EXPECT_EQ(sizes, (Ints{3, 1, 1, 1, 1, 1}));
  EXPECT_EQ(starts, (Ints{1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(Rows(kFull)[4][0], "24hr-    \t       \t" + Name25("Radio A"));
  EXPECT_EQ(Rows(kFull)[5][0], "Util-FAX1\t       \t" + Name25("Radio A"));
  Run(kFull, QueryKind::kFullSchedule, "RADIO AB");
  EXPECT_EQ(results().schedule.count(), 1);
}

TEST_F(TableQuery, WholeTableKindsShowSearchProgress) {
  Use({"Radio"},
      Many(200, [](int i) { return Rec(i / 10 * 100, i / 10 * 100 + 30, 1, 6000 + i); }));
  for (QueryKind kind : {QueryKind::kFullSchedule, QueryKind::kFreqUsage}) {
    progress_ = testing::RecordingProgressBox();
    Run(kind == QueryKind::kFreqUsage ? kFind : kFull, kind, "Radio");
    EXPECT_EQ(progress_.events, (Strings{"open Searching Database | Searching...", "close"}));
    EXPECT_EQ(progress_.percents.size(), 20u);
    EXPECT_EQ(progress_.percents.back(), 100);
  }
  // The on-now kinds show no progress.
  progress_ = testing::RecordingProgressBox();
  Run(QueryTarget::kFacePlate, QueryKind::kOnFrequency, "6000");
  EXPECT_TRUE(progress_.events.empty());
}

TEST_F(TableQuery, WhoElseListsEveryRecordOnTheFrequencyInTwoCells) {
  Use({"Radio Kestrel Intl", "Voice of Valdoria"},
      {Rec(100, 200, 1, 9580, 0x41, "Eu", 'T'), Rec(1400, 1500, 2, 9580.2, 0, "NA"),
       Rec(1400, 1500, 2, 9580.3), AllDayRec(2, 9579.8, "Oc")});
  Run(kWho, QueryKind::kWhoElse, "9580");
  EXPECT_EQ(RecordsOf(results().who), (Ints{1, 2, 4}));
  EXPECT_EQ(FlagsOf(results().who), (Ints{1, 0, 0}));
  EXPECT_EQ(Rows(kWho), (std::vector<std::vector<std::string>>{
                            {"0100-0200\ts     a", Name25("Radio Kestrel Intl") + "\tEu"},
                            {"1400-1500\t       ", Name25("Voice of Valdoria") + "\tNA"},
                            {"24hr-    \t       ", Name25("Voice of Valdoria") + "\tOc"}}));
  Run(kWho, QueryKind::kWhoElse, "nine");
  EXPECT_EQ(results().who.count(), 0);
  EXPECT_TRUE(Rows(kWho).empty());
}

TEST_F(TableQuery, UsageListsDistinctFrequenciesAscendingWithHeardFlags) {
  Use({"Radio Kestrel Intl", "Other"},
      {Rec(100, 200, 1, 6000, 0, "Eu", 'T'), Rec(300, 400, 1, 5000), Rec(500, 600, 2, 5500),
       Rec(700, 800, 1, 7000), Rec(900, 1000, 1, 5000, 0, "Eu", 'F'),
       Rec(1100, 1200, 1, 7000, 0, "Eu", 'T'), Rec(1300, 1400, 1, 4000)});
  Run(kFind, QueryKind::kFreqUsage, "Kestrel");
  EXPECT_EQ(Lines(kFind),
            (Strings{" Various \t       \t 4000.0\t  ", " Various \t       \t 5000.0\t  ",
                     " Various \t       \t 6000.0\t  ", " Various \t       \t 7000.0\t  "}));
  EXPECT_EQ(RecordsOf(results().find), (Ints{7, 2, 1, 4}));
  EXPECT_EQ(FlagsOf(results().find), (Ints{0, 0, 1, 1}));
}

// Every list stops at its capacity, and what it holds then is the first records in table order.
TEST_F(QueryTest, EveryListStopsAtItsCapacity) {
  std::vector<std::string> stations;
  for (int i = 0; i < 450; ++i) stations.push_back("Station " + std::to_string(i));
  struct Case {
    const char* what;
    int records;
    std::function<ScheduleRecord(int)> make;
    QueryTarget target;
    QueryKind kind;
    const char* key;
    int capacity;
    std::function<void()> more;  // what the full list holds last
  };
  const Case cases[] = {
      {"find", 350,
       [](int i) { return i < 250 ? Rec(1400, 1500, 1, 6000 + i) : AllDayRec(1, 9000 + i); }, kFind,
       QueryKind::kFindNow, "Station 0", 300, [&] { EXPECT_EQ(results().find[299].record, 300); }},
      {"station list", 450,
       [](int i) { return Rec(1400, 1500, static_cast<std::uint16_t>(i + 1), 6000 + i); }, kSwbc,
       QueryKind::kStationsNow, "", 400,
       [&] { EXPECT_EQ(Lines(kSwbc).back(), "Station 398"); }},  // one heading, 399 stations
      {"schedule", 700,
       [](int i) { return Rec(i % 24 * 100, i % 24 * 100 + 30 + i / 24, 1, 6000 + i); }, kFull,
       QueryKind::kFullSchedule, "STATION 0", 600,
       // A full table takes no more frequencies into its last row from later groups.
       [&] { EXPECT_EQ(results().schedule[599].freq_count, 1); }},
      {"who else", 150, [](int) { return AllDayRec(1, 9580); }, kWho, QueryKind::kWhoElse, "9580",
       100, [] {}},
      {"usage", 320, [](int i) { return Rec(i % 24 * 100, i % 24 * 100 + 30, 1, 20000 - i); },
       kFind, QueryKind::kFreqUsage, "STATION 0", 300,
       [&] {
         EXPECT_EQ(Lines(kFind).front(), UsageLine(19701));
         EXPECT_EQ(Lines(kFind).back(), UsageLine(20000));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Use(stations, Many(c.records, c.make));
    Run(c.target, c.kind, c.key, "1430");
    const std::size_t shown =
        c.target == kFull || c.target == kWho ? Rows(c.target).size() : Lines(c.target).size();
    EXPECT_EQ(shown, static_cast<std::size_t>(c.capacity));
    c.more();
  }
}

TEST_F(TableQuery, PrintedScheduleGoesToTheTextOutputAndStarNeedsAFile) {
  Use({"Radio Kestrel Intl"}, {Rec(0, 100, 1, 5950)});
  testing::RecordingText printer(false);
  ports_.text = &printer;
  Run(QueryTarget::kTextOutput, QueryKind::kPrintSchedule, "*");
  EXPECT_TRUE(printer.lines.empty());
  Run(QueryTarget::kTextOutput, QueryKind::kPrintSchedule, "KESTREL");
  EXPECT_EQ(printer.lines,
            (Strings{"0000-0100         " + Name25("Radio Kestrel Intl") + "  5950.0Eu "}));
  testing::RecordingText file(true);
  ports_.text = &file;
  Run(QueryTarget::kTextOutput, QueryKind::kPrintSchedule, "*");
  EXPECT_EQ(file.lines.size(), 1u);
  // Without a text output there is nowhere to print, and nothing breaks.
  ports_.text = nullptr;
  Run(QueryTarget::kTextOutput, QueryKind::kPrintSchedule, "*");
}

}  // namespace
}  // namespace r8
