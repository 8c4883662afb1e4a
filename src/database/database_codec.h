// The byte layouts of the database files: 16-byte schedule records in the saved and in the
// distribution form, 25-byte station names. Decoding works on bytes already in memory, so any
// content, however damaged, gives records without reading past the data.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "database/station_database.h"

namespace r8 {

inline constexpr std::size_t kScheduleRecordSize = 16;
inline constexpr std::size_t kStationRecordSize = kStationNameLength;

enum class DatabaseLayout { kSaved, kDistribution };

using RecordBytes = std::array<std::uint8_t, kScheduleRecordSize>;

// The layout of a schedule file from its first bytes. A first word of 0 is the saved form; so is
// any start that cannot be the distribution form's four ASCII characters (a saved table whose first
// record starts at 0030 begins with 0x1E 0x00). Two printable characters mean the distribution
// form. Fewer than two bytes: the saved form (an empty table).
DatabaseLayout DetectLayout(std::string_view head);

ScheduleRecord DecodeSavedRecord(std::span<const std::uint8_t, kScheduleRecordSize> bytes);
ScheduleRecord DecodeDistributionRecord(std::span<const std::uint8_t, kScheduleRecordSize> bytes);
RecordBytes EncodeSavedRecord(const ScheduleRecord& record);

struct TableDecodeReport {
  std::size_t in_file = 0;         // whole records the data holds
  std::size_t loaded = 0;          // records taken in (at most the capacity)
  std::size_t trailing_bytes = 0;  // bytes after the last whole record, ignored
  bool truncated() const { return loaded < in_file; }
};

// Replaces the schedule table with the records of bytes, read in layout. file_size is the size of
// the whole file when bytes holds only its beginning (a file larger than the capacity is not read
// to its end); 0 means bytes is the whole file. The hour index is not rebuilt.
TableDecodeReport DecodeSchedule(std::string_view bytes, DatabaseLayout layout, StationDatabase& db,
                                 ProgressDisplay* display = nullptr, std::size_t file_size = 0);
// Replaces the station table with the names of bytes (file_size as above).
TableDecodeReport DecodeStations(std::string_view bytes, StationTable& stations,
                                 std::size_t file_size = 0);

// The files' contents in the saved form.
std::string EncodeSchedule(const StationDatabase& db, ProgressDisplay* display = nullptr);
std::string EncodeStations(const StationTable& stations);

}  // namespace r8
