#include "companion/eibi_import.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <variant>

#include "common/format.h"
#include "companion/eibi_csv.h"
#include "companion/eibi_import_command.h"
#include "database/database_files.h"
#include "database/schedule_dump.h"
#include "database/station_query.h"
#include "support/recording_launcher.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"

namespace r8 {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

const std::string kHeader =
    "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;Remarks:135;P:35;Start:60;"
    "Stop:60;\r\n";

std::string Csv(const std::vector<std::string>& lines) {
  std::string text = kHeader;
  for (const std::string& l : lines) text += l + "\r\n";
  return text;
}

std::vector<int> Dropped(const EibiImportResult& r, EibiDrop why) {
  return r.dropped[static_cast<std::size_t>(why)];
}

// The stations the front panel lists on khz at hhmm on the day letter (one of "smtwhfa").
std::vector<std::string> OnFrequency(const StationDatabase& db, const std::string& khz,
                                     const std::string& hhmm, char day) {
  auto results = std::make_unique<QueryResults>();
  StationQuery(db, *results, QueryPorts{}, QueryTarget::kFacePlate, QueryKind::kOnFrequency, khz,
               hhmm, day);
  std::vector<std::string> names;
  for (const ResultEntry& e : results->face_plate.rows()) {
    names.push_back(TrimStr(db.StationNameOf(db.Record(e.record))));
  }
  return names;
}

std::map<std::string, std::string> Snapshot(const fs::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::directory_iterator(dir)) {
    files[e.path().filename().string()] = ReadBytes(e.path());
  }
  return files;
}

TEST(EibiImport, EachKindOfLineBecomesWhatTheQueriesFind) {
  const EibiImportResult r = ImportEibiText(
      Csv({
          "9580;2200-0100;Sa;AUS;Radio Test A;E;Oc;x;1;;",                           // line 2
          "6070;0000-2400;;CAN;CFRX Toronto, CFRB 1010;E;NAm;;1;;",                  // 3
          "1010;0000-2400;;USA;WINS New York;E;NAm;;1;;",                            // 4
          "4610;0000-0100;;D;DWD Pinneberg Met Fax;;Eu;;1;;",                        // 5
          "4610;1200-1300;;D;DWD Pinneberg Met Fax;;Eu;;1;;",                        // 6
          "9580;2200-0100;Sa;AUS;Radio Test A;E;Oc;x;1;;",                           // 7
          "6200;1241-1241;;CHN;Voice of Jinling;C;TWN;nj;1;;[1125]",                 // 8
          "16.3;0000-2400;;IND;VTX1 Indian Navy;;SAs;v;1;;",                         // 9
          "7300;1200-1300;5Apr;D;Easter Special;D;Eu;;1;;",                          // 10
          "x;1200-1300;;D;Broken;D;Eu;;1;;",                                         // 11
          "9999.6;1200-1300;irr;D;Radio Sometimes;D;Eu;;1;;",                        // 12
          "4955;1000-1100;;PRU;R.Cultura Amauta, Huanta;S,Q;PRU;hu;1;;",             // 13
          "19132;1540-1550;Tu,Fr;RUS;E07 Russian Spy Numbers;E;RUS;m;1;0107;3107f",  // 14
          "9580;2200-0100;Sa;AUS;Radio Test A;D;Oc;x;1;;",                           // 15
      }),
      EibiImportOptions{});
  ASSERT_TRUE(r.ok) << r.problem;
  EXPECT_EQ(r.lines, 14);
  EXPECT_EQ(Dropped(r, EibiDrop::kDuplicateLine), std::vector<int>{7});
  EXPECT_EQ(Dropped(r, EibiDrop::kRepeats), (std::vector<int>{6, 15}));
  EXPECT_EQ(Dropped(r, EibiDrop::kMalformedTime), std::vector<int>{8});
  EXPECT_EQ(Dropped(r, EibiDrop::kOutsideReceiver), std::vector<int>{9});
  EXPECT_EQ(Dropped(r, EibiDrop::kOneDate), std::vector<int>{10});
  EXPECT_EQ(Dropped(r, EibiDrop::kMalformedFrequency), std::vector<int>{11});
  EXPECT_EQ(r.dropped_lines(), 7);
  EXPECT_EQ(r.timed_lines, 3);
  EXPECT_EQ(r.all_day_lines, 1);
  EXPECT_EQ(r.utility_lines, 2);
  EXPECT_EQ(r.bcb_lines, 1);
  EXPECT_EQ(r.irregular_lines, 1);
  EXPECT_EQ(r.malformed_dates, 1);

  const StationDatabase& db = r.db;
  // Saturday 2200-0100: found in each hour on Saturday, after midnight on Sunday only.
  const std::vector<std::string> a = {"Radio Test A"};
  EXPECT_EQ(OnFrequency(db, "9580", "2230", 'a'), a);
  EXPECT_EQ(OnFrequency(db, "9580", "2359", 'a'), a);
  EXPECT_EQ(OnFrequency(db, "9580", "0030", 's'), a);
  EXPECT_TRUE(OnFrequency(db, "9580", "0030", 'a').empty());
  EXPECT_TRUE(OnFrequency(db, "9580", "2230", 'f').empty());
  EXPECT_TRUE(OnFrequency(db, "9580", "0100", 's').empty());
  // All day, utility and BCB records are listed at any time; irregular days on every day.
  EXPECT_EQ(OnFrequency(db, "6070", "0415", 'w'),
            std::vector<std::string>{"CFRX Toronto, CFRB 1010"});
  EXPECT_EQ(OnFrequency(db, "4610", "1815", 'h'),
            std::vector<std::string>{"DWD Pinneberg Met Fax"});
  EXPECT_EQ(OnFrequency(db, "19132", "0000", 's'),
            std::vector<std::string>{"E07 Russian Spy Numbers"});
  EXPECT_EQ(OnFrequency(db, "9999.6", "1230", 'm'), std::vector<std::string>{"Radio Sometimes"});
  std::vector<std::string> codes;
  for (int i = db.BucketRange(kUtilityBucket).first; i <= db.count(); ++i) {
    codes.push_back(UtilityCode(db.Record(i)));
  }
  EXPECT_EQ(codes, (std::vector<std::string>{"BCB ", "FAX ", "NUMB"}));
  EXPECT_NE(db.stations().Find("R.Cultura Amauta, Huanta"), 0);
  EXPECT_EQ(db.Record(db.BucketRange(kAllDayBucket).first).Target, (std::array<char, 2>{'N', 'a'}));
}

TEST(EibiImport, EachLineIsImportedAsWhatItIs) {
  enum Got { kTimed, kAllDay, kUtility, kBcb };
  const struct {
    std::string line;
    std::variant<Got, EibiDrop> got;
    const char* code = "";  // of a utility record
  } cases[] = {
      {"11600;1300-1400;;PHL;FEBC Manila;;FE;b;1;;", kTimed},
      {"5850;0000-0030;;SVK;Radio Slovakia Int.;;WNA;/USA-o;1;;", kTimed},
      {"612;1700-1730;Mo-Th;USA;Trans World Radio;;CAs;/KGZ;1;;", kBcb, "BCB "},
      {"4435;0000-2400;;RUS;Rostov Aero;R;RUS;ro;1;;", kUtility, "AERO"},
      {"6000;0000-2400;;CUB;Radio Rebelde;S;Car;;1;;", kAllDay},
      {"9415;1500-1600;2,4,6Mar;ALS;HAARP;E;NAm;g;1;;", EibiDrop::kOneDate},
      {"8728;1200-1300;24Dec;USA;Christmas to ships;E;NAO;;1;;", EibiDrop::kOneDate},
      {"4790;1230-1330;;CHN;CNR1 Jammer/Firedrake;M;CHN;;1;;", EibiDrop::kJammer},
      {"3965;1200-1300;;F;Radio France Int. DRM;F;Eu;i;1;;", EibiDrop::kDigital},
  };
  for (const auto& c : cases) {
    const EibiImportResult r = ImportEibiText(Csv({c.line}), EibiImportOptions{});
    ASSERT_TRUE(r.ok) << c.line;
    if (const EibiDrop* why = std::get_if<EibiDrop>(&c.got)) {
      EXPECT_EQ(Dropped(r, *why), std::vector<int>{2}) << c.line;
      EXPECT_TRUE(r.db.empty()) << c.line;
      continue;
    }
    const std::array<int, 4> counts = {r.timed_lines, r.all_day_lines, r.utility_lines,
                                       r.bcb_lines};
    EXPECT_EQ(counts[std::get<Got>(c.got)], r.kept_lines()) << c.line;
    ASSERT_EQ(r.kept_lines(), 1) << c.line;
    const ScheduleRecord& first = r.db.Record(1);
    EXPECT_EQ(IsUtility(first) ? UtilityCode(first) : "", c.code) << c.line;
  }
  // Asked for, jammers and digital transmissions are imported as broadcasts.
  EibiImportOptions all;
  all.jammers = all.digital = true;
  const EibiImportResult r = ImportEibiText(Csv({cases[7].line, cases[8].line}), all);
  EXPECT_EQ(r.timed_lines, 2);
}

TEST(EibiImport, TheChoiceAndTheRecordLimitDecideWhatIsKept) {
  const std::string csv = Csv({
      "5950;1200-1500;;USA;Long Broadcast;E;NAm;;1;;",        // 2: three records
      "6000;1200-1300;irr;CUB;Irregular Station;S;Car;;1;;",  // 3: one, irregular
      "5960;0900-1000;;USA;Short Broadcast;E;NAm;;1;;",       // 4: one
      "6100;0000-2400;;USA;All Day Radio;E;NAm;;1;;",         // 5: one all-day
      "8040;0000-2400;;G;Northwood Meteo Fax;;Eu;;1;;",       // 6: one utility
      "9700;0900-1000;;USA;Outside Broadcast;E;NAm;;1;;",     // 7
  });
  EibiImportOptions options;
  options.ranges = {{5900, 6200}, {8000, 8100}};
  options.max_records = 4;
  EibiImportResult r = ImportEibiText(csv, options);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(Dropped(r, EibiDrop::kOutsideRanges), std::vector<int>{7});
  // Utility, all-day and the one-record broadcast come first; the three-record one does not fit
  // in what is left, the irregular one still does.
  EXPECT_EQ(Dropped(r, EibiDrop::kNoRoom), std::vector<int>{2});
  EXPECT_EQ(r.db.count(), 4);
  EXPECT_EQ(r.irregular_lines, 1);

  options.utility = false;
  options.max_records = 9999;
  r = ImportEibiText(csv, options);
  EXPECT_EQ(Dropped(r, EibiDrop::kKindNotChosen), std::vector<int>{6});
  EXPECT_EQ(r.db.count(), 6);

  options.utility = true;
  options.broadcast = false;
  r = ImportEibiText(csv, options);
  EXPECT_EQ(Dropped(r, EibiDrop::kKindNotChosen), (std::vector<int>{2, 3, 4, 5}));
  EXPECT_EQ(r.db.count(), 1);
}

TEST(EibiImport, RoomGoesToTheHoursAListenerInTheChosenAreasHearsMost) {
  const std::string csv = Csv({
      "5950;1200-1500;;USA;Long Daily;E;NAm;;1;;",  // 2: three records, every day
      "5960;0900-1000;Sa;D;Weekly A;D;Eu;;1;;",     // 3: one record, one day each
      "5970;1000-1100;Su;D;Weekly B;D;WEu;;1;;",    // 4
      "6010;1100-1200;Mo;G;Weekly C;E;Eu;;1;;",     // 5
  });
  const struct {
    std::uint16_t areas;
    bool fewest_records_first;
    std::vector<int> no_room;
  } cases[] = {
      {kAllAreas, false, {3, 4, 5}},  // three records of 7 days beat three of one day
      {kAreaEu, false, {2}},
      {kAreaNa | kAreaAf, false, {3, 4, 5}},
      {kAllAreas, true, {2}},  // the older order, kept to measure against
  };
  for (const auto& c : cases) {
    EibiImportOptions options;
    options.max_records = 3;
    options.areas = c.areas;
    options.fewest_records_first = c.fewest_records_first;
    const EibiImportResult r = ImportEibiText(csv, options);
    EXPECT_EQ(Dropped(r, EibiDrop::kNoRoom), c.no_room) << c.areas;
    EXPECT_EQ(r.db.count(), 3) << c.areas;
  }
}

TEST(EibiImport, BadFilesAreRefusedAndTheDatabaseStaysAsItWas) {
  const std::string good = "9580;1000-1100;;ALS;KNLS New Life Station;E;FE;ap;0;;";
  const struct {
    const char* what;
    std::string csv;
    std::string reason;
  } cases[] = {
      {"empty", "", "empty"},
      {"blank", "\r\n\r\n", "empty"},
      {"UTF-8 with a mark", "\xEF\xBB\xBF" + Csv({good}), "UTF-8"},
      {"UTF-8",
       Csv({good,
            "9820;1000-1100;;B;R\xC3\xA1"
            "dio Brasil;P;SAm;;1;;"}),
       "UTF-8"},
      {"UTF-8, four-byte letters only", Csv({good, "9820;1000-1100;;B;Radio \xF0\x9F\x93\xBB;P;SAm;;1;;"}),
       "UTF-8"},
      {"UTF-16", std::string("k\0H\0z\0", 6), "NUL"},
      {"comma-separated",
       "kHz,Time(UTC),Days,ITU,Station,Lng,Target,Remarks,P,Start,Stop\r\n"
       "9580,1000-1100,,ALS,KNLS New Life Station,E,FE,ap,0,,\r\n",
       "commas"},
      {"no header", good + "\r\n" + good + "\r\n", "no column"},
      {"truncated line", Csv({good, "9580;1100-1200;;ALS;KNLS"}), "line 3 is cut short"},
      {"only lines of other kinds", Csv({"16.3;0000-2400;;IND;VTX1 Indian Navy;;SAs;v;1;;"}),
       "no line"},
  };
  testing::TempDir dir;
  WriteBytes(dir / "SWBCGIDE.DAT", "old schedule");
  WriteBytes(dir / "STATIONS.DAT", "old names");
  WriteBytes(dir / "SKEDULE.TXT", "old dump");
  WriteBytes(dir / "TARVELIN.INI", "[DATABASE]\r\nFD=1\r\n");
  const auto before = Snapshot(dir.path());
  for (const auto& c : cases) {
    WriteBytes(dir / "in.csv", c.csv);
    const CompanionReport report = ImportEibiFile(dir.path(), dir / "in.csv", EibiImportOptions{});
    EXPECT_EQ(report.exit_code, kExitFailed) << c.what;
    EXPECT_FALSE(report.database_written) << c.what;
    EXPECT_NE(report.text.find(c.reason), std::string::npos) << c.what << "\n" << report.text;
    fs::remove(dir / "in.csv");
    EXPECT_EQ(Snapshot(dir.path()), before) << c.what;
  }
  // A damaged table gives none of its rows, not even those before the damage.
  const EibiTable cut = ReadEibiTable(Csv({good, "9580;1100-1200;;ALS;KNLS"}));
  EXPECT_FALSE(cut.problem.empty());
  EXPECT_TRUE(cut.rows.empty());
}

TEST(EibiImport, TheFaceplateCommandImportsIntoTheFolderAndClearsTheChangedFlag) {
  testing::TempDir dir;
  WriteBytes(dir / "sked.csv", Csv({"9580;1000-1100;;ALS;KNLS New Life Station;E;FE;ap;0;;"}));
  testing::ScriptedPrompts prompts;
  testing::RecordingLauncher launcher;
  ProfileFile profile(dir / "TARVELIN.INI");
  DatabasePorts ports{prompts, launcher, profile, nullptr};
  StationDatabase db;
  db.SetDatabaseChanged(1);
  int chosen = 0;
  const auto choose = [&chosen](EibiImportOptions&) { return ++chosen > 0; };

  prompts.QueueAnswer(Answer::kNo);  // do not save the changes
  prompts.QueueFileCancel();
  EXPECT_EQ(CMImportEibi(dir.path(), db, ports, choose), CommandOutcome::kCancelled);
  EXPECT_TRUE(prompts.file_requests.back().for_open && prompts.file_requests.back().file_must_exist);
  EXPECT_FALSE(fs::exists(dir / "SWBCGIDE.DAT"));

  prompts.QueueAnswer(Answer::kNo);
  prompts.QueueFile("sked.csv");
  prompts.QueueAnswer(Answer::kOk);
  EXPECT_EQ(CMImportEibi(dir.path(), db, ports, choose), CommandOutcome::kDone);
  EXPECT_EQ(chosen, 1);
  EXPECT_EQ(db.DatabaseChanged(), 0);
  EXPECT_NE(prompts.texts().back().find("Imported 1 line as 1 record of 1 station:"),
            std::string::npos)
      << prompts.texts().back();
  StationDatabase loaded;
  ASSERT_EQ(LoadDatabaseFiles(dir.path(), loaded, nullptr).status, LoadStatus::kLoaded);
  EXPECT_EQ(OnFrequency(loaded, "9580", "1030", 'm'),
            std::vector<std::string>{"KNLS New Life Station"});
  EXPECT_FALSE(DumpNeedsConversion(dir.path(), profile));
}

TEST(EibiImport, ReportsCountInTheRightNumberWhateverTheLineEnds) {
  const std::string one = "9580;1000-1100;;ALS;KNLS New Life Station;E;FE;ap;0;;";
  const std::string two = "9590;1000-1200;;ALS;KNLS New Life Station;E;FE;ap;0;;";
  const struct {
    std::string csv;
    std::vector<std::string> says;
  } cases[] = {
      {Csv({one}),
       {": 1 line.", "Imported 1 line as 1 record of 1 station:", "  1 timed broadcast "}},
      {Csv({one, two, one}),
       {": 3 lines.", "Imported 2 lines as 3 records of 1 station:", "  2 timed broadcasts ",
        "Not imported: 1 line\n", " - line 4\n"}},
      {kHeader.substr(0, kHeader.size() - 2) + "\r" + one + "\r" + two + "\r",
       {": 2 lines.", "Imported 2 lines as 3 records"}},
  };
  testing::TempDir dir;
  for (const auto& c : cases) {
    WriteBytes(dir / "in.csv", c.csv);
    const CompanionReport report = ImportEibiFile(dir.path(), dir / "in.csv", EibiImportOptions{});
    for (const std::string& s : c.says) {
      EXPECT_NE(report.text.find(s), std::string::npos) << s << "\n" << report.text;
    }
  }
}

TEST(EibiImport, FractionsOfAKhzAreKeptAndTheDatabaseAgreesWithTheDump) {
  const std::string fraction = "17780.3;0030-0100;;D;Deutsche Welle;E;Af;n;1;;";
  const std::string fax = "4177.5;0000-2400;;G;GYA Northwood Meteo Fax;;WEu;nw;1;;";
  const struct {
    std::vector<std::string> lines;
    DatabaseLayout layout;
    double khz;  // of the first utility record
    const char* says;
  } cases[] = {
      // The database is written in the saved form when its first record starts at 0000.
      {{"6000;0000-0100;;CUB;Radio Rebelde;S;Car;;1;;", fraction, fax},
       DatabaseLayout::kSaved,
       4177.5,
       "2 records keep a fraction"},
      {{fraction, fax}, DatabaseLayout::kDistribution, 4178, "the distribution form"},
  };
  for (const auto& c : cases) {
    testing::TempDir dir;
    WriteBytes(dir / "in.csv", Csv(c.lines));
    const CompanionReport report = ImportEibiFile(dir.path(), dir / "in.csv", EibiImportOptions{});
    ASSERT_TRUE(report.ok()) << report.text;
    EXPECT_NE(report.text.find(c.says), std::string::npos) << report.text;
    StationDatabase db;
    EXPECT_EQ(LoadDatabaseFiles(dir.path(), db, nullptr).layout, c.layout);
    EXPECT_EQ(db.Record(db.BucketRange(kUtilityBucket).first).Freq, c.khz);
    if (c.layout != DatabaseLayout::kSaved) continue;
    EXPECT_EQ(ScheduleFileText(db, kDumpAllKey, nullptr), ReadBytes(dir / "SKEDULE.TXT"));
    EXPECT_EQ(OnFrequency(db, "17780.3", "0045", 'm'), std::vector<std::string>{"Deutsche Welle"});
  }
}

// The real season. Its counts are pinned: a change in any rule shows here first.
class RealSeasonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = fs::path(R8_DATA_DIR) / "eibi" / "sked-a26.csv";
    ASSERT_TRUE(fs::exists(file_)) << "the EiBi season belongs at " << file_.string();
    csv_ = ReadBytes(file_);
  }
  fs::path file_;
  std::string csv_;
};

TEST_F(RealSeasonTest, TheDefaultImportKeepsAndDropsExactlyThis) {
  const EibiImportResult r = ImportEibiText(csv_, EibiImportOptions{});
  ASSERT_TRUE(r.ok) << r.problem;
  EXPECT_EQ(r.lines, 9391);
  EXPECT_EQ(r.db.count(), 9500);
  EXPECT_EQ(r.db.stations().size(), 460u);
  EXPECT_EQ(r.timed_lines, 2597);
  EXPECT_EQ(r.all_day_lines, 284);
  EXPECT_EQ(r.utility_lines, 1003);
  EXPECT_EQ(r.bcb_lines, 133);
  // Broadcasts on irregular days come last, and the default limit is reached before them.
  EXPECT_EQ(r.irregular_lines, 0);
  EXPECT_EQ(r.malformed_dates, 2);
  const std::map<EibiDrop, std::size_t> dropped = {
      {EibiDrop::kDuplicateLine, 1}, {EibiDrop::kOutsideReceiver, 46},
      {EibiDrop::kMalformedTime, 1}, {EibiDrop::kOneDate, 52},
      {EibiDrop::kRepeats, 1231},    {EibiDrop::kNoRoom, 3708},
      {EibiDrop::kJammer, 217},      {EibiDrop::kDigital, 118},
  };
  for (std::size_t k = 0; k < kEibiDropReasons; ++k) {
    const auto it = dropped.find(static_cast<EibiDrop>(k));
    EXPECT_EQ(r.dropped[k].size(), it == dropped.end() ? 0 : it->second)
        << EibiDropText(static_cast<EibiDrop>(k));
  }
  EXPECT_EQ(r.kept_lines() + r.dropped_lines(), r.lines);
  // The oddities of the file, by line: the duplicate, 1241-1241 and the stop date "3107f".
  EXPECT_EQ(Dropped(r, EibiDrop::kDuplicateLine), std::vector<int>{4763});
  EXPECT_EQ(Dropped(r, EibiDrop::kMalformedTime), std::vector<int>{2426});
  EXPECT_EQ(OnFrequency(r.db, "19132", "1545", 't'),
            std::vector<std::string>{"E07 Russian Spy Numbers"});
  EXPECT_NE(r.db.stations().Find("R.Cultura Amauta, Huanta"), 0);
  // A long daily broadcast is listed in its last hour.
  EXPECT_EQ(OnFrequency(r.db, "9120", "1130", 'w'), std::vector<std::string>{"Sound of Hope"});
}

TEST_F(RealSeasonTest, ABroadcastPastMidnightIsFoundEachHourAndOnTheNextDay) {
  // 9275;2300-0400;Su-Fr;USA;WMLK Bethel, PA
  EibiImportOptions options;
  options.ranges = {{9275, 9275}};
  const EibiImportResult r = ImportEibiText(csv_, options);
  ASSERT_TRUE(r.ok);
  const std::vector<std::string> wmlk = {"WMLK Bethel, PA"};
  EXPECT_EQ(OnFrequency(r.db, "9275", "2330", 'f'), wmlk);
  EXPECT_TRUE(OnFrequency(r.db, "9275", "2330", 'a').empty());
  for (const char* hhmm : {"0000", "0130", "0230", "0359"}) {
    EXPECT_EQ(OnFrequency(r.db, "9275", hhmm, 'a'), wmlk) << hhmm;  // Friday's, on Saturday
    EXPECT_EQ(OnFrequency(r.db, "9275", hhmm, 'm'), wmlk) << hhmm;  // Sunday's, on Monday
    EXPECT_TRUE(OnFrequency(r.db, "9275", hhmm, 's').empty()) << hhmm;
  }
  EXPECT_TRUE(OnFrequency(r.db, "9275", "0400", 'm').empty());
}

TEST_F(RealSeasonTest, TheWholeImportWritesALoadableDatabase) {
  testing::TempDir dir;
  const CompanionReport report = ImportEibiFile(dir.path(), file_, EibiImportOptions{});
  ASSERT_TRUE(report.ok()) << report.text;
  StationDatabase db;
  const LoadResult loaded = LoadDatabaseFiles(dir.path(), db, nullptr);
  ASSERT_EQ(loaded.status, LoadStatus::kLoaded);
  EXPECT_TRUE(loaded.warnings.empty());
  EXPECT_EQ(db.count(), 9500);
  ProfileFile profile(dir / "TARVELIN.INI");
  EXPECT_FALSE(DumpNeedsConversion(dir.path(), profile));
  EXPECT_NE(ReadBytes(dir / "QUORNUTE.LOG").find("line 2426: the time cannot be read"),
            std::string::npos);
}

}  // namespace
}  // namespace r8
