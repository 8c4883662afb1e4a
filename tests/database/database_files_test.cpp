#include "database/database_files.h"

#include <gtest/gtest.h>

#include "common/file_commit.h"

#include <filesystem>
#include <vector>

#include "common/file_date.h"
#include "database/database_commands.h"
#include "support/database_builder.h"
#include "support/recording_launcher.h"
#include "support/recording_progress.h"
#include "support/scripted_prompts.h"

namespace r8 {
namespace {

namespace fs = std::filesystem;
using testing::AllDayRec;
using testing::DistRecord;
using testing::Rec;
using testing::SavedScheduleBytes;
using testing::StationFileBytes;
using testing::UtilRec;
using testing::WriteBytes;
using testing::WriteDatabaseFiles;

std::vector<ScheduleRecord> Records(const StationDatabase& db) {
  return {db.records().begin(), db.records().end()};
}

class DatabaseFilesTest : public ::testing::Test {
 protected:
  DatabaseFilesTest() : profile_(dir_ / "TARVELIN.INI") {}

  fs::path Folder() const { return dir_.path(); }
  std::string Bytes(const std::string& name) const { return testing::ReadBytes(dir_ / name); }

  testing::TempDir dir_;
  testing::ScriptedPrompts prompts_;
  testing::RecordingLauncher launcher_;
  testing::RecordingProgressBox progress_;
  ProfileFile profile_;
  DatabasePorts ports_{prompts_, launcher_, profile_, &progress_};
  StationDatabase db_;
};

TEST_F(DatabaseFilesTest, SavedFormLoadsUnchangedAndDistributionFormLoadsChanged) {
  const std::vector<ScheduleRecord> saved = {Rec(0, 100, 1, 6005.5, 0, "Eu", 'T'),
                                             Rec(1400, 1500, 2, 9580.0, 0x3E, "NA", 'F'),
                                             AllDayRec(2, 15400.0), UtilRec("FAX1", 1, 8040.0)};
  WriteDatabaseFiles(Folder(), SavedScheduleBytes(saved),
                     StationFileBytes({"Radio One", "Radio Two"}));
  LoadResult r = ReadDB(Folder(), db_, ports_);
  EXPECT_EQ(r.status, LoadStatus::kLoaded);
  EXPECT_EQ(r.layout, DatabaseLayout::kSaved);
  EXPECT_EQ(Records(db_), saved);
  EXPECT_EQ(db_.DatabaseChanged(), 0);
  EXPECT_EQ(db_.StationNameOf(db_.Record(2)), "Radio Two" + std::string(16, ' '));
  EXPECT_TRUE(prompts_.messages.empty());
  EXPECT_EQ(progress_.events,
            (std::vector<std::string>{
                "open Loading Database | Wait....  Reading Database :    4 Records to read.",
                "message Wait....  Reading Stations :    2 Records to read.",
                "message Wait....  Indexing Database.", "close"}));

  // Beginning with the digits 0000 as text: the distribution form, which leaves the flag at 1.
  WriteDatabaseFiles(Folder(),
                     testing::DistributionScheduleBytes({{"0000", "0100", 0, 1, 6005, "Eu", 'T'},
                                                         {"24hr", "    ", 0, 2, 15400, "Af", 'F'},
                                                         {"Util", "FAX1", 0, 1, 8040, "  ", 'F'}}),
                     StationFileBytes({"Radio One", "Radio Two"}));
  r = ReadDB(Folder(), db_, ports_);
  EXPECT_EQ(r.layout, DatabaseLayout::kDistribution);
  EXPECT_EQ(db_.DatabaseChanged(), 1);
  ASSERT_EQ(db_.count(), 3);
  EXPECT_EQ(db_.Record(1), Rec(0, 100, 1, 6005.0, 0, "Eu", 'T'));
  EXPECT_EQ(db_.Record(2), Rec(2400, 0, 2, 15400.0, 0, "Af", 'F'));
  EXPECT_EQ(db_.BucketRange(kAllDayBucket).first, 2);
  EXPECT_EQ(db_.BucketRange(kUtilityBucket).first, 3);
}

TEST_F(DatabaseFilesTest, AFileSizeNotAMultipleOfSixteenLoadsTheWholeRecordsAndSaysSo) {
  WriteDatabaseFiles(Folder(),
                     SavedScheduleBytes({Rec(0, 100, 1, 1), Rec(100, 200, 1, 2)}) + "abcde",
                     StationFileBytes({"A"}) + "xyz");
  const LoadResult r = ReadDB(Folder(), db_, ports_);
  EXPECT_EQ(r.status, LoadStatus::kLoaded);
  EXPECT_EQ(db_.count(), 2);
  EXPECT_EQ(db_.stations().size(), 1u);
  ASSERT_EQ(prompts_.messages.size(), 1u);
  EXPECT_EQ(prompts_.messages[0].kind, MessageKind::kWarning);
  EXPECT_EQ(prompts_.messages[0].text,
            "SWBCGIDE.DAT ends with 5 bytes that do not make a whole record; they were "
            "ignored.\r\rSTATIONS.DAT ends with 3 bytes that do not make a whole record; they "
            "were ignored.");
  EXPECT_FALSE(db_.incomplete());  // the stray bytes were no record; the table may be saved
}

TEST_F(DatabaseFilesTest, MoreRecordsOrNamesThanTheTablesHoldAreLeftOnDiskUntouched) {
  std::vector<ScheduleRecord> many;
  for (int i = 0; i < kMaxRecords + 2; ++i) many.push_back(Rec(0, 100, 1, i));
  std::vector<std::string> names;
  for (int i = 0; i < kMaxStations + 1; ++i) names.push_back("Station " + std::to_string(i));
  const std::string schedule = SavedScheduleBytes(many);
  const std::string stations = StationFileBytes(names);
  WriteDatabaseFiles(Folder(), schedule, stations);
  const LoadResult r = ReadDB(Folder(), db_, ports_);
  EXPECT_EQ(db_.count(), kMaxRecords);
  EXPECT_EQ(db_.Record(kMaxRecords).Freq, kMaxRecords - 1);
  EXPECT_EQ(db_.stations().size(), static_cast<std::size_t>(kMaxStations));
  ASSERT_EQ(r.warnings.size(), 2u);
  EXPECT_EQ(r.warnings[0],
            "SWBCGIDE.DAT holds 10001 records, more than the 9999 the database can hold. Only the "
            "first 9999 were loaded, and the database will not be saved over the file.");
  EXPECT_TRUE(db_.incomplete());
  // Saving would drop the records left out: it is refused and the files stay as they were.
  db_.SetDatabaseChanged(1);
  EXPECT_EQ(CMFileSave(Folder(), db_, ports_), CommandOutcome::kFailed);
  EXPECT_EQ(Bytes("SWBCGIDE.DAT"), schedule);
  EXPECT_EQ(Bytes("STATIONS.DAT"), stations);
  EXPECT_EQ(db_.DatabaseChanged(), 1);
}

TEST_F(DatabaseFilesTest, MissingFilesAreReportedAndLeaveConsistentTables) {
  LoadResult r = ReadDB(Folder(), db_, ports_);
  EXPECT_EQ(r.status, LoadStatus::kFailed);
  EXPECT_EQ(db_.count(), 0);
  ASSERT_EQ(prompts_.messages.size(), 1u);
  EXPECT_EQ(prompts_.messages[0].kind, MessageKind::kError);
  EXPECT_NE(prompts_.messages[0].text.find(ExpandedPath(Folder() / "SWBCGIDE.DAT")),
            std::string::npos);

  WriteBytes(dir_ / "SWBCGIDE.DAT", SavedScheduleBytes({Rec(0, 100, 1, 9580)}));
  r = ReadDB(Folder(), db_, ports_);
  EXPECT_EQ(r.status, LoadStatus::kFailed);
  EXPECT_EQ(db_.count(), 1);  // the schedule that was read stays
  EXPECT_EQ(db_.stations().size(), 0u);
  EXPECT_EQ(db_.StationNameOf(db_.Record(1)), std::string(25, ' '));
  EXPECT_EQ(db_.BucketRange(0).last, 1);
  EXPECT_TRUE(db_.incomplete());
}

TEST_F(DatabaseFilesTest, DistributionFormLoadSaveLoadKeepsTheTables) {
  WriteDatabaseFiles(Folder(),
                     testing::DistributionScheduleBytes({{"0000", "0100", 0x41, 1, 5950, "Eu", 'F'},
                                                         {"0000", "0100", 0x41, 1, 7205, "Eu", 'T'},
                                                         {"1430", "1500", 0, 2, 9580, "NA", 'F'},
                                                         {"24hr", "    ", 0, 3, 15400, "Af", 'F'},
                                                         {"Util", "BCB ", 0, 3, 1010, "  ", 'F'}}),
                     StationFileBytes({"Radio One", "Radio Two", "Radio Three"}));
  ReadDB(Folder(), db_, ports_);
  ASSERT_EQ(db_.DatabaseChanged(), 1);
  const std::vector<ScheduleRecord> first = Records(db_);
  const StationTable first_names = db_.stations();
  const HourIndex first_index = db_.hour_index();

  EXPECT_EQ(CMFileSave(Folder(), db_, ports_), CommandOutcome::kDone);
  EXPECT_EQ(db_.DatabaseChanged(), 0);
  EXPECT_EQ(Bytes("SWBCGIDE.DAT").substr(0, 2), std::string("\0\0", 2));
  EXPECT_EQ(Bytes("SWBCGIDE.DAT").size(), 5u * 16u);

  StationDatabase again;
  const LoadResult r = ReadDB(Folder(), again, ports_);
  EXPECT_EQ(r.layout, DatabaseLayout::kSaved);
  EXPECT_EQ(again.DatabaseChanged(), 0);
  EXPECT_EQ(Records(again), first);
  EXPECT_EQ(again.stations(), first_names);
  EXPECT_EQ(again.hour_index(), first_index);
  EXPECT_FALSE(fs::exists(dir_ / "SWBCGIDE.DAT.new"));
  EXPECT_FALSE(fs::exists(dir_ / "STATIONS.DAT.new"));
  EXPECT_FALSE(fs::exists(dir_ / kCommitMarkerName));
}

TEST_F(DatabaseFilesTest, ASaveThatCannotCompleteLeavesBothOldFilesAsTheyWere) {
  const std::string schedule = SavedScheduleBytes({Rec(0, 100, 1, 9580)});
  const std::string stations = StationFileBytes({"Old name"});
  WriteDatabaseFiles(Folder(), schedule, stations);
  // The station file's temporary cannot be created: the save must stop before replacing anything.
  fs::create_directory(dir_ / "STATIONS.DAT.new");
  db_ = testing::MakeDatabase({"New name"}, {Rec(0, 100, 1, 6000), Rec(0, 100, 1, 7000)});
  db_.SetDatabaseChanged(1);
  EXPECT_EQ(CMFileSave(Folder(), db_, ports_), CommandOutcome::kFailed);
  EXPECT_EQ(Bytes("SWBCGIDE.DAT"), schedule);
  EXPECT_EQ(Bytes("STATIONS.DAT"), stations);
  EXPECT_FALSE(fs::exists(dir_ / "SWBCGIDE.DAT.new"));
  EXPECT_EQ(db_.DatabaseChanged(), 1);
  ASSERT_EQ(prompts_.messages.size(), 1u);
  EXPECT_EQ(prompts_.messages[0].kind, MessageKind::kError);
}

TEST_F(DatabaseFilesTest, OnlyATableStartingAt0000IsSavedSoItsFileBeginsWithTheWord0) {
  const struct {
    const char* what;
    std::vector<ScheduleRecord> records;
    bool saved;
  } cases[] = {
      {"first record at 0000", {Rec(0, 100, 1, 6000), Rec(2400, 0, 1, 7000)}, true},
      {"first record at 0030", {Rec(30, 100, 1, 6000), Rec(2400, 0, 1, 7000)}, false},
      {"all-day first", {Rec(2400, 0, 1, 7000)}, false},
      {"utility first", {UtilRec("FAX1", 1, 8040)}, false},
  };
  for (const auto& c : cases) {
    fs::remove(dir_ / "SWBCGIDE.DAT");
    db_ = testing::MakeDatabase({"A"}, c.records);
    const SaveResult result = SaveDatabaseFiles(Folder(), db_, nullptr);
    EXPECT_EQ(result.ok, c.saved) << c.what;
    EXPECT_EQ(result.error.empty(), c.saved) << c.what;
    if (!c.saved) {
      EXPECT_FALSE(fs::exists(dir_ / "SWBCGIDE.DAT")) << c.what;
      continue;
    }
    EXPECT_EQ(Bytes("SWBCGIDE.DAT").substr(0, 2), std::string(2, '\0')) << c.what;
    StationDatabase back;
    EXPECT_EQ(LoadDatabaseFiles(Folder(), back, nullptr).layout, DatabaseLayout::kSaved);
    EXPECT_EQ(Records(back), Records(db_)) << c.what;
  }
}

TEST_F(DatabaseFilesTest, SaveWritesNothingWithoutChangesAndShowsItsProgressTexts) {
  db_ = testing::MakeDatabase({"A", "B"}, {Rec(0, 100, 1, 6000)});
  EXPECT_EQ(CMFileSave(Folder(), db_, ports_), CommandOutcome::kNothingToDo);
  EXPECT_FALSE(fs::exists(dir_ / "SWBCGIDE.DAT"));
  EXPECT_FALSE(fs::exists(dir_ / "STATIONS.DAT"));
  EXPECT_TRUE(progress_.events.empty());

  db_.SetDatabaseChanged(1);
  EXPECT_EQ(CMFileSave(Folder(), db_, ports_), CommandOutcome::kDone);
  EXPECT_EQ(progress_.events,
            (std::vector<std::string>{
                "open Saving Database | Wait....  Saving Frequencies :    1 Records to write.",
                "message Wait....  Saving Stations :    2 Records to write.", "close"}));
  EXPECT_EQ(Bytes("STATIONS.DAT"), StationFileBytes({"A", "B"}));
}

TEST_F(DatabaseFilesTest, AnEditedTextDumpIsHandedToTheCompanionInsteadOfLoading) {
  WriteDatabaseFiles(Folder(), SavedScheduleBytes({Rec(0, 100, 1, 1)}), StationFileBytes({"A"}));
  WriteBytes(dir_ / "QUORNUTE.EXE", "");
  WriteBytes(dir_ / "SKEDULE.TXT", "edited\r\n");

  // No settings file: no conversion check.
  EXPECT_EQ(ReadDB(Folder(), db_, ports_).status, LoadStatus::kLoaded);
  EXPECT_TRUE(launcher_.calls.empty());

  // FD older than the file: the companion converts it, and nothing is loaded.
  WriteBytes(dir_ / "TARVELIN.INI", "[DATABASE]\r\nFD=12\r\n");
  db_.Clear();
  EXPECT_EQ(ReadDB(Folder(), db_, ports_).status, LoadStatus::kHandedToCompanion);
  EXPECT_EQ(db_.count(), 0);
  ASSERT_EQ(launcher_.calls.size(), 1u);
  EXPECT_EQ(launcher_.calls[0].arguments, (std::vector<std::string>{"--window", "/t"}));
  EXPECT_EQ(launcher_.calls[0].program.filename(), "QUORNUTE.EXE");
  EXPECT_EQ(launcher_.calls[0].working_dir, Folder());

  // FD equal to the file's date: loads as usual.
  const auto date = static_cast<std::int32_t>(*GetFileDate(dir_ / "SKEDULE.TXT"));
  WriteBytes(dir_ / "TARVELIN.INI", "[DATABASE]\r\nFD=" + std::to_string(date) + "\r\n");
  EXPECT_EQ(ReadDB(Folder(), db_, ports_).status, LoadStatus::kLoaded);
  EXPECT_EQ(launcher_.calls.size(), 1u);
}

TEST_F(DatabaseFilesTest, AConversionWhoseCompanionIsMissingStillLoadsTheDatabase) {
  WriteDatabaseFiles(Folder(), SavedScheduleBytes({Rec(0, 100, 1, 1)}), StationFileBytes({"A"}));
  WriteBytes(dir_ / "SKEDULE.TXT", "edited\r\n");
  WriteBytes(dir_ / "TARVELIN.INI", "[DATABASE]\r\nFD=0\r\n");
  EXPECT_EQ(ReadDB(Folder(), db_, ports_).status, LoadStatus::kLoaded);
  EXPECT_EQ(db_.count(), 1);
  EXPECT_TRUE(launcher_.calls.empty());
  ASSERT_EQ(prompts_.messages.size(), 1u);
  EXPECT_EQ(prompts_.messages[0].text, "ERROR: " + ExpandedPath(Folder() / "QUORNUTE.EXE") +
                                           "\rFile not found or other error.");
}

TEST_F(DatabaseFilesTest, RunCompanionReportsAProgramThatWillNotStart) {
  WriteBytes(dir_ / "QUORNUTE.EXE", "");
  launcher_.succeed = false;
  EXPECT_FALSE(RunCompanion(Folder(), " /r", prompts_, launcher_));
  ASSERT_EQ(launcher_.calls.size(), 1u);
  EXPECT_EQ(launcher_.calls[0].arguments, (std::vector<std::string>{"--window", "/r"}));
  EXPECT_EQ(prompts_.texts(),
            (std::vector<std::string>{"ERROR: " + ExpandedPath(Folder() / "QUORNUTE.EXE") +
                                      "\rFile not found or other error."}));
  EXPECT_EQ(prompts_.messages[0].kind, MessageKind::kError);
}

TEST_F(DatabaseFilesTest, CaptionNamesTheActiveSet) {
  struct Case {
    std::vector<std::string> files;
    std::string caption;
  };
  const Case cases[] = {
      {{}, "Veltrix R8 Control 32"},
      {{"SWBCGIDE.DAT"}, "Veltrix R8 Control 32"},
      {{"SWBCGIDE.DAT", "SWBCGIDE.SKD"}, "Veltrix R8 Control 32 - [SRC]"},
      {{"SWBCGIDE.DAT", "SWBCGIDE.SRC"}, "Veltrix R8 Control 32 - [SKD]"},
      {{"SWBCGIDE.DAT", "SWBCGIDE.SRC", "SWBCGIDE.SKD"}, "Veltrix R8 Control 32 - [SRC]"},
      {{"SWBCGIDE.SRC", "SWBCGIDE.SKD"}, "Veltrix R8 Control 32"},
      {{"swbcgide.dat", "swbcgide.skd"}, "Veltrix R8 Control 32 - [SRC]"},
  };
  for (const Case& c : cases) {
    testing::TempDir d;
    for (const std::string& f : c.files) WriteBytes(d / f, "");
    EXPECT_EQ(MainWindowCaption(d.path()), c.caption) << c.files.size();
  }
}

}  // namespace
}  // namespace r8
