// The tag language of the log's formats: log entries laid out through an export format, and the
// report format's tags for the listener's details.
//
// An export tag is a bracketed piece of a template line holding one of the keywords date, time,
// freq, mult, call, stat, mode, rate, SINP: "[freq]" gives the value and a blank; "[freq:10:3]"
// the value as a number in 10 characters with 3 decimals and a blank; any other piece holding the
// keyword ("[Call: call]") loses its brackets and has the keyword replaced, and a blank follows.
// An empty value removes the whole piece. Only a keyword's first piece is replaced. "[note]" is
// where the entry's notes go, wrapped to end before column 80.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"

namespace r8 {

// The fields of a log record as an export uses them, cut to their widths: frequency 9 (so the
// 9-character kHz form of a VHF frequency stays whole), unit 3, time 5, date 9, mode 4,
// rate/shift 11, SINPO 5, call 11, station 25. An empty one of the first eight is a blank.
struct LogEntryFields {
  std::string freq, unit, time, date, mode, rate, sinpo, call, station;
  std::string notes;  // the note lines joined by single blanks
};

// A line the export lays out as an entry: not a notes continuation (TAB first), and its
// frequency field (up to the first TAB) is 1 to 9 characters long.
bool IsEntryLine(std::string_view line);
// Splits a record at the TABs before its first 0xFF; the older 7- and 8-field layouts (without
// rate/shift and call) are read too.
LogEntryFields ParseLogEntry(std::string_view line);

// The notes wrapped into pieces of at most width characters, each ending at a blank; a word
// longer than the width is cut at the width.
std::vector<std::string> WrapNotes(std::string_view notes, int width);

// The lines of an export format, prepared once for any number of entries.
class ExportTemplate {
 public:
  // Only the first 10 lines are used.
  explicit ExportTemplate(const std::vector<std::string>& lines);

  // WriteLogPage: the text (lines ended by CR LF) one input line gives. An entry is laid out
  // through the template; a notes continuation (TAB first) gives the note line with the text
  // from its third character as the notes; a line of one blank gives nothing; any other line is
  // copied as it is.
  void WriteLogPage(std::string_view line, std::string& out) const;

 private:
  enum class Form { kText, kPlain, kNumeric, kLabel, kNote };
  struct Part {
    Form form = Form::kText;
    std::string text;      // kText: the text; kLabel: the text before the keyword
    std::string after;     // kLabel: the text after the keyword
    int field = 0;         // index into the keyword table
    int width = 0;         // kNumeric
    int decimals = 0;      // kNumeric
    std::string original;  // the piece with its brackets
  };

  void Render(const std::vector<Part>& parts, const LogEntryFields& e, std::string& out) const;
  // head, the notes wrapped under the column where "[note]" stood, tail after the last piece and
  // a line end.
  void WriteNotes(const std::string& head, const std::string& notes, const std::string& tail,
                  std::string& out) const;

  std::vector<Part> before_note_;  // the whole template when it has no "[note]"
  std::vector<Part> after_note_;   // the rest of the note's line and the lines after it
  bool has_note_ = false;
  std::string note_line_head_;  // the note's line up to "[note]", for continuations
  std::string note_line_tail_;  // and after it
};

// Lays out every line through the template; the export's whole text.
std::string ExportText(const ExportTemplate& t, const std::vector<std::string>& lines);

// A report format line with the first "[dxer]", "[add1]", "[add2]", "[rcvr]", "[ant]" and
// "[cndx]" replaced by the trimmed details (no blank follows).
std::string ReplaceReportTags(std::string_view line, const LogDetails& d);
// The report: every format line holding "[logE]" is replaced by the exported lines, the others
// get the report tags.
std::vector<std::string> AssembleReport(const std::vector<std::string>& format_lines,
                                        const LogDetails& d,
                                        const std::vector<std::string>& exported_lines);

}  // namespace r8
