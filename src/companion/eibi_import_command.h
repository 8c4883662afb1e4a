// The faceplate's "Import EiBi schedule..." without its window: the save prompt, the file to
// import, the choice of what to import, the import itself (the companion's own, run in the
// program so its report can be shown at once) and the report.
#pragma once

#include <filesystem>
#include <functional>

#include "companion/eibi_import.h"
#include "database/database_commands.h"

namespace r8 {

inline constexpr char kEibiImportCaption[] = "Import &EiBi schedule...";

// Shows the choice to the user with options as the default; false when they cancelled.
using EibiOptionsChooser = std::function<bool(EibiImportOptions& options)>;

// kDone when a new database was written to folder: the caller then re-opens it (UpdateAll). The
// tables in memory were either saved or given up at the save prompt, so their changed flag is
// cleared and the re-open does not offer to save them over the import.
CommandOutcome CMImportEibi(const std::filesystem::path& folder, StationDatabase& db,
                            DatabasePorts& ports, const EibiOptionsChooser& choose);

}  // namespace r8
