// Decoding the receiver's status line ("RA" reply) into RadioState.
#pragma once

#include <string_view>

#include "radio/radio_state.h"

namespace r8 {

// Above every range the receivers tune; a status line claiming more is garbled.
inline constexpr double kMaxStatusFreqKHz = 200000.0;

// 25 for the R8, 37 for the R8A and R8B, 0 for no model.
int StatusReplyLength(int model);

// The flag characters F1..F5 into the state (noise blanker, AGC, RF, notch, antenna, mode,
// bandwidth, sync, VFO, scan state). Returns whether F5 says the frequency field is in MHz.
// A line too short to hold the flags changes nothing.
bool ParseRadioStatus(std::string_view reply, RadioState& radio);

struct StatusDecode {
  bool frequency_valid = false;
};

// The whole line as the status poll reads it: memory mode and channel, the meter level on the
// R8A/R8B, the flags, the frequency (less FreqOffset), the FM rules and PowerOn. reply must be
// exactly StatusReplyLength(model) bytes; any other length changes nothing. Fields that do not
// hold what they should (a channel that is not digits, a level that is not hex) are left alone.
StatusDecode DecodeStatusLine(std::string_view reply, int model, RadioState& radio);

}  // namespace r8
