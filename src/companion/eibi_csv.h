// The EiBi schedule file as it really is: a header line naming the columns ("kHz:75;Time(UTC):93;
// Days:59;...", a width after each colon), then one semicolon-separated line per transmission.
// Columns are found by name, so a reordered file still reads.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace r8 {

struct EibiRow {
  int line = 0;          // 1-based line of the file
  std::string_view raw;  // the line as it stands
  std::string_view khz, time, days, station, language, target, persistence, start, stop;
  bool malformed = false;  // more fields than the header names
};

struct EibiTable {
  std::string problem;  // why the file cannot be read at all; empty when it can
  std::vector<EibiRow> rows;
};

// Views into text, which must outlive the result.
EibiTable ReadEibiTable(std::string_view text);

// The lines of text, ended by CR LF, LF or a CR alone (as old Macintosh files are); line k of the
// file is element k - 1.
std::vector<std::string_view> SplitEibiLines(std::string_view text);

}  // namespace r8
