#include "database/database_codec.h"

#include <algorithm>

#include "common/format.h"
#include "common/real48.h"

namespace r8 {
namespace {

bool Printable(unsigned char c) { return c >= 0x20 && c <= 0x7E; }

std::uint16_t Word(std::span<const std::uint8_t, kScheduleRecordSize> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

void PutWord(RecordBytes& b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v & 0xFF);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

std::string_view Chars(std::span<const std::uint8_t, kScheduleRecordSize> b, std::size_t at,
                       std::size_t n) {
  return std::string_view(reinterpret_cast<const char*>(b.data()) + at, n);
}

TableDecodeReport Measure(std::size_t data_size, std::size_t file_size, std::size_t record_size,
                          std::size_t capacity) {
  const std::size_t size = std::max(data_size, file_size);
  TableDecodeReport r;
  r.in_file = size / record_size;
  r.trailing_bytes = size % record_size;
  r.loaded = std::min({r.in_file, capacity, data_size / record_size});
  return r;
}

}  // namespace

DatabaseLayout DetectLayout(std::string_view head) {
  if (head.size() < 2) return DatabaseLayout::kSaved;
  const auto b0 = static_cast<unsigned char>(head[0]);
  const auto b1 = static_cast<unsigned char>(head[1]);
  if (b0 == 0 && b1 == 0) return DatabaseLayout::kSaved;
  return Printable(b0) && Printable(b1) ? DatabaseLayout::kDistribution : DatabaseLayout::kSaved;
}

ScheduleRecord DecodeSavedRecord(std::span<const std::uint8_t, kScheduleRecordSize> b) {
  ScheduleRecord r;
  r.StartTime = static_cast<std::int16_t>(Word(b, 0));
  r.StopTime = static_cast<std::int16_t>(Word(b, 2));
  r.Days = b[4];
  r.StationIndex = Word(b, 5);
  r.Freq = Real48ToDouble(b.subspan<7, 6>());
  r.Target = {static_cast<char>(b[13]), static_cast<char>(b[14])};
  r.Heard = static_cast<char>(b[15]);
  return r;
}

ScheduleRecord DecodeDistributionRecord(std::span<const std::uint8_t, kScheduleRecordSize> b) {
  ScheduleRecord r;
  const std::string_view start = Chars(b, 0, 4);
  if (start == "Util") {
    r.StartTime = static_cast<std::int16_t>(Word(b, 4));
    r.StopTime = static_cast<std::int16_t>(Word(b, 6));
  } else if (start == "24hr") {
    r.StartTime = kAllDay;
    r.StopTime = 0;
  } else {
    // Unchecked digits can make any number; it is kept to 16 bits as the field is.
    r.StartTime = static_cast<std::int16_t>(PackedTimeToInt(start));
    r.StopTime = static_cast<std::int16_t>(PackedTimeToInt(Chars(b, 4, 4)));
  }
  r.Days = b[8];
  r.StationIndex = Word(b, 9);
  r.Freq = static_cast<double>(static_cast<std::int16_t>(Word(b, 11)));
  r.Target = {static_cast<char>(b[13]), static_cast<char>(b[14])};
  r.Heard = static_cast<char>(b[15]);
  return r;
}

RecordBytes EncodeSavedRecord(const ScheduleRecord& r) {
  RecordBytes b{};
  PutWord(b, 0, static_cast<std::uint16_t>(r.StartTime));
  PutWord(b, 2, static_cast<std::uint16_t>(r.StopTime));
  b[4] = r.Days;
  PutWord(b, 5, r.StationIndex);
  const Real48Bytes freq = DoubleToReal48(r.Freq);
  std::copy(freq.begin(), freq.end(), b.begin() + 7);
  b[13] = static_cast<std::uint8_t>(r.Target[0]);
  b[14] = static_cast<std::uint8_t>(r.Target[1]);
  b[15] = static_cast<std::uint8_t>(r.Heard);
  return b;
}

TableDecodeReport DecodeSchedule(std::string_view bytes, DatabaseLayout layout, StationDatabase& db,
                                 ProgressDisplay* display, std::size_t file_size) {
  const TableDecodeReport report =
      Measure(bytes.size(), file_size, kScheduleRecordSize, static_cast<std::size_t>(kMaxRecords));
  db.ClearRecords();
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  std::int16_t last = 0;
  const auto n = static_cast<long long>(report.loaded);
  for (std::size_t i = 0; i < report.loaded; ++i) {
    std::span<const std::uint8_t, kScheduleRecordSize> rec(data + i * kScheduleRecordSize,
                                                           kScheduleRecordSize);
    db.AppendRecord(layout == DatabaseLayout::kSaved ? DecodeSavedRecord(rec)
                                                     : DecodeDistributionRecord(rec));
    if (display) CheckPct(static_cast<long long>(i + 1), n, 5, last, *display);
  }
  return report;
}

TableDecodeReport DecodeStations(std::string_view bytes, StationTable& stations,
                                 std::size_t file_size) {
  const TableDecodeReport report =
      Measure(bytes.size(), file_size, kStationRecordSize, static_cast<std::size_t>(kMaxStations));
  stations.Clear();
  for (std::size_t i = 0; i < report.loaded; ++i) {
    stations.Add(bytes.substr(i * kStationRecordSize, kStationRecordSize));
  }
  return report;
}

std::string EncodeSchedule(const StationDatabase& db, ProgressDisplay* display) {
  std::string out;
  out.reserve(static_cast<std::size_t>(db.count()) * kScheduleRecordSize);
  std::int16_t last = 0;
  for (int i = 1; i <= db.count(); ++i) {
    const RecordBytes b = EncodeSavedRecord(db.Record(i));
    out.append(reinterpret_cast<const char*>(b.data()), b.size());
    if (display) CheckPct(i, db.count(), 5, last, *display);
  }
  return out;
}

std::string EncodeStations(const StationTable& stations) {
  std::string out;
  out.reserve(stations.size() * kStationRecordSize);
  for (std::size_t i = 1; i <= stations.size(); ++i) {
    out += stations.Name(static_cast<std::uint16_t>(i));
  }
  return out;
}

}  // namespace r8
