// Reads the text dump SKEDULE.TXT back: group lines of times, days, station name and up to four
// frequency cells, continuation lines of 43 spaces and more cells. The layout is the one the
// program's dump writes (database/query_format.h); this side only reads it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "database/schedule_record.h"

namespace r8 {

struct DumpLineError {
  int line = 0;  // 1-based
  std::string reason;
};

// One record as the dump gives it; StationIndex is left 0, the name says the station.
struct DumpRecord {
  ScheduleRecord record;
  std::string name;  // 25 characters
  int line = 0;
};

struct DumpContents {
  std::vector<DumpRecord> records;  // in file order
  std::vector<DumpLineError> errors;
  int lines = 0;  // lines that were not blank
};

// Reads every line; lines that cannot be read are listed in errors with the reason, and a
// continuation of such a line is refused with it. Nothing here limits the number of records.
DumpContents ReadDump(std::string_view text);

}  // namespace r8
