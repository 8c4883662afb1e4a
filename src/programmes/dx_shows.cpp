#include "programmes/dx_shows.h"

#include <algorithm>
#include <cctype>

#include "common/format.h"

namespace r8 {

std::vector<DxFileLine> SplitDxShows(const std::string& bytes) {
  std::vector<DxFileLine> lines;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t lf = bytes.find('\n', pos);
    if (lf == std::string::npos) {
      lines.push_back({bytes.substr(pos), ""});
      break;
    }
    std::size_t end = lf;
    if (end > pos && bytes[end - 1] == '\r') --end;
    lines.push_back({bytes.substr(pos, end - pos), bytes.substr(end, lf + 1 - end)});
    pos = lf + 1;
  }
  return lines;
}

std::string JoinDxShows(const std::vector<DxFileLine>& lines) {
  std::string out;
  for (const DxFileLine& l : lines) out += l.text + l.ending;
  return out;
}

std::optional<int> ParseDxTime(std::string_view text) {
  if (text.size() != 4) return std::nullopt;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  const int v = PackedTimeToInt(text);
  if (v / 100 > 23 || v % 100 > 59) return std::nullopt;
  return v;
}

namespace {

// Latin-1 text has no C0 or C1 control characters; a TAB would also break the list's columns.
bool IsText(std::string_view line) {
  return std::none_of(line.begin(), line.end(), [](char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
  });
}

std::string Field(std::string_view line, std::size_t start, std::size_t width) {
  std::string s = start < line.size() ? std::string(line.substr(start, width)) : std::string();
  return PadRight(s, width);
}

}  // namespace

DxParsedLine ParseDxLine(std::string_view line) {
  DxParsedLine out;
  if (line.empty()) {
    out.problem = DxLineProblem::kBlank;
    return out;
  }
  if (!IsText(line)) {
    out.problem = DxLineProblem::kNotText;
    return out;
  }
  if (line.size() <= static_cast<std::size_t>(kDxHeadWidth)) {
    out.problem = DxLineProblem::kTooShort;
    return out;
  }
  const std::optional<int> time = ParseDxTime(line.substr(0, 4));
  if (!time) {
    out.problem = DxLineProblem::kBadTime;
    return out;
  }
  if (line[4] != '*' && line[4] != ' ') {
    out.problem = DxLineProblem::kBadMark;
    return out;
  }
  const std::string_view field = line.substr(5, 7);
  const std::size_t first = field.find_first_not_of(' ');
  const std::size_t day =
      first == std::string_view::npos
          ? std::string_view::npos
          : kDayLetters.find(static_cast<char>(std::tolower(static_cast<unsigned char>(field[first]))));
  if (day == std::string_view::npos) {
    out.problem = DxLineProblem::kBadDay;
    return out;
  }
  DxProgramme p;
  p.time = *time;
  p.day = static_cast<int>(day);
  p.heard = line[4] == '*';
  p.time4 = std::string(line.substr(0, 4));
  p.program = Field(line, kDxHeadWidth, kDxProgramWidth);
  p.station = Field(line, kDxHeadWidth + kDxProgramWidth, kDxStationWidth);
  if (line.size() > static_cast<std::size_t>(kDxNotesStart)) {
    p.notes = std::string(line.substr(kDxNotesStart));
    if (p.notes.size() > static_cast<std::size_t>(kDxNotesWidth)) {
      p.notes.resize(kDxNotesWidth);
      out.problem = DxLineProblem::kNotesTooLong;
    }
  }
  out.programme = std::move(p);
  return out;
}

std::string DxProblemText(DxLineProblem problem) {
  switch (problem) {
    case DxLineProblem::kNone:
    case DxLineProblem::kBlank:
      return "";
    case DxLineProblem::kTooShort:
      return "too short, no programme name";
    case DxLineProblem::kBadTime:
      return "no time hhmm in columns 1 to 4";
    case DxLineProblem::kBadMark:
      return "column 5 is neither \"*\" nor a space";
    case DxLineProblem::kBadDay:
      return "no day letter in columns 6 to 12";
    case DxLineProblem::kNotText:
      return "control characters, not Latin-1 text";
    case DxLineProblem::kNotesTooLong:
      return "notes longer than 50 characters, shown cut";
  }
  return "";
}

std::optional<std::string> ValidateDxEntry(const DxEntry& entry) {
  // A time the list could not read back is refused as well as a blank or short one.
  if (TrimStr(entry.time).empty() || !ParseDxTime(entry.time)) return "Illegal time entered.";
  if (TrimStr(entry.program).empty()) return "Illegal program name entered.";
  if (TrimStr(entry.station).empty()) return "Illegal station name entered.";
  return std::nullopt;
}

namespace {

// Names and notes are one line of the file: line breaks from the memo become spaces.
std::string OneLine(std::string s, std::size_t width) {
  for (char& c : s) {
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  }
  s = TrimStr(s);
  if (s.size() > width) s.resize(width);
  return s;
}

}  // namespace

std::string BuildDxLine(const DxEntry& entry, std::string_view head) {
  std::string line = entry.time.substr(0, 4);
  line += PadRight(std::string(head.substr(0, 9)), 9);
  line[4] = entry.heard ? '*' : ' ';
  line += PadRight(OneLine(entry.program, kDxProgramWidth), kDxProgramWidth);
  line += PadRight(OneLine(entry.station, kDxStationWidth), kDxStationWidth);
  const std::string notes = OneLine(entry.notes, kDxNotesWidth);
  if (notes.empty()) {
    TrimRightStr(line);
  } else {
    line += " " + notes;
  }
  return line;
}

std::string DxHeadForDay(int day) {
  return " " + DaysText(static_cast<std::uint8_t>(1u << std::clamp(day, 0, 6))) + " ";
}

std::string ToggleDxMark(std::string line) {
  if (line.size() > 4) line[4] = line[4] == '*' ? ' ' : '*';
  return line;
}

}  // namespace r8
