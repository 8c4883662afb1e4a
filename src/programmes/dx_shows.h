// ".\DXSHOWS.TXT", the week's guide of shortwave programmes: one programme a line in fixed
// columns. The file is kept as its lines exactly as read, so that rewriting one line leaves every
// other line (even one the program cannot read) byte for byte as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace r8 {

inline constexpr char kDxShowsFileName[] = "DXSHOWS.TXT";
inline constexpr int kDxProgramWidth = 18;
inline constexpr int kDxStationWidth = 25;
inline constexpr int kDxNotesWidth = 50;
// Time, mark, day field and the space before the programme name (positions 1..13).
inline constexpr int kDxHeadWidth = 13;
inline constexpr int kDxNotesStart = 57;  // 0-based start of the notes (position 58)

// One line of the file without its line end, and the line end it had ("\r\n", "\n" or none).
struct DxFileLine {
  std::string text;
  std::string ending;
};

std::vector<DxFileLine> SplitDxShows(const std::string& bytes);
std::string JoinDxShows(const std::vector<DxFileLine>& lines);

// A programme line as the list shows it.
struct DxProgramme {
  int time = 0;        // hhmm
  int day = 0;         // 0 Sunday .. 6 Saturday
  bool heard = false;  // "*" at position 5
  std::string time4;
  std::string program;  // 18 characters, space-padded
  std::string station;  // 25 characters, space-padded
  std::string notes;    // at most 50 characters
};

enum class DxLineProblem {
  kNone,
  kBlank,        // an empty line: skipped without a word
  kTooShort,     // no programme name
  kBadTime,      // positions 1..4 are not a time hhmm
  kBadMark,      // position 5 is neither "*" nor a space
  kBadDay,       // no day letter in positions 6..12
  kNotText,      // control characters (a binary or wrongly encoded file)
  kNotesTooLong  // read, but the notes are shown cut to 50 characters
};

struct DxParsedLine {
  std::optional<DxProgramme> programme;  // none when the line cannot be listed
  DxLineProblem problem = DxLineProblem::kNone;
};

DxParsedLine ParseDxLine(std::string_view line);
// What the user is told about a line, e.g. "bad time".
std::string DxProblemText(DxLineProblem problem);

// What the edit dialog gives.
struct DxEntry {
  std::string time;
  std::string program;
  std::string station;
  std::string notes;
  bool heard = true;
};

// The dialog's checks in its order; the message of the first one that fails, or none.
std::optional<std::string> ValidateDxEntry(const DxEntry& entry);

// The file line of an entry: its time, then the mark, day field and space of head (positions
// 5..13 of the line it replaces or stands beside), the padded names and any notes; the mark is
// set from the entry's heard flag. Without notes the trailing spaces go.
std::string BuildDxLine(const DxEntry& entry, std::string_view head);
// Positions 5..13 for a line of its own: no mark, the day's letter in its place of the day field.
std::string DxHeadForDay(int day);
// The same line with position 5 toggled between "*" and a space.
std::string ToggleDxMark(std::string line);

// Valid hhmm of four digits.
std::optional<int> ParseDxTime(std::string_view text);

}  // namespace r8
