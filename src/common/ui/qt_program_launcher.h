// The ProgramLauncher port on Qt: QProcess, started detached so nothing waits for it.
#pragma once

#include "common/program_launcher.h"

namespace r8 {

class QtProgramLauncher : public ProgramLauncher {
 public:
  bool Start(const std::filesystem::path& program, const std::vector<std::string>& arguments,
             const std::filesystem::path& working_dir) override;
};

}  // namespace r8
