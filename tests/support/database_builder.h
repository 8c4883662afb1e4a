// Databases for tests: tables built in memory, and the bytes of both file layouts written by hand
// (not through the loader's own encoder, except for the six-byte real, which has tests of its own).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/real48.h"
#include "database/station_database.h"
#include "support/temp_dir.h"

namespace r8::testing {

inline ScheduleRecord Rec(int start, int stop, std::uint16_t station, double freq,
                          std::uint8_t days = 0, std::string_view target = "Eu", char heard = 'F') {
  ScheduleRecord r;
  r.StartTime = static_cast<std::int16_t>(start);
  r.StopTime = static_cast<std::int16_t>(stop);
  r.Days = days;
  r.StationIndex = station;
  r.Freq = freq;
  r.Target = {target.size() > 0 ? target[0] : ' ', target.size() > 1 ? target[1] : ' '};
  r.Heard = heard;
  return r;
}

inline ScheduleRecord AllDayRec(std::uint16_t station, double freq, std::string_view target = "Eu",
                                char heard = 'F') {
  return Rec(kAllDay, 0, station, freq, 0, target, heard);
}

inline ScheduleRecord UtilRec(std::string_view code, std::uint16_t station, double freq,
                              char heard = 'F') {
  ScheduleRecord r = UtilityRecord(code);
  r.StationIndex = station;
  r.Freq = freq;
  r.Target = {' ', ' '};
  r.Heard = heard;
  return r;
}

// Tables in the order given, with the hour index built.
inline StationDatabase MakeDatabase(const std::vector<std::string>& names,
                                    const std::vector<ScheduleRecord>& records) {
  StationDatabase db;
  for (const std::string& n : names) db.stations().Add(n);
  for (const ScheduleRecord& r : records) db.AppendRecord(r);
  db.BuildHourIndex();
  return db;
}

inline std::string Le16(std::uint16_t v) {
  return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}

inline std::string SavedRecordBytes(const ScheduleRecord& r) {
  std::string b =
      Le16(static_cast<std::uint16_t>(r.StartTime)) + Le16(static_cast<std::uint16_t>(r.StopTime));
  b += static_cast<char>(r.Days);
  b += Le16(r.StationIndex);
  for (std::uint8_t byte : DoubleToReal48(r.Freq)) b += static_cast<char>(byte);
  b += r.Target[0];
  b += r.Target[1];
  b += r.Heard;
  return b;
}

inline std::string SavedScheduleBytes(const std::vector<ScheduleRecord>& records) {
  std::string out;
  for (const ScheduleRecord& r : records) out += SavedRecordBytes(r);
  return out;
}

// One record of the distribution form. start: four digits, "24hr" or "Util"; stop: four digits
// or, after "Util", the four code characters.
struct DistRecord {
  std::string start = "1400";
  std::string stop = "1500";
  std::uint8_t days = 0;
  std::uint16_t station = 1;
  std::int16_t freq_khz = 9580;
  std::string target = "Eu";
  char heard = 'F';
};

inline std::string DistributionRecordBytes(const DistRecord& r) {
  std::string b = (r.start + "    ").substr(0, 4) + (r.stop + "    ").substr(0, 4);
  b += static_cast<char>(r.days);
  b += Le16(r.station);
  b += Le16(static_cast<std::uint16_t>(r.freq_khz));
  b += (r.target + "  ").substr(0, 2);
  b += r.heard;
  return b;
}

inline std::string DistributionScheduleBytes(const std::vector<DistRecord>& records) {
  std::string out;
  for (const DistRecord& r : records) out += DistributionRecordBytes(r);
  return out;
}

inline std::string StationFileBytes(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& n : names) out += (n + std::string(25, ' ')).substr(0, 25);
  return out;
}

inline void WriteDatabaseFiles(const std::filesystem::path& folder, const std::string& schedule,
                               const std::string& stations) {
  WriteBytes(folder / "SWBCGIDE.DAT", schedule);
  WriteBytes(folder / "STATIONS.DAT", stations);
}

}  // namespace r8::testing
