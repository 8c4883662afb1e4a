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

// Fixed capacities of the tables; nothing is ever stored past them.
inline constexpr int kMaxRecords = 9999;
inline constexpr int kMaxStations = 999;

// Hour buckets: 0..23 by start hour, 24 the all-day records, 25 the utility records.
inline constexpr int kHourBuckets = 26;
inline constexpr int kAllDayBucket = 24;
inline constexpr int kUtilityBucket = 25;

struct ScheduleRecord {
  std::int16_t StartTime = 0;
  std::int16_t StopTime = 0;
  std::uint8_t Days = 0;           // bit 0 Sunday .. bit 6 Saturday; 0 = every day
  std::uint16_t StationIndex = 0;  // 1-based into the station table
  double Freq = 0.0;               // kHz
  std::array<char, 2> Target = {' ', ' '};
  char Heard = 'F';

  bool operator==(const ScheduleRecord&) const = default;
};

inline bool IsUtility(const ScheduleRecord& r) { return r.StartTime > kAllDay; }
inline bool IsHeard(const ScheduleRecord& r) { return r.Heard == 'T'; }

// The hour bucket the record belongs in. A damaged negative time gives a negative number, which
// no bucket range covers.
inline int BucketOf(const ScheduleRecord& r) {
  return IsUtility(r) ? kUtilityBucket : r.StartTime / 100;
}

// The four code characters of a utility record (low and high byte of StartTime, then StopTime).
std::string UtilityCode(const ScheduleRecord& r);
// A utility record carrying code (four characters, padded with spaces).
ScheduleRecord UtilityRecord(std::string_view code);

// Station names numbered from 1, each exactly 25 characters; at most kMaxStations of them.
class StationTable {
 public:
  StationTable() { names_.reserve(kMaxStations); }
  std::size_t size() const { return names_.size(); }
  // Pads or cuts to 25 characters; returns the new station's number, or 0 when the table is full.
  std::uint16_t Add(std::string_view name);
  // The name of station n, or 25 spaces when n is not in the table.
  const std::string& Name(std::uint16_t n) const;
  // The number of the station whose 25 characters equal name padded to 25, or 0.
  std::uint16_t Find(std::string_view name) const;
  // False when n is not in the table.
  bool Rename(std::uint16_t n, std::string_view name);
  void Clear() { names_.clear(); }
  bool operator==(const StationTable&) const = default;

 private:
  std::vector<std::string> names_;
};

std::string StationNameOf(const StationTable& stations, const ScheduleRecord& record);

// "14301600" / "1430-1600", "24hr    " / "24hr-    ", "UtilFAX1" / "Util-FAX1".
std::string TimeRangeText(const ScheduleRecord& record, bool with_dash);

// The frequency column of lists and the dump: width 7, one decimal (" 9580.0").
std::string FreqText7(double khz);

}  // namespace r8
