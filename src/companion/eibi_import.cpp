#include "companion/eibi_import.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

#include "common/format.h"
#include "companion/eibi_csv.h"
#include "database/schedule_dump.h"

namespace r8 {
namespace {

// The fill order of the header comment.
enum FillClass { kUtilityClass, kBcbClass, kAllDayClass, kTimedClass, kIrregularClass };
enum class LineKind { kTimed, kAllDay, kUtility, kBcb };

struct Candidate {
  int line = 0;
  FillClass fill = kTimedClass;
  LineKind kind = LineKind::kTimed;
  bool irregular = false;
  bool in_areas = true;  // reaches one of the chosen target areas
  int days = 7;          // on the air this many days a week
  double khz = 0;
  std::string name;  // 25 characters
  std::vector<ScheduleRecord> records;
};

struct Made {
  ScheduleRecord record;
  std::string name;
};

std::string CleanName(std::string_view station) {
  std::string name = TrimStr(station);
  // A TAB would split the program's list lines.
  for (char& c : name) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  return name;
}

long Tenths(double khz) { return std::lround(khz * 10.0); }

// Records that mean the same to the program: same station, frequency and times (and, for timed
// and all-day records, days and target). Utility records have no times, so a station's many
// slots on one frequency make one record.
std::string RecordKey(const ScheduleRecord& r, const std::string& name) {
  std::string key = name;
  key += std::to_string(Tenths(r.Freq));
  key += '/';
  key += std::to_string(static_cast<std::uint16_t>(r.StartTime));
  key += '/';
  key += std::to_string(static_cast<std::uint16_t>(r.StopTime));
  if (!IsUtility(r)) {
    key += '/';
    key += static_cast<char>(r.Days);
    key += r.Target[0];
    key += r.Target[1];
  }
  return key;
}

ScheduleRecord BaseRecord(double khz, std::array<char, 2> target) {
  ScheduleRecord r;
  r.Freq = khz;
  r.Target = target;
  r.Heard = 'F';
  return r;
}

struct Judged {
  std::optional<EibiDrop> drop;
  Candidate candidate;
};

bool InRanges(double khz, const std::vector<FreqRange>& ranges) {
  return std::any_of(ranges.begin(), ranges.end(),
                     [khz](const FreqRange& r) { return khz >= r.low && khz <= r.high; });
}

Judged Judge(const EibiRow& row, const EibiImportOptions& options) {
  Judged j;
  Candidate& c = j.candidate;
  c.line = row.line;
  if (row.malformed) return {EibiDrop::kMalformedLine, {}};
  const std::optional<double> khz = ParseDecimal(TrimStr(row.khz));
  if (!khz || *khz <= 0) return {EibiDrop::kMalformedFrequency, {}};
  // To the tenth of a kHz SKEDULE.TXT writes, so the database and the dump agree.
  c.khz = static_cast<double>(Tenths(*khz)) / 10.0;
  if (c.khz < kReceiverRange.low || c.khz > kReceiverRange.high) {
    return {EibiDrop::kOutsideReceiver, {}};
  }
  const std::string name = CleanName(row.station);
  if (name.empty()) return {EibiDrop::kMalformedLine, {}};
  c.name = PadRight(std::string_view(name).substr(0, kStationNameLength), kStationNameLength);
  if (!InRanges(c.khz, options.ranges)) return {EibiDrop::kOutsideRanges, {}};
  const EibiLineKind kind =
      ClassifyEibiLine(row.station, row.language, row.target, row.persistence, row.days);
  if (kind.jammer && !options.jammers) return {EibiDrop::kJammer, {}};
  if (kind.digital && !options.digital) return {EibiDrop::kDigital, {}};
  if (!(kind.utility ? options.utility : options.broadcast)) return {EibiDrop::kKindNotChosen, {}};
  const std::array<char, 2> target = MapEibiTarget(row.target);
  // A one-off is no schedule, whatever sends it: a utility record would list it every day.
  const EibiDays days = ParseEibiDays(row.days);
  if (days.kind == EibiDayKind::kOneDate) return {EibiDrop::kOneDate, {}};

  c.in_areas =
      kind.utility || options.areas == kAllAreas || (AreasOfTarget(target) & options.areas) != 0;
  if (days.kind == EibiDayKind::kDays) c.days = std::popcount(days.mask);
  if (kind.utility || c.khz < kBcbUpperKhz) {
    c.kind = kind.utility ? LineKind::kUtility : LineKind::kBcb;
    c.fill = kind.utility ? kUtilityClass : kBcbClass;
    ScheduleRecord r = UtilityRecord(kind.utility ? kind.code : "BCB ");
    r.Freq = c.khz;
    r.Target = target;
    c.records.push_back(r);
    return j;
  }
  const std::optional<EibiTimes> times = ParseEibiTimes(TrimStr(row.time));
  if (!times) return {EibiDrop::kMalformedTime, {}};
  c.irregular = days.kind == EibiDayKind::kIrregular;
  if (times->all_day()) {
    c.kind = LineKind::kAllDay;
    c.fill = c.irregular ? kIrregularClass : kAllDayClass;
    ScheduleRecord r = BaseRecord(c.khz, target);
    r.StartTime = kAllDay;
    r.StopTime = 0;
    r.Days = days.mask;
    c.records.push_back(r);
    return j;
  }
  const std::vector<HourPiece> pieces = SplitIntoHours(times->start, times->stop);
  if (pieces.empty()) return {EibiDrop::kMalformedTime, {}};
  c.kind = LineKind::kTimed;
  c.fill = c.irregular ? kIrregularClass : kTimedClass;
  for (const HourPiece& p : pieces) {
    ScheduleRecord r = BaseRecord(c.khz, target);
    r.StartTime = static_cast<std::int16_t>(p.start);
    r.StopTime = static_cast<std::int16_t>(p.stop);
    r.Days = p.next_day ? NextDayMask(days.mask) : days.mask;
    c.records.push_back(r);
  }
  return j;
}

// The order of the header comment: utility records, then the chosen areas before the others,
// then by class; within a class most days a week first, then the most records (the longest
// broadcasts, those of the big stations), then by frequency.
bool FillOrder(const Candidate& a, const Candidate& b) {
  const auto key = [](const Candidate& c) {
    const int group = c.fill == kUtilityClass ? 0 : (c.in_areas ? 1 : 2);
    const int fill = c.fill == kBcbClass ? kAllDayClass : c.fill;
    return std::make_tuple(group, fill, -c.days, -static_cast<int>(c.records.size()), c.khz,
                           c.line);
  };
  return key(a) < key(b);
}

// Bucket order for the dump; timed records by time so the station lists get one heading per
// time, a station's frequencies at one time together; utility records by service code.
bool DumpOrder(const Made& a, const Made& b) {
  const int ba = BucketOf(a.record);
  const int bb = BucketOf(b.record);
  if (ba != bb) return ba < bb;
  const ScheduleRecord& x = a.record;
  const ScheduleRecord& y = b.record;
  if (ba == kUtilityBucket) {
    const std::string cx = UtilityCode(x);
    const std::string cy = UtilityCode(y);
    return std::tie(cx, a.name, x.Freq) < std::tie(cy, b.name, y.Freq);
  }
  return std::tie(x.StartTime, x.StopTime, a.name, x.Days, x.Freq, x.Target) <
         std::tie(y.StartTime, y.StopTime, b.name, y.Days, y.Freq, y.Target);
}

void BuildTables(std::vector<Made>& made, EibiImportResult& result) {
  std::stable_sort(made.begin(), made.end(), DumpOrder);
  std::unordered_map<std::string, std::uint16_t> station_of;
  for (const Made& m : made) {
    auto [it, added] = station_of.try_emplace(m.name, 0);
    if (added) it->second = result.db.stations().Add(m.name);
    ScheduleRecord r = m.record;
    r.StationIndex = it->second;
    result.db.AppendRecord(r);
  }
  result.db.BuildHourIndex();
  result.dump_text = ScheduleFileText(result.db, kDumpAllKey, nullptr);
}

}  // namespace

std::string EibiDropText(EibiDrop reason) {
  switch (reason) {
    case EibiDrop::kDuplicateLine:
      return "the same line stands earlier in the file";
    case EibiDrop::kMalformedLine:
      return "not a schedule line (more fields than the header, or no station name)";
    case EibiDrop::kMalformedFrequency:
      return "the frequency cannot be read";
    case EibiDrop::kOutsideReceiver:
      return "below 100 kHz or above 30000 kHz, outside the receiver's range";
    case EibiDrop::kOutsideRanges:
      return "outside the chosen frequency ranges";
    case EibiDrop::kKindNotChosen:
      return "a broadcast or utility station of a kind not chosen";
    case EibiDrop::kJammer:
      return "a jammer (imported only when asked for)";
    case EibiDrop::kDigital:
      return "a digital (DRM) transmission (imported only when asked for)";
    case EibiDrop::kMalformedTime:
      return "the time cannot be read (not hhmm-hhmm, or starting and ending at the same minute)";
    case EibiDrop::kOneDate:
      return "on one date only (a one-off, not a weekly schedule)";
    case EibiDrop::kRepeats:
      return "gives only records other lines already gave (differing in language, remarks or "
             "dates)";
    case EibiDrop::kStationsFull:
      return "its station does not fit: the station table holds 999 names";
    case EibiDrop::kNoRoom:
      return "no room left for all its records";
  }
  return {};
}

int EibiImportResult::dropped_lines() const {
  int n = 0;
  for (const std::vector<int>& numbers : dropped) n += static_cast<int>(numbers.size());
  return n;
}

EibiImportResult ImportEibiText(std::string_view csv, const EibiImportOptions& options) {
  EibiImportResult result;
  const EibiTable table = ReadEibiTable(csv);
  if (!table.problem.empty()) {
    result.problem = table.problem;
    return result;
  }
  result.lines = static_cast<int>(table.rows.size());
  const auto drop = [&result](EibiDrop why, int line) {
    result.dropped[static_cast<std::size_t>(why)].push_back(line);
  };

  std::vector<Candidate> candidates;
  std::unordered_set<std::string_view> seen_lines;
  for (const EibiRow& row : table.rows) {
    if (!seen_lines.insert(row.raw).second) {
      drop(EibiDrop::kDuplicateLine, row.line);
      continue;
    }
    Judged j = Judge(row, options);
    if (j.drop) {
      drop(*j.drop, row.line);
      continue;
    }
    if (!IsWellFormedEibiDate(TrimStr(row.start), false) ||
        !IsWellFormedEibiDate(TrimStr(row.stop), true)) {
      ++result.malformed_dates;
    }
    candidates.push_back(std::move(j.candidate));
  }

  if (options.fewest_records_first) {
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) {
                       const int fa = a.fill == kBcbClass ? kUtilityClass : a.fill;
                       const int fb = b.fill == kBcbClass ? kUtilityClass : b.fill;
                       const std::size_t ca = a.fill >= kTimedClass ? a.records.size() : 0;
                       const std::size_t cb = b.fill >= kTimedClass ? b.records.size() : 0;
                       return std::tie(fa, ca, a.khz, a.line) < std::tie(fb, cb, b.khz, b.line);
                     });
  } else {
    std::stable_sort(candidates.begin(), candidates.end(), FillOrder);
  }

  const auto limit = static_cast<std::size_t>(std::clamp(options.max_records, 0, kMaxRecords));
  std::unordered_set<std::string> keys;
  std::unordered_set<std::string> stations;
  std::vector<Made> made;
  for (Candidate& c : candidates) {
    std::vector<std::string> new_keys;
    std::vector<ScheduleRecord> fresh;
    for (const ScheduleRecord& r : c.records) {
      std::string key = RecordKey(r, c.name);
      if (keys.count(key) || std::find(new_keys.begin(), new_keys.end(), key) != new_keys.end()) {
        continue;
      }
      new_keys.push_back(std::move(key));
      fresh.push_back(r);
    }
    if (fresh.empty()) {
      drop(EibiDrop::kRepeats, c.line);
    } else if (!stations.count(c.name) &&
               stations.size() >= static_cast<std::size_t>(kMaxStations)) {
      drop(EibiDrop::kStationsFull, c.line);
    } else if (made.size() + fresh.size() > limit) {
      drop(EibiDrop::kNoRoom, c.line);
    } else {
      keys.insert(new_keys.begin(), new_keys.end());
      stations.insert(c.name);
      for (const ScheduleRecord& r : fresh) made.push_back({r, c.name});
      int& counter = c.kind == LineKind::kTimed    ? result.timed_lines
                     : c.kind == LineKind::kAllDay ? result.all_day_lines
                     : c.kind == LineKind::kBcb    ? result.bcb_lines
                                                   : result.utility_lines;
      ++counter;
      if (c.irregular) ++result.irregular_lines;
    }
  }
  for (std::vector<int>& lines : result.dropped) std::sort(lines.begin(), lines.end());
  BuildTables(made, result);
  result.ok = true;
  return result;
}

}  // namespace r8
