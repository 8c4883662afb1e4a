#include "database/database_files.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "common/file_commit.h"
#include "common/file_date.h"
#include "common/file_names.h"
#include "common/format.h"
#include "companion/eibi_import.h"

namespace r8 {
namespace fs = std::filesystem;

namespace {

struct FileBytes {
  std::string bytes;     // at most the requested number of bytes from the start
  std::size_t size = 0;  // the size of the whole file
  std::string error;     // empty when the read succeeded
};

std::string OpenError(const fs::path& file, const std::string& why) {
  return "Cannot open file \"" + ExpandedPath(file) + "\".\r" + why;
}

// Reads the start of a file; a file larger than the tables can hold is not read to its end.
FileBytes ReadFileStart(const fs::path& file, std::size_t max_bytes) {
  FileBytes out;
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) {
    out.error =
        OpenError(file, ec ? ec.message()
                           : std::make_error_code(std::errc::no_such_file_or_directory).message());
    return out;
  }
  out.size = static_cast<std::size_t>(fs::file_size(file, ec));
  if (ec) {
    out.error = OpenError(file, ec.message());
    return out;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    out.error = OpenError(file, std::make_error_code(std::errc::permission_denied).message());
    return out;
  }
  out.bytes.resize(std::min(out.size, max_bytes));
  in.read(out.bytes.data(), static_cast<std::streamsize>(out.bytes.size()));
  if (static_cast<std::size_t>(in.gcount()) != out.bytes.size()) {
    out.error = "Read error in file \"" + ExpandedPath(file) + "\".";
  }
  return out;
}

std::string Count4(std::size_t n) { return FormatIntWidth(static_cast<long long>(n), 4); }

void AddTableWarnings(const TableDecodeReport& r, std::string_view file, std::string_view what,
                      std::size_t capacity, std::vector<std::string>& warnings) {
  const std::string name(file);
  if (r.truncated()) {
    warnings.push_back(name + " holds " + std::to_string(r.in_file) + " " + std::string(what) +
                       ", more than the " + std::to_string(capacity) +
                       " the database can hold. Only the first " + std::to_string(r.loaded) +
                       " were loaded, and the database will not be saved over the file.");
  }
  if (r.trailing_bytes != 0) {
    warnings.push_back(name + " ends with " + std::to_string(r.trailing_bytes) +
                       " bytes that do not make a whole record; they were ignored.");
  }
}

}  // namespace

fs::path DatabaseFile(const fs::path& folder, std::string_view name) {
  return FindFileNoCase(folder / fs::path(std::string(name)));
}

bool DatabaseFileExists(const fs::path& folder, std::string_view name) {
  std::error_code ec;
  return fs::exists(DatabaseFile(folder, name), ec);
}

LoadResult LoadDatabaseFiles(const fs::path& folder, StationDatabase& db, ProgressBox* progress) {
  LoadResult result;
  const fs::path schedule_file = DatabaseFile(folder, kScheduleFileName);
  const fs::path stations_file = DatabaseFile(folder, kStationsFileName);
  db.set_incomplete(false);

  const FileBytes schedule =
      ReadFileStart(schedule_file, static_cast<std::size_t>(kMaxRecords) * kScheduleRecordSize);
  if (!schedule.error.empty()) {
    db.Clear();
    db.set_incomplete(true);
    result.status = LoadStatus::kFailed;
    result.error = schedule.error;
    return result;
  }
  result.layout = DetectLayout(schedule.bytes);

  const std::size_t to_read =
      std::min(schedule.size / kScheduleRecordSize, static_cast<std::size_t>(kMaxRecords));
  ProgressScope scope(progress, "Loading Database",
                      "Wait....  Reading Database : " + Count4(to_read) + " Records to read.");
  const TableDecodeReport records =
      DecodeSchedule(schedule.bytes, result.layout, db, scope.display(), schedule.size);
  AddTableWarnings(records, kScheduleFileName, "records", kMaxRecords, result.warnings);
  db.SetDatabaseChanged(result.layout == DatabaseLayout::kDistribution ? 1 : 0);

  const FileBytes names =
      ReadFileStart(stations_file, static_cast<std::size_t>(kMaxStations) * kStationRecordSize);
  if (!names.error.empty()) {
    // The schedule just read stays; its names are blank until the station file can be read.
    db.stations().Clear();
    result.status = LoadStatus::kFailed;
    result.error = names.error;
  } else {
    scope.SetMessage(
        "Wait....  Reading Stations : " +
        Count4(std::min(names.size / kStationRecordSize, static_cast<std::size_t>(kMaxStations))) +
        " Records to read.");
    const TableDecodeReport stations = DecodeStations(names.bytes, db.stations(), names.size);
    AddTableWarnings(stations, kStationsFileName, "names", kMaxStations, result.warnings);
    if (stations.truncated()) db.set_incomplete(true);
  }
  if (records.truncated() || result.status == LoadStatus::kFailed) db.set_incomplete(true);

  scope.SetMessage("Wait....  Indexing Database.");
  db.BuildHourIndex(scope.display());
  return result;
}

bool DumpNeedsConversion(const fs::path& folder, ProfileFile& profile) {
  if (!DatabaseFileExists(folder, kDumpFileName) || !profile.Exists()) return false;
  const std::optional<std::uint32_t> date = GetFileDate(DatabaseFile(folder, kDumpFileName));
  if (!date) return false;
  // Stored as a signed number; compared as the unsigned stamp it is (dates from 2044 on).
  const auto written =
      static_cast<std::uint32_t>(profile.ReadInt(kDatabaseSection, kFileDateKey, 0));
  return written < *date;
}

bool RecoverDatabaseFolder(const fs::path& folder) {
  std::vector<fs::path> paths;
  for (std::string_view name :
       {kStationsFileName, kScheduleFileName, kDumpFileName, kStationsSrcFileName, kSrcSetFileName,
        kStationsSkdFileName, kSkdSetFileName, kImportLogFileName}) {
    paths.push_back(DatabaseFile(folder, name));
  }
  return RecoverCommit(paths);
}

LoadResult ReadDB(const fs::path& folder, StationDatabase& db, DatabasePorts& ports) {
  if (DumpNeedsConversion(folder, ports.profile) &&
      RunCompanion(folder, " /t", ports.prompts, ports.launcher)) {
    LoadResult handed;
    handed.status = LoadStatus::kHandedToCompanion;
    return handed;
  }
  LoadResult result = LoadDatabaseFiles(folder, db, ports.progress);
  if (!result.warnings.empty()) {
    std::string text;
    for (const std::string& w : result.warnings) text += (text.empty() ? "" : "\r\r") + w;
    ShowMessage(ports.prompts, MessageKind::kWarning, text);
  }
  if (!result.error.empty()) ShowMessage(ports.prompts, MessageKind::kError, result.error);
  return result;
}

bool SavedFormIsUnambiguous(const StationDatabase& db) {
  // The saved form has no marker but its first word, the first record's start time: 0 says
  // "saved form" to every reader, anything else is read as the distribution form's characters by
  // some. Our own reader is more lenient (see DetectLayout), but the files must not rely on that.
  return db.empty() || db.Record(1).StartTime == 0;
}

SaveResult SaveDatabaseFiles(const fs::path& folder, const StationDatabase& db,
                             ProgressBox* progress) {
  SaveResult result;
  if (db.incomplete()) {
    result.error =
        "The database was not loaded completely, so it is not saved: saving would lose what was "
        "left out of it.";
    return result;
  }
  if (!SavedFormIsUnambiguous(db)) {
    result.error =
        "The database is not saved: its first record does not start at 0000, and the file would "
        "begin like the distribution form, which other readers of the file would take it for. "
        "Add a record that starts at 0000 first.";
    return result;
  }
  const fs::path schedule_file = DatabaseFile(folder, kScheduleFileName);
  const fs::path stations_file = DatabaseFile(folder, kStationsFileName);

  ProgressScope scope(progress, "Saving Database",
                      "Wait....  Saving Frequencies : " +
                          Count4(static_cast<std::size_t>(db.count())) + " Records to write.");
  std::vector<FileToWrite> files(2);
  files[0] = {schedule_file, EncodeSchedule(db, scope.display())};
  scope.SetMessage("Wait....  Saving Stations : " + Count4(db.stations().size()) +
                   " Records to write.");
  files[1] = {stations_file, EncodeStations(db.stations())};
  // The two files are one document: they are replaced together or not at all.
  std::string error;
  if (!CommitFiles(files, error)) {
    result.error = error;
    return result;
  }
  result.ok = true;
  return result;
}

bool RunCompanion(const fs::path& folder, std::string_view switch_text, UserPrompts& prompts,
                  ProgramLauncher& launcher) {
  const fs::path program = DatabaseFile(folder, kCompanionFileName);
  std::error_code ec;
  if (!fs::is_regular_file(program, ec)) {
    ShowLaunchError(prompts, program);
    return false;
  }
  // The companion reports in a window only when asked; run from a script it writes to its
  // output and exits.
  std::vector<std::string> arguments = {"--window"};
  const std::string sw = TrimStr(switch_text);
  if (!sw.empty()) arguments.push_back(sw);
  if (!launcher.Start(program, arguments, folder)) {
    ShowLaunchError(prompts, program);
    return false;
  }
  return true;
}

std::string MainWindowCaption(const fs::path& folder) {
  std::string caption(kMainTitle);
  if (!DatabaseFileExists(folder, kScheduleFileName)) return caption;
  if (DatabaseFileExists(folder, kSkdSetFileName)) return caption + " - [SRC]";
  if (DatabaseFileExists(folder, kSrcSetFileName)) return caption + " - [SKD]";
  return caption;
}

}  // namespace r8
