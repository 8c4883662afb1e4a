// "&Set Time": the program does not set the computer's clock itself; it opens the desktop's own
// date and time settings where it knows one, and otherwise says where the clock is set.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace r8 {

struct LaunchCommand {
  std::string program;  // the full path find gave
  std::vector<std::string> arguments;
  bool operator==(const LaunchCommand&) const = default;
};

inline constexpr std::string_view kClockSetOutside =
    "The computer's clock is set outside this program, in the date and time settings of the "
    "system.";

// Finds a program by name on the search path: its full path, or "" when there is none.
using ProgramFinder = std::function<std::string(const std::string& name)>;

// The settings program for the desktops named in desktops (a colon-separated list as
// XDG_CURRENT_DESKTOP gives it, or "Windows"); a known one for another desktop when that one has
// none; nullopt when none is installed.
std::optional<LaunchCommand> DateTimeSettingsCommand(std::string_view desktops,
                                                     const ProgramFinder& find);

}  // namespace r8
