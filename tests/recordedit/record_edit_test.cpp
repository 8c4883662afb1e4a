#include "recordedit/record_edit.h"

#include <gtest/gtest.h>

#include "app/app_commands.h"
#include "app/app_context.h"
#include "common/format.h"
#include "support/database_builder.h"
#include "support/scripted_prompts.h"
#include "support/test_context.h"

namespace r8 {
namespace {

using testing::AllDayRec;
using testing::MakeDatabase;
using testing::Rec;
using testing::UtilRec;

// Two stations at 0100, one at 1400, an all-day and a utility record.
StationDatabase Sample() {
  return MakeDatabase({"Alpha", "Beta"},
                      {Rec(100, 200, 1, 6000), Rec(100, 200, 1, 7000), Rec(1400, 1500, 2, 9580),
                       AllDayRec(2, 5000), UtilRec("FAX1", 1, 8000)});
}

std::string Freqs(const StationDatabase& db) {
  std::string s;
  for (const ScheduleRecord& r : db.records()) s += std::to_string(static_cast<int>(r.Freq)) + " ";
  return s;
}

std::string Buckets(const StationDatabase& db) {
  std::string s;
  for (int b : {1, 14, kAllDayBucket, kUtilityBucket}) {
    const RecordRange r = db.BucketRange(b);
    s += std::to_string(r.first) + "-" + std::to_string(r.last) + " ";
  }
  return s;
}

RecordForm Form(std::string freq, std::string station = "", std::string start = "",
                std::string stop = "") {
  RecordForm f;
  f.freq = freq;
  f.station = station;
  f.start = start;
  f.stop = stop;
  f.target = "Af";
  f.heard = true;
  return f;
}

TEST(RecordEditTest, InsertsAndDeletesKeepTheOrderAndTheHourIndex) {
  struct Case {
    const char* what;
    int record;
    bool after;
    EditMode mode;
    RecordForm form;
    int at;  // the new record's number; 0 for a delete of record
    std::string freqs, buckets;
    std::size_t stations;
  } cases[] = {
      {"before the first", 1, false, EditMode::kInsert, Form("6100"), 1,
       "6100 6000 7000 9580 5000 8000 ", "1-3 4-4 5-5 6-6 ", 2},
      {"after the last", 5, true, EditMode::kInsert, Form("8100"), 6,
       "6000 7000 9580 5000 8000 8100 ", "1-2 3-3 4-4 5-6 ", 2},
      {"after a middle one", 1, true, EditMode::kInsert, Form("6500"), 2,
       "6000 6500 7000 9580 5000 8000 ", "1-3 4-4 5-5 6-6 ", 2},
      {"a new station", 3, false, EditMode::kInsertStation, Form("9600", "Gamma", "1400", "1500"),
       3, "6000 7000 9600 9580 5000 8000 ", "1-2 3-4 5-5 6-6 ", 3},
      {"a known station", 3, true, EditMode::kInsertStation, Form("9600", "Beta", "1400", "1500"),
       4, "6000 7000 9580 9600 5000 8000 ", "1-2 3-4 5-5 6-6 ", 2},
      {"a utility code", 5, true, EditMode::kInsertAtBoundary,
       Form("8200", "Alpha", "Util", "RTTY"), 6, "6000 7000 9580 5000 8000 8200 ",
       "1-2 3-3 4-4 5-6 ", 2},
      {"all day", 4, true, EditMode::kInsertStation, Form("5100", "Delta", "24hr", ""), 5,
       "6000 7000 9580 5000 5100 8000 ", "1-2 3-3 4-5 6-6 ", 3},
      {"delete the first", 1, false, EditMode::kDelete, {}, 0, "7000 9580 5000 8000 ",
       "1-1 2-2 3-3 4-4 ", 2},
      {"delete the last", 5, false, EditMode::kDelete, {}, 0, "6000 7000 9580 5000 ",
       "1-2 3-3 4-4 5-4 ", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StationDatabase db = Sample();
    const ScheduleRecord from = db.Record(c.record);
    if (c.mode == EditMode::kDelete) {
      DeleteScheduleRecord(db, c.record, nullptr);
    } else {
      ASSERT_EQ(InsertRecordFrom(db, c.record, c.after, c.mode, c.form, nullptr), c.at);
      const ScheduleRecord& r = db.Record(c.at);
      EXPECT_EQ(r.Days, from.Days);
      EXPECT_EQ(r.Target, (std::array<char, 2>{'A', 'f'}));
      EXPECT_EQ(r.Heard, 'T');
      if (c.mode == EditMode::kInsert) {
        EXPECT_EQ(r.StationIndex, from.StationIndex);
        EXPECT_EQ(r.StartTime, from.StartTime);
        EXPECT_EQ(r.StopTime, from.StopTime);
      } else {
        EXPECT_EQ(db.StationNameOf(r), PadRight(c.form.station, 25));
        EXPECT_EQ(TimeRangeText(r, false), PadRight(c.form.start, 4) + PadRight(c.form.stop, 4));
      }
    }
    EXPECT_EQ(Freqs(db), c.freqs);
    EXPECT_EQ(Buckets(db), c.buckets);
    EXPECT_EQ(db.stations().size(), c.stations);
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
  EXPECT_EQ(db.DatabaseChanged(), 1);
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
  EXPECT_EQ(prompts.texts(),
            (std::vector<std::string>{
                "Warning:  Database limits are full.  Frequency can not be added.",
                "Warning:  Database limits are full.  Frequency was not added."}));
}

TEST(RecordEditTest, TheDialogsChecks) {
  struct Case {
    EditMode mode;
    RecordForm form;
    std::string message;  // empty: accepted
  } cases[] = {
      {EditMode::kModify, Form("99"), "99 is an illegal frequency.\r\rFrequencies entered must be between 100 and 30000."},
      {EditMode::kModify, Form("x"), "x is an illegal frequency.\r\rFrequencies entered must be between 100 and 30000."},
      {EditMode::kModify, Form("30000"), ""},
      {EditMode::kRename, Form("9580", "", "1400", "1500"), "Illegal station name entered."},
      {EditMode::kInsertStation, Form("9580", "X", "  ", "1500"), "Illegal start time entered."},
      {EditMode::kInsertStation, Form("9580", "X", "1400", " "), "Illegal end time entered."},
      {EditMode::kInsertStation, Form("9580", "X", "24hr", "    "), ""},
      {EditMode::kInsertAtBoundary, Form("9580", "X", "1400", "15x0"), "Illegal end time entered."},
      {EditMode::kInsertAtBoundary, Form("9580", "X", "1400", "1560"), "Illegal end time entered."},
      {EditMode::kInsertAtBoundary, Form("9580", "X", "1400", "2400"), ""},
      {EditMode::kInsertAtBoundary, Form("9580", "X", "Util", "R-1 "), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.form.freq + "|" + c.form.station + "|" + c.form.start + "|" + c.form.stop);
    testing::ScriptedPrompts prompts;
    const std::optional<RecordForm> f = CheckForm(c.form, c.mode, prompts);
    EXPECT_EQ(f.has_value(), c.message.empty());
    EXPECT_EQ(prompts.texts(),
              c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
  }
  testing::ScriptedPrompts prompts;
  const RecordForm f = *CheckForm(Form(" 9580.04 ", " Radio X ", "14", "15"), EditMode::kInsertStation, prompts);
  EXPECT_EQ(f.freq, " 9580.0");
  EXPECT_EQ(f.station, PadRight("Radio X", 25));
  EXPECT_EQ(f.start + f.stop + f.target, "14  15  Af");
}

TEST(RecordEditTest, WhatTheDialogShowsAndWhereListInsertsGo) {
  const StationDatabase db = MakeDatabase({"Alpha"}, {Rec(1400, 1500, 1, 9580, 0b0100010, "Eu", 'T')});
  const RecordForm m = FormFor(db, 1, EditMode::kModify, 9612.36);
  EXPECT_EQ(m.start + m.stop + "|" + m.station + "|" + m.freq + "|" + m.target, "14001500|Alpha| 9580.0|Eu");
  EXPECT_TRUE(m.heard);
  const RecordForm b = FormFor(db, 1, EditMode::kInsertAtBoundary, 9612.36);
  EXPECT_EQ(b.start + b.stop + "|" + b.station + "|" + b.freq + "|" + b.target, "1400|| 9612.4|");
  EXPECT_EQ(FormFor(db, 1, EditMode::kInsertStation, std::nullopt).freq, " 9580.0");
  EXPECT_EQ(RulesOf(EditMode::kInsertAtBoundary).caption, "Insert Database Record");
  EXPECT_EQ(RulesOf(EditMode::kDelete).focus, EditField::kOk);

  const std::vector<std::string> lines = {"=====[0000-0100]=====", "Alpha", "Beta", "=====[0100-0200]=====", "Ch 19", "Gamma"};
  struct Case {
    int row;
    bool below, utility;
    int to_row;  // -1: refused
    EditMode mode;
  } cases[] = {
      {0, false, true, 1, EditMode::kInsertAtBoundary}, {0, false, false, -1, {}},
      {0, true, true, -1, {}},  {1, true, true, 1, EditMode::kInsertStation},
      {2, true, true, 2, EditMode::kInsertAtBoundary},  {2, true, false, 2, EditMode::kInsertStation},
      {3, false, true, -1, {}}, {4, false, false, -1, {}},
      {5, true, true, 5, EditMode::kInsertAtBoundary},  {6, false, false, -1, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    const std::optional<ListInsert> how = StationListInsert(lines, c.row, c.below, c.utility);
    ASSERT_EQ(how.has_value(), c.to_row >= 0);
    if (!how) continue;
    EXPECT_EQ(how->row, c.to_row);
    EXPECT_EQ(how->mode, c.mode);
  }
  const StationDatabase run = MakeDatabase({"A", "B"}, {Rec(100, 200, 1, 1), Rec(100, 200, 1, 2), Rec(100, 300, 1, 3), Rec(100, 300, 2, 4)});
  EXPECT_EQ(LastOfRun(run, 1), 2);
  EXPECT_EQ(LastOfRun(run, 3), 3);
  EXPECT_EQ(LastOfRun(run, 4), 4);
}

// The editor on the context: a cancelled dialog changes nothing; a confirmed edit brings the
// windows in step, the editing window named.
TEST(RecordEditTest, TheEditorAppliesConfirmedEditsAndSyncsTheWindows) {
  struct Dialog : RecordDialog {
    std::optional<RecordForm> Run(EditMode m, const RecordForm& shown) override {
      modes.push_back(m);
      if (!answer) return std::nullopt;
      RecordForm f = shown;
      f.freq = *answer;
      return f;
    }
    std::optional<std::string> answer;
    std::vector<EditMode> modes;
  } dialog;
  testing::TestContext t;
  t.ctx().database() = Sample();
  std::vector<int> synced;
  Subscription sub = t.ctx().commands().Register(AppCommand::kSyncWindows, [&](int p) { synced.push_back(p); });
  RecordEditor editor(t.ctx(), dialog, nullptr);
  EXPECT_FALSE(editor.Edit(StationWindow::kFullSchedule, "insert_after", 3));
  EXPECT_FALSE(editor.Edit(StationWindow::kFind, "delete", 3));
  EXPECT_EQ(t.ctx().database().count(), 5);
  EXPECT_EQ(t.ctx().database().DatabaseChanged(), 0);
  dialog.answer = " 9590.0";
  EXPECT_TRUE(editor.Edit(StationWindow::kFullSchedule, "insert_after", 3));
  EXPECT_TRUE(editor.Edit(StationWindow::kOtherStations, "modify", 1));
  EXPECT_TRUE(editor.Edit(StationWindow::kFind, "mark", 2));
  EXPECT_TRUE(editor.Edit(StationWindow::kFind, "delete", 5));
  EXPECT_FALSE(editor.Edit(StationWindow::kFind, "delete", 99));
  EXPECT_EQ(Freqs(t.ctx().database()), "9590 7000 9580 9590 8000 ");
  EXPECT_EQ(t.ctx().database().Record(2).Heard, 'T');
  EXPECT_EQ(dialog.modes, (std::vector<EditMode>{EditMode::kInsert, EditMode::kDelete, EditMode::kInsert,
                                                 EditMode::kModify, EditMode::kDelete}));
  EXPECT_EQ(synced, (std::vector<int>{2, 3, 1, 1}));
  EXPECT_EQ(t.ctx().database().DatabaseChanged(), 1);
}

}  // namespace
}  // namespace r8
