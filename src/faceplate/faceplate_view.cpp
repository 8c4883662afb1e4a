#include "faceplate/faceplate_view.h"

#include "app/app_context.h"
#include "bandplan/band_table.h"
#include "common/format.h"
#include "radio/radio_model.h"

namespace r8 {

int MeterSegment(int model, bool power_on, int level, bool carrier) {
  if (!power_on) return -1;
  if (model == kModelR8) return carrier ? 8 : 0;
  // Upper bounds of segments 0..13; 228 and above is 14.
  static constexpr int kTop[14] = {0, 10, 26, 38, 50, 63, 79, 96, 115, 137, 162, 194, 216, 227};
  for (int s = 0; s < 14; ++s) {
    if (level <= kTop[s]) return s;
  }
  return 14;
}

void ApplyDisplayRules(RadioState& r, int model) {
  if (!r.PowerOn) {
    r.BandUnits = BandUnitsCode::kKHz;
    return;
  }
  if (model == kModelR8) {
    r.BandUnits =
        FreqToDisplay(r.RadioFreq).unit == kUnitMHz ? BandUnitsCode::kMHz : BandUnitsCode::kKHz;
  }
  if (r.Mode == ModeCode::kFm) {
    r.AGC = AgcCode::kNone;
    r.Bandwidth = BandwidthCode::k12;
  }
  if (r.Antenna == AntennaCode::kC) r.RF = RfCode::kNone;
}

namespace {

std::string ScanTypeText(int scan_mode, int scan_type) {
  if (scan_mode < 1 || scan_mode > 4 || scan_type < 1 || scan_type > 3) return "??";
  return std::string(1, "MLAF"[scan_mode - 1]) + "STC"[scan_type - 1];
}

}  // namespace

FacePlateView ComputeFacePlateView(const AppContext& ctx, const FacePlateUiState& ui) {
  const RadioState& r = ctx.radio();
  const Settings& s = ctx.settings();
  const int model = s.RadioModel;
  const bool r8ab = model == kModelR8A || model == kModelR8B;
  const bool scan_active = ctx.scan().active;
  const int port_error = ctx.link().PortError();
  FacePlateView v;
  v.on = r.PowerOn;
  v.free = r.PowerOn && r.ScanState != ScanStateCode::kReceiverScan;
  v.show_freq_text = ui.entry_idle;

  if (r.PowerOn) {
    v.freq_text = model == kModelR8 ? FreqToDisplay(r.RadioFreq).text
                                    : FreqToText(r.RadioFreq, CodeNumber(r.BandUnits));
  } else {
    v.freq_text = "O  F  F ";
  }
  v.units = r.BandUnits == BandUnitsCode::kMHz ? "MHz" : "kHz";
  v.units_visible = v.band_visible = r.PowerOn;
  v.band_text = BandLabelOf(v.freq_text, r.PowerOn, r.BandUnits);
  v.mem_no_text = model == kModelR8 ? IntToStr2Z(r.MemChannel) : IntToStr3Z(r.MemChannel);

  v.sync_lite = r.PowerOn && r.Sync;
  v.vfo_eq_lite = r.PowerOn && r.VFOEqLamp;
  v.power_lit = r.PowerOn;
  v.save_lbl_enabled = ctx.database().DatabaseChanged() != 0;
  v.link_failed = ctx.link().last_failed();
  v.meter_level = MeterSegment(model, r.PowerOn, r.MeterLevel, r.Carrier);

  // Usable whatever the receiver does: power, the connection and memory mode, the scan button.
  v.power_btn.enabled = true;
  v.comms_btn.enabled = true;
  v.comms_btn.down = port_error == 1;
  v.connect_item.enabled = true;
  v.mem_btn.enabled = true;
  v.scan_btn.enabled = true;
  v.scan_type_text = ScanTypeText(s.scan_mode, s.scan_type);

  const bool scanning = scan_active || r.ScanState == ScanStateCode::kReceiverScan;
  v.scan_btn.down = v.scan_lbl_visible = v.scan_item.checked = scanning;
  v.scan_item.enabled = true;
  v.scan_pause_item.enabled = scan_active;
  v.scan_pause_item.checked = scan_active && ctx.scan().paused;
  v.scan_lbl_text = scan_active && ctx.scan().paused ? "PAUS" : "SCAN";
  v.timer_btn.down = v.timer_lbl_visible = v.timer_item.checked = s.timer_enabled == 1;

  if (!r.PowerOn) {
    // Everything rests on its blank item; only power, connection, memory and scan stay usable.
    v.ant = {3, false};
    v.rf = {3, false};
    v.agc = {3, false};
    v.bw = {6, false};
    v.mode = {6, false};
    v.step = {0, false};
    v.offset = {0, false};
    v.vfo_lbl.clear();
    v.power_item = {true, false};
    v.mem_btn.down = v.mem_lbl_visible = r.MemoryMode == MemoryModeCode::kChannel;
    v.timer_btn.enabled = true;
    v.exit_item.enabled = true;
    v.options_item.enabled = true;
    return v;
  }

  const bool free = v.free;
  const bool fm = r.Mode == ModeCode::kFm;
  const bool sync_allowed =
      r.Mode == ModeCode::kAm ||
      (model == kModelR8B && (r.Mode == ModeCode::kLsb || r.Mode == ModeCode::kUsb));
  v.sync_btn.enabled = free && sync_allowed;
  v.sync_item = {v.sync_btn.enabled, r.Sync};

  v.agc.enabled = v.bw.enabled = !fm && free;
  v.noise_btn.enabled = v.notch_btn.enabled = !fm && free;
  v.rf.enabled = r.Antenna != AntennaCode::kC && free;

  v.exit_item.enabled = free;
  v.keypad.enabled = v.down_l_btn.enabled = v.up_l_btn.enabled = free;
  v.power_btn.enabled = free;
  v.power_item = {free, true};
  v.vfo_btn.enabled = v.vfo_eq_btn.enabled = free;
  v.ant.enabled = v.mode.enabled = v.step.enabled = v.offset.enabled = free;
  v.small_step_item.enabled = free;
  v.scan_params_item.enabled = free;
  v.tape_btn.enabled = v.mem_btn.enabled = free;
  v.timer_btn.enabled = v.comms_btn.enabled = free;
  v.connect_item.enabled = free;
  v.options_item.enabled = free;
  v.down_btn.enabled = v.up_btn.enabled = v.station_lst.enabled = true;
  v.other_item.enabled = true;

  v.ant_item.enabled = v.ant.enabled;
  v.rf_item.enabled = v.rf.enabled;
  v.agc_item.enabled = v.agc.enabled;
  v.bw_item.enabled = v.bw.enabled;
  v.mode_item.enabled = v.mode.enabled;
  v.step_item.enabled = v.step.enabled;
  v.offset_item.enabled = v.offset.enabled;

  if (r.ScanState != ScanStateCode::kReceiverScan)
    v.vfo_menu_caption = r.VFO == VfoCode::kA ? "&VFO B" : "&VFO A";
  v.vfo_lbl = r.VFO == VfoCode::kA ? "A" : "B";
  v.vfo_lbl_enabled = true;
  v.vfo_eq_item = {v.vfo_eq_btn.enabled, r.VFOEqLamp};

  v.ant.index = CodeNumber(r.Antenna);
  v.rf.index = CodeNumber(r.RF);
  v.agc.index = CodeNumber(r.AGC);
  v.bw.index = CodeNumber(r.Bandwidth);
  v.mode.index = CodeNumber(r.Mode);
  v.step.index = ui.step_index;
  v.offset.index = ui.offset_index;

  v.noise_btn.down = v.noise_grp_visible = r.NoiseBlanker != NoiseBlankerCode::kOff;
  v.noise_item = {v.noise_btn.enabled, r.NoiseBlanker != NoiseBlankerCode::kOff};
  v.noise_n_checked = r.NoiseBlanker == NoiseBlankerCode::kNarrow;
  v.noise_w_checked = r.NoiseBlanker == NoiseBlankerCode::kWide;
  v.notch_btn.down = v.notch_lbl_visible = r.Notch == NotchCode::kOn;
  v.notch_item = {v.notch_btn.enabled, r.Notch == NotchCode::kOn};
  v.tape_btn.down = v.tape_lbl_visible = r.TapeVOX == TapeVoxCode::kCarrier;
  v.tape_item = {v.tape_btn.enabled, r.TapeVOX == TapeVoxCode::kCarrier};
  v.mem_btn.down = v.mem_lbl_visible = r.MemoryMode == MemoryModeCode::kChannel;
  v.mem_item = {v.mem_btn.enabled, r.MemoryMode == MemoryModeCode::kChannel};
  v.mem_tune_item = {r8ab && r.MemoryMode == MemoryModeCode::kChannel, r.MemTune == 1};
  if (r8ab && r.MemTune == 1) v.mem_lbl_text = "MMT";
  v.timer_item.enabled = v.timer_btn.enabled;
  return v;
}

}  // namespace r8
