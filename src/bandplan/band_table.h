// The fixed table of 48 bands between 150 and 29999 kHz: the faceplate names the band of the tuned
// frequency from it, and the band plan window lists it on two pages.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "radio/radio_state.h"

namespace r8 {

struct BandRow {
  std::string_view name;  // 4 characters, as the faceplate shows it (" 49m")
  int lower = 0;          // kHz, both edges belong to the band
  int upper = 0;
  // B broadcast, A amateur, N navigation beacons, M maritime, E aeronautical, R radio astronomy,
  // L land mobile, C citizens band.
  char type = ' ';
};

inline constexpr int kBandCount = 48;
const std::array<BandRow, kBandCount>& BandTable();

// The label for the frequency text the faceplate shows ("  9500.00" in kHz, " 9.50000" in MHz):
// the name of the last row that holds it, " VHF" above 30 MHz, " SW " outside every band, four
// blanks while the receiver is off or when the text is not a number.
std::string BandLabelOf(std::string_view freq_text, bool power_on, BandUnitsCode units);

// The window's two pages: 0 "Broadcast/Amateur" (types A and B), 1 "Aero/Maritime" (the rest).
// Table indexes in table order.
std::vector<int> BandPageRows(int page);

// A row as its grid shows it: name, lower edge and upper edge (5 characters, right-aligned), type.
std::array<std::string, 4> BandCells(const BandRow& row);

}  // namespace r8
