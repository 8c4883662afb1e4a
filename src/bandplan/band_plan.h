// The band plan window's behaviour: its status line, tuning a band edge or scanning a band, and
// its size in the settings file.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "bandplan/band_table.h"
#include "settings/profile_file.h"

namespace r8 {

class AppContext;

// "Double-click to scan the 49m band" for the row's current column.
std::string BandStatusText(const BandRow& row, int column);

enum class BandClick { kIgnored, kTuned, kScanned };

// A double-click (or Enter) on a cell: the edges (columns 1, 2) tune that edge; the name and type
// (columns 0, 3) put the lower edge in VFO A and the upper edge in VFO B and start an A-B scan of
// type "Time" through command 1464. Ignored while the receiver is off or any scan runs.
BandClick BandLstDblClick(AppContext& ctx, const BandRow& row, int column);

// Sizes in pixels for a screen of ppi pixels per inch.
struct BandPlanGeometry {
  int width = 0;                  // fixed: the window is never made wider or narrower
  int row_height = 0;             // of a grid row
  std::array<int, 4> columns{};   // name, lower edge, upper edge, type letter
};
BandPlanGeometry BandPlanGeometryFor(int ppi);

// The window's height: the stored one (BANDPLANY) kept between a usable minimum and the screen's
// height, the default when none or an unusable one is stored.
int BandPlanHeight(std::optional<int> stored, int ppi, int screen_height);

// Section "WINDOWS", keys "BANDPLANX" (width) and "BANDPLANY" (height).
std::optional<int> ReadBandPlanHeight(ProfileFile& f);
bool WriteBandPlanSize(ProfileFile& f, int width, int height);

}  // namespace r8
