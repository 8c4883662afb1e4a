// The main window's database commands, without the window: each takes the database, its folder
// and the ports, asks what it has to ask, and says what happened so the window can refresh.
#pragma once

#include <filesystem>
#include <string>

#include "database/database_files.h"
#include "database/schedule_dump.h"
#include "database/station_database.h"

namespace r8 {

enum class CommandOutcome {
  kDone,         // carried out (saved, loaded, dumped, companion started)
  kNothingToDo,  // nothing to save, import or swap
  kCancelled,    // the user said Cancel or No
  kFailed,       // an error the user has been shown
};

// "&Save database" (F9): writes both files when DatabaseChanged is 1, then clears it. The caller
// refreshes the main display after kDone.
CommandOutcome CMFileSave(const std::filesystem::path& folder, StationDatabase& db,
                          DatabasePorts& ports);

// Asks the shared save prompt for action ("re-opening", "dumping", ...) and saves on Yes. False
// when the command must stop: Cancel, or a save that failed (the changes are still only in
// memory, and going on would lose them).
bool SaveBeforeAction(const std::filesystem::path& folder, StationDatabase& db,
                      DatabasePorts& ports, std::string_view action);

// Re-load after the save prompt. kDone when ReadDB ran (the caller refreshes the display).
CommandOutcome CMFileOpen(const std::filesystem::path& folder, StationDatabase& db,
                          DatabasePorts& ports);

struct UpdateAllResult {
  CommandOutcome outcome = CommandOutcome::kDone;
  std::string caption;  // the main window's new caption
};
// "&Open database" (Alt+F9): CMFileOpen and the caption; the caller then clears the query windows'
// holds-results flags, refreshes the programme guide and synchronises the windows.
UpdateAllResult UpdateAll(const std::filesystem::path& folder, StationDatabase& db,
                          DatabasePorts& ports);

// "&Dump database" (Ctrl+F9): the save prompt, then the dump of "*" to SKEDULE.TXT.
CommandOutcome CMAllPrint(const std::filesystem::path& folder, StationDatabase& db,
                          DatabasePorts& ports);

// "&Import database": needs SW_UPD.DBF, asks, offers to save, starts the companion with " /i".
CommandOutcome CMFileImport(const std::filesystem::path& folder, StationDatabase& db,
                            DatabasePorts& ports);
// "S&wap database...": needs SWBCGIDE.DAT and SWBCGIDE.SRC or .SKD; companion " /u".
CommandOutcome CMSwapDatabase(const std::filesystem::path& folder, StationDatabase& db,
                              DatabasePorts& ports);
// "P&ublish database": companion " /r".
CommandOutcome CMFilePublish(const std::filesystem::path& folder, StationDatabase& db,
                             DatabasePorts& ports);

}  // namespace r8
