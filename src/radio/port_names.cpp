#include "radio/port_names.h"

#include <filesystem>
#include <system_error>

#include "common/format.h"

namespace r8 {
namespace {

namespace fs = std::filesystem;

// A serial library puts a bare relative name under /dev/, so "pty/ttyR8" or "./ttyR8" would open
// the wrong device. Paths with a folder in them, and names of a file in the working folder, are
// made absolute against that folder; a bare name that is no file there ("ttyUSB0") still means
// the system's device of that name.
std::string DevicePath(const ProfileFile& settings, const std::string& value) {
  const fs::path p(value);
  if (p.is_absolute()) return value;
  fs::path base = settings.path().parent_path();
  std::error_code ec;
  if (base.empty()) base = fs::current_path(ec);
  const fs::path resolved = (base / p).lexically_normal();
  const bool has_folder = p.has_parent_path() || value.starts_with('.');
  if (has_folder || fs::exists(resolved, ec)) return fs::absolute(resolved, ec).string();
  return value;
}

}  // namespace

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
    t.device = value.empty() ? DefaultDevice(n) : DevicePath(settings, value);
  }
  return t;
}

bool WritePortMapping(ProfileFile& settings, int port_number, std::string_view device) {
  if (port_number < 1 || port_number > 8) return false;
  return settings.WriteString(kPortsSection, "COM" + std::to_string(port_number), device);
}

}  // namespace r8
