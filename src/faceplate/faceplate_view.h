// What every control of the faceplate shows, computed from the receiver state and the settings.
// The window only applies it.
#pragma once

#include <string>
#include <vector>

#include "radio/radio_state.h"

namespace r8 {

class AppContext;

struct ControlState {
  bool enabled = false;
  bool visible = true;
  bool down = false;
};

struct ComboView {
  int index = 0;
  bool enabled = false;
};

struct MenuView {
  bool enabled = false;
  bool checked = false;
};

// Step list and offset list selections, and the keypad entry, live in the window.
struct FacePlateUiState {
  int step_index = 5;
  int offset_index = 3;
  bool entry_idle = true;
};

// One line of the station list: TAB-separated fields, and whether the entry is marked (heard).
struct StationLine {
  std::string text;
  bool flagged = false;
  bool operator==(const StationLine&) const = default;
};

struct FacePlateView {
  bool on = false;
  bool free = false;  // on and the receiver is not scanning by itself

  std::string freq_text;       // " 9580.00" / " 9.58000" / "O  F  F "
  bool show_freq_text = true;  // false while a keypad entry owns the label
  std::string units;           // "kHz" / "MHz"
  bool units_visible = false;
  bool band_visible = false;
  std::string band_text;  // " 49m", " SW ", " VHF"; four blanks while off
  std::string mem_no_text;  // "05" / "005"

  bool mem_lbl_visible = false;
  std::string mem_lbl_text = "MEM";
  bool notch_lbl_visible = false;
  bool tape_lbl_visible = false;
  bool scan_lbl_visible = false;
  std::string scan_lbl_text = "SCAN";  // "PAUS" while the program's scan is paused
  bool timer_lbl_visible = false;
  std::string scan_type_text;  // "MS", "AC", "??"
  std::string vfo_lbl;         // "A", "B" or blank when off
  bool vfo_lbl_enabled = false;

  ComboView ant, rf, agc, bw, mode, step, offset;

  ControlState keypad, down_btn, up_btn, down_l_btn, up_l_btn, station_lst;
  ControlState vfo_btn, vfo_eq_btn, sync_btn, power_btn;
  ControlState noise_btn, notch_btn, tape_btn, mem_btn, scan_btn, timer_btn, comms_btn;
  bool noise_grp_visible = false;
  bool noise_n_checked = false;
  bool noise_w_checked = false;

  bool sync_lite = false;
  bool vfo_eq_lite = false;
  bool power_lit = false;
  int meter_level = -1;  // -1 dark, 0..14
  // The stations on the tuned frequency now; empty while off or above 30000 kHz.
  std::vector<StationLine> stations;
  bool save_lbl_enabled = false;  // the database has unsaved changes
  bool link_failed = false;       // the last exchange with the receiver went unanswered

  // Menu items that follow the panel.
  std::string vfo_menu_caption = "&VFO  ";
  MenuView exit_item, power_item, small_step_item, other_item, options_item, vfo_eq_item, sync_item;
  MenuView noise_item, notch_item, tape_item, mem_item, mem_tune_item, scan_item, scan_pause_item;
  MenuView scan_params_item;
  MenuView timer_item, connect_item;
  MenuView ant_item, rf_item, agc_item, bw_item, mode_item, step_item, offset_item;
};

// Segment 0..14 for the signal (or −1 when off): the R8 has no level report and shows 8 while the
// carrier line is up; the R8A/R8B level 0..255 maps through the meter table.
int MeterSegment(int model, bool power_on, int meter_level, bool carrier);

// The state changes a refresh makes: FM has no AGC or bandwidth, antenna C no RF choice; the R8
// shows its frequency in the unit its size calls for; off means kHz.
void ApplyDisplayRules(RadioState& radio, int model);

FacePlateView ComputeFacePlateView(const AppContext& ctx, const FacePlateUiState& ui);

}  // namespace r8
