// One memory channel as the receiver itself reports it: "*" + channel + blank + five status code
// characters + blank + nine frequency characters + unit marker, then optionally a tab and notes.
// The R8 writes the channel with two digits (the short form), the R8A and R8B with three (the long
// form). The same line serves the file, the table, the receiver exchange and the list.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/format.h"

namespace r8 {

inline constexpr int kMemorySlots = 1000;
inline constexpr std::size_t kSlotLength = 89;
inline constexpr std::size_t kCommentLength = 255;
inline constexpr std::size_t kNameLength = 7;

// Item indexes of the channel dialog's lists; the last item of each list is blank ("not
// applicable").
inline constexpr int kBlankAntenna = 3;    // "1", "2", "C"
inline constexpr int kBlankRf = 3;         // "Att", "Off", "Pre"
inline constexpr int kBlankAgc = 3;        // "Off", "Slow", "Fast"
inline constexpr int kBlankBandwidth = 6;  // "12.", "6.0", "4.0", "2.3", "1.8", "0.5"
inline constexpr int kBlankMode = 6;       // "AM", "FM", "CW", "RTTY", "LSB", "USB"
inline constexpr int kBlankBlanker = 3;    // "Off", "Narr", "Wide"
inline constexpr int kAntennaC = 2;
inline constexpr int kRfOff = 1, kRfPre = 2;
inline constexpr int kAgcFast = 2;
inline constexpr int kBw12 = 0, kBw6_0 = 1;
inline constexpr int kModeAm = 0, kModeFm = 1, kModeCw = 2, kModeRtty = 3, kModeLsb = 4,
                     kModeUsb = 5;
inline constexpr int kNotchOff = 1, kNotchOn = 2;

// The fifth status code character, read alike in a memory line and in the status reply: bit 2 is
// the channel's synchro; bits 3, 1 and 0 tell how the receiver stood when it reported (VFO A, its
// own scan running, frequency shown in MHz). Only the synchro belongs to the channel, so a line's
// other bits are kept as sent and never taken for settings, and the lines the program writes say
// "VFO A, not scanning", which is how a receiver reports a channel it merely shows.
inline constexpr int kF5VfoA = 0x08;
inline constexpr int kF5Sync = 0x04;
inline constexpr int kF5Scanning = 0x02;
inline constexpr int kF5MHz = 0x01;

struct MemorySettings {
  int antenna = 1;
  int rf = kRfOff;
  int agc = kAgcFast;
  int bandwidth = kBw6_0;
  int mode = kModeAm;
  int blanker = 0;
  int notch = kNotchOff;
  bool sync = false;
  bool operator==(const MemorySettings&) const = default;
};

// The five status code characters into s; a bit pattern the table does not list leaves that
// setting as it was. codes must hold five characters.
void DecodeStatusCodes(std::string_view codes, MemorySettings& s);
// The five characters for s; blank (not applicable) settings add nothing. mhz sets bit 0 of the
// fifth character, as the R8A/R8B report a channel shown in MHz.
std::string EncodeStatusCodes(const MemorySettings& s, bool mhz);

struct MemoryLine {
  int channel = 0;
  bool long_form = true;
  double freq_khz = 0.0;
  int unit = kUnitKHz;  // the unit the line is written in
  MemorySettings settings;
  std::string notes;
};

// The tunable ranges in kHz, bounds included: 100-30000, 35000-55000, 108000-174000.
bool TunableKHz(double khz);

// A stored line read back, or why it cannot be: a line the program cannot read is never sent to
// the receiver.
struct LineReading {
  std::optional<MemoryLine> line;
  std::string problem;
};
LineReading ReadMemoryLine(std::string_view text);

inline bool SlotOccupied(std::string_view slot) { return !slot.empty() && slot[0] == '*'; }

// The channel number of a stored line's field (positions 2-3 on a short line, 2-4 on a long one),
// or -1 when it is not digits.
int LineChannel(std::string_view text);

// The record as a memory line: short form on the R8, long form in its own unit otherwise; the
// slot keeps the first 89 characters.
std::string CreateTuneString(const MemoryLine& record, int model);

// The memory list's row for a slot: a tab, the channel, then "<none>" or the frequency, unit and
// settings columns, and the notes when there are any.
std::string MemDisplayLine(int channel, std::string_view slot, int model);

}  // namespace r8
