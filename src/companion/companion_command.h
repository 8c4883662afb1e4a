// The companion's command line. The program starts it in the working folder as
// ".\QUORNUTE.EXE /t" (convert SKEDULE.TXT), "/u" (swap the schedule sets), "/i" (import
// SW_UPD.DBF), "/r" (publish) or "/p NAME" (an HF prediction); the last three are not available in
// this version and say so. A person can also run:
//   quornute --import-eibi FILE.csv [--kind broadcast|utility]... [--range RANGES]...
//            [--max-records N]
//   quornute --install FOLDER        (makes FOLDER/QUORNUTE.EXE start this program)
// with --folder DIR to work in another folder than the current one, and --text or --window to
// choose where the report goes.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "companion/companion_report.h"

namespace r8 {

enum class CompanionOutput {
  kAuto,    // the output, as kText (the program asks for the window)
  kText,    // the terminal only
  kWindow,  // a window
};

struct CompanionRun {
  CompanionReport report;
  CompanionOutput output = CompanionOutput::kAuto;
};

// args: the command line without the program's name. self: this program's executable file.
CompanionRun RunCompanionCommand(const std::vector<std::string>& args,
                                 const std::filesystem::path& self);

// Makes folder/QUORNUTE.EXE a symbolic link to self, where the program looks for its companion;
// a copy where links cannot be made. An existing QUORNUTE.EXE is replaced in one step.
CompanionReport InstallCompanion(const std::filesystem::path& folder,
                                 const std::filesystem::path& self);

std::string CompanionUsage();

}  // namespace r8
