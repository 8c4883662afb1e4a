#include "database/station_query.h"

#include <algorithm>

#include "common/format.h"
#include "database/query_format.h"
#include "database/station_query_internal.h"

namespace r8 {
namespace query_internal {

bool Query::DayTest(const ScheduleRecord& r) const {
  if (day == ' ' || r.Days == 0) return true;
  const std::size_t k = kDayLetters.find(day);
  return k != std::string_view::npos && (r.Days & (1u << k)) != 0;
}

bool Query::TimeTest(const ScheduleRecord& r) const {
  return now && r.StartTime <= *now && *now < r.StopTime;
}

bool Query::FreqTest(const ScheduleRecord& r) const {
  return freq && r.Freq >= *freq - kFreqTolerance && r.Freq <= *freq + kFreqTolerance;
}

RecordRange Query::HourRange() const {
  // Only hours 00..24 have a bucket of their own; "2400" (the end of the preview track) looks at
  // the all-day bucket, where the time test passes nothing.
  if (!now || *now < 0 || *now / 100 > kAllDayBucket) return RecordRange{};
  return db.BucketRange(*now / 100);
}

ResultList* Query::List() const {
  return ports.targets ? ports.targets->GetListBox(target) : nullptr;
}

ResultGrid* Query::Grid() const {
  return ports.targets ? ports.targets->GetGridBox(target) : nullptr;
}

UpperNames::UpperNames(const StationTable& stations) {
  names_.reserve(stations.size() + 1);
  names_.push_back(stations.Name(0));
  for (std::size_t i = 1; i <= stations.size(); ++i) {
    names_.push_back(UpperStr(stations.Name(static_cast<std::uint16_t>(i))));
  }
}

const std::string& UpperNames::Of(const ScheduleRecord& r) const {
  return r.StationIndex < names_.size() ? names_[r.StationIndex] : names_[0];
}

namespace {

// A time of up to four digits; anything else is no time at all.
std::optional<int> ParseTime(std::string_view time) {
  if (time.empty() || time.size() > 4) return std::nullopt;
  int v = 0;
  for (char c : time) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return v;
}

void AddListLine(ResultList* list, int index, const std::string& text) {
  if (list) list->InsertLine(index, text);
}

template <typename Table>
void AddEntry(Table& table, ResultList* list, int record, bool flag, const std::string& text) {
  const int index = table.count();
  if (table.Append(ResultEntry{static_cast<std::uint16_t>(record),
                               flag ? std::uint8_t{1} : std::uint8_t{0}})) {
    AddListLine(list, index, text);
  }
}

// Kind 1: find lines of a station on the air now, then its all-day and utility records.
void RunFindNow(Query& q) {
  auto& table = q.results.find;
  ResultList* list = q.List();
  const auto add = [&](int i) {
    AddEntry(table, list, i, IsHeard(q.db.Record(i)), FindLine(q.db.Record(i)));
  };
  const RecordRange hour = q.HourRange();
  for (int i = hour.first; i <= hour.last && !table.full(); ++i) {
    const ScheduleRecord& r = q.db.Record(i);
    if (Contains(q.db.stations().Name(r.StationIndex), q.key) && q.TimeTest(r) && q.DayTest(r)) {
      add(i);
    }
  }
  const RecordRange rest = q.db.AllDayAndUtilityRange();
  for (int i = rest.first; i <= rest.last && !table.full(); ++i) {
    if (Contains(q.db.stations().Name(q.db.Record(i).StationIndex), q.key)) add(i);
  }
}

// Kind 3: front-panel lines on the tuned frequency.
void RunOnFrequency(Query& q) {
  auto& table = q.results.face_plate;
  ResultList* list = q.List();
  const auto add = [&](int i) {
    const ScheduleRecord& r = q.db.Record(i);
    AddEntry(table, list, i, IsHeard(r), FacePlateLine(r, q.db.stations().Name(r.StationIndex)));
  };
  const RecordRange hour = q.HourRange();
  for (int i = hour.first; i <= hour.last && !table.full(); ++i) {
    const ScheduleRecord& r = q.db.Record(i);
    if (q.FreqTest(r) && q.TimeTest(r) && q.DayTest(r)) add(i);
  }
  const RecordRange rest = q.db.AllDayAndUtilityRange();
  for (int i = rest.first; i <= rest.last && !table.full(); ++i) {
    if (q.FreqTest(q.db.Record(i))) add(i);
  }
}

// Kind 2: station rows under time headings.
class WhatRows {
 public:
  WhatRows(Query& q, WhatVariant variant)
      : q_(q), variant_(variant), table_(q.results.What(variant)), list_(q.List()) {}

  void Run() {
    if (variant_ == WhatVariant::kSwbc) {
      MainPass(q_.HourRange());
      SecondPass(q_.db.BucketRange(kAllDayBucket));
    } else {
      SecondPass(q_.db.BucketRange(kUtilityBucket));
    }
  }

 private:
  const std::string& NameOf(const ScheduleRecord& r) const {
    return q_.db.stations().Name(r.StationIndex);
  }

  bool CodeRule(const ScheduleRecord& r) const {
    if (variant_ == WhatVariant::kSwbc) return true;
    const std::string code = TimeRangeText(r, false).substr(4, 4);
    const bool bcb = code == "BCB " || code == "CB  ";
    return variant_ == WhatVariant::kBcb ? bcb : !bcb;
  }

  // A station with several frequencies at the same hours gets one row. The comparison is with the
  // last row listed, not with the previous record: a run whose first frequency is off the air
  // today must still be listed through the frequencies that are on.
  void MainPass(RecordRange range) {
    const ScheduleRecord* listed = nullptr;
    for (int i = range.first; i <= range.last; ++i) {
      const ScheduleRecord& r = q_.db.Record(i);
      const bool differs = !listed || NameOf(r) != NameOf(*listed) ||
                           r.StartTime != listed->StartTime || r.StopTime != listed->StopTime;
      if (differs && q_.DayTest(r) && q_.TimeTest(r)) {
        AddStation(i, range.last);
        listed = &r;
      }
    }
  }

  // Records of the other variant are passed over as if absent, so a station that has both kinds of
  // code still gets its row in each list.
  void SecondPass(RecordRange range) {
    const ScheduleRecord* prev = nullptr;
    for (int i = range.first; i <= range.last; ++i) {
      const ScheduleRecord& r = q_.db.Record(i);
      if (!CodeRule(r)) continue;
      if (!prev || NameOf(r) != NameOf(*prev)) AddStation(i, range.last);
      prev = &r;
    }
  }

  // The row is flagged when the record, or one right after it of the same station and times, is
  // heard and on the air today. The look-ahead stays inside the range being scanned.
  bool RunHeard(int i, int last) const {
    const ScheduleRecord& first = q_.db.Record(i);
    for (int j = i; j <= last; ++j) {
      const ScheduleRecord& r = q_.db.Record(j);
      if (j > i && (NameOf(r) != NameOf(first) || r.StartTime != first.StartTime ||
                    r.StopTime != first.StopTime)) {
        break;
      }
      if (q_.DayTest(r) && IsHeard(r)) return true;
    }
    return false;
  }

  void AddStation(int i, int last) {
    const ScheduleRecord& r = q_.db.Record(i);
    const std::string time_text = TimeRangeText(r, false);
    if (!last_heading_ || *last_heading_ != time_text) {
      last_heading_ = time_text;
      AddEntry(table_, list_, i, true, WhatHeading(r));
    }
    AddEntry(table_, list_, i, RunHeard(i, last), TrimStr(NameOf(r)));
  }

  Query& q_;
  WhatVariant variant_;
  FixedTable<ResultEntry, kWhatCapacity>& table_;
  ResultList* list_;
  std::optional<std::string> last_heading_;
};

// Kind 7: the trimmed names of the stations on the air now.
void RunOnAirNames(Query& q) {
  auto& names = q.results.on_air;
  // As for the station lists, compared with the last name listed, so a station whose first record
  // of the hour is off the air is still found through the next one.
  const RecordRange hour = q.HourRange();
  const ScheduleRecord* listed = nullptr;
  for (int i = hour.first; i <= hour.last; ++i) {
    const ScheduleRecord& r = q.db.Record(i);
    const bool differs =
        !listed || r.StationIndex != listed->StationIndex || r.Days != listed->Days;
    if (differs && q.TimeTest(r) && q.DayTest(r)) {
      names.Append(TrimStr(q.db.stations().Name(r.StationIndex)));
      listed = &r;
    }
  }
  const ScheduleRecord* prev = nullptr;
  const RecordRange rest = q.db.AllDayAndUtilityRange();
  for (int i = rest.first; i <= rest.last; ++i) {
    const ScheduleRecord& r = q.db.Record(i);
    if (!prev || r.StationIndex != prev->StationIndex) {
      names.Append(TrimStr(q.db.stations().Name(r.StationIndex)));
    }
    prev = &r;
  }
}

}  // namespace
}  // namespace query_internal

std::optional<WhatVariant> WhatVariantOf(QueryTarget target) {
  switch (target) {
    case QueryTarget::kSwbcList:
      return WhatVariant::kSwbc;
    case QueryTarget::kUtilityList:
      return WhatVariant::kUtility;
    case QueryTarget::kBcbList:
      return WhatVariant::kBcb;
    default:
      return std::nullopt;
  }
}

void StationQuery(const StationDatabase& db, QueryResults& results, const QueryPorts& ports,
                  QueryTarget target, QueryKind kind, std::string_view key, std::string_view time,
                  char day) {
  using namespace query_internal;
  const std::optional<WhatVariant> variant = WhatVariantOf(target);
  if (kind == QueryKind::kStationsNow && !variant) return;
  // Counts are reset even on an empty table, so no result entry outlives the records it names.
  switch (kind) {
    case QueryKind::kFindNow:
    case QueryKind::kFreqUsage:
      results.find.Reset();
      break;
    case QueryKind::kStationsNow:
      results.What(*variant).Reset();
      break;
    case QueryKind::kOnFrequency:
      results.face_plate.Reset();
      break;
    case QueryKind::kFullSchedule:
      results.schedule.Reset();
      break;
    case QueryKind::kWhoElse:
      results.who.Reset();
      break;
    case QueryKind::kOnAirNames:
      results.on_air.Reset();
      break;
    case QueryKind::kPrintSchedule:
      break;
  }
  if (db.empty()) return;

  Query q{db, results, ports, target, std::string(), std::nullopt, ' ', std::nullopt};
  if (time == kTimeNow) {
    if (ports.clock) {
      // Always the 24-hour reading: a 12-hour dial would put 1430 in the 02 bucket.
      const ClockReading now = GetClock(*ports.clock, ports.utc_offset_hours, 2);
      q.now = now.hours * 100 + now.minutes;
      q.day = day == ' '
                  ? kDayLetters[static_cast<std::size_t>(std::clamp(now.day_of_week, 1, 7) - 1)]
                  : day;
    } else {
      q.day = day;
    }
  } else {
    q.now = ParseTime(time);
    q.day = day;
  }

  switch (kind) {
    case QueryKind::kFindNow:
      q.key = TrimStr(key);
      RunFindNow(q);
      break;
    case QueryKind::kStationsNow:
      WhatRows(q, *variant).Run();
      break;
    case QueryKind::kOnFrequency:
      q.freq = ParseDecimal(TrimStr(key));
      if (q.freq) RunOnFrequency(q);
      break;
    case QueryKind::kWhoElse:
      q.freq = ParseDecimal(TrimStr(key));
      if (q.freq) RunWhoElse(q);
      break;
    case QueryKind::kFullSchedule:
      q.key = UpperStr(key);
      RunFullSchedule(q);
      break;
    case QueryKind::kPrintSchedule:
      q.key = UpperStr(key);
      RunPrintSchedule(q);
      break;
    case QueryKind::kFreqUsage:
      q.key = UpperStr(key);
      RunFreqUsage(q);
      break;
    case QueryKind::kOnAirNames:
      RunOnAirNames(q);
      break;
  }
}

}  // namespace r8
