// The texts the receiver answers its queries with: the status line ("RA") and the shorter
// rig-control replies. Pure functions of what the front panel shows, so each layout can be checked
// on its own.
#pragma once

#include <cstdint>
#include <string>

#include "emulator/receiver_types.h"

namespace r8::emulator {

// What the display shows at one moment, gathered by the receiver for the replies below.
struct PanelView {
  bool power_on = true;
  bool memory_mode = false;
  int channel = 0;
  Tuning tuning;
  Vfo vfo = Vfo::kA;
  bool scanning = false;
  bool mhz = false;  // R8A/R8B band display in MHz (the R8 always shows MHz)
  bool squelch_open = false;
  std::string name;  // the channel name in memory mode, else blanks (R8A/R8B)
  int level = 0;     // 0..255
};

// Length of the "RA" reply: 25 on the R8, 37 on the R8A/R8B.
int StatusLineLength(int model);
// Digits of a channel number: 2 on the R8, 3 on the R8A/R8B.
int ChannelDigitCount(int model);

// The five status code characters F1..F5: "0" plus the flag bits of each.
std::string FlagCharacters(int model, const PanelView& view);
// Nine characters, right-aligned: MHz with 5 decimals, or on the R8A/R8B kHz with 2 decimals
// unless the band display is MHz. Blanks while the receiver is off, so the line carries no number.
std::string FrequencyField(int model, const PanelView& view);

// "RA": '*' in memory mode, the channel, the flags, the frequency, the squelch flag, the unit
// and (R8A/R8B) the channel name and the level in hex, then CR LF.
std::string StatusLine(int model, const PanelView& view);
// "RF": frequency field, squelch flag, "mHz" or "kHz", CR LF (15 bytes).
std::string FrequencyReply(int model, const PanelView& view);
// "RM": the five flag characters (preceded by a blank on the R8A/R8B), CR LF.
std::string ModeReply(int model, const PanelView& view);
// "RC": '*' in memory mode else blank, the channel digits, CR LF.
std::string ChannelReply(int model, const PanelView& view);
// "RSS": a blank, the level as two upper-case hex digits, CR LF.
std::string LevelReply(const PanelView& view);

}  // namespace r8::emulator
