// The program's own scan (the faceplate's, and later the frequency list's): one state for every
// window. The scanning controller that steps it arrives with the scan windows; until then the
// faceplate reads these fields and the Options dialog writes the banks.
#pragma once

#include "options/scan_settings.h"

namespace r8 {

struct ScanStatus {
  bool paused = false;
  // The memory banks a memory-list scan visits (from "SCANLIST").
  BankFlags banks{};
};

}  // namespace r8
