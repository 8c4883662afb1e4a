// The database on disk: file names, loading both layouts, the conversion check against the text
// dump, saving, and the window caption that names the active schedule set.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/program_launcher.h"
#include "common/progress_box.h"
#include "common/user_prompts.h"
#include "database/database_codec.h"
#include "database/station_database.h"
#include "settings/settings.h"

namespace r8 {

inline constexpr std::string_view kScheduleFileName = "SWBCGIDE.DAT";
inline constexpr std::string_view kStationsFileName = "STATIONS.DAT";
inline constexpr std::string_view kDumpFileName = "SKEDULE.TXT";
inline constexpr std::string_view kSrcSetFileName = "SWBCGIDE.SRC";
inline constexpr std::string_view kSkdSetFileName = "SWBCGIDE.SKD";
inline constexpr std::string_view kStationsSrcFileName = "STATIONS.SRC";
inline constexpr std::string_view kStationsSkdFileName = "STATIONS.SKD";
inline constexpr std::string_view kUpdateFileName = "SW_UPD.DBF";
inline constexpr std::string_view kCompanionFileName = "QUORNUTE.EXE";
inline constexpr std::string_view kDatabaseSection = "DATABASE";
inline constexpr std::string_view kFileDateKey = "FD";
inline constexpr std::string_view kMainTitle = kProgramTitle;

// The ports the database commands talk through.
struct DatabasePorts {
  UserPrompts& prompts;
  ProgramLauncher& launcher;
  ProfileFile& profile;
  ProgressBox* progress = nullptr;
};

// folder/name; an existing file whose name differs only in letter case is found too.
std::filesystem::path DatabaseFile(const std::filesystem::path& folder, std::string_view name);
bool DatabaseFileExists(const std::filesystem::path& folder, std::string_view name);

enum class LoadStatus {
  kLoaded,             // both files read (warnings may say what was left out)
  kHandedToCompanion,  // the text dump was newer: the companion converts it, nothing was loaded
  kFailed,             // a file could not be read: the tables hold what was read before it
};

struct LoadResult {
  LoadStatus status = LoadStatus::kLoaded;
  DatabaseLayout layout = DatabaseLayout::kSaved;
  std::vector<std::string> warnings;
  std::string error;
};

// Reads both files into db (the load without the conversion check and without message boxes),
// behind the "Loading Database" progress box. The hour index is always rebuilt, whatever happened.
LoadResult LoadDatabaseFiles(const std::filesystem::path& folder, StationDatabase& db,
                             ProgressBox* progress);

// True when SKEDULE.TXT exists, the settings file exists, and the dump is newer than the date the
// program last wrote it ("DATABASE"/"FD").
bool DumpNeedsConversion(const std::filesystem::path& folder, ProfileFile& profile);

// The whole load: the conversion check, then the files; warnings and errors are shown to the user.
// A conversion whose companion cannot be started is reported, and the files on disk are loaded.
LoadResult ReadDB(const std::filesystem::path& folder, StationDatabase& db, DatabasePorts& ports);
// Finishes or undoes a change to the database files that was stopped half way (a save, a
// conversion, an import or a swap), before anything reads them. True when something was put right.
bool RecoverDatabaseFolder(const std::filesystem::path& folder);

struct SaveResult {
  bool ok = false;
  std::string error;
};

// Whether the table's saved file begins with the word 0 that marks the saved form: its first
// record starts at 0000 (buckets are in order, so any record at 0000 comes first), or it is empty.
bool SavedFormIsUnambiguous(const StationDatabase& db);

// Writes both files in the saved form behind the "Saving Database" progress box. Both are written
// to temporary files first and replace the old ones only when both are complete. Refuses a table
// that was not loaded completely, and one whose first record does not start at 0000 (its file
// would not begin with the saved form's 0). Does not touch the changed flag.
SaveResult SaveDatabaseFiles(const std::filesystem::path& folder, const StationDatabase& db,
                             ProgressBox* progress);

// Starts the companion utility with switch (" /t", " /i", " /u", " /r") in folder, without waiting;
// when it is missing or cannot be started, ShowLaunchError. True when it was started.
bool RunCompanion(const std::filesystem::path& folder, std::string_view switch_text,
                  UserPrompts& prompts, ProgramLauncher& launcher);

// "Veltrix R8 Control 32 - [SRC]" when SWBCGIDE.DAT and SWBCGIDE.SKD exist, "... - [SKD]" when
// SWBCGIDE.DAT and SWBCGIDE.SRC exist, else the title alone.
std::string MainWindowCaption(const std::filesystem::path& folder);

}  // namespace r8
