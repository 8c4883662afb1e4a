// The import of an EiBi schedule (sked-XNN.csv: semicolon-separated, ISO-8859-1, a header line of
// column names with widths). Each line becomes the records the query engine can find:
//   - utility stations and long- and medium-wave broadcasts: one utility record per station and
//     frequency, with the service code ("BCB " for broadcasts below 1710 kHz), no times, no days;
//   - "0000-2400": one all-day record;
//   - any other broadcast: one record per clock hour it covers, continuing on the next day (days
//     moved on by one) when it runs past midnight.
// The database holds far fewer records than a whole season gives this way, so the lines chosen
// (kind and frequency ranges) fill it in a fixed order until the record limit is reached. The
// order gives each record to what a listener would hear most of: every timed record lists its
// station for one hour on each of its days, so a record of a daily broadcast is worth seven of a
// weekly one, whatever the length of the broadcast.
//   1. utility records (they serve ships and aircraft wherever the listener is), by frequency;
//   2. broadcasts to the chosen target areas: BCB and all-day ones, then timed ones on known
//      days, most days a week first, then the longest, then by frequency; then broadcasts on
//      irregular days (listed as every day), in the same order;
//   3. broadcasts to the other areas, in the order of 2, in the room that is left.
// A line is taken whole or not at all; lines later in the order that still fit are taken. Every
// line not imported is counted under its reason.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "companion/companion_report.h"
#include "companion/eibi_fields.h"
#include "database/station_database.h"

namespace r8 {

// Leaves room for the listener's own records in a table of 9999.
inline constexpr int kDefaultImportRecords = 9500;

// The file the import lists every line it did not take in, with its text.
inline constexpr std::string_view kImportLogFileName = "QUORNUTE.LOG";

struct EibiImportOptions {
  bool broadcast = true;
  bool utility = true;
  std::vector<FreqRange> ranges = {kReceiverRange};
  int max_records = kDefaultImportRecords;  // 1..9999
  // Jammers and digital (DRM) transmissions make no sound a listener can use; only on request.
  bool jammers = false;
  bool digital = false;
  std::uint16_t areas = kAllAreas;  // the target areas filled first (EibiArea bits)
  // The order of earlier versions (fewest records first, no areas), kept to measure against.
  bool fewest_records_first = false;
};

enum class EibiDrop {
  kDuplicateLine,
  kMalformedLine,
  kMalformedFrequency,
  kOutsideReceiver,
  kOutsideRanges,
  kKindNotChosen,
  kJammer,
  kDigital,
  kMalformedTime,
  kOneDate,
  kRepeats,
  kStationsFull,
  kNoRoom,
};
inline constexpr std::size_t kEibiDropReasons = 13;

std::string EibiDropText(EibiDrop reason);

struct EibiImportResult {
  bool ok = false;      // the tables were built
  std::string problem;  // why the file cannot be imported at all
  int lines = 0;        // schedule lines (not the header, not blank lines)
  int timed_lines = 0;
  int all_day_lines = 0;
  int utility_lines = 0;
  int bcb_lines = 0;
  int irregular_lines = 0;  // kept ones with irregular days, listed as every day
  int malformed_dates = 0;  // lines with Start or Stop dates that cannot be read (ignored)
  // 1-based file line numbers of the lines not imported, by reason.
  std::array<std::vector<int>, kEibiDropReasons> dropped;
  StationDatabase db;     // the tables, in the order of the dump
  std::string dump_text;  // the tables in the dump layout, as SKEDULE.TXT gets them
  int kept_lines() const { return timed_lines + all_day_lines + utility_lines + bcb_lines; }
  int dropped_lines() const;
};

// Everything but the files: reads the text, chooses and orders the records, and writes the dump.
// A file that is empty, not single-byte text, not semicolon-separated, without the EiBi columns,
// or with a line cut short (fewer fields than the header) is not imported at all.
EibiImportResult ImportEibiText(std::string_view csv, const EibiImportOptions& options);

// The whole import into folder: the dump goes to SKEDULE.TXT and through the conversion of " /t"
// into SWBCGIDE.DAT and STATIONS.DAT, all three as one change; "DATABASE"/"FD" is updated; the
// lines not imported are listed in QUORNUTE.LOG.
CompanionReport ImportEibiFile(const std::filesystem::path& folder,
                               const std::filesystem::path& csv_file,
                               const EibiImportOptions& options);

}  // namespace r8
