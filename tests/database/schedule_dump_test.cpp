#include "database/schedule_dump.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/file_date.h"
#include "support/database_builder.h"
#include "support/recording_launcher.h"
#include "support/recording_progress.h"
#include "support/scripted_prompts.h"

namespace r8 {
namespace {

namespace fs = std::filesystem;
using testing::AllDayRec;
using testing::Rec;
using testing::UtilRec;

const std::string k43(43, ' ');

StationDatabase CraftedDatabase() {
  std::vector<ScheduleRecord> records = {Rec(0, 100, 1, 5950, 0, "Eu", 'F'),
                                         Rec(0, 100, 1, 6005, 0, "Eu", 'T'),
                                         Rec(0, 100, 2, 7325, 0x41, "NA", 'F')};
  // Nine frequencies of one group: three lines of 4, 4 and 1 cells.
  for (double f : {5975.0, 6070.0, 6155.0, 7205.0, 7390.0, 9410.0, 9650.0, 9700.0, 11750.5}) {
    records.push_back(Rec(1430, 1500, 4, f, 0x3E, "As", f == 9410.0 ? 'T' : 'F'));
  }
  records.push_back(AllDayRec(2, 9580, "Oc"));
  // Exactly four cells end the table: the last line is full, so an empty line follows it.
  for (double f : {2500.0, 5000.0, 10000.0, 15000.0}) records.push_back(UtilRec("TIME", 3, f));
  return testing::MakeDatabase({"Radio Kestrel Intl", "Voice of Valdoria", "Time Signal Service",
                                "ABCDEFGHIJKLMNOPQRSTUVWXY"},
                               records);
}

class ScheduleDumpTest : public ::testing::Test {
 protected:
  ScheduleDumpTest() : profile_(dir_ / "TARVELIN.INI") {}

  testing::TempDir dir_;
  testing::ScriptedPrompts prompts_;
  testing::RecordingLauncher launcher_;
  testing::RecordingProgressBox progress_;
  ProfileFile profile_;
  DatabasePorts ports_{prompts_, launcher_, profile_, &progress_};
};

TEST_F(ScheduleDumpTest, TheDumpIsByteExact) {
  const StationDatabase db = CraftedDatabase();
  ASSERT_EQ(DoPrint(dir_.path(), db, "*", ".\\SKEDULE.TXT", ports_).outcome, DumpOutcome::kWritten);
  const std::string expected =
      "0000-0100         Radio Kestrel Intl         5950.0Eu   6005.0Eu*\r\n"
      "0000-0100 s     a Voice of Valdoria          7325.0NA \r\n"
      "1430-1500  mtwhf  ABCDEFGHIJKLMNOPQRSTUVWXY  5975.0As   6070.0As   6155.0As   7205.0As "
      "\r\n" +
      k43 + "  7390.0As   9410.0As*  9650.0As   9700.0As \r\n" + k43 +
      " 11750.5As \r\n"
      "24hr-             Voice of Valdoria          9580.0Oc \r\n"
      "Util-TIME         Time Signal Service        2500.0     5000.0    10000.0    15000.0   \r\n"
      "\r\n";
  EXPECT_EQ(testing::ReadBytes(dir_ / "SKEDULE.TXT"), expected);
  EXPECT_TRUE(prompts_.messages.empty());
  EXPECT_EQ(progress_.events.front(), "open Searching Database | Searching...");
}

TEST_F(ScheduleDumpTest, ALastLineNotFullEndsTheFile) {
  std::vector<ScheduleRecord> records;
  for (int i = 0; i < 5; ++i) records.push_back(Rec(1400, 1500, 1, 6000 + 5 * i));
  EXPECT_EQ(ScheduleFileText(testing::MakeDatabase({"Radio"}, records), "*", nullptr),
            "1400-1500" + std::string(9, ' ') + "Radio" + std::string(20, ' ') +
                "  6000.0Eu   6005.0Eu   6010.0Eu   6015.0Eu \r\n" + k43 + "  6020.0Eu \r\n");
}

TEST_F(ScheduleDumpTest, DumpingToSkeduleNeverAsksAndRecordsItsDate) {
  testing::WriteBytes(dir_ / "SKEDULE.TXT", "an older dump\r\n");
  testing::WriteBytes(dir_ / "TARVELIN.INI", "[DATABASE]\r\nFD=0\r\n");
  const StationDatabase db = CraftedDatabase();
  EXPECT_EQ(DoPrint(dir_.path(), db, "*", "SKEDULE.TXT", ports_).outcome, DumpOutcome::kWritten);
  EXPECT_TRUE(prompts_.messages.empty());
  const auto date = GetFileDate(dir_ / "SKEDULE.TXT");
  ASSERT_TRUE(date.has_value());
  EXPECT_EQ(static_cast<std::uint32_t>(profile_.ReadInt("DATABASE", "FD", 0)), *date);
  // So the next load reads the database instead of handing the dump to the companion.
  EXPECT_FALSE(DumpNeedsConversion(dir_.path(), profile_));
}

TEST_F(ScheduleDumpTest, AnotherExistingFileIsReplacedOnlyOnYes) {
  const StationDatabase db = CraftedDatabase();
  const fs::path target = dir_ / "KESTREL.TXT";
  for (Answer a : {Answer::kNo, Answer::kYes}) {
    testing::WriteBytes(target, "keep me");
    prompts_ = testing::ScriptedPrompts();
    prompts_.QueueAnswer(a);
    const DumpOutcome outcome =
        DoPrint(dir_.path(), db, "kestrel", target.string(), ports_).outcome;
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_EQ(prompts_.messages[0].text,
              ExpandedPath(target) + "\rThis file already exists.\r\rReplace existing file?");
    EXPECT_EQ(prompts_.messages[0].buttons, MessageButtons::kYesNo);
    if (a == Answer::kNo) {
      EXPECT_EQ(outcome, DumpOutcome::kDeclined);
      EXPECT_EQ(testing::ReadBytes(target), "keep me");
    } else {
      EXPECT_EQ(outcome, DumpOutcome::kWritten);
      EXPECT_EQ(testing::ReadBytes(target),
                "0000-0100         Radio Kestrel Intl         5950.0Eu   6005.0Eu*\r\n");
    }
  }
  // A named station's print is not the dump: "FD" stays unwritten.
  EXPECT_FALSE(profile_.Find("DATABASE", "FD").has_value());
}

TEST_F(ScheduleDumpTest, DumpingEverythingElsewhereDoesNotHideEditsToSkedule) {
  testing::WriteBytes(dir_ / "SKEDULE.TXT", "edited by hand\r\n");
  testing::WriteBytes(dir_ / "TARVELIN.INI", "[DATABASE]\r\nFD=0\r\n");
  DoPrint(dir_.path(), CraftedDatabase(), "*", (dir_ / "ALL.TXT").string(), ports_);
  EXPECT_EQ(profile_.ReadInt("DATABASE", "FD", -1), 0);
  EXPECT_TRUE(DumpNeedsConversion(dir_.path(), profile_));
}

TEST_F(ScheduleDumpTest, ThePrinterGetsCourierTenAndNothingForTheWholeDatabase) {
  const StationDatabase db = CraftedDatabase();
  DoPrintResult all = DoPrint(dir_.path(), db, "*", "PRN", ports_);
  ASSERT_TRUE(all.print_job.has_value());
  EXPECT_TRUE(all.print_job->lines.empty());

  DoPrintResult one = DoPrint(dir_.path(), db, "Valdoria", "PRN", ports_);
  ASSERT_TRUE(one.print_job.has_value());
  EXPECT_EQ(one.print_job->title, "Valdoria");
  EXPECT_EQ(one.print_job->font_name, "Courier");
  EXPECT_EQ(one.print_job->font_size, 10);
  EXPECT_TRUE(one.print_job->fixed_pitch);
  EXPECT_EQ(one.print_job->lines,
            (std::vector<std::string>{"0000-0100 s     a Voice of Valdoria          7325.0NA ",
                                      "24hr-             Voice of Valdoria          9580.0Oc "}));
  EXPECT_TRUE(fs::is_empty(dir_.path()));  // nothing written to disk for the printer
}

TEST_F(ScheduleDumpTest, NoMatchOrEmptyDatabaseGivesAnEmptyFile) {
  DoPrint(dir_.path(), CraftedDatabase(), "nobody", "NONE.TXT", ports_);
  EXPECT_EQ(testing::ReadBytes(dir_ / "NONE.TXT"), "");
  DoPrint(dir_.path(), StationDatabase(), "*", "SKEDULE.TXT", ports_);
  EXPECT_EQ(testing::ReadBytes(dir_ / "SKEDULE.TXT"), "");
}

}  // namespace
}  // namespace r8
