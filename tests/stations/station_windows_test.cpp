#include "stations/station_windows.h"

#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include <algorithm>

#include "database/station_query.h"
#include "settings/settings.h"
#include "support/database_builder.h"
#include "support/test_context.h"

namespace r8 {
namespace {

using testing::AllDayRec;
using testing::Rec;
using testing::UtilRec;
using W = StationWindow;

TEST(StationWindowRules, FilterTimesClampsAndModes) {
  const struct {
    const char* entry;
    const char* time;  // "" for refused
  } filters[] = {{"5", "0500"},   {"", "0000"},     {" 7 ", "0700"}, {"14", "1400"},
                 {"530", "0530"}, {"2359", "2359"}, {"2400", ""},    {"1260", ""},
                 {"ab", ""},      {"12345", ""},    {"1:3", ""}};
  for (const auto& f : filters) {
    const std::optional<std::string> t = FilterTime(f.entry);
    EXPECT_EQ(t.value_or(""), f.time) << f.entry;
  }
  const struct {
    int row, count, kept;
  } clamps[] = {{30, 12, 11}, {5, 12, 5}, {3, 0, -1}, {-1, 4, 0}};
  for (const auto& c : clamps) EXPECT_EQ(ClampRow(c.row, c.count), c.kept) << c.row;
  const struct {
    const char* code;
    int mode;  // -1 none
  } modes[] = {{"Uf", 5}, {"Ff", 1},  {"Lf", 4}, {"Cf", 2}, {"Af", 0},
               {"Eu", 0}, {"  ", -1}, {"Rf", 3}, {"Xf", -1}};
  for (const auto& m : modes) {
    const std::optional<ModeCode> got = ModeFromStationCode(m.code);
    EXPECT_EQ(got ? static_cast<int>(*got) : -1, m.mode) << m.code;
  }
  EXPECT_EQ(ModeFromName("ARQ"), ModeCode::kRtty);
  EXPECT_EQ(ModeFromName("FEC"), ModeCode::kRtty);
  EXPECT_EQ(MinutesToTime4(1440), "0000");
  EXPECT_EQ(MinutesToTime4(14 * 60 + 5), "1405");
}

TEST(StationWindowRules, SavedSizesAndColumns) {
  testing::TestContext t;
  ProfileFile& f = t.ctx().profile();
  EXPECT_EQ(ReadWindowSize(f, false, W::kSwbc, 192).width, 2 * DesignSize(W::kSwbc, 96).width);
  WriteWindowSize(f, W::kFullSchedule, {900, 400});
  WriteLongSetting(f, "WINDOWS", "SKEDLISTX", 5);  // damaged: the design width stays
  EXPECT_EQ(ReadWindowSize(f, true, W::kFullSchedule, 96).width, 900);
  EXPECT_EQ(ReadWindowSize(f, true, W::kFullSchedule, 96).height, 400);
  EXPECT_EQ(ReadWindowSize(f, true, W::kOtherStations, 96).width,
            DesignSize(W::kOtherStations, 96).width);
  // Read only when the settings file exists.
  EXPECT_EQ(ReadWindowSize(f, false, W::kFullSchedule, 96).width,
            DesignSize(W::kFullSchedule, 96).width);
  EXPECT_EQ(StationListColumns(50, 96), 1);
  EXPECT_EQ(StationListColumns(640, 96), 3);
  EXPECT_EQ(StationListColumns(640, 192), 1);
}

// Records the host calls in order: "show N", "open N", "activate N", "face" for command 1964.
class RecordingHost : public StationWindowHost {
 public:
  bool OpenWindow(StationWindow w) override {
    calls.push_back("open " + std::to_string(static_cast<int>(w)));
    return true;
  }
  void ShowState(StationWindow w) override {
    calls.push_back("show " + std::to_string(static_cast<int>(w)));
  }
  void ActivateWindow(StationWindow w) override {
    calls.push_back("activate " + std::to_string(static_cast<int>(w)));
  }
  std::vector<std::string> calls;
};

class StationWindowSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t.clock().Set({2026, 12, 5, 14, 30, 0});  // Saturday 1430
    t.ctx().settings().TimeOffset = 0;
    std::vector<ScheduleRecord> recs = {
        Rec(1400, 1500, 1, 9580.0, 0, "Uf"), Rec(1400, 1500, 1, 6195.0, 0, "Eu", 'T'),
        Rec(1400, 1600, 2, 7300.0),          Rec(1500, 1600, 3, 9410.0),
        AllDayRec(3, 9580.0, "Ff"),          UtilRec("TIME", 4, 10000.0),
        UtilRec("BCB ", 5, 1000.0)};
    t.ctx().database() =
        testing::MakeDatabase({"BBC", "Radio Alpha", "Voice Beta", "WWV", "KAAA"}, recs);
    set().SetHost(&host);
    t.ctx().commands().Post(AppCommand::kRefresh);  // no handler yet: nothing happens
    face_ = t.ctx().commands().Register(AppCommand::kRefresh,
                                        [this](int) { host.calls.push_back("face"); });
  }
  StationWindowSet& set() { return t.ctx().station_windows(); }
  // The lines a kind 2 query gives by itself, for comparison.
  std::vector<std::string> Reference(QueryTarget target, std::string_view time) {
    struct Lines : QueryTargets, ResultList {
      ResultList* GetListBox(QueryTarget) override { return this; }
      ResultGrid* GetGridBox(QueryTarget) override { return nullptr; }
      void InsertLine(int i, std::string_view s) override {
        v.insert(v.begin() + i, std::string(s));
      }
      int LineCount() const override { return static_cast<int>(v.size()); }
      void Clear() override { v.clear(); }
      std::vector<std::string> v;
    } lines;
    QueryResults results;
    QueryPorts ports;
    ports.targets = &lines;
    ports.clock = &t.clock();
    StationQuery(t.ctx().database(), results, ports, target, QueryKind::kStationsNow, "", time);
    return lines.v;
  }

  testing::TestContext t;
  RecordingHost host;
  Subscription face_;
};

TEST_F(StationWindowSetTest, StationListsListTheQueryWithTheirCaptions) {
  set().WhatWindow(1);
  set().WhatWindow(2);
  set().WhatWindow(3);
  const struct {
    W window;
    QueryTarget target;
    const char* caption;
  } lists[] = {{W::kSwbc, QueryTarget::kSwbcList, "&Available Shortwave Stations - [as of 1430a]"},
               {W::kUtility, QueryTarget::kUtilityList, "Available Utility Stations"},
               {W::kBcb, QueryTarget::kBcbList, "Available BCB/CB Stations "}};
  for (const auto& l : lists) {
    const StationWindowState& s = set().state(l.window);
    EXPECT_EQ(s.caption, l.caption);
    EXPECT_EQ(s.lines, Reference(l.target, kTimeNow)) << l.caption;
    EXPECT_FALSE(s.lines.empty());
    EXPECT_EQ(s.selected, 0);
    EXPECT_TRUE(s.holds_results);
  }
  EXPECT_EQ(set().current_what(), W::kBcb);
  // A heading row: flagged, no status text, no edit items; a station row the other way.
  EXPECT_TRUE(IsHeadingRow(set().state(W::kSwbc).lines[0]));
  EXPECT_TRUE(set().RowFlagged(W::kSwbc, 0));
  EXPECT_EQ(set().StatusText(W::kSwbc, 0, 0), "");
  EXPECT_FALSE(set().EditMenu(W::kSwbc).enabled);
  set().Select(W::kSwbc, 1);
  EXPECT_EQ(set().StatusText(W::kSwbc, 1, 0),
            "Double-click to display current frequencies for BBC");
  EXPECT_TRUE(set().EditMenu(W::kSwbc).enabled);
  EXPECT_EQ(set().EditMenu(W::kSwbc).mark_caption, "&Mark");  // record 1 is not heard
}

TEST_F(StationWindowSetTest, OpeningTwiceKeepsTheWindowAndClosingMovesTheWhatWindow) {
  set().WhatWindow(1);
  const int handle = set().state(W::kSwbc).handle;
  set().WhatWindow(2);
  set().WhatWindow(1);
  EXPECT_EQ(set().state(W::kSwbc).handle, handle);
  EXPECT_EQ(set().current_what(), W::kSwbc);
  set().Closed(W::kSwbc);
  EXPECT_EQ(set().state(W::kSwbc).handle, 0);
  EXPECT_EQ(set().current_what(), W::kUtility);
  set().Closed(W::kUtility);
  EXPECT_EQ(set().current_what(), W::kNone);
}

TEST_F(StationWindowSetTest, SyncWindowsRefreshesInOrderWithTheNamedWindowLast) {
  set().handover().name = "BBC";
  set().FindFreq(0);
  set().WhenStat();
  set().handover().freq = "9580.00";
  set().WhoStat();
  set().WhatWindow(1);
  set().WhatWindow(2);
  set().WhatWindow(3);
  const struct {
    int except;
    std::vector<std::string> calls;
  } cases[] = {
      {0, {"show 1", "show 2", "show 3", "show 4", "show 5", "show 6", "face", "activate 0"}},
      {2, {"show 1", "show 3", "show 4", "show 5", "show 6", "show 2", "face", "activate 2"}},
      {5, {"show 1", "show 2", "show 3", "show 4", "show 6", "show 5", "face", "activate 5"}},
      {9, {"show 1", "show 2", "show 3", "show 4", "show 5", "show 6", "face", "activate 0"}},
  };
  for (const auto& c : cases) {
    host.calls.clear();
    t.ctx().commands().Post(AppCommand::kSyncWindows, 0x10000 | c.except);
    EXPECT_EQ(host.calls, c.calls) << c.except;
  }
  // A usage list is left alone unless it is the editing window's.
  set().FindFreq(1);
  host.calls.clear();
  set().SyncWindows(0);
  EXPECT_EQ(host.calls.front(), "show 2");
  host.calls.clear();
  set().SyncWindows(1);
  EXPECT_EQ(host.calls[host.calls.size() - 3], "show 1");
  // Closed windows are not refreshed.
  set().Closed(W::kFullSchedule);
  host.calls.clear();
  set().SyncWindows(0);
  EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "show 2"), 0);
}

TEST_F(StationWindowSetTest, QueriesOfTheFindAndGridWindows) {
  set().handover() = {"BBC", "", ""};
  t.ctx().commands().Post(AppCommand::kFindFreqHere);
  EXPECT_EQ(set().state(W::kFind).caption, "BBC");
  EXPECT_EQ(set().state(W::kFind).lines.size(), 2u);  // 9580 and 6195 at 1400-1500
  EXPECT_TRUE(set().state(W::kFind).holds_results);
  set().handover() = {"Voice Beta", "1500", ""};
  t.ctx().commands().Post(AppCommand::kFindFreqDown);
  EXPECT_EQ(set().state(W::kFind).lines.size(), 2u);  // 9410 at 1500 and the all-day 9580
  set().handover().name = "bbc";
  t.ctx().commands().Post(AppCommand::kFindFreqUp);  // usage: any case, every hour
  EXPECT_EQ(set().state(W::kFind).lines.size(), 2u);
  EXPECT_EQ(set().state(W::kFind).lines[0].substr(0, 9), " Various ");
  EXPECT_FALSE(set().state(W::kFind).holds_results);
  t.ctx().commands().Post(AppCommand::kWhenStation);
  EXPECT_EQ(set().state(W::kFullSchedule).caption, "Frequency Schedule for bbc");
  ASSERT_EQ(set().state(W::kFullSchedule).rows.size(), 1u);  // one group, two frequencies
  EXPECT_EQ(set().StatusText(W::kFullSchedule, 0, 0),
            "Double-click to find all frequencies used by BBC");
  EXPECT_EQ(set().StatusText(W::kFullSchedule, 0, 2), "Double-click to tune to 6195.0");
  EXPECT_EQ(set().StatusText(W::kFullSchedule, 0, 3), "");
  EXPECT_TRUE(set().RowFlagged(W::kFullSchedule, 0, 2));  // 6195 is heard
  set().Select(W::kFullSchedule, 0, 2);
  EXPECT_EQ(set().EditMenu(W::kFullSchedule).mark_caption, "&Unmark");
  set().Select(W::kFullSchedule, 0, 4);  // an empty frequency cell
  EXPECT_FALSE(set().EditMenu(W::kFullSchedule).enabled);
  // The frequency display: who else is on the tuned frequency, or the dialog when off.
  EXPECT_FALSE(set().FreqLblClick());
  t.radio().PowerOn = true;
  t.radio().RadioFreq = 9580.0;
  EXPECT_TRUE(set().FreqLblClick());
  EXPECT_EQ(set().state(W::kOtherStations).caption, "Other Stations on 9580.00");
  EXPECT_EQ(set().state(W::kOtherStations).rows.size(), 2u);
  EXPECT_EQ(set().StatusText(W::kOtherStations, 1, 0),
            "Double-click to show full schedule for Voice Beta");
  // A double-click on a who-else name opens that station's schedule.
  set().DoubleClick(W::kOtherStations, 1, 0);
  EXPECT_EQ(set().state(W::kFullSchedule).caption, "Frequency Schedule for Voice Beta");
}

TEST_F(StationWindowSetTest, ADoubleClickOnAStationFindsItsFrequencies) {
  set().WhatWindow(1);
  const std::vector<std::string>& lines = set().state(W::kSwbc).lines;
  int row = 0;
  while (row < static_cast<int>(lines.size()) && IsHeadingRow(lines[static_cast<std::size_t>(row)]))
    ++row;
  ASSERT_LT(row, static_cast<int>(lines.size()));
  set().DoubleClick(W::kSwbc, row, 0);
  EXPECT_TRUE(set().IsOpen(W::kFind));
  EXPECT_FALSE(set().state(W::kFind).lines.empty());
}

TEST_F(StationWindowSetTest, OnAUtilityHeadingOnlyInsertAboveWorks) {
  for (int which : {2, 1}) {
    set().WhatWindow(which);
    const W w = which == 2 ? W::kUtility : W::kSwbc;
    const std::vector<std::string>& lines = set().state(w).lines;
    const auto heading = std::find_if(lines.begin(), lines.end(),
                                      [](const std::string& l) { return IsHeadingRow(l); });
    ASSERT_NE(heading, lines.end()) << which;
    set().Select(w, static_cast<int>(heading - lines.begin()));
    const EditMenuState e = set().EditMenu(w);
    EXPECT_EQ(e.insert_above_only, w == W::kUtility);
    EXPECT_EQ(e.enabled, w == W::kUtility);
  }
}

TEST_F(StationWindowSetTest, RefreshKeepsTheSelectionWithinTheNewList) {
  // Thirty-one stations on at 1400, one at 1500.
  std::vector<std::string> names;
  std::vector<ScheduleRecord> recs;
  for (int i = 0; i < 31; ++i) {
    names.push_back("Station " + std::to_string(i));
    recs.push_back(Rec(1400, 1500, static_cast<std::uint16_t>(i + 1), 5000.0 + i));
  }
  recs.push_back(Rec(1500, 1600, 1, 6000.0));
  t.ctx().database() = testing::MakeDatabase(names, recs);
  set().WhatWindow(1);
  ASSERT_EQ(set().state(W::kSwbc).RowCount(), 32);
  set().Select(W::kSwbc, 30);
  set().SetTopRow(W::kSwbc, 20);
  t.clock().Set({2026, 12, 5, 15, 10, 0});
  host.calls.clear();
  t.ctx().events().minute_tick.Emit(ClockReading{});  // a new hour refills the list
  EXPECT_EQ(set().state(W::kSwbc).RowCount(), 2);
  EXPECT_EQ(set().state(W::kSwbc).selected, 1);
  EXPECT_EQ(set().state(W::kSwbc).top_row, 1);
  EXPECT_EQ(set().state(W::kSwbc).caption, "&Available Shortwave Stations - [as of 1510a]");
  host.calls.clear();
  t.ctx().events().minute_tick.Emit(ClockReading{});  // same hour: left as it is
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(StationWindowSetTest, PreviewShowsTheListAtTheFilterOrTrackTime) {
  set().WhatWindow(1);
  EXPECT_FALSE(set().SetFilter("25"));
  EXPECT_TRUE(set().SetFilter("15"));
  const StationWindowState& s = set().state(W::kSwbc);
  EXPECT_TRUE(s.preview);
  EXPECT_EQ(s.caption, "Shortwave Stations Preview - [at 1500]");
  EXPECT_EQ(s.track_minutes, 900);
  EXPECT_EQ(s.lines, Reference(QueryTarget::kSwbcList, "1500"));
  set().SetTrackMinutes(14 * 60 + 20);
  set().TrackBtnClick();
  EXPECT_EQ(s.caption, "Shortwave Stations Preview - [at 1420]");
  EXPECT_EQ(s.lines, Reference(QueryTarget::kSwbcList, "1420"));
  // A double-click in preview hands the preview time to the find window.
  set().DoubleClick(W::kSwbc, 1, 0);
  EXPECT_EQ(set().state(W::kFind).time, "1420");
  // Opening the list again ends the preview; switching it on again starts at the filter time.
  set().WhatWindow(1);
  EXPECT_FALSE(s.preview);
  set().SetPreview(true);
  EXPECT_EQ(s.caption, "Shortwave Stations Preview - [at 1420]");
}

TEST_F(StationWindowSetTest, TabGoesToTheWhatWindowThenTheFindWindow) {
  EXPECT_EQ(set().CMTabWindow(true), TabMove::kNextControl);
  EXPECT_EQ(set().CMTabWindow(false), TabMove::kMainWindow);
  EXPECT_EQ(set().CMShTabWindow(true), TabMove::kPreviousControl);
  set().handover().name = "BBC";
  set().FindFreq(0);
  EXPECT_EQ(set().CMTabWindow(false), TabMove::kFindWindow);
  set().WhatWindow(2);
  host.calls.clear();
  EXPECT_EQ(set().CMTabWindow(false), TabMove::kWhatWindow);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"show 5", "activate 5"}));
  set().NewMakeWindow(W::kPrograms);
  EXPECT_EQ(set().CMShTabWindow(true), TabMove::kPrograms);
}

TEST_F(StationWindowSetTest, DatabaseLoadClearsTheFlagsAndRefills) {
  set().WhatWindow(1);
  set().NewMakeWindow(W::kPrograms);
  t.ctx().database() = testing::MakeDatabase({"Only"}, {Rec(1400, 1500, 1, 5000.0)});
  t.ctx().events().database_changed.Emit(DatabaseChange::kLoaded);
  EXPECT_EQ(set().state(W::kSwbc).lines.size(), 2u);
  EXPECT_TRUE(set().state(W::kSwbc).holds_results);
  set().ClearHoldsResults();
  EXPECT_FALSE(set().state(W::kSwbc).holds_results);
}

TEST_F(StationWindowSetTest, PrintScheduleToAFileAddsTheExtension) {
  t.prompts().QueueFile((t.dir().path() / "bbc").string(), 3);
  EXPECT_FALSE(set().CMWhenPrint("BBC", true).has_value());
  std::ifstream in(t.dir().path() / "bbc.txt", std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("BBC"), std::string::npos);
  t.prompts().QueueFileCancel();
  EXPECT_FALSE(set().CMWhenPrint("BBC", true).has_value());
  const std::optional<PrintJob> job = set().CMWhenPrint("BBC", false);
  ASSERT_TRUE(job.has_value());
  EXPECT_FALSE(job->lines.empty());
}

TEST(StationWindowRules, ValidateFreqRefusesOutOfRange) {
  testing::ScriptedPrompts prompts;
  EXPECT_EQ(ValidateFreq(" 9580.04", prompts).value_or(""), " 9580.0");
  EXPECT_EQ(ValidateFreq("100", prompts).value_or(""), "  100.0");
  EXPECT_FALSE(ValidateFreq("99.9", prompts));
  EXPECT_FALSE(ValidateFreq("x", prompts));
  ASSERT_EQ(prompts.texts().size(), 2u);
  EXPECT_EQ(prompts.texts()[0],
            "99.9 is an illegal frequency.\r\rFrequencies entered must be between 100 and 30000.");
}

}  // namespace
}  // namespace r8
