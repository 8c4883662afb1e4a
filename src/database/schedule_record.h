// One broadcast-schedule record and the station names it refers to.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace r8 {

// StartTime 0..2359 is hhmm; 2400 marks an all-day record; above 2400 a utility record whose
// StartTime and StopTime bytes hold a four-character service code.
inline constexpr std::int16_t kAllDay = 2400;
inline constexpr std::size_t kStationNameLength = 25;

struct ScheduleRecord {
  std::int16_t StartTime = 0;
  std::int16_t StopTime = 0;
  std::uint8_t Days = 0;           // bit 0 Sunday .. bit 6 Saturday; 0 = every day
  std::uint16_t StationIndex = 0;  // 1-based into the station table
  double Freq = 0.0;               // kHz
  std::array<char, 2> Target = {' ', ' '};
  char Heard = 'F';
};

// Station names numbered from 1, each exactly 25 characters.
class StationTable {
 public:
  std::size_t size() const { return names_.size(); }
  // Pads or cuts to 25 characters; returns the new station's number.
  std::uint16_t Add(std::string_view name);
  // The name of station n, or 25 spaces when n is not in the table.
  const std::string& Name(std::uint16_t n) const;
  void Clear() { names_.clear(); }

 private:
  std::vector<std::string> names_;
};

std::string StationNameOf(const StationTable& stations, const ScheduleRecord& record);

// "14301600" / "1430-1600", "24hr    " / "24hr-    ", "UtilFAX1" / "Util-FAX1".
std::string TimeRangeText(const ScheduleRecord& record, bool with_dash);

}  // namespace r8
