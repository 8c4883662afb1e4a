#include "log/log_record.h"

#include "common/format.h"
#include "radio/radio_model.h"

namespace r8 {
namespace {

// A field as the record holds it: one line, no TAB and no note mark, trimmed and cut.
std::string CleanField(std::string_view text, std::size_t limit) {
  std::string s(text);
  for (char& c : s) {
    if (c == '\t' || c == '\r' || c == '\n' || c == kNoteMark) c = ' ';
  }
  s = TrimStr(s);
  if (s.size() > limit) s.resize(limit);
  return TrimStr(s);
}

std::vector<std::string_view> SplitTabs(std::string_view s) {
  std::vector<std::string_view> out;
  for (;;) {
    const std::size_t tab = s.find('\t');
    out.push_back(s.substr(0, tab));
    if (tab == std::string_view::npos) return out;
    s.remove_prefix(tab + 1);
  }
}

std::string Freq8(double khz, bool mhz, int decimals) {
  return PadLeft(FormatFixed(mhz ? khz * 0.001 : khz, decimals), 8);
}

}  // namespace

std::string FormatLogRecord(const LogEntry& e) {
  const std::string* fields[kLogFieldCount] = {&e.freq, &e.unit,  &e.time, &e.date,   &e.mode,
                                               &e.rate, &e.sinpo, &e.call, &e.station};
  std::string line;
  for (std::size_t i = 0; i < kLogFieldCount; ++i) {
    if (i > 0) line += '\t';
    std::string f = CleanField(*fields[i], i == 0 ? 9 : kLogFieldLimits[i]);
    // The frequency keeps its right alignment so that the TAB after it stands at character 9.
    line += i == 0 ? PadLeft(f, 8) : f;
  }
  if (line.size() > kLogFieldsCut) line.resize(kLogFieldsCut);
  std::size_t last = e.notes.size();
  while (last > 0 && TrimStr(e.notes[last - 1]).empty()) --last;
  for (std::size_t i = 0; i < last; ++i) {
    line += kNoteMark;
    line += "\t\t";
    line += CleanField(e.notes[i], std::string::npos);
  }
  return line;
}

std::optional<LogEntry> ParseLogRecord(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const std::size_t mark = line.find(kNoteMark);
  const std::string_view head = line.substr(0, mark);
  std::vector<std::string_view> f = SplitTabs(head);
  if (f.size() < 7) return std::nullopt;
  const std::string freq = TrimStr(f[0]);
  if (freq.empty() || !ParseDecimal(freq)) return std::nullopt;
  LogEntry e;
  e.freq = PadLeft(freq, 8);
  e.unit = TrimStr(f[1]);
  e.time = TrimStr(f[2]);
  e.date = TrimStr(f[3]);
  e.mode = TrimStr(f[4]);
  if (f.size() < 9) {
    // The older layouts: no rate/shift and no call; an eighth field is the notes.
    e.sinpo = TrimStr(f[5]);
    e.station = TrimStr(f[6]);
    if (f.size() == 8 && !TrimStr(f[7]).empty()) e.notes.push_back(TrimStr(f[7]));
  } else {
    e.rate = TrimStr(f[5]);
    e.sinpo = TrimStr(f[6]);
    e.call = TrimStr(f[7]);
    // The station runs to the first note mark, TABs and all.
    std::size_t start = 0;
    for (int i = 0; i < 8; ++i) start = head.find('\t', start) + 1;
    e.station = TrimStr(head.substr(start));
  }
  if (mark != std::string_view::npos) {
    std::string_view rest = line.substr(mark + 1);
    for (;;) {
      const std::size_t next = rest.find(kNoteMark);
      std::string_view piece = rest.substr(0, next);
      for (int i = 0; i < 2 && !piece.empty() && piece.front() == '\t'; ++i) piece.remove_prefix(1);
      e.notes.push_back(std::string(piece));
      if (next == std::string_view::npos) break;
      rest.remove_prefix(next + 1);
    }
  }
  return e;
}

std::string UpgradeLogLine(std::string_view line) {
  const std::optional<LogEntry> e = ParseLogRecord(line);
  if (!e) return std::string(line);
  std::string_view body = line;
  if (!body.empty() && body.back() == '\r') body.remove_suffix(1);
  const std::string_view head = body.substr(0, body.find(kNoteMark));
  const std::size_t tabs = SplitTabs(head).size() - 1;
  const bool wide = head.find('\t') != 8;
  if (tabs >= 8 && !wide) return std::string(line);
  LogEntry up = *e;
  if (wide) {
    // A kHz field too wide for its 8 characters ("174000.00") is written in MHz.
    const std::optional<double> v = ParseDecimal(TrimStr(up.freq));
    const double khz = up.unit == "MHz" ? *v * 1000.0 : *v;
    const bool mhz = up.unit == "MHz" || khz > kLogKHzLimit;
    up.freq = Freq8(khz, mhz, mhz ? 4 : 2);
    if (up.freq.size() > 8) up.freq = TrimStr(up.freq).substr(0, 8);
    up.unit = mhz ? "MHz" : "kHz";
  }
  return FormatLogRecord(up);
}

std::optional<double> LogFreqKHz(std::string_view typed, int unit_choice, int model) {
  std::string t = TrimStr(typed);
  if (!t.empty() && t.find('.') == std::string::npos) t += '.';
  const std::optional<double> v = ParseDecimal(t);
  if (!v) return std::nullopt;
  const bool khz_typed =
      model == kModelR8 || model == 0 ? unit_choice == kUnitKHz : unit_choice != kUnitMHz;
  return khz_typed ? *v : *v * 1000.0;
}

LogFreq NormaliseLogFreq(std::string_view typed, int unit_choice, int model) {
  const double khz = LogFreqKHz(typed, unit_choice, model).value_or(0.0);
  bool mhz = false;
  int decimals = 2;
  if (model == kModelR8 || model == 0) {
    mhz = khz >= 30000.0;
    decimals = mhz ? 4 : 2;
  } else if (unit_choice == kUnitMHz) {
    mhz = true;
    decimals = khz >= 30000.0 ? 4 : 5;
  }
  // Above 99999.99 kHz the kHz text takes 9 characters and would no longer read as an entry.
  if (!mhz && khz > kLogKHzLimit) {
    mhz = true;
    decimals = 4;
  }
  std::string text = Freq8(khz, mhz, decimals);
  while (text.size() > 8 && decimals > 0) text = Freq8(khz, mhz, --decimals);
  return {text, mhz ? "MHz" : "kHz"};
}

std::string ValidateLogEntry(std::string_view typed_freq, int unit_choice, int model) {
  if ((model == kModelR8A || model == kModelR8B) && unit_choice != kUnitKHz &&
      unit_choice != kUnitMHz) {
    return "Please choose kHz or MHz for the frequency.";
  }
  const std::optional<double> khz = LogFreqKHz(typed_freq, unit_choice, model);
  if (!khz || *khz < 1.0 || *khz > kLogHighestKHz) {
    return "The frequency must be a number from 1 kHz to 174 MHz.";
  }
  return {};
}

std::string LogModeName(ModeCode mode) {
  static constexpr std::string_view kNames[] = {"AM  ", "FM  ", "CW  ", "RTTY", "LSB ", "USB "};
  const int i = static_cast<int>(mode);
  return i >= 0 && i < 6 ? std::string(kNames[i]) : std::string();
}

}  // namespace r8
