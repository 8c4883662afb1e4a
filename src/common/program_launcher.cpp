#include "common/program_launcher.h"

#include <system_error>

namespace r8 {

std::string ExpandedPath(const std::filesystem::path& path) {
  std::error_code ec;
  const std::filesystem::path abs = std::filesystem::absolute(path, ec);
  return (ec ? path : abs).lexically_normal().string();
}

void ShowLaunchError(UserPrompts& prompts, const std::filesystem::path& program) {
  ShowMessage(prompts, MessageKind::kError,
              "ERROR: " + ExpandedPath(program) + "\rFile not found or other error.");
}

}  // namespace r8
