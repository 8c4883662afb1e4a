// Which device a port number means. The program names its ports COM1..COM8; section "PORTS" of
// the settings file maps each to a device path or to the built-in emulated receiver.
#pragma once

#include <string>
#include <string_view>

#include "settings/profile_file.h"

namespace r8 {

inline constexpr std::string_view kPortsSection = "PORTS";
inline constexpr std::string_view kEmulatorDevice = "EMULATOR";

struct PortTarget {
  bool emulator = false;
  std::string device;  // when not the emulator
};

// "COM3" gives 3; anything else 0.
int PortNumber(std::string_view com_name);
// /dev/ttyS0../dev/ttyS7 (COM1..COM8 on Windows).
std::string DefaultDevice(int port_number);
PortTarget ResolvePort(ProfileFile& settings, std::string_view com_name);
bool WritePortMapping(ProfileFile& settings, int port_number, std::string_view device);

}  // namespace r8
