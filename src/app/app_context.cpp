#include "app/app_context.h"

#include "common/file_names.h"

namespace r8 {

AppContext::AppContext(Clock& clock, UserPrompts& prompts, SerialPort& port,
                       ProgramLauncher& launcher, const std::filesystem::path& settings_file)
    : clock_(clock),
      prompts_(prompts),
      profile_(FindFileNoCase(settings_file)),
      link_(port, clock, prompts, settings_, radio_),
      control_(link_, radio_, settings_, clock),
      launcher_(launcher),
      data_folder_(settings_file.has_parent_path() ? settings_file.parent_path()
                                                   : std::filesystem::path(".")) {
  // A receiver command that asks for it refreshes whichever window carries out command 1964.
  control_.on_update_display = [this] { commands_.Post(AppCommand::kRefresh); };
  control_.on_tuned = [this](double khz) { events_.tuned.Emit(khz); };
  link_.on_port_changed = [this](bool usable) { events_.port_changed.Emit(usable); };
}

bool AppContext::LoadSettings() {
  settings_ = Settings{};
  settings_file_existed_ = profile_.Exists();
  if (settings_file_existed_) ReadSettings(profile_, settings_);
  scan_.banks = ParseScanList(settings_.scan_list, settings_.RadioModel);
  return settings_file_existed_;
}

}  // namespace r8
