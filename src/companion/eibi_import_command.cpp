#include "companion/eibi_import_command.h"

#include <algorithm>

#include "common/file_names.h"

namespace r8 {

CommandOutcome CMImportEibi(const std::filesystem::path& folder, StationDatabase& db,
                            DatabasePorts& ports, const EibiOptionsChooser& choose) {
  if (!SaveBeforeAction(folder, db, ports, "importing")) return CommandOutcome::kCancelled;
  FileDialogRequest ask;
  ask.for_open = true;
  ask.title = "Import EiBi schedule";
  ask.initial_dir = folder.string();
  ask.filters = {"EiBi schedule (*.csv)|*.CSV", "All files (*.*)|*.*"};
  ask.file_must_exist = true;
  const FileDialogResult file = ports.prompts.FileDialog(ask);
  if (!file.accepted || file.name.empty()) return CommandOutcome::kCancelled;
  EibiImportOptions options;
  if (choose && !choose(options)) return CommandOutcome::kCancelled;

  ports.prompts.BusyCursor(true);
  std::filesystem::path csv(NativePath(file.name));
  if (csv.is_relative()) csv = folder / csv;
  const CompanionReport report = ImportEibiFile(folder, csv, options);
  ports.prompts.BusyCursor(false);

  std::string text = report.text;
  std::replace(text.begin(), text.end(), '\n', '\r');
  ShowMessage(ports.prompts, report.ok() ? MessageKind::kInformation : MessageKind::kError, text);
  if (!report.database_written) return CommandOutcome::kFailed;
  db.SetDatabaseChanged(0);
  return CommandOutcome::kDone;
}

}  // namespace r8
