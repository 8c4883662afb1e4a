// DoPrint: the schedule of the stations whose name contains a key (all of them for "*") in the dump
// layout, to a file or, as lines for the printer adapter to draw, to the printer.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database/database_files.h"
#include "database/station_database.h"

namespace r8 {

inline constexpr std::string_view kPrinterDestination = "PRN";
inline constexpr std::string_view kDumpAllKey = "*";

// What the printer adapter draws: one text line per printed line, in a fixed-pitch font.
struct PrintJob {
  std::string title;  // the key
  std::string font_name = "Courier";
  int font_size = 10;
  bool fixed_pitch = true;
  std::vector<std::string> lines;
};

// The printed lines for key; none for "*" (the whole dump is never printed).
PrintJob SchedulePrintJob(const StationDatabase& db, std::string_view key, ProgressBox* progress);

// The dump layout as file bytes: every line ended by CR LF.
std::string ScheduleFileText(const StationDatabase& db, std::string_view key,
                             ProgressBox* progress);

enum class DumpOutcome {
  kWritten,   // the file was written (or the print job made)
  kDeclined,  // the user would not replace an existing file
  kFailed,    // the file could not be written; the user has been told
};

struct DoPrintResult {
  DumpOutcome outcome = DumpOutcome::kWritten;
  std::optional<PrintJob> print_job;  // for "PRN"
};

// destination: "PRN", or a file name (relative names are in folder). An existing file other than
// SKEDULE.TXT is replaced only when the user says Yes. The file is written whole to a temporary
// file and renamed over the old one. After dumping "*" to SKEDULE.TXT its date goes into
// "DATABASE"/"FD", so the next load does not hand the file just written to the companion.
DoPrintResult DoPrint(const std::filesystem::path& folder, const StationDatabase& db,
                      std::string_view key, std::string_view destination, DatabasePorts& ports);

// True when destination names the dump file SKEDULE.TXT of folder.
bool IsDumpFile(const std::filesystem::path& folder, std::string_view destination);

}  // namespace r8
