#include "recordedit/record_edit.h"

#include <gtest/gtest.h>

#include "app/app_commands.h"
#include "app/app_context.h"
#include "common/format.h"
#include "support/database_builder.h"
#include "support/test_context.h"

namespace r8 {
namespace {

using testing::Rec;

// Two records at 0100, one at 1400, an all-day and a utility record.
StationDatabase Sample() {
  return testing::MakeDatabase(
      {"Alpha", "Beta"}, {Rec(100, 200, 1, 6000), Rec(100, 200, 1, 7000), Rec(1400, 1500, 2, 9580),
                          testing::AllDayRec(2, 5000), testing::UtilRec("FAX1", 1, 8000)});
}

// The frequencies in order, buckets 1, 14, all-day and utility as first-last,
// the station count.
std::string Tables(const StationDatabase& db) {
  std::string s;
  for (const ScheduleRecord& r : db.records()) s += std::to_string(static_cast<int>(r.Freq)) + " ";
  for (int b : {1, 14, kAllDayBucket, kUtilityBucket})
    s += "|" + std::to_string(db.BucketRange(b).first) + "-" +
         std::to_string(db.BucketRange(b).last);
  return s + "|" + std::to_string(db.stations().size());
}

RecordForm Form(std::string freq, std::string station = "", std::string start = "",
                std::string stop = "") {
  return {start, stop, "", station, freq, "Af", true};
}

TEST(RecordEditTest, InsertsAndDeletesKeepTheOrderAndTheHourIndex) {
  using M = EditMode;
  // After the tables: the new record's times, station, target and Heard.
  struct Case {
    int record;
    bool after;
    M mode;
    RecordForm form;
    std::string want;
  } cases[] = {
      {1, false, M::kInsert, Form("6100"),
       "6100 6000 7000 9580 5000 8000 |1-3|4-4|5-5|6-6|2|0100-0200 Alpha AfT"},
      {5, true, M::kInsert, Form("8100"),
       "6000 7000 9580 5000 8000 8100 |1-2|3-3|4-4|5-6|2|Util-FAX1 Alpha AfT"},
      {1, true, M::kInsert, Form("6500"),
       "6000 6500 7000 9580 5000 8000 |1-3|4-4|5-5|6-6|2|0100-0200 Alpha AfT"},
      {3, false, M::kInsertStation, Form("9600", "Gamma", "1400", "1500"),
       "6000 7000 9600 9580 5000 8000 |1-2|3-4|5-5|6-6|3|1400-1500 Gamma AfT"},
      {3, true, M::kInsertStation, Form("9600", "Beta", "1400", "1500"),
       "6000 7000 9580 9600 5000 8000 |1-2|3-4|5-5|6-6|2|1400-1500 Beta AfT"},
      {5, true, M::kInsertAtBoundary, Form("8200", "Alpha", "Util", "RTTY"),
       "6000 7000 9580 5000 8000 8200 |1-2|3-3|4-4|5-6|2|Util-RTTY Alpha AfT"},
      {4, true, M::kInsertStation, Form("5100", "Delta", "24hr"),
       "6000 7000 9580 5000 5100 8000 |1-2|3-3|4-5|6-6|3|24hr-     Delta AfT"},
      {1, false, M::kDelete, {}, "7000 9580 5000 8000 |1-1|2-2|3-3|4-4|2|"},
      {5, false, M::kDelete, {}, "6000 7000 9580 5000 |1-2|3-3|4-4|5-4|2|"},
  };
  for (const Case& c : cases) {
    StationDatabase db = Sample();
    std::string added;
    if (c.mode == M::kDelete) {
      DeleteScheduleRecord(db, c.record, nullptr);
    } else {
      const ScheduleRecord& r =
          db.Record(InsertRecordFrom(db, c.record, c.after, c.mode, c.form, nullptr));
      added = TimeRangeText(r, true) + " " + TrimStr(db.StationNameOf(r)) + " " + r.Target[0] +
              r.Target[1] + r.Heard;
    }
    EXPECT_EQ(Tables(db) + "|" + added, c.want);
    EXPECT_EQ(db.DatabaseChanged(), 1);
  }
}

TEST(RecordEditTest, ModifyRenameMarkAndTheStationsThatStay) {
  StationDatabase db = Sample();
  ModifyRecord(db, 2, Form(" 7005.5"));
  EXPECT_EQ(db.Record(2), Rec(100, 200, 1, 7005.5, 0, "Af", 'T'));
  RenameStation(db, 1, Form("", "Radio Alpha"));
  for (int r : {1, 2, 5}) EXPECT_EQ(TrimStr(db.StationNameOf(db.Record(r))), "Radio Alpha");
  EXPECT_EQ(TrimStr(db.StationNameOf(db.Record(3))), "Beta");
  MarkRecord(db, 3);
  EXPECT_EQ(db.Record(3).Heard, 'T');
  MarkRecord(db, 3);
  EXPECT_EQ(db.Record(3).Heard, 'F');
  // The only records of a station go; its name stays for the next save.
  DeleteScheduleRecord(db, 4, nullptr);
  DeleteScheduleRecord(db, 3, nullptr);
  EXPECT_EQ(db.stations().Find("Beta"), 2);
}

TEST(RecordEditTest, FullTablesRefuseWithTheirWarning) {
  testing::ScriptedPrompts prompts;
  StationDatabase db = Sample();
  for (int i = 0; i < 997; ++i) db.stations().Add("S" + std::to_string(i));
  EXPECT_TRUE(RoomToInsert(db, false, prompts));
  EXPECT_FALSE(RoomToInsert(db, true, prompts));
  while (db.count() < kMaxRecords) db.AppendRecord(Rec(100, 200, 1, 6000));
  EXPECT_FALSE(RoomToInsert(db, false, prompts));
  EXPECT_EQ(InsertRecordFrom(db, 1, false, EditMode::kInsert, Form("6100"), nullptr), 0);
  EXPECT_EQ(db.count(), kMaxRecords);
  EXPECT_EQ(prompts.texts(), (std::vector<std::string>{
                                 "Warning:  Database limits are full.  Frequency can not be added.",
                                 "Warning:  Database limits are full.  Frequency was not added."}));
}

// The blank tests, and the typed stop time of the boundary insert: a time, or
// any utility code.
TEST(RecordEditTest, TheDialogsChecks) {
  using M = EditMode;
  const std::string bad =
      " is an illegal frequency.\r\rFrequencies entered "
      "must be between 100 and 30000.";
  struct Case {
    M mode;
    RecordForm form;
    std::string message;  // empty: accepted
  } cases[] = {
      {M::kModify, Form("99"), "99" + bad},
      {M::kModify, Form("x"), "x" + bad},
      {M::kModify, Form("30000"), ""},
      {M::kRename, Form("9580", "", "1400", "1500"), "Illegal station name entered."},
      {M::kInsertStation, Form("9580", "X", "  ", "1500"), "Illegal start time entered."},
      {M::kInsertStation, Form("9580", "X", "1400", " "), "Illegal end time entered."},
      {M::kInsertStation, Form("9580", "X", "24hr", "    "), ""},
      {M::kInsertAtBoundary, Form("9580", "X", "1400", "15x0"), "Illegal end time entered."},
      {M::kInsertAtBoundary, Form("9580", "X", "1400", "1560"), "Illegal end time entered."},
      {M::kInsertAtBoundary, Form("9580", "X", "1400", "2400"), ""},
      {M::kInsertAtBoundary, Form("9580", "X", "1400", "2359"), ""},
      {M::kInsertAtBoundary, Form("9580", "X", "Util", "R-1 "), ""},
  };
  for (const Case& c : cases) {
    testing::ScriptedPrompts prompts;
    EXPECT_EQ(CheckForm(c.form, c.mode, prompts).has_value(), c.message.empty()) << c.message;
    EXPECT_EQ(prompts.texts(),
              c.message.empty() ? std::vector<std::string>{} : std::vector{c.message});
  }
  testing::ScriptedPrompts prompts;
  const RecordForm f =
      *CheckForm(Form(" 9580.04 ", " Radio X ", "14", "15"), M::kInsertStation, prompts);
  EXPECT_EQ(f.freq + f.station + f.start + f.stop + f.target,
            " 9580.0Radio X" + std::string(18, ' ') + "14  15  Af");
  EXPECT_TRUE(RulesOf(M::kInsertAtBoundary).Editable(EditField::kStop));
  EXPECT_FALSE(RulesOf(M::kInsert).Editable(EditField::kStop));
  // The insert modes start from the tuned frequency, Heard and no target.
  const StationDatabase db = Sample();
  const RecordForm b = FormFor(db, 3, M::kInsertAtBoundary, 9612.36);
  EXPECT_EQ(
      b.start + b.stop + "|" + b.station + "|" + b.freq + "|" + b.target + (b.heard ? "1" : "0"),
      "1400|| 9612.4|1");
  EXPECT_EQ(FormFor(db, 3, M::kModify, 9612.36).freq + FormFor(db, 3, M::kModify, 1.0).station,
            " 9580.0Beta");
}

// Per row: the row taken (with "b" in mode 6) or "-", for above and below in the utility list,
// then in the SWBC list.
TEST(RecordEditTest, WhereStationListInsertsGo) {
  const std::vector<std::string> lines = {"=====[0000-0100]=====", "Alpha", "Beta",
                                          "=====[0100-0200]=====", "Ch 19", "Gamma"};
  std::string got;
  for (int row = 0; row <= 6; ++row) {
    for (bool utility : {true, false}) {
      for (bool below : {false, true}) {
        const std::optional<ListInsert> how = StationListInsert(lines, row, below, utility);
        got +=
            how ? std::to_string(how->row) + (how->mode == EditMode::kInsertAtBoundary ? "b " : " ")
                : "- ";
      }
    }
    got += "|";
  }
  EXPECT_EQ(got, "1b - - - |1 1 1 1 |2 2b 2 2 |- - - - |- - - - |5 5b 5 5 |- - - - |");
  const StationDatabase run = testing::MakeDatabase(
      {"A", "B"}, {Rec(1, 2, 1, 1), Rec(1, 2, 1, 2), Rec(1, 3, 1, 3), Rec(1, 3, 2, 4)});
  EXPECT_EQ(std::to_string(LastOfRun(run, 1)) + std::to_string(LastOfRun(run, 3)) +
                std::to_string(LastOfRun(run, 4)),
            "234");
}

// A cancelled dialog changes nothing; a confirmed edit brings the windows in
// step, the editing window named.
TEST(RecordEditTest, TheEditorAppliesConfirmedEditsAndSyncsTheWindows) {
  struct Dialog : RecordDialog {
    std::optional<RecordForm> Run(EditMode, const RecordForm& shown) override {
      if (answer) return RecordForm{shown.start, shown.stop, "", shown.station, *answer, "", false};
      return std::nullopt;
    }
    std::optional<std::string> answer;
  } dialog;
  testing::TestContext t;
  t.ctx().database() = Sample();
  std::vector<int> synced;
  Subscription sub =
      t.ctx().commands().Register(AppCommand::kSyncWindows, [&](int p) { synced.push_back(p); });
  RecordEditor editor(t.ctx(), dialog, nullptr);
  EXPECT_FALSE(editor.Edit(StationWindow::kFullSchedule, "insert_after", 3));
  EXPECT_FALSE(editor.Edit(StationWindow::kFind, "delete", 3));
  EXPECT_EQ(t.ctx().database().DatabaseChanged(), 0);
  dialog.answer = " 9590.0";
  for (auto [w, action, record] : {std::tuple{StationWindow::kFullSchedule, "insert_after", 3},
                                   {StationWindow::kOtherStations, "modify", 1},
                                   {StationWindow::kFind, "mark", 2},
                                   {StationWindow::kFind, "delete", 5}})
    EXPECT_TRUE(editor.Edit(w, action, record));
  EXPECT_EQ(Tables(t.ctx().database()), "9590 7000 9580 9590 8000 |1-2|3-4|5-4|5-5|2");
  EXPECT_EQ(t.ctx().database().Record(2).Heard, 'T');
  EXPECT_EQ(synced, (std::vector<int>{2, 3, 1, 1}));
}

}  // namespace
}  // namespace r8
