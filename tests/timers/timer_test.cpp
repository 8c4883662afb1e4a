#include <gtest/gtest.h>

#include "app/app_context.h"
#include "database/station_database.h"
#include "faceplate/faceplate_core.h"
#include "radio/radio_model.h"
#include "support/database_builder.h"
#include "support/temp_dir.h"
#include "support/test_context.h"
#include "timers/timer_edit.h"
#include "timers/timer_events.h"
#include "timers/timer_table.h"

namespace r8 {
namespace {

using testing::TestContext;

TimerRecord Rec(bool set, const char* time, double f, int unit, int days, const char* notes = "") {
  return {set, time, f, unit, static_cast<std::uint8_t>(days), notes};
}

TEST(TimerTable, ValuesInTheirColumnsAndBackAndWhatCannotBeRead) {
  const TimerRecord sunday = Rec(true, "1830", 9500, 0, 64, "News");
  EXPECT_EQ(FormatTimerValue(sunday), "xTrue,1830, 9500.00, 0, 64,News");
  EXPECT_EQ(FormatTimerValue(TimerRecord{}), "False,    ,    0.00,-1,  0,");
  const std::vector<TimerRecord> round = {
      sunday,
      TimerRecord{},
      Rec(true, "  30", 9.5, 1, 128, "1234567890123456789012345"),
      Rec(false, "0000", 174000, 0, 1, "VHF"),
      Rec(true, "2359", 145.5, 1, 3, "a,b"),
      Rec(true, "1200", 6000, -1, 2)};
  for (const TimerRecord& r : round) {
    const std::string v = FormatTimerValue(r);
    EXPECT_EQ(v.size(), 27 + r.notes.size()) << v;
    EXPECT_EQ(ParseTimerValue(v), r) << v;
  }
  // A line an earlier version wrote with a 9-place frequency is read by its commas.
  EXPECT_EQ(ParseTimerValue("xTrue,1200,174000.00, 0,128,VHF"),
            Rec(true, "1200", 174000, 0, 128, "VHF"));
  for (const char* bad :
       {"xTrue,1830, 9500.00, 0, 6", "xTrue,1830, 95x0.00, 0, 64,", "xTrue,1830, 9500.00, 0,300,",
        "xTrue,1830, 9500.00, 5, 64,", "Maybe,1830, 9500.00, 0, 64,", "",
        "xTrue,1830, 9500.00, 0,99999999999999999999999,"}) {
    EXPECT_EQ(ParseTimerValue(bad), std::nullopt) << bad;
  }

  testing::TempDir dir;
  ProfileFile file(dir / "T.INI");
  file.WriteString("OPTIONS", "PORT", "2");
  TimerTable table{};
  table[3] = sunday;
  ASSERT_TRUE(WriteTimers(file, table));
  file.WriteString(kTimersSection, "TIMER4", "xTrue,12");  // cut short: stays cleared
  EXPECT_EQ(ReadTimers(file), table);
  EXPECT_EQ(file.ReadInt("OPTIONS", "PORT", 0), 2);
}

TEST(TimerTable, WhichEventsAreDue) {
  TimerTable t{};
  t[0] = Rec(true, "0000", 9580, 0, 64);    // Sunday only
  t[1] = Rec(true, "1200", 9.5, 1, 128);    // daily, MHz
  t[2] = Rec(true, "1200", 6000, -1, 128);  // unit never chosen: kHz
  t[3] = Rec(false, "1200", 7000, 0, 128);  // not set
  t[4] = Rec(true, "1200", 5000, 0, 2);     // Friday only
  EXPECT_EQ(DueTimerFrequencies(t, "0000", 1), std::vector<double>{9580});
  EXPECT_TRUE(DueTimerFrequencies(t, "0000", 7).empty());
  EXPECT_EQ(DueTimerFrequencies(t, "1200", 3), (std::vector<double>{9500, 6000}));
  EXPECT_EQ(DueTimerFrequencies(t, "1200", 6), (std::vector<double>{9500, 6000, 5000}));
  EXPECT_TRUE(DueTimerFrequencies(t, "1201", 6).empty());
}

TEST(TimerEvents, TheMinuteTickTunesAtTheUtcMinuteOnce) {
  TestContext t(kModelR8A);
  t.ctx().settings().TimeOffset = 5;  // UTC is local + 5 h
  t.ctx().settings().timer_enabled = 1;
  t.ctx().timers()[0] = Rec(true, "0000", 9580, 0, 64);  // 00:00 UTC Sunday
  t.ctx().timers()[1] = Rec(true, "0000", 6000, 0, 64);
  t.Connect();
  FacePlateCore core(t.ctx());
  TimerEvents timers(t.ctx());
  t.clock().Set({2026, 12, 5, 18, 59, 0});  // Saturday 18:59 local, 23:59 UTC
  core.UpdateClock();
  EXPECT_EQ(t.receiver().shown().freq_10hz, 597500);
  t.clock().Set({2026, 12, 5, 19, 0, 0});  // still Saturday here, Sunday 00:00 UTC
  core.UpdateClock();
  EXPECT_EQ(t.receiver().shown().freq_10hz, 600000);  // both, in table order
  t.ctx().control().TuneRadio(7000);
  core.RedrawClock();  // the same minute again: nothing fires twice
  EXPECT_EQ(t.receiver().shown().freq_10hz, 700000);
  t.ctx().settings().timer_enabled = 0;
  t.clock().Set({2026, 12, 12, 19, 0, 0});
  EXPECT_EQ(timers.CheckNow(), 0);
}

TEST(TimerEdit, DialogFieldsAndADroppedProgramme) {
  TimerDialogFields f;
  f.number_text = "07";
  f.set = true;
  f.time_text = " 930 ";
  f.freq_text = "abc";
  f.day[1] = true;
  f.notes_text = "  a note that is longer than twenty-five  ";
  const TimerEditResult r = SetTimerData(TimerEditMode::kMove, 2, Rec(false, "", 1, 1, 0), f);
  EXPECT_EQ(r.index, 6);
  EXPECT_EQ(r.record, Rec(true, " 930", 0, 1, 32, "a note that is longer tha"));
  f.number_text = "31";
  EXPECT_EQ(SetTimerData(TimerEditMode::kCreate, 0, {}, f).index, std::nullopt);
  EXPECT_EQ(SetTimerData(TimerEditMode::kClear, 4, r.record, f).record, TimerRecord{});

  // Time in 1..4, days in 6..12, the show in 14..30, the station from 32.
  std::string line(56, ' ');
  line.replace(0, 4, "1830").replace(6, 1, "w").replace(13, 12, "Science show");
  line.replace(31, 17, "Voice of Valdoria");
  const auto p = PrefillFromProgrammeLine(line);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->time, "1830");
  EXPECT_EQ(p->day_bit, 8);
  EXPECT_EQ(p->notes, "Science show");
  EXPECT_EQ(PrefillFromProgrammeLine("[Wed]"), std::nullopt);
  const StationDatabase db = testing::MakeDatabase(
      {"Voice of Valdoria", "Other"},
      {testing::Rec(1800, 1900, 1, 9580, 0x08), testing::Rec(1800, 1900, 1, 6000, 0x02),
       testing::Rec(1830, 1900, 1, 7300, 0x08), testing::Rec(1700, 1830, 1, 7400),
       testing::Rec(1800, 1900, 2, 7000), testing::AllDayRec(1, 11750)});
  // On from its start minute, off at its stop minute.
  EXPECT_EQ(FillFreq(db, *p), (std::vector<std::string>{" 9580.0", " 7300.0", "11750.0"}));
}

}  // namespace
}  // namespace r8
