// The process-wide state of the program in one object: settings, the ports to the outside, and
// (as the subsystems arrive) the receiver link, the database, the memories, scans, timers and log.
// The main window owns it; every other window gets a reference.
#pragma once

#include <filesystem>
#include <string>

#include "app/app_commands.h"
#include "app/app_events.h"
#include "common/clock.h"
#include "common/program_launcher.h"
#include "common/progress_box.h"
#include "common/user_prompts.h"
#include "database/database_files.h"
#include "database/query_results.h"
#include "database/station_database.h"
#include "memory/memory_document.h"
#include "radio/radio_link.h"
#include "radio/radio_protocol.h"
#include "radio/radio_state.h"
#include "radio/serial_port.h"
#include "scan/scan_status.h"
#include "settings/profile_file.h"
#include "settings/settings.h"
#include "stations/station_windows.h"
#include "timers/timer_table.h"

namespace r8 {

// What a list hands the find window before it posts FindFreq(-1) (kFindFreqDown): the station
// and the time hhmm to ask at.
struct FindHandover {
  std::string station;
  std::string time;
};

class AppContext {
 public:
  // settings_file is looked up without regard to case in its folder.
  // settings_file names the settings file; its folder is also where the data files live.
  AppContext(Clock& clock, UserPrompts& prompts, SerialPort& port, ProgramLauncher& launcher,
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
  ProgramLauncher& launcher() { return launcher_; }

  // The station database and the result tables of its queries.
  StationDatabase& database() { return database_; }
  const StationDatabase& database() const { return database_; }
  QueryResults& query_results() { return query_results_; }
  const std::filesystem::path& data_folder() const { return data_folder_; }
  // The ports the database commands use, with the progress window of the window that runs them.
  DatabasePorts database_ports(ProgressBox* progress) {
    return DatabasePorts{prompts_, launcher_, profile_, progress};
  }

  // The memory table with its file name, comment and modified flag.
  MemoryDocument& memory() { return memory_; }
  const MemoryDocument& memory() const { return memory_; }

  // What many windows follow, and the main window's numbered commands.
  AppEvents& events() { return events_; }
  CommandTable& commands() { return commands_; }

  // The station list windows and their registry.
  StationWindowSet& station_windows() { return station_windows_; }
  const StationWindowSet& station_windows() const { return station_windows_; }

  // The scan's state, one for every window (scan/scan_controller.h changes it).
  ScanStatus& scan() { return scan_; }
  const ScanStatus& scan() const { return scan_; }
  FindHandover& find_handover() { return find_handover_; }

  // The 30 timed events (section "TIMERS", read when the faceplate is first shown).
  TimerTable& timers() { return timers_; }
  const TimerTable& timers() const { return timers_; }

  // Built-in defaults, then section "OPTIONS" when the settings file exists. Returns whether it
  // existed (a first start otherwise).
  bool LoadSettings();
  bool settings_file_existed() const { return settings_file_existed_; }

 private:
  Clock& clock_;
  UserPrompts& prompts_;
  ProfileFile profile_;
  Settings settings_;
  bool settings_file_existed_ = false;
  RadioState radio_;
  RadioLink link_;
  RadioControl control_;
  ProgramLauncher& launcher_;
  std::filesystem::path data_folder_;
  StationDatabase database_;
  QueryResults query_results_;
  MemoryDocument memory_;
  ScanStatus scan_;
  TimerTable timers_{};
  FindHandover find_handover_;
  AppEvents events_;
  CommandTable commands_;
  // Last: it registers commands and follows events of the members above.
  StationWindowSet station_windows_{*this};
};

}  // namespace r8
