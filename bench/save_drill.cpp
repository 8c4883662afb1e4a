// The program's own database save, load and start-up recovery as a command, for crash drills
// (scripts/kill_loop.sh), which kill it half way and check what is left:
//
//   save_drill save FOLDER      load the database, change both files, save it as the program does
//   save_drill recover FOLDER   what the program does first at start: finish or undo a change
//   save_drill check FOLDER     load it; exit 0 when it loads whole, printing its record count
#include <cstdio>
#include <filesystem>
#include <string>

#include "database/database_files.h"
#include "database/station_database.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: save_drill save|recover|check FOLDER\n", stderr);
    return 2;
  }
  const std::string what = argv[1];
  const std::filesystem::path folder = argv[2];
  if (what == "recover") {
    std::printf("%s\n", r8::RecoverDatabaseFolder(folder) ? "put right" : "nothing to do");
    return 0;
  }
  r8::StationDatabase db;
  const r8::LoadResult loaded = r8::LoadDatabaseFiles(folder, db, nullptr);
  if (!loaded.error.empty() || !loaded.warnings.empty() || db.incomplete()) {
    std::fprintf(stderr, "save_drill: the database in %s does not load whole: %s\n",
                 folder.string().c_str(), loaded.error.empty() ? "warnings" : loaded.error.c_str());
    return 1;
  }
  if (what == "check") {
    std::printf("%d records, %zu stations\n", db.count(), db.stations().size());
    return 0;
  }
  if (what != "save") return 2;
  // Both files change: every heard mark flips, and the first station gets another name.
  for (int i = 1; i <= db.count(); ++i) {
    r8::ScheduleRecord* r = db.MutableRecord(i);
    r->Heard = r->Heard == 'T' ? 'F' : 'T';
  }
  if (db.stations().size() > 0) db.stations().Rename(1, "Drill station");
  const r8::SaveResult saved = r8::SaveDatabaseFiles(folder, db, nullptr);
  if (!saved.ok) {
    std::fprintf(stderr, "save_drill: %s\n", saved.error.c_str());
    return 1;
  }
  return 0;
}
