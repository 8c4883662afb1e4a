#include "database/schedule_record.h"

#include <cmath>

#include "common/format.h"

namespace r8 {

std::string UtilityCode(const ScheduleRecord& r) {
  const auto start = static_cast<std::uint16_t>(r.StartTime);
  const auto stop = static_cast<std::uint16_t>(r.StopTime);
  std::string code(4, ' ');
  code[0] = static_cast<char>(start & 0xFF);
  code[1] = static_cast<char>(start >> 8);
  code[2] = static_cast<char>(stop & 0xFF);
  code[3] = static_cast<char>(stop >> 8);
  return code;
}

ScheduleRecord UtilityRecord(std::string_view code) {
  const std::string c = PadRight(code.substr(0, 4), 4);
  const auto byte = [&c](std::size_t i) { return static_cast<unsigned char>(c[i]); };
  ScheduleRecord r;
  r.StartTime = static_cast<std::int16_t>(byte(0) | byte(1) << 8);
  r.StopTime = static_cast<std::int16_t>(byte(2) | byte(3) << 8);
  return r;
}

std::uint16_t StationTable::Add(std::string_view name) {
  if (names_.size() >= static_cast<std::size_t>(kMaxStations)) return 0;
  names_.push_back(PadRight(name.substr(0, kStationNameLength), kStationNameLength));
  return static_cast<std::uint16_t>(names_.size());
}

const std::string& StationTable::Name(std::uint16_t n) const {
  static const std::string kBlank(kStationNameLength, ' ');
  if (n == 0 || n > names_.size()) return kBlank;
  return names_[n - 1];
}

std::uint16_t StationTable::Find(std::string_view name) const {
  const std::string wanted = PadRight(name.substr(0, kStationNameLength), kStationNameLength);
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i] == wanted) return static_cast<std::uint16_t>(i + 1);
  }
  return 0;
}

bool StationTable::Rename(std::uint16_t n, std::string_view name) {
  if (n == 0 || n > names_.size()) return false;
  names_[n - 1] = PadRight(name.substr(0, kStationNameLength), kStationNameLength);
  return true;
}

std::string StationNameOf(const StationTable& stations, const ScheduleRecord& record) {
  return stations.Name(record.StationIndex);
}

std::string TimeRangeText(const ScheduleRecord& record, bool with_dash) {
  std::string text;
  if (record.StartTime == kAllDay) {
    text = "24hr    ";
  } else if (record.StartTime < kAllDay) {
    // A damaged time must not widen the column.
    text = IntToTime4(record.StartTime).substr(0, 4) + IntToTime4(record.StopTime).substr(0, 4);
  } else {
    text = "Util" + UtilityCode(record);
  }
  if (with_dash) text.insert(4, "-");
  return text;
}

std::string FreqText7(double khz) {
  // The dump writes one of these per record, and the general formatter is exact but slow. Here
  // khz * 10 is rounded half away from zero just as exactly: fma gives the product's rounding
  // error, which decides only when the rounded product lies on a half.
  const double mag = std::fabs(khz);
  if (!(mag < 1e14)) return FormatFixedWidth(khz, 7, 1);
  const double p = mag * 10.0;
  const double err = std::fma(mag, 10.0, -p);
  const double floor_p = std::floor(p);
  const double t = p - floor_p;
  // Below or above a half by at least an ulp, the error (at most half an ulp) cannot matter.
  const bool up = t > 0.5 || (t == 0.5 && err >= 0.0);
  const auto tenths = static_cast<long long>(floor_p) + (up ? 1 : 0);
  std::string text = std::to_string(tenths / 10) + "." + static_cast<char>('0' + tenths % 10);
  if (std::signbit(khz) && tenths != 0) text.insert(text.begin(), '-');
  return PadLeft(text, 7);
}

}  // namespace r8
