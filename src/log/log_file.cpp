#include "log/log_file.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "common/file_commit.h"
#include "common/file_names.h"
#include "common/format.h"
#include "radio/radio_model.h"

namespace r8 {

int LogLines::EntryCount() const {
  return static_cast<int>(std::count_if(lines.begin(), lines.end(), [](const std::string& l) {
    return ParseLogRecord(l).has_value();
  }));
}

LogLines SplitLogBytes(const std::string& bytes) {
  LogLines out;
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::size_t lf = bytes.find('\n', at);
    const std::size_t stop = lf == std::string::npos ? bytes.size() : lf;
    std::size_t body = stop;
    if (body > at && bytes[body - 1] == '\r') --body;
    out.lines.push_back(bytes.substr(at, body - at));
    out.ends.push_back(bytes.substr(body, (lf == std::string::npos ? stop : lf + 1) - body));
    at = lf == std::string::npos ? bytes.size() : lf + 1;
  }
  return out;
}

std::string JoinLogLines(const LogLines& lines) {
  std::string out;
  for (std::size_t i = 0; i < lines.lines.size(); ++i) {
    out += lines.lines[i];
    out += lines.ends[i];
  }
  return out;
}

bool LogFile::Exists() const {
  std::error_code ec;
  return std::filesystem::is_regular_file(path_, ec);
}

bool LogFile::Read(LogLines& out, std::string& error) const {
  std::string bytes;
  if (!Exists() || !ReadWholeFile(path_, bytes)) {
    error = "ERROR: " + path_.string() + "\rFile not found or other error.";
    return false;
  }
  out = SplitLogBytes(bytes);
  return true;
}

bool LogFile::CreateIfMissing(std::string& error) const {
  if (Exists()) return true;
  return Write(LogLines{}, error);
}

bool LogFile::Write(const LogLines& lines, std::string& error) const {
  std::string why;
  if (CommitFiles({FileToWrite{path_, JoinLogLines(lines)}}, why)) return true;
  error = "The log file " + path_.string() + " could not be written: " + why;
  return false;
}

bool LogFile::Check(const LogLines& lines, int line, const std::optional<std::string>& expected,
                    std::string& error) const {
  if (line < 1 || line > static_cast<int>(lines.lines.size()) ||
      (expected && lines.lines[static_cast<std::size_t>(line - 1)] != *expected)) {
    error = "The log file " + path_.string() +
            " has been changed by another program since it was shown. Nothing was written; "
            "show the log again and repeat the change.";
    return false;
  }
  return true;
}

bool LogFile::Append(const LogEntry& entry, std::string& error) const {
  LogLines lines;
  if (Exists() && !Read(lines, error)) return false;
  if (!lines.ends.empty() && lines.ends.back().empty()) lines.ends.back() = "\r\n";
  lines.lines.push_back(FormatLogRecord(entry));
  lines.ends.push_back("\r\n");
  return Write(lines, error);
}

bool LogFile::Replace(int line, const LogEntry& entry, std::string& error,
                      const std::optional<std::string>& expected) const {
  LogLines lines;
  if (!Read(lines, error) || !Check(lines, line, expected, error)) return false;
  const auto i = static_cast<std::size_t>(line - 1);
  lines.lines[i] = FormatLogRecord(entry);
  if (lines.ends[i].empty()) lines.ends[i] = "\r\n";
  return Write(lines, error);
}

bool LogFile::Delete(int line, std::string& error,
                     const std::optional<std::string>& expected) const {
  LogLines lines;
  if (!Read(lines, error) || !Check(lines, line, expected, error)) return false;
  lines.lines.erase(lines.lines.begin() + (line - 1));
  lines.ends.erase(lines.ends.begin() + (line - 1));
  return Write(lines, error);
}

std::vector<std::string> LogFile::AllEntryLines(std::string& error) const {
  LogLines lines;
  if (!Read(lines, error)) return {};
  std::vector<std::string> out;
  out.reserve(lines.lines.size());
  for (const std::string& l : lines.lines) {
    // A blank line is nothing to export or print.
    if (l.find_first_not_of(" \t") == std::string::npos) continue;
    out.push_back(UpgradeLogLine(l));
  }
  return out;
}

std::filesystem::path LogFilePath(const std::filesystem::path& data_folder,
                                  const std::string& setting) {
  std::filesystem::path p(NativePath(setting.empty() ? kDefaultLogFile : setting));
  if (p.is_relative()) p = data_folder / p;
  return FindFileNoCase(p.lexically_normal());
}

LogPrefill PrefillAddEntry(const ClockReading& utc, const RadioState* radio, int model,
                           const std::string& station) {
  LogPrefill p;
  p.entry.date = utc.date;
  p.entry.time = utc.time4;
  if (utc.day_of_week >= 1 && utc.day_of_week <= 7)
    p.entry.time += kDayLetters[static_cast<std::size_t>(utc.day_of_week - 1)];
  p.entry.station = station.empty() ? "UnID" : station.substr(0, kLogFieldLimits[8]);
  if (radio) {
    FreqText f;
    if (model == kModelR8A || model == kModelR8B) {
      f.unit = CodeNumber(radio->BandUnits) == kUnitMHz ? kUnitMHz : kUnitKHz;
      f.text = FreqToText(radio->RadioFreq, f.unit);
    } else {
      f = FreqToDisplay(radio->RadioFreq);
    }
    // The kHz text of a VHF frequency is 9 characters; the log writes it in MHz.
    if (f.unit == kUnitKHz && radio->RadioFreq > kLogKHzLimit)
      f = {FreqToText(radio->RadioFreq, kUnitMHz), kUnitMHz};
    p.entry.freq = f.text;
    p.entry.unit = f.unit == kUnitMHz ? "MHz" : "kHz";
    p.entry.mode = LogModeName(radio->Mode);
    p.unit_choice = f.unit;
  }
  return p;
}

std::vector<std::string> LogRowCells(const LogEntry& e, int line) {
  std::string notes;
  std::string note_lines;
  for (std::size_t i = 0; i < e.notes.size(); ++i) {
    if (i > 0) {
      notes += ' ';
      note_lines += '\n';
    }
    notes += e.notes[i];
    note_lines += e.notes[i];
  }
  return {e.freq + " " + e.unit,
          e.time,
          e.date,
          e.mode,
          e.rate,
          e.sinpo,
          e.call,
          e.station,
          std::move(notes),
          std::to_string(line),
          std::move(note_lines)};
}

}  // namespace r8
