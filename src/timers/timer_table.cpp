#include "timers/timer_table.h"

#include <charconv>

#include "common/format.h"
#include "settings/profile_file.h"

namespace r8 {

namespace {

std::string Trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return std::string(s);
}

std::optional<long> WholeNumber(std::string_view s) {
  const std::string t = Trimmed(s);
  long v = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (t.empty() || ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
  return v;
}

// The frequency in at most 8 places: the usual decimals when they fit, fewer when not.
std::string FrequencyField(double frequency, int unit) {
  int decimals = unit == 1 ? 5 : 2;
  std::string text = FormatFixed(frequency, decimals);
  while (text.size() > 8 && decimals > 0) text = FormatFixed(frequency, --decimals);
  return PadLeft(text, 8);
}

std::optional<TimerRecord> FromFields(std::string_view set, std::string_view time,
                                      std::string_view freq, std::string_view unit,
                                      std::string_view days, std::string_view notes) {
  TimerRecord r;
  if (set != "xTrue" && set != "False") return std::nullopt;
  r.set = set == "xTrue";
  if (time.size() != 4) return std::nullopt;
  r.time = std::string(time);
  const std::optional<double> f = ParseDecimal(Trimmed(freq));
  const std::optional<long> u = WholeNumber(unit);
  const std::optional<long> d = WholeNumber(days);
  if (!f || *f < 0.0 || !u || *u < -1 || *u > 1 || !d || *d < 0 || *d > 255) return std::nullopt;
  r.frequency = *f;
  r.unit = static_cast<int>(*u);
  r.days = static_cast<std::uint8_t>(*d);
  r.notes = std::string(notes.substr(0, kTimerNotesLength));
  return r;
}

}  // namespace

std::string FormatTimerValue(const TimerRecord& r) {
  std::string time = r.time.substr(0, 4);
  time = PadLeft(time, 4);
  return std::string(r.set ? "xTrue" : "False") + "," + time + "," +
         FrequencyField(r.frequency, r.unit) + "," + PadLeft(std::to_string(r.unit), 2) + "," +
         PadLeft(std::to_string(r.days), 3) + "," + r.notes.substr(0, kTimerNotesLength);
}

std::optional<TimerRecord> ParseTimerValue(std::string_view v) {
  // Set and time stand in fixed columns (the time may hold a comma of its own); the other fields
  // are read by their commas, so a line whose frequency overflowed its column reads the same.
  if (v.size() < 11 || v[5] != ',' || v[10] != ',') return std::nullopt;
  std::string_view rest = v.substr(11);
  std::string_view fields[3];
  for (std::string_view& f : fields) {
    const std::size_t comma = rest.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    f = rest.substr(0, comma);
    rest.remove_prefix(comma + 1);
  }
  return FromFields(v.substr(0, 5), v.substr(6, 4), fields[0], fields[1], fields[2], rest);
}

TimerTable ReadTimers(ProfileFile& file) {
  TimerTable table{};
  for (int i = 0; i < kTimerCount; ++i) {
    const std::optional<std::string> value = file.Find(kTimersSection, "TIMER" + std::to_string(i));
    if (!value) continue;
    if (const std::optional<TimerRecord> r = ParseTimerValue(*value)) {
      table[static_cast<std::size_t>(i)] = *r;
    }
  }
  return table;
}

bool WriteTimers(ProfileFile& file, const TimerTable& table) {
  ProfileFile::Batch batch(file);
  for (int i = 0; i < kTimerCount; ++i) {
    file.WriteString(kTimersSection, "TIMER" + std::to_string(i),
                     FormatTimerValue(table[static_cast<std::size_t>(i)]));
  }
  return batch.Finish();
}

double TimerFrequencyKHz(const TimerRecord& r) {
  return r.unit == 1 ? r.frequency * 1000.0 : r.frequency;
}

std::vector<double> DueTimerFrequencies(const TimerTable& table, std::string_view utc_time4,
                                        int utc_day) {
  std::vector<double> due;
  if (utc_day < 1 || utc_day > 7) return due;
  for (const TimerRecord& r : table) {
    if (!r.set || r.time != utc_time4) continue;
    if ((r.days & kTimerDaily) == 0 && (r.days & DayBit(utc_day)) == 0) continue;
    due.push_back(TimerFrequencyKHz(r));
  }
  return due;
}

std::array<std::string, 13> TimerRow(const TimerTable& table, int index) {
  const TimerRecord& r = table[static_cast<std::size_t>(index)];
  std::array<std::string, 13> row;
  row[0] = IntToStr2Z(index + 1);
  row[1] = r.set ? "X" : " ";
  row[2] = r.unit == 1 ? FormatFixedWidth(r.frequency, 8, 5) + " MHz"
                       : FormatFixedWidth(r.frequency, 8, 2) + " kHz";
  row[3] = r.time;
  for (int day = 1; day <= 7; ++day)
    row[static_cast<std::size_t>(3 + day)] = r.days & DayBit(day) ? "X" : " ";
  row[11] = r.days & kTimerDaily ? "X" : " ";
  row[12] = r.notes;
  return row;
}

}  // namespace r8
