// What one run of the companion did, for its window or the terminal, and its exit code.
#pragma once

#include <string>

namespace r8 {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;        // bad input or a file error; nothing was changed
inline constexpr int kExitUsage = 2;         // a command line the companion does not know
inline constexpr int kExitNotAvailable = 3;  // a switch of the program this version cannot do

struct CompanionReport {
  std::string title;  // "Convert schedule", "Swap schedule sets", ...
  std::string text;   // Latin-1, lines separated by '\n'
  int exit_code = kExitOk;
  // New database files were written (a failure after that, such as the settings file, still
  // means the program must re-open them).
  bool database_written = false;
  bool ok() const { return exit_code == kExitOk; }
};

}  // namespace r8
