// The packed DOS date-time of a file, the form in which the settings file remembers when the
// program last wrote a file ("DATABASE"/"FD").
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "common/clock.h"

namespace r8 {

// Bits 25..31 year - 1980, 21..24 month, 16..20 day, 11..15 hour, 5..10 minute, 0..4 second / 2.
// Dates the format cannot hold are held to its first (1980) or last (2107) moment. Compare two
// stamps as unsigned: from 2044 on the top bit is set.
std::uint32_t PackDosDateTime(const LocalDateTime& t);

// The file's last-write time in local time, packed; nullopt when the file cannot be opened for
// reading.
std::optional<std::uint32_t> GetFileDate(const std::filesystem::path& file);

}  // namespace r8
