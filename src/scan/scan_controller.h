// The program's own scan, stepped on a 10 ms clock by the window and decided here: start and stop
// per mode, pause, the step with its stop, hold or carry-on after each one, and the hold of a
// "Time" scan, kept against the clock's tick so that tests run in virtual time.
//
// Decided here where the rules leave it open:
// - A memory-list scan whose selected banks hold no stored channel (or with no bank selected)
//   stops after one full pass over the banks, and says why once.
// - A mode or type still 0 after the scan parameters were offered starts nothing.
#pragma once

#include <functional>
#include <string>

#include "common/events.h"

namespace r8 {

class AppContext;
class FacePlateCore;

inline constexpr char kListScanNeedsMemories[] =
    "You must either load or capture a memory file before list scanning.";
inline constexpr char kListScanFindsNothing[] =
    "The list scan stopped: no selected memory bank holds a stored channel.";

// The rules every scan's step shares, the faceplate's and the frequency list's. ScanMayStep runs a
// due hold out (by the clock, paused or not) and says whether a step may move now: not while the
// receiver is off, the scan paused, a "Time" hold runs or a "Carr" carrier lasts. AfterScanStep
// starts or ends a "Time" hold and returns true when a "Seek" scan has found its carrier.
bool ScanMayStep(AppContext& ctx);
bool AfterScanStep(AppContext& ctx);

class ScanController {
 public:
  ScanController(AppContext& ctx, FacePlateCore& faceplate);

  // ScanBtnClick: starts or stops a scan (also command 1464). Nothing while the receiver is off or
  // scans by itself.
  void ScanBtnClick();
  void StartScan();
  void StopScan();
  // ScanLblClick: pause and go on.
  void TogglePause();
  // One tick of the stepping clock (Timer3Timer).
  void Step();

  bool active() const;
  // "PAUS" while paused, "SCAN" otherwise.
  std::string LabelText() const;

  // Offers the scan parameters (the Options dialog on its "Scan" page); set by the window.
  std::function<void()> open_parameters;
  // The frequency list's own scan (mode "Freq"): false when the list window is not open.
  std::function<bool()> frequency_list_scan;

 private:
  void SetActive(bool active);

  AppContext& ctx_;
  FacePlateCore& faceplate_;
  Subscription scan_command_;
};

}  // namespace r8
