// Tuning the receiver from a row of a list window (the frequency list and the log list), and the
// receiving mode a station's text stands for.
#pragma once

#include <optional>
#include <string_view>

#include "radio/radio_state.h"

namespace r8 {

class AppContext;

enum class ListWindow {
  kFrequencyList,  // find lines: frequency in characters 19..25, target code in 27..28
  kLogList,        // log rows: frequency in 1..8, its unit in 10..12, the mode in the fifth cell
  kOther,          // the full schedule and the other station lists
};

// The mode a name stands for ("USB", "Fax", "RTTY", "ARQ"...), from its first three characters;
// nullopt when it names none.
std::optional<ModeCode> ModeFromName(std::string_view text);

// The mode a window's text asks for: on the log list its fifth TAB-separated cell; elsewhere a
// target code whose second character is "f" names its mode ("Uf" USB), two blanks name none and
// any other code means AM.
std::optional<ModeCode> ModeFromText(ListWindow window, std::string_view text);

// Sets the receiver's mode from the text when it names one other than the present mode.
void SetModeFromText(AppContext& ctx, ListWindow window, std::string_view text);

// The frequency (kHz) of a list row; nullopt when the row holds none (usage headings, blanks).
std::optional<double> ListRowFrequency(ListWindow window, std::string_view row);

// Tunes the receiver to a list row and sets the mode its text names; refresh asks the faceplate to
// show it. Nothing while the receiver scans by itself or when the row holds no frequency.
void TuneToListRow(AppContext& ctx, ListWindow window, std::string_view row, bool refresh);

}  // namespace r8
