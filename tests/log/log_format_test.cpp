#include <gtest/gtest.h>

#include "log/log_format.h"
#include "log/log_format_tags.h"

namespace r8 {
namespace {

// A record in the current layout; each note line gets 0xFF TAB TAB.
std::string Rec(std::string call = "", std::string notes1 = "", std::string notes2 = "") {
  std::string r = " 9580.00\tkHz\t1230s\t07/12/26\tAM  \t\t35443\t" + call + "\tR Aust";
  for (const std::string& n : {notes1, notes2}) {
    if (!n.empty()) r += "\xFF\t\t" + n;
  }
  return r;
}

std::string Out(const std::vector<std::string>& format, const std::string& line) {
  std::string out;
  ExportTemplate(format).WriteLogPage(line, out);
  return out;
}

TEST(LogFormatTags, ExportTagForms) {
  struct Row {
    const char* format;
    std::string line;
    const char* expected;
  };
  const std::string vhf = "174000.00\tkHz\t0100s\t\tFM  \t\t\t\tAir";
  const Row rows[] = {
      {"[freq][mult]", Rec(), " 9580.00 kHz \r\n"},
      {"A[Call: call]B", Rec(), "AB\r\n"},
      {"A[Call: call]B", Rec("VOA"), "ACall: VOA B\r\n"},
      {"[freq:10:3]|", Rec(), "  9580.000 |\r\n"},
      {"[freq:2:1]|", Rec(), "9580.0 |\r\n"},
      // A field that is no number keeps its text, right-aligned in the width.
      {"[time:7:1]|", Rec(), "  1230s |\r\n"},
      {"[freq:999:2]", Rec(), " 9580.00:999:2 \r\n"},
      {"[freq:12:10]|", Rec(), "9580.0000000000 |\r\n"},
      {"[freq:1:11]", Rec(), " 9580.00:1:11 \r\n"},
      {"[freq:1x:2][stat:0000000000001:0]", Rec(), " 9580.00:1x:2 R Aust:0000000000001:0 \r\n"},
      // An empty date is a blank and keeps its piece; an empty call removes its piece.
      {"[Date: date]|[call]|", vhf, "Date:   ||\r\n"},
      {"[freq]", vhf, "174000.00 \r\n"},
      {"[stat] [stat]", Rec(), "R Aust  [stat]\r\n"},
      {"[mode]|[rate]|[SINP]", Rec(), "AM ||35443 \r\n"},
      {"[stat (heard)]", Rec(), "R Aust (heard) \r\n"},
      {"[FREQ] [foo] [dxer] [stat", Rec(), "[FREQ] [foo] [dxer] [stat\r\n"},
      {"[[stat]]", Rec(), "[R Aust ]\r\n"},
      // A value is never read as a tag again.
      {"[stat][call]", " 9580.00\tkHz\t\t\t\t\t\t\t[call]", "[call] \r\n"},
      {"[stat]\xFF\x01", Rec(), "R Aust \xFF\x01\r\n"},
  };
  for (const Row& r : rows) EXPECT_EQ(Out({r.format}, r.line), r.expected) << r.format;
  EXPECT_EQ(Out({"[freq]", "", "[stat]"}, Rec()), " 9580.00 \r\n\r\nR Aust \r\n");
  // Only the first 10 lines of a format count.
  std::vector<std::string> eleven(10, "x");
  eleven.push_back("[stat]");
  EXPECT_EQ(Out(eleven, Rec()), "x\r\nx\r\nx\r\nx\r\nx\r\nx\r\nx\r\nx\r\nx\r\nx\r\n");
}

TEST(LogFormatTags, NotesWrapAndEndTheirLine) {
  struct Row {
    std::vector<std::string> format;
    std::string line;
    std::string expected;
  };
  const std::string words =
      "abcdefghi abcdefghi abcdefghi abcdefghi abcdefghi abcdefghi "
      "abcdefghi abcdefghi abcdefghi abcdefghi";
  const std::string long_word(100, 'x');
  const Row rows[] = {
      {{"Notes: [note]", "--"}, Rec(), "Notes: \r\n--\r\n"},
      {{"[note]", ""}, Rec("", "a"), "a\r\n\r\n"},
      {{"N: [note] (end)"}, Rec("", "fine"), "N: fine (end)\r\n"},
      {{"[note] [stat]"}, Rec("", "a", "b"), "a b R Aust \r\n"},
      {{"[stat]: [note]"}, Rec("", " a ", "b"), "R Aust : a  b\r\n"},
      {{"Notes:    [note]"},
       Rec("", words),
       "Notes:    " + words.substr(0, 69) + "\r\n" + std::string(10, ' ') + words.substr(70) +
           "\r\n"},
      {{"Notes:    [note]"},
       Rec("", words.substr(0, 69)),
       "Notes:    " + words.substr(0, 69) + "\r\n"},
      {{"Notes:    [note]"},
       Rec("", long_word),
       "Notes:    " + long_word.substr(0, 69) + "\r\n" + std::string(10, ' ') +
           long_word.substr(69) + "\r\n"},
      // A tag far right still leaves room for the notes, and their continuation stays left of 80.
      {{std::string(85, '.') + "[note]"},
       Rec("", "abc defghijkl"),
       std::string(85, '.') + "abc\r\n" + std::string(70, ' ') + "defghijkl\r\n"},
      // A notes continuation goes through the note's line; other lines as they are.
      {{"[freq]", "Notes: [note]"}, "\t\tmore notes", "Notes: more notes\r\n"},
      {{"[freq]"}, "\t\tmore notes", "more notes\r\n"},
      {{"[freq]"}, " ", ""},
      {{"[freq]"}, "not an entry", "not an entry\r\n"},
  };
  for (const Row& r : rows) EXPECT_EQ(Out(r.format, r.line), r.expected) << r.format[0];
}

TEST(LogFormatTags, ParsedEntryLayouts) {
  struct Row {
    std::string line;
    bool entry;
    std::string fields;  // freq|unit|time|date|mode|rate|sinpo|call|station|notes
  };
  const Row rows[] = {
      {Rec("VOA", "a", "b"), true, " 9580.00|kHz|1230s|07/12/26|AM  | |35443|VOA|R Aust|a b"},
      // The older layouts: 7 fields, and 8 with the notes as the eighth.
      {" 6070.00\tkHz\t0300\t01/02/97\tAM\t44333\tCFRX", true,
       " 6070.00|kHz|0300|01/02/97|AM| |44333| |CFRX|"},
      {" 6070.00\tkHz\t0300\t01/02/97\tAM\t44333\tCFRX\tweak", true,
       " 6070.00|kHz|0300|01/02/97|AM| |44333| |CFRX|weak"},
      {"12345678901\tkHz\ttoolong\t\t\t\t\t" + std::string(12, 'c') + "\t" + std::string(30, 's') +
           "\tx",
       false,
       "123456789|kHz|toolo| | | | |" + std::string(11, 'c') + "|" + std::string(25, 's') + "|"},
      {"", false, " | | | | | | | ||"},
      {"9\xFF\t\tn\xFF\tx", false, "9| | | | | | | ||n x"},
  };
  for (const Row& r : rows) {
    const LogEntryFields e = ParseLogEntry(r.line);
    EXPECT_EQ(IsEntryLine(r.line), r.entry) << r.line;
    std::string fields;
    for (const std::string* f :
         {&e.freq, &e.unit, &e.time, &e.date, &e.mode, &e.rate, &e.sinpo, &e.call, &e.station}) {
      fields += *f + "|";
    }
    EXPECT_EQ(fields + e.notes, r.fields) << r.line;
  }
}

TEST(LogFormat, SaveChecksAndLines) {
  const std::vector<std::string> ten(10, "[freq]");
  std::vector<std::string> eleven = ten;
  eleven.push_back("");
  const std::string note = "The [note] field must be on it's own line.";
  const std::string log = "The [logE] field must be on it's own line.";
  EXPECT_EQ(CheckFormatLines(FormatKind::kExport, ten), "");
  EXPECT_EQ(CheckFormatLines(FormatKind::kExport, eleven),
            "The export format cannot exceed 10 lines.");
  EXPECT_EQ(CheckFormatLines(FormatKind::kReport, eleven), "");
  EXPECT_EQ(CheckFormatLines(FormatKind::kExport, {"[freq]", "Notes: [note]"}), "");
  EXPECT_EQ(CheckFormatLines(FormatKind::kExport, {"[freq] [note]"}), note);
  EXPECT_EQ(CheckFormatLines(FormatKind::kExport, {"[note] ]"}), note);
  EXPECT_EQ(CheckFormatLines(FormatKind::kReport, {"  [logE]"}), "");
  EXPECT_EQ(CheckFormatLines(FormatKind::kReport, {"[logE][dxer]"}), log);
  EXPECT_EQ(CheckFormatLines(FormatKind::kExport, {"[logE][dxer]"}), "");

  EXPECT_EQ(SplitFormatLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitFormatLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_TRUE(SplitFormatLines("").empty());
  EXPECT_EQ(JoinFormatLines({"a", ""}), "a\r\n\r\n");
}

TEST(LogFormat, ReportTagsAndAssembly) {
  LogDetails d{" Ann Lister ", "1 Dial Road", "", "Drake R8B", "[ant] wire", "good"};
  EXPECT_EQ(ReplaceReportTags("[dxer]|[dxer]|[add2]|[ant]|[cndx][rcvr][add1]", d),
            "Ann Lister|[dxer]||[ant] wire|goodDrake R8B1 Dial Road");
  EXPECT_EQ(ReplaceReportTags("[DXER] [dxer", d), "[DXER] [dxer");
  EXPECT_EQ(AssembleReport({"From [dxer]", "  [logE]", "73"}, d, {"e1", "e2"}),
            (std::vector<std::string>{"From Ann Lister", "e1", "e2", "73"}));
}

}  // namespace
}  // namespace r8
