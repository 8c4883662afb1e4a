// The station windows as one set the context owns: the registry of open windows with their
// handles, what each one lists, its caption and selection, the holds-results flags and the current
// What window; and the main window's operations on them (WhatWindow, FindFreq, WhenStat, WhoStat,
// the Update routines and SyncWindows). The windows only draw this state and report the user's
// actions back; a window that joins later (the find window, the programmes list) registers with
// the same host.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/events.h"
#include "database/query_targets.h"
#include "database/schedule_dump.h"
#include "stations/station_window_rules.h"

namespace r8 {

class AppContext;

// The windows' side: implemented by the windows' host in the program and by fakes in tests.
class StationWindowHost {
 public:
  virtual ~StationWindowHost() = default;
  // NewMakeWindow: show the window (making it at its place below the main window, or to its
  // right for the find window); false when the program has no such window.
  virtual bool OpenWindow(StationWindow w) = 0;
  // The window's state changed: draw it again.
  virtual void ShowState(StationWindow w) = 0;
  // Bring the window to the front with the focus; kNone is the main window.
  virtual void ActivateWindow(StationWindow w) = 0;
};

struct StationWindowState {
  int handle = 0;  // 0 while closed
  bool holds_results = false;
  std::string caption;
  std::vector<std::string> lines;              // list windows
  std::vector<std::vector<std::string>> rows;  // grid windows
  int top_row = 0;
  int selected = -1;  // -1: none
  int selected_column = 0;
  std::string time;    // the find window's query time (hhmm), empty for now
  bool usage = false;  // the find window shows a usage list
  bool preview = false;
  std::string filter_time;   // empty until the filter is set
  std::string preview_time;  // the time the preview list shows
  int track_minutes = 0;
  int fill_hour = -1;  // the hour of the present the list was filled at

  int RowCount() const {
    return static_cast<int>(lines.empty() ? rows.size() : lines.size());
  }
};

// What one row's edit items show.
struct EditMenuState {
  bool enabled = false;
  std::string mark_caption = "&Mark";
  int record = 0;
  // A heading of the utility list: only "Insert above" works, on the station below it.
  bool insert_above_only = false;
};

// Where the Tab and Shift+Tab commands go.
enum class TabMove { kWhatWindow, kFindWindow, kPrograms, kNextControl, kPreviousControl, kMainWindow };

class StationWindowSet {
 public:
  explicit StationWindowSet(AppContext& ctx);
  ~StationWindowSet();
  StationWindowSet(const StationWindowSet&) = delete;
  StationWindowSet& operator=(const StationWindowSet&) = delete;

  // The program's windows; none: every window opens and nothing is drawn (the core's tests).
  void SetHost(StationWindowHost* host) { host_ = host; }
  // Follows the clock and the database, and carries out the commands other windows post.
  void Join();

  const StationWindowState& state(StationWindow w) const { return slots_[Slot(w)]; }
  bool IsOpen(StationWindow w) const { return state(w).handle != 0; }
  StationWindow current_what() const { return current_what_; }

  // What a double-click or a command hands over (the shared variables of the main window).
  struct Handover {
    std::string name;  // station name
    std::string time;  // hhmm with the name, for FindFreq(-1)
    std::string freq;  // frequency text for WhoStat
  };
  Handover& handover() { return handover_; }

  // The windows report what the user does.
  void Closed(StationWindow w);
  void Activated(StationWindow w);
  void Select(StationWindow w, int row, int column = 0);
  void SetTopRow(StationWindow w, int row);

  bool NewMakeWindow(StationWindow w);
  // which: 1 SWBC, 2 utility, 3 BCB/CB.
  void WhatWindow(int which);
  // -1: kind 1 at the handed-over time, 0: kind 1 now, 1: usage (kind 8).
  void FindFreq(int variant);
  void WhenStat();
  void WhoStat();
  // The click on the frequency display; false when the who-else dialog has to ask instead.
  bool FreqLblClick();
  void SyncWindows(int except = 0);
  void UpdateWhatWindow();
  void UpdateFindWindow();
  void UpdateGridWindow(StationWindow w);
  void DispatchWindow(StationWindow w, int row);
  TabMove CMTabWindow(bool from_main_window);
  TabMove CMShTabWindow(bool from_main_window);
  // UpdateAll after a load: no window holds results for the new tables.
  void ClearHoldsResults();

  // Preview of the SWBC list.
  void SetPreview(bool on);
  // False when the entry is not a time; the dialog then stays open.
  bool SetFilter(std::string_view entry);
  void SetTrackMinutes(int minutes);
  void TrackBtnClick();

  // A row's behaviour.
  void DoubleClick(StationWindow w, int row, int column);
  std::string StatusText(StationWindow w, int row, int column) const;
  EditMenuState EditMenu(StationWindow w) const;
  // Drawn in the mark colours: Heard entries and the station lists' headings.
  bool RowFlagged(StationWindow w, int row, int column = 0) const;

  // "Print Schedule": the print job for the printer, none when the schedule went to a file or
  // the user cancelled.
  std::optional<PrintJob> CMWhenPrint(const std::string& name, bool to_file);

 private:
  static std::size_t Slot(StationWindow w) { return static_cast<std::size_t>(w); }
  StationWindowState& mut(StationWindow w) { return slots_[Slot(w)]; }
  void Query(StationWindow w);
  void Refresh(StationWindow w, bool keep_position);
  void Show(StationWindow w);
  void Activate(StationWindow w);
  void RefreshForNewHour();
  int PresentHour() const;

  AppContext& ctx_;
  StationWindowHost* host_ = nullptr;
  std::array<StationWindowState, kStationWindowSlots> slots_{};
  StationWindow current_what_ = StationWindow::kNone;
  int next_handle_ = 1;
  Handover handover_;
  std::vector<Subscription> subscriptions_;
};

}  // namespace r8
