// TPanDisp without the window: the sweep and its file, the menu items' states, the status line,
// zoom, rescan, tuning by a click, the file commands 1739/1747/1748, and the recorder that adds
// one reading per faceplate refresh while an A-B scan sweeps.
//
// Decided here where the rules leave it open:
// - A sweep of more than 9999 points is thinned (PanSweep::Clear): the whole range is shown with
//   every k-th point of the scan's step, readings in between averaged into the nearer point.
// - A record with frequency 0 in a pan file is a point the scan never reached: it is no reading,
//   even where 0 kHz lies inside the limits, and the trace breaks there.
// - A file of more records than a sweep can have (10002) is refused and changes nothing; a file
//   that ends inside a record is loaded up to its last whole record, and the user is told.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/events.h"
#include "pan/pan_sweep.h"
#include "radio/radio_state.h"

namespace r8 {

class AppContext;

inline constexpr char kPanCaption[] = "Pan Display";
inline constexpr char kPanZoomTooSmall[] = "Scan sweep too small!";
inline constexpr char kPanClickToTune[] = "Click left mouse button on graph to tune radio";
inline constexpr char kPanDragToZoom[] = "Drag and release right mouse button on new stop frequency";
inline constexpr char kPanWindowsSection[] = "WINDOWS";
inline constexpr char kPanOptionsSection[] = "OPTIONS";
inline constexpr char kPanStationsKey[] = "PANSTATIONS";

// The A-B scan's range and step, as the scan controller sets them when it starts a sweep.
struct PanSweepSetup {
  double lower = 0.0;
  double upper = 0.0;
  double step = 0.0;
};

struct PanMenuState {
  bool file = true;     // File1
  bool save = false;    // Save1: the sweep changed since it was last saved
  bool save_as = false; // Saveas1
  bool scan = false;    // Scan1 ("&Rescan")
};

class PanDisplay {
 public:
  explicit PanDisplay(AppContext& ctx);

  const PanSweep& sweep() const { return sweep_; }
  const PanMenuState& menu() const { return menu_; }
  const std::string& file_name() const { return file_name_; }
  const std::string& caption() const { return caption_; }
  const std::string& status() const { return status_; }
  bool scan_active() const { return scan_active_; }
  bool recording() const { return recording_; }

  // The window repaints everything on `changed`, and only the new segment on `plotted`.
  Event<> changed;
  Event<PanSegment> plotted;

  void SetDisplay();
  void FormActivate();
  void FormDeactivate();
  void New1Click();
  // A left click: tunes to the cursor's frequency when the receiver is on, no scan runs and a
  // sweep is set.
  void GraphDspClick(double cursor_freq);
  // Right button down and up with the cursor's frequency there. Nothing unless zooming is allowed.
  void ZoomDown(double cursor_freq);
  void ZoomUp(double cursor_freq);
  void Scan1Click();
  // The keypad's decimal point typed in the window.
  void KeyChar(char c);

  // The recorder's three moments: the A-B scan started a sweep, a refresh read a point, the scan
  // stopped. Refresh also sets the menu items for the R8A/R8B.
  void ScanStarted();
  void StartSweep(const PanSweepSetup& setup, const RadioState& now);
  void Refresh(const RadioState& now);
  void StopSweep();

  // OpenPanFile/SavePanFile on a file of the data folder (or a full path); false after a message.
  bool OpenPanFile(const std::string& name);
  bool SavePanFile();
  // The main window's commands.
  void CMPanFileOpen();
  void CMPanFileSave();
  void CMPanFileSaveAs();

 private:
  bool MayZoomOrTune() const;
  bool AskFileName(bool for_open);
  std::filesystem::path FilePath() const;
  void SetCaption();
  void Error(const std::string& text);

  AppContext& ctx_;
  PanSweep sweep_;
  PanMenuState menu_;
  std::string file_name_;
  std::string caption_ = kPanCaption;
  std::string status_ = " ";
  double zoom_start_ = 0.0;
  bool scan_active_ = false;
  bool recording_ = false;
  bool active_ = false;
};

// Subscribes the pan display to the context's events: a scan start asks `source` for the sweep
// (none: this scan does not sweep), every refresh during the sweep plots a point, the stop ends
// it. Commands 1739, 1747 and 1748 run the display's file commands.
class PanRecorder {
 public:
  using SweepSource = std::function<std::optional<PanSweepSetup>()>;
  PanRecorder(AppContext& ctx, PanDisplay& display, SweepSource source);

 private:
  std::vector<Subscription> subscriptions_;
};

}  // namespace r8
