#include "programmes/dx_list.h"

#include <gtest/gtest.h>

#include "common/format.h"

namespace r8 {
namespace {

// A guide line in the file's columns: time, mark, day field, programme, station, notes.
std::string Line(const char* time, char day, const char* program, const char* station,
                 const char* notes = "", bool heard = false) {
  const int d = static_cast<int>(kDayLetters.find(day));
  DxEntry e{time, program, station, notes, heard};
  return BuildDxLine(e, DxHeadForDay(d));
}

std::vector<DxFileLine> File(const std::vector<std::string>& texts) {
  std::vector<DxFileLine> lines;
  for (const std::string& t : texts) lines.push_back({t, "\r\n"});
  return lines;
}

// Headings as "[Wed]", programmes as time and station, "*" heard, "!" on the air, ">" selected.
std::vector<std::string> Summary(const DxListView& v) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < v.rows.size(); ++i) {
    const DxRow& r = v.rows[i];
    std::string s = r.heading ? r.text.substr(0, 5)
                              : r.text.substr(0, 4) + " " + TrimStr(r.text.substr(24, 25));
    if (!r.heading && r.heard) s += "*";
    if (r.on_air) s += "!";
    if (static_cast<int>(i) == v.selected) s = ">" + s;
    out.push_back(s);
  }
  return out;
}

ClockReading At(const char* time4, int day_of_week) {
  ClockReading c;
  c.time4 = time4;
  c.day_of_week = day_of_week;
  return c;
}

std::vector<std::string> EveryDay() {
  std::vector<std::string> lines;
  for (char d : kDayLetters) {
    lines.push_back(Line("0900", d, "Morning", std::string(1, d).c_str()));
    lines.push_back(Line("1500", d, "Afternoon", std::string(1, d).c_str()));
  }
  return lines;
}

TEST(DxListFill, Table) {
  DxFilter none;
  DxFilter daily5{true, "5", 0, "", ""};
  DxFilter bbc{true, "", 1, "", "bbc"};
  struct Case {
    const char* what;
    std::vector<std::string> lines;
    DxFilter filter;
    ClockReading now;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"Wednesday 1430 runs round the week and ends with Wednesday morning", EveryDay(), none,
       At("1430", 4),
       {"[Wed]", ">1500 w", "[Thu]", "0900 h", "1500 h", "[Fri]", "0900 f", "1500 f", "[Sat]",
        "0900 a", "1500 a", "[Sun]", "0900 s", "1500 s", "[Mon]", "0900 m", "1500 m", "[Tue]",
        "0900 t", "1500 t", "[Wed]", "0900 w"}},
      {"a day without programmes keeps the next day under its own heading",
       {Line("1200", 'm', "P", "M1"), Line("0800", 'w', "P", "W1")}, none, At("1000", 2),
       {"[Mon]", ">1200 M1", "[Wed]", "0800 W1"}},
      {"preview Daily at 5 starts on Sunday at 0500",
       {Line("0400", 's', "P", "S4"), Line("0600", 's', "P", "S6"), Line("0100", 'm', "P", "M1")},
       daily5, At("1430", 4), {"[Sun]", ">0600 S6", "[Mon]", "0100 M1", "[Sun]", "0400 S4"}},
      {"a lower-case station filter finds the upper-case name; headings stay",
       {Line("0100", 's', "P", "BBC World Service"), Line("0200", 's', "P", "Radio Free Asia"),
        Line("0300", 'm', "P", "Radio Romania")},
       bbc, At("1430", 4), {"[Sun]", ">0100 BBC World Service", "[Mon]"}},
      {"the start hour is listed whole, the row shown is the first at or after the minute",
       {Line("1400", 'w', "P", "A"), Line("1445", 'w', "P", "B")}, none, At("1430", 4),
       {"[Wed]", "1400 A", ">1445 B"}},
      {"nothing left today: the list begins with the next day that has programmes",
       {Line("1000", 'w', "P", "W"), Line("0900", 'h', "P", "H")}, none, At("2000", 4),
       {"[Thu]", ">0900 H", "[Wed]", "1000 W"}},
      {"next week's part of the start day gets a heading of its own",
       {Line("1000", 'w', "P", "W10"), Line("1500", 'w', "P", "W15")}, none, At("1430", 4),
       {"[Wed]", ">1500 W15", "[Wed]", "1000 W10"}},
      {"a line out of order is listed once, under its own day",
       {Line("1500", 'w', "P", "W"), Line("0900", 'm', "P", "M")}, none, At("1430", 4),
       {"[Wed]", ">1500 W", "[Mon]", "0900 M"}},
      {"heard marks and stations on the air",
       {Line("1500", 'w', "P", "Radio Romania", "", true), Line("1600", 'w', "P", "Voice")},
       none, At("1430", 4), {"[Wed]", ">1500 Radio Romania*!", "1600 Voice"}},
      {"unreadable lines are left out", {"1500 w", Line("1600", 'w', "P", "V"), "2500 w ..."},
       none, At("1430", 4), {"[Wed]", ">1600 V"}},
  };
  for (const Case& c : cases) {
    const DxListView v = FillDxList(File(c.lines), c.filter, c.now, {"Radio Romania"});
    EXPECT_EQ(Summary(v), c.expected) << c.what;
  }
}

TEST(DxListFill, CaptionsRowsAndCapacity) {
  std::vector<std::string> many;
  for (int i = 0; i < 200; ++i) many.push_back(Line("1500", 'w', "P", "S"));
  const std::string with_notes = Line("1500", 'w', "Prog", "Station", "Notes here");
  many.insert(many.begin(), with_notes);
  const DxListView v = FillDxList(File(many), DxFilter{}, At("1430", 4), {});
  EXPECT_EQ(v.caption, "Today's SWBC Programs - [as of 1430w]");
  ASSERT_EQ(static_cast<int>(v.rows.size()), kDxRowCapacity);
  EXPECT_EQ(v.rows[0].text, "[Wed]" + std::string(75, '='));
  EXPECT_EQ(v.rows[1].text, "1500\tProg              \tStation                  \tNotes here");
  EXPECT_EQ(v.rows[1].line, 1);
  EXPECT_EQ(v.rows[2].text, "1500\tP                 \tS                        ");
  EXPECT_EQ(FillDxList({}, DxFilter{true, "", 3, "", ""}, At("1430", 4), {}).caption,
            "SWBC Programs Preview");
  // The filter dialog's time rules.
  const std::vector<std::pair<const char*, const char*>> times = {
      {"", "0000"}, {"5", "0500"}, {"14", "1400"}, {"930", "0930"}, {" 1405 ", "1405"},
      {"25", ""},   {"1260", ""},  {"ab", ""}};
  for (const auto& [in, out] : times) EXPECT_EQ(DxFilterStartTime(in).value_or(""), out) << in;
}

}  // namespace
}  // namespace r8
