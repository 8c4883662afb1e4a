#include "companion/dump_reader.h"

#include <optional>

#include "common/format.h"
#include "companion/single_byte_text.h"
#include "database/query_format.h"

namespace r8 {
namespace {

// Offsets in a group line: time range (9), space, days (7), space, name (25).
constexpr std::size_t kDaysAt = 10;
constexpr std::size_t kNameAt = 18;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int> FourDigits(std::string_view s) {
  if (s.size() != 4) return std::nullopt;
  for (char c : s) {
    if (!IsDigit(c)) return std::nullopt;
  }
  return PackedTimeToInt(s);
}

std::string Quoted(std::string_view s) { return "\"" + std::string(s) + "\""; }

// The time range field into start and stop; an error text when it is not one.
std::string ReadTimes(std::string_view field, ScheduleRecord& r) {
  const std::string_view start = field.substr(0, 4);
  const std::string_view stop = field.substr(5, 4);
  if (field[4] != '-') return "the time range " + Quoted(field) + " has no dash after four places";
  if (start == "24hr") {
    r.StartTime = kAllDay;
    r.StopTime = 0;
    return {};
  }
  if (start == "Util") {
    for (char c : stop) {
      const auto b = static_cast<unsigned char>(c);
      // Printable ASCII keeps the code's StartTime above 2400, which is what marks it utility.
      if (b < 0x20 || b > 0x7E) return "the utility code " + Quoted(stop) + " is not plain text";
    }
    const ScheduleRecord u = UtilityRecord(stop);
    r.StartTime = u.StartTime;
    r.StopTime = u.StopTime;
    return {};
  }
  const std::optional<int> a = FourDigits(start);
  const std::optional<int> b = FourDigits(stop);
  if (!a || !b || *a / 100 > 23 || *a % 100 > 59 || *b % 100 > 59 || *b > 2400) {
    return "the time range " + Quoted(field) + " is not hhmm-hhmm, 24hr or Util-code";
  }
  r.StartTime = static_cast<std::int16_t>(*a);
  r.StopTime = static_cast<std::int16_t>(*b);
  return {};
}

std::string ReadDays(std::string_view field, ScheduleRecord& r) {
  r.Days = 0;
  for (std::size_t k = 0; k < kDayLetters.size(); ++k) {
    if (field[k] == kDayLetters[k]) {
      r.Days = static_cast<std::uint8_t>(r.Days | (1u << k));
    } else if (field[k] != ' ') {
      return "the days " + Quoted(field) + " are not in the smtwhfa columns";
    }
  }
  return {};
}

// Cells from position 43 on: a space, a frequency with one decimal right-aligned in at least
// seven places, two target characters and the heard mark. An editor that dropped the trailing
// blanks of a line only shortened its last target and mark, which are read as blanks.
std::string ReadCells(std::string_view cells, const ScheduleRecord& base, const std::string& name,
                      int line, std::vector<DumpRecord>& out) {
  std::size_t i = 0;
  int n = 0;
  while (i < cells.size()) {
    if (cells.find_first_not_of(' ', i) == std::string_view::npos) break;
    ++n;
    const std::string where = "frequency cell " + std::to_string(n);
    if (cells[i] != ' ') return where + " does not begin with a space";
    std::size_t j = cells.find_first_not_of(' ', i);
    const std::size_t number_at = j;
    if (j < cells.size() && cells[j] == '-') ++j;
    while (j < cells.size() && IsDigit(cells[j])) ++j;
    if (j < cells.size() && cells[j] == '.' && j + 1 < cells.size() && IsDigit(cells[j + 1])) {
      j += 2;
    }
    const std::optional<double> khz = ParseDecimal(cells.substr(number_at, j - number_at));
    if (!khz) return where + " holds no frequency such as 9580.0";
    std::string rest(cells.substr(j, 3));
    rest.resize(3, ' ');
    if (rest[2] != '*' && rest[2] != ' ') {
      return where + " has " + Quoted(rest.substr(2, 1)) +
             " where the heard mark * or a blank goes";
    }
    DumpRecord d;
    d.record = base;
    d.record.Freq = *khz;
    d.record.Target = {rest[0], rest[1]};
    d.record.Heard = rest[2] == '*' ? 'T' : 'F';
    d.name = name;
    d.line = line;
    out.push_back(d);
    i = j + 3;
  }
  if (n == 0) return "the line has no frequency";
  return {};
}

// A broadcast whose stop is not after its start runs past midnight: the station lists find a
// timed record only from its start on the same day, so it becomes the part up to 2400 on its days
// and the part from 0000 on the following days. A stop equal to the start is no broadcast at all.
std::string SplitAtMidnight(const ScheduleRecord& group, std::vector<DumpRecord>& read) {
  if (group.StartTime >= kAllDay || group.StopTime > group.StartTime) return {};
  if (group.StopTime == group.StartTime) {
    return "the time range " + Quoted(IntToTime4(group.StartTime) + "-" +
                                      IntToTime4(group.StopTime)) +
           " stops when it starts";
  }
  const unsigned days = group.Days;
  const auto following = static_cast<std::uint8_t>(((days << 1) | (days >> 6)) & 0x7F);
  std::vector<DumpRecord> split;
  for (DumpRecord d : read) {
    const std::int16_t stop = d.record.StopTime;
    d.record.StopTime = kAllDay;
    split.push_back(d);
    if (stop == 0) continue;  // ends at midnight: nothing after it
    d.record.StartTime = 0;
    d.record.StopTime = stop;
    d.record.Days = following;
    split.push_back(d);
  }
  read = std::move(split);
  return {};
}

}  // namespace

DumpContents ReadDump(std::string_view text) {
  DumpContents result;
  const std::vector<std::string_view> lines = SplitLines(text);
  // The group a continuation line adds to; none before the first group line or after a group
  // line that could not be read.
  std::optional<ScheduleRecord> group;
  std::string group_name;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const std::string_view line = lines[k];
    const int number = static_cast<int>(k + 1);
    if (line.find_first_not_of(' ') == std::string_view::npos) continue;
    ++result.lines;
    const auto fail = [&](std::string reason) {
      result.errors.push_back(DumpLineError{number, std::move(reason)});
    };
    bool control = false;
    for (char c : line) control = control || static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    if (control) {
      group.reset();
      fail("the line holds a control character (a TAB, for one)");
      continue;
    }
    if (line.size() <= kDumpHeaderWidth) {
      group.reset();
      fail("the line is cut short: times, days and station take 43 places, frequencies follow");
      continue;
    }
    const std::string_view head = line.substr(0, kDumpHeaderWidth);
    const std::string_view cells = line.substr(kDumpHeaderWidth);
    std::vector<DumpRecord> read;
    if (head.find_first_not_of(' ') == std::string_view::npos) {
      if (!group) {
        fail("a continuation line (43 blanks, then frequencies) with no readable line before it");
        continue;
      }
      std::string error = ReadCells(cells, *group, group_name, number, read);
      if (error.empty()) error = SplitAtMidnight(*group, read);
      if (!error.empty()) {
        fail(error);
        continue;
      }
    } else {
      group.reset();
      ScheduleRecord r;
      std::string error = ReadTimes(head.substr(0, 9), r);
      if (error.empty() && (head[9] != ' ' || head[kNameAt - 1] != ' ')) {
        error = "the columns are out of place: a blank belongs after the times and after the days";
      }
      if (error.empty()) error = ReadDays(head.substr(kDaysAt, 7), r);
      const std::string name(head.substr(kNameAt));
      if (error.empty()) error = ReadCells(cells, r, name, number, read);
      if (error.empty()) error = SplitAtMidnight(r, read);
      if (!error.empty()) {
        fail(error);
        continue;
      }
      group = r;
      group_name = name;
    }
    result.records.insert(result.records.end(), read.begin(), read.end());
  }
  return result;
}

}  // namespace r8
