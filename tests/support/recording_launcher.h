// ProgramLauncher for tests: records every start and answers as told.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/program_launcher.h"

namespace r8::testing {

class RecordingLauncher : public ProgramLauncher {
 public:
  struct Call {
    std::filesystem::path program;
    std::vector<std::string> arguments;
    std::filesystem::path working_dir;
  };

  bool Start(const std::filesystem::path& program, const std::vector<std::string>& arguments,
             const std::filesystem::path& working_dir) override {
    calls.push_back({program, arguments, working_dir});
    return succeed;
  }

  std::vector<Call> calls;
  bool succeed = true;
};

}  // namespace r8::testing
