#include "timers/timer_edit.h"

#include <algorithm>
#include <charconv>

#include "common/format.h"
#include "database/station_database.h"

namespace r8 {

namespace {

std::string Trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return std::string(s);
}

std::optional<int> Number(std::string_view s) {
  int v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return v;
}

std::string Cut(std::string_view s, std::size_t from1, std::size_t length) {
  if (from1 == 0 || from1 > s.size()) return {};
  return std::string(s.substr(from1 - 1, length));
}

}  // namespace

TimerEditCaption TimerEditCaptionOf(TimerEditMode mode) {
  switch (mode) {
    case TimerEditMode::kModify:
      return {"Modify Timer", 472};
    case TimerEditMode::kClear:
      return {"Clear Timer", 476};
    case TimerEditMode::kCreate:
      return {"Create Timer", 472};
    case TimerEditMode::kMove:
      return {"Move Timer", 474};
  }
  return {"Modify Timer", 472};
}

TimerEditResult SetTimerData(TimerEditMode mode, int index, const TimerRecord& old,
                             const TimerDialogFields& f) {
  TimerEditResult out;
  out.index = index;
  if (mode == TimerEditMode::kCreate || mode == TimerEditMode::kMove) {
    std::string_view n = f.number_text;
    if (!n.empty() && n.front() == '0') n.remove_prefix(1);
    const std::optional<int> number = Number(n);
    out.index = number && *number >= 1 && *number <= kTimerCount ? std::optional<int>(*number - 1)
                                                                 : std::nullopt;
  }
  if (mode == TimerEditMode::kClear) {
    out.record = TimerRecord{};
    return out;
  }
  TimerRecord& r = out.record;
  r = old;
  r.set = f.set;
  r.time = PadLeft(Trim(f.time_text).substr(0, 4), 4);
  const std::optional<double> freq = ParseDecimal(Trim(Trim(f.freq_text).substr(0, 8)));
  r.frequency = freq && *freq >= 0.0 ? *freq : 0.0;
  if (f.khz) r.unit = 0;
  if (f.mhz) r.unit = 1;
  r.days = f.daily ? kTimerDaily : 0;
  for (int d = 0; d < 7; ++d) {
    if (f.day[d]) r.days = static_cast<std::uint8_t>(r.days | DayBit(d + 1));
  }
  r.notes = Trim(f.notes_text).substr(0, kTimerNotesLength);
  return out;
}

TimerDialogFields FieldsOf(const TimerRecord& r, int index) {
  TimerDialogFields f;
  f.number_text = IntToStr2Z(index + 1);
  f.set = r.set;
  f.time_text = r.time;
  f.freq_text = FormatFixed(r.frequency, r.unit == 1 ? 5 : 2);
  f.khz = r.unit == 0;
  f.mhz = r.unit == 1;
  f.daily = (r.days & kTimerDaily) != 0;
  for (int d = 0; d < 7; ++d) f.day[d] = (r.days & DayBit(d + 1)) != 0;
  f.notes_text = r.notes;
  return f;
}

std::optional<TimerPrefill> PrefillFromProgrammeLine(std::string_view line) {
  if (line.empty() || line.front() == '[' || line.size() < 4) return std::nullopt;
  TimerPrefill p;
  p.time = Cut(line, 1, 4);
  p.station = Cut(line, 32, 25);
  p.station.resize(25, ' ');
  const std::string days = Trim(Cut(line, 6, 7));
  static constexpr std::string_view kLetters = "smtwhfa";
  const std::size_t at = days.empty() ? std::string::npos : kLetters.find(days.front());
  p.day_bit = at == std::string::npos ? 0 : DayBit(static_cast<int>(at) + 1);
  p.notes = Trim(Cut(line, 14, 17));
  return p;
}

std::vector<std::string> FillFreq(const StationDatabase& db, const TimerPrefill& p) {
  std::vector<std::string> out;
  const std::string name = Trim(p.station);
  if (db.empty() || name.empty()) return out;
  const std::optional<int> time = Number(p.time);
  if (!time || *time < 0 || *time > 2359) return out;
  // The timer's day bit (64 Sunday .. 1 Saturday) as the record's (bit 0 Sunday .. 6 Saturday).
  std::uint8_t record_day = 0;
  for (int d = 1; d <= 7; ++d) {
    if (p.day_bit == DayBit(d)) record_day = static_cast<std::uint8_t>(1u << (d - 1));
  }
  auto add = [&](const ScheduleRecord& r) { out.push_back(FreqText7(r.Freq)); };
  const RecordRange hour = db.BucketRange(*time / 100);
  for (int i = hour.first; i <= hour.last; ++i) {
    const ScheduleRecord& r = db.Record(i);
    if (db.StationNameOf(r).find(name) == std::string::npos) continue;
    if (r.Days != 0 && record_day != 0 && (r.Days & record_day) == 0) continue;
    if (r.StartTime <= *time && r.StopTime > *time) add(r);
  }
  const RecordRange rest = db.AllDayAndUtilityRange();
  for (int i = rest.first; i <= rest.last; ++i) {
    const ScheduleRecord& r = db.Record(i);
    if (db.StationNameOf(r).find(name) != std::string::npos) add(r);
  }
  return out;
}

}  // namespace r8
