#include "common/file_date.h"

#include <chrono>
#include <ctime>
#include <fstream>
#include <system_error>

namespace r8 {

std::uint32_t PackDosDateTime(const LocalDateTime& t) {
  if (t.year < 1980) return PackDosDateTime({1980, 1, 1, 0, 0, 0});
  if (t.year > 2107) return PackDosDateTime({2107, 12, 31, 23, 59, 58});
  const auto field = [](int v, int lo, int hi) {
    return static_cast<std::uint32_t>(v < lo ? lo : (v > hi ? hi : v));
  };
  return static_cast<std::uint32_t>(t.year - 1980) << 25 | field(t.month, 1, 12) << 21 |
         field(t.day, 1, 31) << 16 | field(t.hour, 0, 23) << 11 | field(t.minute, 0, 59) << 5 |
         field(t.second, 0, 59) / 2;
}

std::optional<std::uint32_t> GetFileDate(const std::filesystem::path& file) {
  std::ifstream probe(file, std::ios::binary);
  if (!probe) return std::nullopt;
  std::error_code ec;
  const auto written = std::filesystem::last_write_time(file, ec);
  if (ec) return std::nullopt;
  const auto sys = std::chrono::file_clock::to_sys(written);
  const std::time_t tt = std::chrono::system_clock::to_time_t(
      std::chrono::time_point_cast<std::chrono::system_clock::duration>(sys));
  std::tm local{};
#ifdef _WIN32
  if (localtime_s(&local, &tt) != 0) return std::nullopt;
#else
  if (localtime_r(&tt, &local) == nullptr) return std::nullopt;
#endif
  return PackDosDateTime({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                          local.tm_min, local.tm_sec});
}

}  // namespace r8
