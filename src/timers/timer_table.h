// The 30 timed events: each a UTC time, its days, a frequency and a note. They live in section
// "TIMERS" of the settings file, one fixed-column value per event ("TIMER0".."TIMER29").
//
// Decided here where the rules leave it open or would go wrong:
// - A set event whose unit was never chosen (-1) is tuned as kHz, as the list and the edit dialog
//   show it, so that all three agree.
// - The frequency column has 8 places, too few for "174000.00": a kHz value of 100000 or more is
//   written with one decimal ("174000.0"), an MHz value of 100 or more with four, which loses
//   nothing the receiver can tune. A line an earlier version shifted by such a value is read by
//   its commas.
// - A value that cannot be read whole (cut short, letters in a number, days over 255) leaves its
//   event cleared; the others are read as usual.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace r8 {

class ProfileFile;

inline constexpr int kTimerCount = 30;
inline constexpr std::size_t kTimerNotesLength = 25;
inline constexpr std::uint8_t kTimerDaily = 128;
inline constexpr std::string_view kTimersSection = "TIMERS";

struct TimerRecord {
  bool set = false;
  std::string time = "    ";  // HHMM, UTC, padded on the left to 4
  double frequency = 0.0;     // in unit; 0: none
  int unit = -1;              // 0 kHz, 1 MHz, -1 not chosen
  std::uint8_t days = 0;      // 128 daily; 64 Sunday .. 1 Saturday
  std::string notes;          // at most 25 characters
  bool operator==(const TimerRecord&) const = default;
};

using TimerTable = std::array<TimerRecord, kTimerCount>;

// The bit of a weekday (1 = Sunday .. 7 = Saturday).
constexpr std::uint8_t DayBit(int day) { return static_cast<std::uint8_t>(1u << (7 - day)); }

std::string FormatTimerValue(const TimerRecord& r);
// nullopt when the value cannot be read whole.
std::optional<TimerRecord> ParseTimerValue(std::string_view value);

// Every event from the file; missing or unreadable ones are cleared.
TimerTable ReadTimers(ProfileFile& file);
bool WriteTimers(ProfileFile& file, const TimerTable& table);

// The frequency the receiver is tuned to for an event, in kHz.
double TimerFrequencyKHz(const TimerRecord& r);

// The frequencies (kHz) of the events due at this UTC time ("HHMM") and weekday, in table order.
std::vector<double> DueTimerFrequencies(const TimerTable& table, std::string_view utc_time4,
                                        int utc_day);

// The timer list's row for an event: number, set, frequency, time, Su..Sa, daily, notes.
std::array<std::string, 13> TimerRow(const TimerTable& table, int index);

}  // namespace r8
