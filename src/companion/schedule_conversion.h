// " /t": SKEDULE.TXT becomes SWBCGIDE.DAT (distribution form) and STATIONS.DAT, in the order the
// loader and the query engine need, and the settings remember the dump's date so the program does
// not hand the same file over again. The EiBi import goes through here too.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "companion/companion_report.h"
#include "companion/dump_reader.h"
#include "database/database_codec.h"
#include "database/station_database.h"

namespace r8 {

struct DumpConversion {
  bool ok = false;
  StationDatabase db;  // the tables when ok: bucket order, a station's records at one time together
  std::string problem;                // why nothing can be written (the whole text, or capacity)
  std::vector<DumpLineError> errors;  // lines that could not be read
  int lines = 0;                      // lines that were not blank
  int rounded = 0;                    // frequencies with a fraction of a kHz, rounded to whole kHz
};

// Reads the dump text and builds the tables. Any unreadable line, any frequency the distribution
// form cannot hold (1..32767 kHz), or more records or stations than the tables hold fails the
// whole conversion: a partial database would lose the rest at the next dump.
DumpConversion ConvertDumpText(std::string_view text);

// The distribution form: "hhmm", "24hr" or "Util" in the first four bytes, the stop time or the
// utility code in the next four, whole kHz as a 16-bit number. The frequency must already fit.
RecordBytes EncodeDistributionRecord(const ScheduleRecord& r);
std::string EncodeDistributionSchedule(const StationDatabase& db);

// Writes SWBCGIDE.DAT, STATIONS.DAT and, when given, the dump text as SKEDULE.TXT in folder as one
// change, then the dump's file date into "DATABASE"/"FD" of the settings file. Fills the report:
// an error when the files could not be written (they are then as they were), or when the date
// could not be stored (the files are written, but the program would convert again at every load).
void WriteConvertedDatabase(const std::filesystem::path& folder, const StationDatabase& db,
                            const std::string* dump_text, CompanionReport& report);
// The same with the schedule in the saved form, which keeps fractions of a kHz.
void WriteSavedDatabase(const std::filesystem::path& folder, const StationDatabase& db,
                        const std::string* dump_text, CompanionReport& report);

// The whole of " /t" in folder.
CompanionReport ConvertScheduleFile(const std::filesystem::path& folder);

// "  line 12: reason" lines for a report, at most max of them, then how many more there are.
std::string ListLineErrors(const std::vector<DumpLineError>& errors, std::size_t max);

}  // namespace r8
