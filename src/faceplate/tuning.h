// Tuning rules of the faceplate: one step up or down across the receiver's coverage, and the
// keypad's frequency entry.
#pragma once

#include <optional>
#include <string>

namespace r8 {

// Coverage in kHz: HF, and the two VHF ranges.
inline constexpr double kHfLow = 100.0;
inline constexpr double kHfHigh = 30000.0;
inline constexpr double kVhf1Low = 35000.0;
inline constexpr double kVhf1High = 55000.0;
inline constexpr double kVhf2Low = 108000.0;
inline constexpr double kVhf2High = 174000.0;

// The frequency one step up or down, jumping the gaps between the ranges and wrapping from the
// top of VHF to the bottom of HF and back.
double StepFrequency(double khz, double step, bool up);

bool InCoverage(double khz);

// What a typed entry means: MHz for 0.1..174 (except 100..174 in kHz unless the display is MHz
// and the value is 108 or more), kHz otherwise. nullopt when it is not a number.
std::optional<double> EntryToKHz(const std::string& entry_text, int band_units);

// The keypad's entry state.
struct KeypadEntry {
  bool EntryIdle = true;
  std::string EntryText;
};

struct KeypadOutcome {
  bool accepted_char = false;  // the character changed the entry
  bool entry_started = false;  // Enter now belongs to the entry
  bool entry_ended = false;    // back to idle (Enter, or Backspace to empty)
  bool tune = false;           // Enter: tune (new_freq, or the old frequency again)
  std::optional<double> new_freq;
};

// One character of keypad entry: a digit, '.', '\b' (Backspace) or '\r' (Enter).
KeypadOutcome SetTunerChar(KeypadEntry& entry, char c, int band_units);

}  // namespace r8
