#include "database/database_commands.h"

#include "common/confirm_save.h"

namespace r8 {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kDatabaseWhat = "Database";

CommandOutcome Launch(const fs::path& folder, std::string_view switch_text, DatabasePorts& ports) {
  return RunCompanion(folder, switch_text, ports.prompts, ports.launcher) ? CommandOutcome::kDone
                                                                          : CommandOutcome::kFailed;
}

}  // namespace

CommandOutcome CMFileSave(const fs::path& folder, StationDatabase& db, DatabasePorts& ports) {
  if (db.DatabaseChanged() != 1) return CommandOutcome::kNothingToDo;
  const SaveResult saved = SaveDatabaseFiles(folder, db, ports.progress);
  if (!saved.ok) {
    ShowMessage(ports.prompts, MessageKind::kError, saved.error);
    return CommandOutcome::kFailed;
  }
  db.SetDatabaseChanged(0);
  return CommandOutcome::kDone;
}

bool SaveBeforeAction(const fs::path& folder, StationDatabase& db, DatabasePorts& ports,
                      std::string_view action) {
  const Answer answer =
      ConfirmSaveChanges(ports.prompts, kDatabaseWhat, action, db.DatabaseChanged());
  if (answer == Answer::kCancel) return false;
  if (answer == Answer::kYes) return CMFileSave(folder, db, ports) != CommandOutcome::kFailed;
  return true;
}

CommandOutcome CMFileOpen(const fs::path& folder, StationDatabase& db, DatabasePorts& ports) {
  if (!SaveBeforeAction(folder, db, ports, "re-opening")) return CommandOutcome::kCancelled;
  const LoadResult loaded = ReadDB(folder, db, ports);
  return loaded.status == LoadStatus::kFailed ? CommandOutcome::kFailed : CommandOutcome::kDone;
}

UpdateAllResult UpdateAll(const fs::path& folder, StationDatabase& db, DatabasePorts& ports) {
  UpdateAllResult r;
  r.outcome = CMFileOpen(folder, db, ports);
  r.caption = MainWindowCaption(folder);
  return r;
}

CommandOutcome CMAllPrint(const fs::path& folder, StationDatabase& db, DatabasePorts& ports) {
  if (!SaveBeforeAction(folder, db, ports, "dumping")) return CommandOutcome::kCancelled;
  const DoPrintResult printed = DoPrint(folder, db, kDumpAllKey, kDumpFileName, ports);
  switch (printed.outcome) {
    case DumpOutcome::kWritten:
      return CommandOutcome::kDone;
    case DumpOutcome::kDeclined:
      return CommandOutcome::kCancelled;
    case DumpOutcome::kFailed:
      return CommandOutcome::kFailed;
  }
  return CommandOutcome::kFailed;
}

CommandOutcome CMFileImport(const fs::path& folder, StationDatabase& db, DatabasePorts& ports) {
  if (!DatabaseFileExists(folder, kUpdateFileName)) {
    ShowMessage(ports.prompts, MessageKind::kInformation, "Nothing to import!");
    return CommandOutcome::kNothingToDo;
  }
  const Answer sure = ShowMessage(
      ports.prompts, MessageKind::kConfirmation,
      "About to import the SWBC Schedules database.\rAre you sure you want to continue?",
      MessageButtons::kYesNo);
  if (sure != Answer::kYes) return CommandOutcome::kCancelled;
  if (!SaveBeforeAction(folder, db, ports, "importing")) return CommandOutcome::kCancelled;
  return Launch(folder, " /i", ports);
}

CommandOutcome CMSwapDatabase(const fs::path& folder, StationDatabase& db, DatabasePorts& ports) {
  const bool can_swap =
      DatabaseFileExists(folder, kScheduleFileName) &&
      (DatabaseFileExists(folder, kSrcSetFileName) || DatabaseFileExists(folder, kSkdSetFileName));
  if (!can_swap) {
    ShowMessage(ports.prompts, MessageKind::kInformation, "Nothing to swap!");
    return CommandOutcome::kNothingToDo;
  }
  if (!SaveBeforeAction(folder, db, ports, "swapping")) return CommandOutcome::kCancelled;
  return Launch(folder, " /u", ports);
}

CommandOutcome CMFilePublish(const fs::path& folder, StationDatabase& db, DatabasePorts& ports) {
  if (!SaveBeforeAction(folder, db, ports, "publishing")) return CommandOutcome::kCancelled;
  return Launch(folder, " /r", ports);
}

}  // namespace r8
