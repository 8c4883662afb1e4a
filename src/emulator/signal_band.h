// The emulated band: a fixed table of carriers and a noise floor, so the signal level, the squelch
// and carrier detect are the same on every run.
#pragma once

#include <cstdint>
#include <span>

#include "emulator/receiver_types.h"

namespace r8::emulator {

struct Carrier {
  std::int32_t freq_10hz;
  int strength;  // level 0..255 when tuned right on it
};

// Broadcasters between about 5950 and 15800 kHz (strong and weak ones) and a few VHF stations.
std::span<const Carrier> Carriers();

// The squelch opens (and carrier detect comes on) at this level and above.
inline constexpr int kSquelchLevel = 40;

// The level 0..255 the meter shows for this tuning: the strongest carrier inside the filter (with
// a sloping skirt just outside it) over the noise floor, less for the attenuator, more for the
// preamplifier. HF carriers reach only antennas 1 and 2, VHF ones only the converter input.
int SignalLevel(const Tuning& tuning);

}  // namespace r8::emulator
