// Writes the demo database (SWBCGIDE.DAT and STATIONS.DAT, saved form) into a folder:
//   make_demo_database [folder]      (default: the working directory)
#include <iostream>
#include <string>

#include "database/demo_database.h"

int main(int argc, char** argv) {
  const std::filesystem::path folder = argc > 1 ? argv[1] : ".";
  std::string error;
  if (!r8::WriteDemoDatabase(folder, error)) {
    std::cerr << error << '\n';
    return 1;
  }
  std::cout << "Demo database written to " << folder.string() << '\n';
  return 0;
}
