// One reception in the listening log: a line of nine TAB-separated fields (frequency, unit, time,
// date, mode, rate/shift, SINPO, call, station) followed by the notes, each note line as 0xFF TAB
// TAB and the line. Older logs hold 7 fields (no rate/shift, no call) or 8 (the notes as the
// eighth); they are read as entries of the present form.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "radio/radio_state.h"

namespace r8 {

inline constexpr char kNoteMark = '\xFF';
inline constexpr std::size_t kLogFieldCount = 9;
// The longest text of each field as the entry dialog takes it.
inline constexpr std::array<std::size_t, kLogFieldCount> kLogFieldLimits = {8,  3, 5,  9, 4,
                                                                            11, 5, 10, 25};
// The nine fields together with their TABs are cut here.
inline constexpr std::size_t kLogFieldsCut = 95;
// A frequency in kHz above this no longer fits the 8-character field and is written in MHz.
inline constexpr double kLogKHzLimit = 99999.994;
inline constexpr double kLogHighestKHz = 174000.0;

struct LogEntry {
  std::string freq;  // right-aligned, normally 8 characters
  std::string unit;  // "kHz" or "MHz"
  std::string time;
  std::string date;
  std::string mode;
  std::string rate;
  std::string sinpo;
  std::string call;
  std::string station;
  std::vector<std::string> notes;  // one per line
  bool operator==(const LogEntry&) const = default;
};

// The record line, without its line end. Fields are trimmed and cut to their limits; a TAB, line
// break or 0xFF inside a field would break the record and becomes a blank.
std::string FormatLogRecord(const LogEntry& entry);

// The entry a line holds; nullopt for a line that is none (blank, fewer than 7 fields, a
// frequency that is no number).
std::optional<LogEntry> ParseLogRecord(std::string_view line);

// An entry line in the present form with an 8-character frequency; older layouts and a wide
// frequency field (a kHz VHF frequency of 9 characters) are rewritten, any other line is returned
// as it is.
std::string UpgradeLogLine(std::string_view line);

// The frequency text of an 8-character field with its unit, from what was typed and the unit
// chosen (kUnitKHz, kUnitMHz or 0 for none). A text that is no number counts as 0.
struct LogFreq {
  std::string text;
  std::string unit;
};
LogFreq NormaliseLogFreq(std::string_view typed, int unit_choice, int model);
// The typed frequency in kHz under the same rules; nullopt when it is no number.
std::optional<double> LogFreqKHz(std::string_view typed, int unit_choice, int model);

// What is wrong with an entry about to be written, or empty: the frequency must be a number from
// 1 kHz to 174 MHz, and on the R8A/R8B its unit must be chosen.
std::string ValidateLogEntry(std::string_view typed_freq, int unit_choice, int model);

// The receiver's mode as the log writes it.
std::string LogModeName(ModeCode mode);

}  // namespace r8
