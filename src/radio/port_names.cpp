#include "radio/port_names.h"

#include "common/format.h"

namespace r8 {

int PortNumber(std::string_view com_name) {
  const std::string n = UpperStr(TrimStr(com_name));
  if (n.size() != 4 || n.compare(0, 3, "COM") != 0 || n[3] < '1' || n[3] > '8') return 0;
  return n[3] - '0';
}

std::string DefaultDevice(int port_number) {
#ifdef _WIN32
  return "COM" + std::to_string(port_number);
#else
  return "/dev/ttyS" + std::to_string(port_number - 1);
#endif
}

PortTarget ResolvePort(ProfileFile& settings, std::string_view com_name) {
  PortTarget t;
  const int n = PortNumber(com_name);
  if (n == 0) {
    t.device = std::string(com_name);
    return t;
  }
  const std::string value = settings.ReadString(kPortsSection, "COM" + std::to_string(n), "");
  if (UpperStr(value) == kEmulatorDevice) {
    t.emulator = true;
  } else {
    t.device = value.empty() ? DefaultDevice(n) : value;
  }
  return t;
}

bool WritePortMapping(ProfileFile& settings, int port_number, std::string_view device) {
  if (port_number < 1 || port_number > 8) return false;
  return settings.WriteString(kPortsSection, "COM" + std::to_string(port_number), device);
}

}  // namespace r8
