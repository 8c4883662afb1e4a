// The arithmetic of a scan step, apart from the receiver: the A-B wrap and the next channel of a
// memory-list scan.
#pragma once

#include <functional>
#include <optional>

#include "options/scan_settings.h"

namespace r8 {

// The frequency a VFO step lands on within an A-B scan's limits (kHz as displayed, that is with
// the offset): past the upper limit going up it starts again at the lower one, and the other way
// round going down.
double WrapToScanLimits(double radio_freq, double offset, double lower, double upper, bool up);

// The next channel of a memory-list scan from the current one in the scan direction: the next
// occupied channel of the current bank when it is selected, otherwise of the next selected bank
// (wrapping from the model's highest bank to 0 and back). nullopt when one full pass over the
// banks finds none, so the search always ends.
std::optional<int> NextListChannel(int current, bool up, const BankFlags& banks, int model,
                                   const std::function<bool(int)>& occupied);

// The hold of a "Time" scan for a SCANDELAY value; values outside 1..10 take the default 3.
int ScanDelayMs(int scan_delay);

}  // namespace r8
