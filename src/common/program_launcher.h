// The port through which the core starts outside programs (the companion utility, the bulletin
// parser). The program is started and left to run; nothing waits for it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/user_prompts.h"

namespace r8 {

class ProgramLauncher {
 public:
  virtual ~ProgramLauncher() = default;
  // Starts program with the given arguments in working_dir, shown normally. False when it could
  // not be started.
  virtual bool Start(const std::filesystem::path& program,
                     const std::vector<std::string>& arguments,
                     const std::filesystem::path& working_dir) = 0;
};

// A path as the user is shown it: absolute and normalised.
std::string ExpandedPath(const std::filesystem::path& path);

// The error box for a program that is missing or would not start: "ERROR: " + the full path +
// CR + "File not found or other error.".
void ShowLaunchError(UserPrompts& prompts, const std::filesystem::path& program);

}  // namespace r8
