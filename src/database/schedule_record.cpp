#include "database/schedule_record.h"

#include "common/format.h"

namespace r8 {

std::uint16_t StationTable::Add(std::string_view name) {
  names_.push_back(PadRight(name.substr(0, kStationNameLength), kStationNameLength));
  return static_cast<std::uint16_t>(names_.size());
}

const std::string& StationTable::Name(std::uint16_t n) const {
  static const std::string kBlank(kStationNameLength, ' ');
  if (n == 0 || n > names_.size()) return kBlank;
  return names_[n - 1];
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
    const auto start = static_cast<std::uint16_t>(record.StartTime);
    const auto stop = static_cast<std::uint16_t>(record.StopTime);
    text = "Util";
    text += static_cast<char>(start & 0xFF);
    text += static_cast<char>(start >> 8);
    text += static_cast<char>(stop & 0xFF);
    text += static_cast<char>(stop >> 8);
  }
  if (with_dash) text.insert(4, "-");
  return text;
}

}  // namespace r8
