// The process-wide state of the program in one object: settings, the ports to the outside, and
// (as the subsystems arrive) the receiver link, the database, the memories, scans, timers and log.
// The main window owns it; every other window gets a reference.
#pragma once

#include <filesystem>

#include "app/profile_file.h"
#include "app/settings.h"
#include "common/clock.h"
#include "common/user_prompts.h"
#include "radio/radio_link.h"
#include "radio/radio_protocol.h"
#include "radio/radio_state.h"
#include "radio/serial_port.h"

namespace r8 {

class AppContext {
 public:
  // settings_file is looked up without regard to case in its folder.
  AppContext(Clock& clock, UserPrompts& prompts, SerialPort& port,
             const std::filesystem::path& settings_file = std::filesystem::path(kSettingsFileName));
  AppContext(const AppContext&) = delete;
  AppContext& operator=(const AppContext&) = delete;

  Clock& clock() { return clock_; }
  UserPrompts& prompts() { return prompts_; }
  ProfileFile& profile() { return profile_; }
  Settings& settings() { return settings_; }
  const Settings& settings() const { return settings_; }
  RadioState& radio() { return radio_; }
  const RadioState& radio() const { return radio_; }
  RadioLink& link() { return link_; }
  const RadioLink& link() const { return link_; }
  RadioControl& control() { return control_; }

  // Built-in defaults, then section "OPTIONS" when the settings file exists. Returns whether it
  // existed (a first start otherwise).
  bool LoadSettings();
  bool settings_file_existed() const { return settings_file_existed_; }

  // Set once the main window is up; the busy cursor waits for it.
  bool startup_finished = false;
  // Set by the printing-status window's Abort button, read by the page loops.
  bool print_aborted = false;
  // A running faceplate or list scan is paused.
  bool scan_paused = false;

 private:
  Clock& clock_;
  UserPrompts& prompts_;
  ProfileFile profile_;
  Settings settings_;
  bool settings_file_existed_ = false;
  RadioState radio_;
  RadioLink link_;
  RadioControl control_;
};

}  // namespace r8
