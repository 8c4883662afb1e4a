// The faceplate's behaviour without the window: refresh, tuning, keypad entry, combo choices and
// list editing, the front-panel buttons, and the 100 ms clock tick with its minute work. The
// window (face_plate_window.h) reads its controls, calls one of these and applies the view.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/events.h"
#include "faceplate/faceplate_view.h"
#include "faceplate/tuning.h"
#include "settings/settings.h"

namespace r8 {

class AppContext;

// Combo Tags (the same numbers as the command ids of their receiver commands).
inline constexpr int kTagStepList = 111;
inline constexpr int kTagOffsetList = 113;

struct ClockView {
  std::string time_lbl;   // "UTC" / "LOCAL"
  std::string clock_lbl;  // "14:30 s"
  bool minute_changed = false;
};

struct TickResult {
  ClockView clock;
  bool refreshed = false;  // UpdateDisplay ran (minute poll or a scanning receiver's line)
  bool dsr_changed = false;
  bool comms_lbl_enabled = false;  // shown enabled while DSR is off
  bool port_closed = false;        // DSR dropped: the port was closed
};

class FacePlateCore {
 public:
  explicit FacePlateCore(AppContext& ctx);

  AppContext& ctx() { return ctx_; }
  const FacePlateUiState& ui() const { return ui_; }
  const KeypadEntry& entry() const { return entry_; }
  ComboList& steps() { return steps_; }
  ComboList& offsets() { return offsets_; }
  // The last tuning step of a memory-list scan found no stored channel in the selected banks.
  bool list_scan_found_nothing() const { return list_scan_found_nothing_; }

  // Polls the receiver, computes what the faceplate shows and tells every window that follows
  // the display (the context's display_refreshed event).
  FacePlateView UpdateDisplay();
  // What the faceplate shows now, with the station list of the last refresh.
  FacePlateView View() const;
  // The stations scheduled on the tuned frequency now (the front panel's list).
  std::vector<StationLine> StationsOnAirNow();
  std::vector<StationLine> StationsOnAirAt(double khz);
  // Of the candidates (strongest signal first), the first frequency with a station on the air
  // now; the first candidate when none has one, nullopt when there are none.
  std::optional<double> FirstFrequencyOnAir(const std::vector<double>& candidates);

  // Start-up: the step and offset lists from the settings file, FreqOffset from the offset list.
  void LoadLists();
  void SaveLists();

  // One tuning step, then a refresh unless the receiver scans by itself; false when nothing was
  // refreshed. The step stores its direction as the scan's; during an A-B scan it wraps at the
  // limits, and during a memory-list scan it recalls the next stored channel of the banks.
  bool TuneUpDown(bool up, bool small_step);
  double StepSize(bool small_step) const;
  // One keypad character ('0'..'9', '.', '\b', '\r'); tunes on Enter.
  KeypadOutcome SetTuner(char c);
  // A combo's new choice; false when refused (the combo shows the old choice again).
  bool SelectCombo(int tag, int index);
  // Enter typed in the step or offset list; false when the value is refused.
  bool ComboDropEdit(int tag, std::string_view typed);
  bool ComboDropDelete(int tag);

  void TapeBtnClick();
  void PowerBtnClick();
  void MemTuneBtnClick();
  void UnitsClick();
  void SetNoiseBlanker(int width);  // 0 off, 1 narrow, 2 wide
  void VFOEqBtnClick();

  // The body of the 100 ms tick.
  TickResult Tick();
  ClockView UpdateClock();
  // A click on the time panel: the other clock at once, without polling the receiver.
  ClockView TimePnlClick();
  // The clock drawn again at once (its settings changed), without polling the receiver.
  ClockView RedrawClock();
  bool Connect();  // Disconnect1Click: close when usable, open when not; true when now usable

 private:
  ComboList& ListFor(int tag);
  double OffsetValue() const;

  AppContext& ctx_;
  FacePlateUiState ui_;
  KeypadEntry entry_;
  ComboList steps_ = DefaultStepList();
  ComboList offsets_ = DefaultOffsetList();
  bool list_scan_found_nothing_ = false;
  std::string last_clock_text_;
  bool display_poll_enabled_ = true;
  bool dsr_state_ = true;
  bool carrier_ = false;
  std::vector<StationLine> stations_;
  // The faceplate carries out the refresh and VFO commands whichever window posts them.
  Subscription refresh_command_;
  Subscription vfo_command_;
};

}  // namespace r8
