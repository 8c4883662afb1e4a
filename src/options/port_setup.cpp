#include "options/port_setup.h"

#include <cstdio>

#include "common/format.h"
#include "radio/port_names.h"

namespace r8 {
namespace {

std::string ComName(int port_number) { return "COM" + std::to_string(port_number); }

std::string Hex4(int v) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%04x", v & 0xFFFF);
  return buf;
}

}  // namespace

std::string UsbIdsText(const SerialDeviceInfo& d) {
  if (!d.vendor_id || !d.product_id) return {};
  return Hex4(*d.vendor_id) + ":" + Hex4(*d.product_id);
}

PortAssignment CurrentAssignment(ProfileFile& settings, int port_number) {
  PortAssignment a;
  const std::string value = TrimStr(settings.ReadString(kPortsSection, ComName(port_number), ""));
  if (value.empty()) return a;
  if (UpperStr(value) == kEmulatorDevice) {
    a.kind = PortAssignmentKind::kEmulator;
  } else {
    a.kind = PortAssignmentKind::kDevice;
    a.device = value;
  }
  return a;
}

std::string AssignmentText(const PortAssignment& a, int port_number) {
  const std::string head = ComName(port_number) + ": is ";
  switch (a.kind) {
    case PortAssignmentKind::kEmulator:
      return head + "the built-in emulated receiver";
    case PortAssignmentKind::kDevice:
      return head + a.device;
    case PortAssignmentKind::kSystemDefault:
      break;
  }
  return head + DefaultDevice(port_number) + " (the system's default)";
}

std::optional<std::string> CheckDevicePath(std::string_view path) {
  const std::string p = TrimStr(path);
  if (p.empty()) return "Type the path of the serial device, for example /dev/ttyUSB0.";
  for (char c : p) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      return "A device path cannot hold control characters.";
    }
  }
  // The word that means the emulator is not a device.
  if (UpperStr(p) == kEmulatorDevice) return "Choose the built-in emulated receiver instead.";
  return std::nullopt;
}

bool ApplyPortAssignment(ProfileFile& settings, int port_number, const PortAssignment& a) {
  if (port_number < 1 || port_number > 8) return false;
  switch (a.kind) {
    case PortAssignmentKind::kEmulator:
      return WritePortMapping(settings, port_number, kEmulatorDevice);
    case PortAssignmentKind::kDevice:
      if (CheckDevicePath(a.device)) return false;
      return WritePortMapping(settings, port_number, TrimStr(a.device));
    case PortAssignmentKind::kSystemDefault:
      break;
  }
  return settings.DeleteKey(kPortsSection, ComName(port_number));
}

}  // namespace r8
