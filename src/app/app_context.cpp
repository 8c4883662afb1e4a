#include "app/app_context.h"

#include "common/file_names.h"

namespace r8 {

AppContext::AppContext(Clock& clock, UserPrompts& prompts,
                       const std::filesystem::path& settings_file)
    : clock_(clock), prompts_(prompts), profile_(FindFileNoCase(settings_file)) {}

bool AppContext::LoadSettings() {
  settings_ = Settings{};
  settings_file_existed_ = profile_.Exists();
  if (settings_file_existed_) ReadSettings(profile_, settings_);
  return settings_file_existed_;
}

}  // namespace r8
