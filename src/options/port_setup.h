// What "&Port Setup" shows and changes: the serial devices the system has, and which of them (or
// the built-in emulated receiver) a port number COM1..COM8 stands for in section "PORTS".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/profile_file.h"

namespace r8 {

struct SerialDeviceInfo {
  std::string path;  // "/dev/ttyUSB0"
  std::string description;
  std::string manufacturer;
  std::optional<int> vendor_id;
  std::optional<int> product_id;
};

// "0403:6001" for a USB device, "" otherwise.
std::string UsbIdsText(const SerialDeviceInfo& d);

enum class PortAssignmentKind { kSystemDefault, kDevice, kEmulator };
struct PortAssignment {
  PortAssignmentKind kind = PortAssignmentKind::kSystemDefault;
  std::string device;  // for kDevice
  bool operator==(const PortAssignment&) const = default;
};

// What port_number (1..8) stands for now.
PortAssignment CurrentAssignment(ProfileFile& settings, int port_number);
// "COM3: is /dev/ttyUSB0", "COM1: is /dev/ttyS0 (the system's default)", "COM2: is the built-in
// emulated receiver".
std::string AssignmentText(const PortAssignment& a, int port_number);

// Why a typed device path cannot be used, or nullopt when it can.
std::optional<std::string> CheckDevicePath(std::string_view path);

// Stores the assignment in section "PORTS"; the system default removes the key.
bool ApplyPortAssignment(ProfileFile& settings, int port_number, const PortAssignment& a);

}  // namespace r8
