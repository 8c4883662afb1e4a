// The whole-table kinds: 4 (full schedule), 5 (printed schedule), 6 (who else), 8 (usage).
#include <gtest/gtest.h>

#include "database/query_format.h"
#include "database/query_test_support.h"

namespace r8 {
namespace {

using testing::AllDayRec;
using testing::Name25;
using testing::Rec;
using testing::UtilRec;
constexpr QueryTarget kFull = QueryTarget::kFullSchedule;
constexpr QueryTarget kWho = QueryTarget::kOtherStations;
constexpr QueryTarget kFind = QueryTarget::kFindWindow;

class TableQueryTest : public testing::QueryTest {};

const std::string kEmptyFreq = "\t       \t  ";
const std::string kContinuation =
    std::string(9, ' ') + "\t" + std::string(7, ' ') + "\t" + std::string(25, ' ');

TEST_F(TableQueryTest, NineFrequenciesOfAGroupMakeThreeScheduleRows) {
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
  EXPECT_EQ(rows[0], (std::vector<std::string>{
                         "1400-1500\t mtwhf \t" + Name25("Radio Kestrel Intl"), "\t 5950.0\tEu",
                         "\t 6050.0\tEu", "\t 6150.0\tEu", "\t 6250.0\tEu"}));
  EXPECT_EQ(rows[1][0], kContinuation);
  EXPECT_EQ(rows[2], (std::vector<std::string>{kContinuation, "\t 6750.0\tEu", kEmptyFreq,
                                               kEmptyFreq, kEmptyFreq}));
}

TEST_F(TableQueryTest, GroupsNeedEqualTimesDaysAndStation) {
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
  EXPECT_EQ(sizes, (std::vector<int>{3, 1, 1, 1, 1, 1}));
  EXPECT_EQ(starts, (std::vector<int>{1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(Rows(kFull)[4][0], "24hr-    \t       \t" + Name25("Radio A"));
  EXPECT_EQ(Rows(kFull)[5][0], "Util-FAX1\t       \t" + Name25("Radio A"));
  Run(kFull, QueryKind::kFullSchedule, "RADIO AB");
  EXPECT_EQ(results().schedule.count(), 1);
}

TEST_F(TableQueryTest, ScheduleRowsStopAtSixHundred) {
  std::vector<ScheduleRecord> records;
  for (int i = 0; i < 700; ++i) {
    records.push_back(Rec(i % 24 * 100, i % 24 * 100 + 30 + i / 24, 1, 6000 + i));
  }
  Use({"Radio"}, records);
  Run(kFull, QueryKind::kFullSchedule, "RADIO");
  EXPECT_EQ(results().schedule.count(), 600);
  EXPECT_EQ(Rows(kFull).size(), 600u);
  // A full table takes no more frequencies into its last row from later groups.
  EXPECT_EQ(results().schedule[599].freq_count, 1);
}

TEST_F(TableQueryTest, WholeTableKindsShowSearchProgress) {
  std::vector<ScheduleRecord> records;
  for (int i = 0; i < 200; ++i)
    records.push_back(Rec(i / 10 * 100, i / 10 * 100 + 30, 1, 6000 + i));
  Use({"Radio"}, records);
  for (QueryKind kind : {QueryKind::kFullSchedule, QueryKind::kFreqUsage}) {
    progress_ = testing::RecordingProgressBox();
    Run(kind == QueryKind::kFreqUsage ? kFind : kFull, kind, "Radio");
    EXPECT_EQ(progress_.events,
              (std::vector<std::string>{"open Searching Database | Searching...", "close"}));
    EXPECT_EQ(progress_.percents.size(), 20u);
    EXPECT_EQ(progress_.percents.back(), 100);
  }
  // The on-now kinds show no progress.
  progress_ = testing::RecordingProgressBox();
  Run(QueryTarget::kFacePlate, QueryKind::kOnFrequency, "6000");
  EXPECT_TRUE(progress_.events.empty());
}

TEST_F(TableQueryTest, WhoElseListsEveryRecordOnTheFrequencyInTwoCells) {
  Use({"Radio Kestrel Intl", "Voice of Valdoria"},
      {Rec(100, 200, 1, 9580, 0x41, "Eu", 'T'), Rec(1400, 1500, 2, 9580.2, 0, "NA"),
       Rec(1400, 1500, 2, 9580.3), AllDayRec(2, 9579.8, "Oc")});
  Run(kWho, QueryKind::kWhoElse, "9580");
  EXPECT_EQ(RecordsOf(results().who), (std::vector<int>{1, 2, 4}));
  EXPECT_EQ(FlagsOf(results().who), (std::vector<int>{1, 0, 0}));
  EXPECT_EQ(Rows(kWho), (std::vector<std::vector<std::string>>{
                            {"0100-0200\ts     a", Name25("Radio Kestrel Intl") + "\tEu"},
                            {"1400-1500\t       ", Name25("Voice of Valdoria") + "\tNA"},
                            {"24hr-    \t       ", Name25("Voice of Valdoria") + "\tOc"}}));
  Run(kWho, QueryKind::kWhoElse, "nine");
  EXPECT_EQ(results().who.count(), 0);
  EXPECT_TRUE(Rows(kWho).empty());
}

TEST_F(TableQueryTest, WhoElseStopsAtOneHundred) {
  std::vector<ScheduleRecord> records;
  for (int i = 0; i < 150; ++i) records.push_back(AllDayRec(1, 9580));
  Use({"Radio"}, records);
  Run(kWho, QueryKind::kWhoElse, "9580");
  EXPECT_EQ(results().who.count(), 100);
  EXPECT_EQ(Rows(kWho).size(), 100u);
}

TEST_F(TableQueryTest, UsageListsDistinctFrequenciesAscendingWithHeardFlags) {
  Use({"Radio Kestrel Intl", "Other"},
      {Rec(100, 200, 1, 6000, 0, "Eu", 'T'), Rec(300, 400, 1, 5000), Rec(500, 600, 2, 5500),
       Rec(700, 800, 1, 7000), Rec(900, 1000, 1, 5000, 0, "Eu", 'F'),
       Rec(1100, 1200, 1, 7000, 0, "Eu", 'T'), Rec(1300, 1400, 1, 4000)});
  Run(kFind, QueryKind::kFreqUsage, "Kestrel");
  EXPECT_EQ(Lines(kFind),
            (std::vector<std::string>{
                " Various \t       \t 4000.0\t  ", " Various \t       \t 5000.0\t  ",
                " Various \t       \t 6000.0\t  ", " Various \t       \t 7000.0\t  "}));
  EXPECT_EQ(RecordsOf(results().find), (std::vector<int>{7, 2, 1, 4}));
  EXPECT_EQ(FlagsOf(results().find), (std::vector<int>{0, 0, 1, 1}));
}

TEST_F(TableQueryTest, UsageStopsAtThreeHundredLines) {
  std::vector<ScheduleRecord> records;
  for (int i = 0; i < 320; ++i)
    records.push_back(Rec(i % 24 * 100, i % 24 * 100 + 30, 1, 20000 - i));
  Use({"Radio"}, records);
  Run(kFind, QueryKind::kFreqUsage, "RADIO");
  EXPECT_EQ(results().find.count(), 300);
  ASSERT_EQ(Lines(kFind).size(), 300u);
  EXPECT_EQ(Lines(kFind).front(), UsageLine(19701));
  EXPECT_EQ(Lines(kFind).back(), UsageLine(20000));
}

TEST_F(TableQueryTest, PrintedScheduleGoesToTheTextOutputAndStarNeedsAFile) {
  Use({"Radio Kestrel Intl"}, {Rec(0, 100, 1, 5950)});
  testing::RecordingText printer(false);
  ports_.text = &printer;
  Run(QueryTarget::kTextOutput, QueryKind::kPrintSchedule, "*");
  EXPECT_TRUE(printer.lines.empty());
  Run(QueryTarget::kTextOutput, QueryKind::kPrintSchedule, "KESTREL");
  EXPECT_EQ(printer.lines,
            (std::vector<std::string>{"0000-0100         " + Name25("Radio Kestrel Intl") +
                                      "  5950.0Eu "}));
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
