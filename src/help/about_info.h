// The texts of the About box: a summary of the computer and of the loaded station database. The
// window gathers the facts from the system; these routines only word them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace r8 {

inline constexpr std::string_view kAboutCaption = "About Veltrix R8 Control";

struct SystemFacts {
  std::string os_name;     // the distribution's pretty name
  std::string os_version;  // the kernel's version
  std::string processor;   // the processor's model name, or its architecture
};

struct MemoryFacts {
  std::uint64_t total_bytes = 0;
  std::uint64_t available_bytes = 0;
};

struct DatabaseCounts {
  int frequencies = 0;  // records in the schedule table
  int stations = 0;     // names in the station table
};

// SystemLbl: the system's name, " v", its version, ", ", the processor (parts that are not known
// are left out with their separators).
std::string SystemLabelText(const SystemFacts& s);
// MemoryLbl: total bytes / 1000, " kB Physical Memory, ", the percentage free, "% Free".
std::string MemoryLabelText(const std::optional<MemoryFacts>& m);
// DatabaseLbl: "<n> Frequencies, <m> Stations in Database", or "Database not loaded" while the
// schedule table holds no record.
std::string DatabaseLabelText(const std::optional<DatabaseCounts>& d);

// From the text of /proc/meminfo: MemTotal and MemAvailable (MemFree where that is missing).
std::optional<MemoryFacts> ParseMemInfo(std::string_view meminfo);
// From the text of /proc/cpuinfo: the first "model name" (or "Processor", "cpu model"); "" when
// there is none.
std::string ParseCpuModel(std::string_view cpuinfo);

}  // namespace r8
