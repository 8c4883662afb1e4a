// Makes the demo's station database from a real EiBi season through the companion's own import:
//   make_eibi_demo SCHEDULE.csv FOLDER
// The import runs in a scratch folder; its database is then loaded and saved into FOLDER the way
// the program's "Save database" does, so the demo opens without a save prompt.
#include <filesystem>
#include <iostream>
#include <random>

#include "companion/eibi_import.h"
#include "database/database_files.h"

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  if (argc != 3) {
    std::cerr << "usage: make_eibi_demo SCHEDULE.csv FOLDER\n";
    return 2;
  }
  const fs::path scratch =
      fs::temp_directory_path() / ("r8-eibi-demo-" + std::to_string(std::random_device{}()));
  fs::create_directories(scratch);
  const r8::CompanionReport report = r8::ImportEibiFile(scratch, argv[1], r8::EibiImportOptions{});
  std::cout << report.text;
  int status = report.ok() ? 0 : 1;
  if (status == 0) {
    r8::StationDatabase db;
    const r8::LoadResult loaded = r8::LoadDatabaseFiles(scratch, db, nullptr);
    const r8::SaveResult saved = loaded.status == r8::LoadStatus::kLoaded
                                     ? r8::SaveDatabaseFiles(argv[2], db, nullptr)
                                     : r8::SaveResult{false, loaded.error};
    if (!saved.ok) {
      std::cerr << saved.error << '\n';
      status = 1;
    } else {
      std::cout << "Demo database (" << db.count() << " records, saved form) written to " << argv[2]
                << '\n';
    }
  }
  std::error_code ec;
  fs::remove_all(scratch, ec);
  return status;
}
