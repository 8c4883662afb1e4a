#include "options/clock_settings.h"

#include "common/format.h"

namespace r8 {
namespace {

struct Known {
  std::string_view desktop;  // upper case, as XDG_CURRENT_DESKTOP names it
  std::string_view program;
  std::vector<std::string> arguments;
};

const std::vector<Known>& KnownSettings() {
  static const std::vector<Known> known = {
      {"WINDOWS", "control.exe", {"timedate.cpl"}},
      {"GNOME", "gnome-control-center", {"datetime"}},
      {"UNITY", "gnome-control-center", {"datetime"}},
      {"BUDGIE", "budgie-control-center", {"datetime"}},
      {"KDE", "kcmshell6", {"kcm_clock"}},
      {"KDE", "kcmshell5", {"clock"}},
      {"X-CINNAMON", "cinnamon-settings", {"calendar"}},
      {"MATE", "mate-time-admin", {}},
      {"XFCE", "time-admin", {}},
      {"LXDE", "time-admin", {}},
  };
  return known;
}

std::vector<std::string> SplitDesktops(std::string_view desktops) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start <= desktops.size()) {
    const std::size_t colon = desktops.find(':', start);
    const std::size_t end = colon == std::string_view::npos ? desktops.size() : colon;
    const std::string name = UpperStr(TrimStr(desktops.substr(start, end - start)));
    if (!name.empty()) out.push_back(name);
    if (colon == std::string_view::npos) break;
    start = colon + 1;
  }
  return out;
}

}  // namespace

std::optional<LaunchCommand> DateTimeSettingsCommand(std::string_view desktops,
                                                     const ProgramFinder& find) {
  const auto command = [&](const Known& k) -> std::optional<LaunchCommand> {
    const std::string path = find ? find(std::string(k.program)) : std::string();
    if (path.empty()) return std::nullopt;
    return LaunchCommand{path, k.arguments};
  };
  for (const std::string& desktop : SplitDesktops(desktops)) {
    for (const Known& k : KnownSettings()) {
      if (k.desktop != desktop) continue;
      if (auto c = command(k)) return c;
    }
  }
  // Another desktop's settings still set the same clock.
  for (const Known& k : KnownSettings()) {
    if (k.desktop == "WINDOWS") continue;
    if (auto c = command(k)) return c;
  }
  return std::nullopt;
}

}  // namespace r8
