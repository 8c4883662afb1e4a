// The program's own scan (the faceplate's, and the frequency list's): one state for every window.
// The scan controller (scan_controller.h) changes it; the faceplate's view, its tuning step and the
// pan display read it.
#pragma once

#include <cstdint>
#include <functional>

#include "options/scan_settings.h"

namespace r8 {

struct ScanStatus {
  bool active = false;
  bool paused = false;
  int mode = 0;  // SCANMODE of the running scan: 1 Mem, 2 List, 3 A-B, 4 Freq
  // Written by every tuning step, so a tuning button pressed during a scan reverses it.
  bool direction_up = true;
  // The edges of an A-B scan (kHz, less FreqOffset); also the pan display's range.
  double lower_khz = 0.0;
  double upper_khz = 0.0;
  // An A-B scan on the R8A/R8B sweeps the pan display with this step (kHz).
  bool pan_sweep = false;
  double pan_step_khz = 0.0;
  // The hold of a "Time" scan: running until the clock's tick reaches hold_until_ms.
  bool holding = false;
  std::uint32_t hold_until_ms = 0;
  // The memory banks a memory-list scan visits (from "SCANLIST").
  BankFlags banks{};
  // Whether a memory channel holds something (the loaded memory table); unset while no memory
  // file is loaded.
  std::function<bool(int channel)> channel_occupied;
};

}  // namespace r8
