#include "companion/schedule_conversion.h"

#include <gtest/gtest.h>

#include <tuple>

#include "companion/dump_reader.h"

#include <chrono>

#include "common/format.h"
#include "common/file_commit.h"
#include "database/database_files.h"
#include "database/demo_database.h"
#include "database/schedule_dump.h"
#include "support/database_builder.h"
#include "support/recording_launcher.h"
#include "support/scripted_prompts.h"

namespace r8 {
namespace {

namespace fs = std::filesystem;
using testing::AllDayRec;
using testing::ReadBytes;
using testing::Rec;
using testing::UtilRec;
using testing::WriteBytes;

const std::string k43(43, ' ');

// A group line of the dump: times, days and name in their columns, then the cells as given.
std::string DumpLine(std::string_view times, std::string_view days, std::string_view name,
                     std::string_view cells) {
  return std::string(times) + " " + std::string(days) + " " + PadRight(name, 25) +
         std::string(cells) + "\r\n";
}

// Every feature of the dump: several buckets, a group of six frequencies (a continuation line),
// days, heard marks, all-day and utility records, a 25-character name.
StationDatabase CraftedDatabase() {
  std::vector<ScheduleRecord> records = {Rec(0, 100, 1, 5950, 0, "Eu", 'F'),
                                         Rec(0, 100, 1, 6005, 0, "Eu", 'T'),
                                         Rec(30, 100, 2, 7325, 0x41, "NA", 'F')};
  for (double f : {5975.0, 6070.0, 6155.0, 7205.0, 7390.0, 9410.0}) {
    records.push_back(Rec(1430, 1500, 4, f, 0x3E, "As", f == 9410.0 ? 'T' : 'F'));
  }
  records.push_back(Rec(2300, 2400, 2, 9580, 0x01, "Oc", 'F'));
  records.push_back(AllDayRec(2, 9580, "Oc", 'T'));
  records.push_back(UtilRec("TIME", 3, 10000));
  records.push_back(UtilRec("BCB ", 5, 1010, 'T'));
  return testing::MakeDatabase({"Radio Kestrel Intl", "Voice of Valdoria", "Time Signal Service",
                                "ABCDEFGHIJKLMNOPQRSTUVWXY", "Metro Talk 1010"},
                               records);
}

class ConversionTest : public ::testing::Test {
 protected:
  ConversionTest() : profile_(dir_ / "TARVELIN.INI") { WriteBytes(dir_ / "TARVELIN.INI", ""); }

  // Saves db and dumps it the way the program does ("Dump database").
  void SaveAndDump(const StationDatabase& db) {
    ASSERT_TRUE(SaveDatabaseFiles(dir_.path(), db, nullptr).ok);
    DatabasePorts ports{prompts_, launcher_, profile_, nullptr};
    ASSERT_EQ(DoPrint(dir_.path(), db, "*", "SKEDULE.TXT", ports).outcome, DumpOutcome::kWritten);
  }

  // The dump is edited: newer than the date the program remembers.
  void TouchDump() {
    const fs::path dump = dir_ / "SKEDULE.TXT";
    fs::last_write_time(dump, fs::last_write_time(dump) + std::chrono::hours(1));
  }

  std::string DatabaseBytes() {
    return ReadBytes(dir_ / "SWBCGIDE.DAT") + "|" + ReadBytes(dir_ / "STATIONS.DAT");
  }

  testing::TempDir dir_;
  testing::ScriptedPrompts prompts_;
  testing::RecordingLauncher launcher_;
  ProfileFile profile_;
};

void ExpectSameTables(const StationDatabase& want, const StationDatabase& got) {
  ASSERT_EQ(got.count(), want.count());
  for (int i = 1; i <= want.count(); ++i) {
    ScheduleRecord a = want.Record(i);
    ScheduleRecord b = got.Record(i);
    EXPECT_EQ(got.StationNameOf(b), want.StationNameOf(a)) << "record " << i;
    a.StationIndex = b.StationIndex = 0;
    EXPECT_EQ(b, a) << "record " << i;
  }
}

TEST_F(ConversionTest, DumpThenConvertThenLoadGivesTheSameTablesAndTheDateStopsAnotherRound) {
  for (const StationDatabase& db : {CraftedDatabase(), [] {
                                      StationDatabase demo;
                                      FillDemoDatabase(demo, 7);
                                      return demo;
                                    }()}) {
    SaveAndDump(db);
    TouchDump();
    ASSERT_TRUE(DumpNeedsConversion(dir_.path(), profile_));

    const CompanionReport report = ConvertScheduleFile(dir_.path());
    ASSERT_TRUE(report.ok()) << report.text;
    EXPECT_FALSE(DumpNeedsConversion(dir_.path(), profile_)) << "FD was not written";

    StationDatabase back;
    const LoadResult loaded = LoadDatabaseFiles(dir_.path(), back, nullptr);
    ASSERT_EQ(loaded.status, LoadStatus::kLoaded);
    EXPECT_EQ(loaded.layout, DatabaseLayout::kDistribution);
    EXPECT_EQ(back.DatabaseChanged(), 1);
    ExpectSameTables(db, back);
    EXPECT_EQ(back.stations().size(), db.stations().size());
  }
}

TEST_F(ConversionTest, OutOfOrderLinesComeBackInBucketOrderWithAStationsRecordsTogether) {
  const std::string text =
      DumpLine("Util-CB  ", "       ", "CB Highway Channel 19", " 27185.0   ") +
      DumpLine("1400-1500", "       ", "Radio A", "  9580.0Eu ") +
      DumpLine("24hr-    ", "       ", "Radio B", "  6070.0Af ") +
      DumpLine("1400-1500", "       ", "Radio B", " 11750.0As ") +
      DumpLine("0100-0200", " m     ", "Radio A", "  9818.5SA ") +
      DumpLine("1400-1500", "       ", "Radio A", " 15400.0Eu*");
  const DumpConversion conv = ConvertDumpText(text);
  ASSERT_TRUE(conv.ok) << conv.problem;
  EXPECT_EQ(conv.rounded, 1);
  std::vector<std::string> order;
  for (const ScheduleRecord& r : conv.db.records()) {
    order.push_back(TrimStr(conv.db.StationNameOf(r)) + " " + FormatFixed(r.Freq, 1));
  }
  EXPECT_EQ(order, (std::vector<std::string>{"Radio A 9819.0", "Radio A 9580.0", "Radio A 15400.0",
                                             "Radio B 11750.0", "Radio B 6070.0",
                                             "CB Highway Channel 19 27185.0"}));
  EXPECT_EQ(conv.db.BucketRange(14).first, 2);
  EXPECT_EQ(conv.db.BucketRange(kUtilityBucket).first, 6);
  EXPECT_EQ(UtilityCode(conv.db.Record(6)), "CB  ");
}

TEST_F(ConversionTest, BadLinesAreReportedByNumberAndLeaveTheDatabaseUntouched) {
  struct Case {
    const char* what;
    std::string line;
    std::string reason;
  };
  const auto line = [](std::string_view times, std::string_view days, std::string_view cells) {
    std::string l = DumpLine(times, days, "Radio A", cells);
    return l.substr(0, l.size() - 2);
  };
  const std::vector<Case> cases = {
      {"garbage", "this is not a schedule line at all, not one bit of it", "time range"},
      {"bad hour", line("2500-2600", "       ", "  9580.0Eu "), "time range"},
      {"comma-separated", "1400,1500,,Radio A,9580,Eu,F,,,,,,,,,,,,,,,,,,,,,,,,,,", "time range"},
      {"days out of place", line("1400-1500", "mtwhfas", "  9580.0Eu "), "smtwhfa"},
      {"cut short", "1400-1500         Radio A", "cut short"},
      {"no frequency", line("1400-1500", "       ", " Eu"), "no frequency"},
      {"heard mark", line("1400-1500", "       ", "  9580.0Eu?"), "heard mark"},
      {"tab", line("1400-1500", "\t      ", "  9580.0Eu "), "control character"},
      {"frequency too high", line("1400-1500", "       ", " 145500.0Eu "), "32767 kHz"},
      {"utility code", line("Util-\xE9t\xE9 ", "       ", "  9580.0Eu "), "utility code"},
      {"no length", line("1300-1300", "       ", "  9580.0Eu "), "stops when it starts"},
  };
  const StationDatabase db = CraftedDatabase();
  SaveAndDump(db);
  const std::string before = DatabaseBytes();
  const std::string good = ReadBytes(dir_ / "SKEDULE.TXT");
  for (const Case& c : cases) {
    // The bad line is line 3 of the file.
    const std::size_t second_line = good.find("\r\n", good.find("\r\n") + 2) + 2;
    WriteBytes(dir_ / "SKEDULE.TXT",
               good.substr(0, second_line) + c.line + "\r\n" + good.substr(second_line));
    const CompanionReport report = ConvertScheduleFile(dir_.path());
    EXPECT_EQ(report.exit_code, kExitFailed) << c.what;
    EXPECT_NE(report.text.find("line 3: "), std::string::npos) << c.what << "\n" << report.text;
    EXPECT_NE(report.text.find(c.reason), std::string::npos) << c.what << "\n" << report.text;
    EXPECT_EQ(DatabaseBytes(), before) << c.what;
  }
  // Two bad lines are counted as two.
  WriteBytes(dir_ / "SKEDULE.TXT", good + cases[0].line + "\r\n" + cases[1].line + "\r\n");
  EXPECT_NE(ConvertScheduleFile(dir_.path()).text.find("2 lines of SKEDULE.TXT"),
            std::string::npos);
}

TEST_F(ConversionTest, UnusableFilesAndOverfullDumpsAreRefusedWhole) {
  std::string too_many;
  for (int i = 0; i < 2500; ++i) {
    too_many += DumpLine("0000-0100", "       ", "Station " + std::to_string(1000 + i),
                         "  5950.0Eu   5951.0Eu   5952.0Eu   5953.0Eu ");
  }
  const std::string radio_a = DumpLine("0100-0200", "       ", "Radio A", "  9580.0Eu ");
  const struct {
    const char* what;
    std::string text;
    std::string reason;
  } cases[] = {
      {"empty", "", "empty"},
      {"blank lines", "\r\n   \r\n", "empty"},
      {"UTF-8",
       DumpLine("1400-1500", "       ",
                "R\xC3\xA1"
                "dio A",
                "  9580.0Eu "),
       "UTF-8"},
      {"UTF-16",
       std::string("1\0"
                   "4\0",
                   4),
       "NUL"},
      {"a continuation first", k43 + "  9580.0Eu \r\n" + radio_a, "continuation"},
      {"10,000 records", too_many + radio_a, "from line 2500 on do not fit"},
      {"1,000 stations", too_many.substr(0, too_many.size() / 2) + radio_a,
       "first station that does not fit is on line 1000"},
  };
  SaveAndDump(CraftedDatabase());
  const std::string before = DatabaseBytes();
  for (const auto& c : cases) {
    WriteBytes(dir_ / "SKEDULE.TXT", c.text);
    const CompanionReport report = ConvertScheduleFile(dir_.path());
    EXPECT_EQ(report.exit_code, kExitFailed) << c.what;
    EXPECT_NE(report.text.find(c.reason), std::string::npos) << c.what << "\n" << report.text;
    EXPECT_EQ(DatabaseBytes(), before) << c.what;
  }
  fs::remove(dir_ / "SKEDULE.TXT");
  EXPECT_EQ(ConvertScheduleFile(dir_.path()).exit_code, kExitFailed);
}

// A broadcast past midnight is listed: up to 2400 on its days, from 0000 on the days after.
TEST(DumpReader, ABroadcastPastMidnightIsSplitThere) {
  const DumpContents d =
      ReadDump(DumpLine("2300-0130", "     fa", "Radio A", "  9580.0Eu ") + k43 + "  6000.0Eu \r\n" +
               DumpLine("2200-0000", "s      ", "Radio B", "  7000.0Eu "));
  ASSERT_TRUE(d.errors.empty());
  std::vector<std::tuple<double, int, int, int, int>> got;
  for (const DumpRecord& r : d.records) {
    got.emplace_back(r.record.Freq, r.record.StartTime, r.record.StopTime, r.record.Days, r.line);
  }
  EXPECT_EQ(got, (std::vector<std::tuple<double, int, int, int, int>>{{9580, 2300, 2400, 0x60, 1},
                                                                        {9580, 0, 130, 0x41, 1},
                                                                        {6000, 2300, 2400, 0x60, 2},
                                                                        {6000, 0, 130, 0x41, 2},
                                                                        {7000, 2200, 2400, 0x01, 3}}));
}

TEST(FileCommit, AKilledCommitIsUndoneOrFinished) {
  testing::TempDir dir;
  std::string none;
  EXPECT_FALSE(ReadWholeFile(dir / "MISSING.DAT", none));
  const fs::path a = dir / "A.DAT";
  const fs::path b = dir / "B.DAT";
  // Killed after A's old file stepped aside and the new one took its place, B not yet: undone.
  WriteBytes(dir / "A.DAT.old", "old a");
  WriteBytes(a, "new a");
  WriteBytes(b, "old b");
  WriteBytes(dir / "B.DAT.new", "new b");
  EXPECT_TRUE(RecoverCommit({a, b}));
  EXPECT_EQ(ReadBytes(a), "old a");
  EXPECT_EQ(ReadBytes(b), "old b");
  EXPECT_FALSE(fs::exists(dir / "B.DAT.new"));
  // Killed after every new file was in place: the old ones are only removed.
  WriteBytes(dir / "A.DAT.old", "old a");
  WriteBytes(a, "new a");
  EXPECT_TRUE(RecoverCommit({a, b}));
  EXPECT_EQ(ReadBytes(a), "new a");
  EXPECT_FALSE(fs::exists(dir / "A.DAT.old"));
  EXPECT_FALSE(RecoverCommit({a, b}));

  // Killed once the marker was written and A had taken its name: the change is finished, and
  // the file it removes goes too.
  WriteBytes(a, "new a");
  WriteBytes(b, "old b");
  WriteBytes(dir / "B.DAT.new", "new b");
  WriteBytes(dir / "C.DAT", "gone");
  WriteBytes(dir / kCommitMarkerName, "R8 COMMIT 1\nW A.DAT\nW B.DAT\nR C.DAT\n");
  EXPECT_TRUE(RecoverCommit({a, b}));
  EXPECT_EQ(ReadBytes(b), "new b");
  EXPECT_FALSE(fs::exists(dir / "C.DAT"));
  EXPECT_FALSE(fs::exists(dir / kCommitMarkerName));
  // Killed before the marker had its name: the new files are dropped, the old ones untouched.
  WriteBytes(dir / "A.DAT.new", "newer a");
  WriteBytes(dir / (std::string(kCommitMarkerName) + ".new"), "R8 COMMIT 1\nW A.DAT\n");
  EXPECT_TRUE(RecoverCommit({a, b}));
  EXPECT_EQ(ReadBytes(a), "new a");
  EXPECT_FALSE(fs::exists(dir / "A.DAT.new"));
  // A marker naming a file outside the folder is not acted on.
  WriteBytes(dir / "A.DAT.new", "newer a");
  WriteBytes(dir / kCommitMarkerName, "R8 COMMIT 1\nW ../A.DAT\n");
  EXPECT_TRUE(RecoverCommit({a, b}));
  EXPECT_EQ(ReadBytes(a), "new a");

  // A whole commit: written, removed, nothing left beside; one still marked is refused.
  std::string error;
  ASSERT_TRUE(CommitFiles({{a, "A"}, {b, "B"}}, error, {dir / "MISSING.DAT"})) << error;
  EXPECT_EQ(ReadBytes(a) + ReadBytes(b), "AB");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
  WriteBytes(dir / kCommitMarkerName, "R8 COMMIT 1\n");
  EXPECT_FALSE(CommitFiles({{a, "A2"}}, error));
  EXPECT_NE(error.find("has not finished"), std::string::npos);
  EXPECT_FALSE(CommitFiles({{a, "A2"}, {dir / "sub" / "X", "x"}}, error));
  EXPECT_EQ(ReadBytes(a), "A");
}

}  // namespace
}  // namespace r8
