// The schedule printout with the printer behind it: a file destination is written as the dump,
// "PRN" prints the lines on the printer with the printing-status window.
#pragma once

#include <filesystem>
#include <string_view>

#include "database/schedule_dump.h"

class QPrinter;
class QWidget;

namespace r8 {

// Prints job on printer with the status window over parent; a printer that fails is reported
// through prompts. aborted is the status window's Abort flag (AppContext::print_aborted).
DumpOutcome PrintScheduleJob(QWidget* parent, QPrinter& printer, const PrintJob& job,
                             UserPrompts& prompts, bool& aborted);

// DoPrint for key and destination, then the printer for "PRN".
DumpOutcome PrintSchedule(QWidget* parent, QPrinter& printer, const std::filesystem::path& folder,
                          const StationDatabase& db, std::string_view key,
                          std::string_view destination, DatabasePorts& ports, bool& aborted);

}  // namespace r8
