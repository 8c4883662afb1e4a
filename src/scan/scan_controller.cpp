#include "scan/scan_controller.h"

#include "app/app_context.h"
#include "common/user_prompts.h"
#include "faceplate/faceplate_core.h"
#include "radio/radio_model.h"
#include "radio/radio_protocol.h"
#include "scan/scan_rules.h"

namespace r8 {

ScanController::ScanController(AppContext& ctx, FacePlateCore& faceplate)
    : ctx_(ctx),
      faceplate_(faceplate),
      scan_command_(
          ctx.commands().Register(AppCommand::kScanButton, [this](int) { ScanBtnClick(); })) {}

bool ScanController::active() const { return ctx_.scan().active; }

std::string ScanController::LabelText() const { return ctx_.scan().paused ? "PAUS" : "SCAN"; }

void ScanController::ScanBtnClick() {
  const RadioState& r = ctx_.radio();
  if (!r.PowerOn || r.ScanState != ScanStateCode::kIdle) return;
  Settings& s = ctx_.settings();
  if ((s.scan_mode == 0 || s.scan_type == 0) && open_parameters) open_parameters();
  if (s.scan_mode == 0 || s.scan_type == 0) {
    faceplate_.UpdateDisplay();  // the button springs back
    return;
  }
  if (s.scan_mode == kScanModeList && !active() && !ctx_.scan().channel_occupied) {
    faceplate_.UpdateDisplay();
    ShowMessage(ctx_.prompts(), MessageKind::kInformation, kListScanNeedsMemories);
    return;
  }
  if (s.scan_mode == kScanModeFreq) {
    if (!frequency_list_scan || !frequency_list_scan()) faceplate_.UpdateDisplay();
    return;
  }
  StartScan();
}

void ScanController::StartScan() {
  if (active()) {
    StopScan();
    return;
  }
  RadioState& r = ctx_.radio();
  ScanStatus& scan = ctx_.scan();
  const Settings& s = ctx_.settings();
  const int model = s.RadioModel;
  const bool r8ab = model == kModelR8A || model == kModelR8B;
  RadioControl& control = ctx_.control();
  scan.mode = s.scan_mode;
  if (s.scan_mode == kScanModeMem || s.scan_mode == kScanModeList) {
    if (r.MemoryMode == MemoryModeCode::kVfo) control.RadioCommand(kCmdMemoryMode, true);
    if (r8ab && r.MemTune == 1) faceplate_.MemTuneBtnClick();
  } else if (s.scan_mode == kScanModeAB) {
    // Each VFO switch is followed by a refresh, which reads that VFO's frequency.
    scan.lower_khz = r.RadioFreq - r.FreqOffset;
    control.RadioCommand(kCmdVfo, true);
    scan.upper_khz = r.RadioFreq - r.FreqOffset;
    control.RadioCommand(kCmdVfo, true);
    if (scan.upper_khz < scan.lower_khz) std::swap(scan.lower_khz, scan.upper_khz);
    if (r8ab) {
      scan.pan_sweep = true;
      scan.pan_step_khz = faceplate_.StepSize(false);
    }
  }
  scan.paused = false;
  scan.holding = false;
  SetActive(true);
  faceplate_.UpdateDisplay();
}

void ScanController::StopScan() {
  ScanStatus& scan = ctx_.scan();
  scan.paused = false;
  scan.holding = false;
  scan.pan_sweep = false;
  SetActive(false);
  faceplate_.UpdateDisplay();
}

void ScanController::SetActive(bool on) {
  ctx_.scan().active = on;
  // While a scan runs the transactions leave the cursor alone.
  ctx_.link().scan_active = on;
  ctx_.events().scan_changed.Emit(on);
}

void ScanController::TogglePause() {
  if (!active()) return;
  ctx_.scan().paused = !ctx_.scan().paused;
  faceplate_.UpdateDisplay();
}

void ScanController::Step() {
  if (!ctx_.scan().active || !ScanMayStep(ctx_)) return;
  // The step list's step (the same the pan display plots with).
  faceplate_.TuneUpDown(ctx_.scan().direction_up, false);
  if (faceplate_.list_scan_found_nothing()) {
    StopScan();
    ShowMessage(ctx_.prompts(), MessageKind::kInformation, kListScanFindsNothing);
    return;
  }
  if (AfterScanStep(ctx_)) StopScan();
}

bool ScanMayStep(AppContext& ctx) {
  ScanStatus& scan = ctx.scan();
  const std::uint32_t now = ctx.clock().TickMs();
  if (scan.holding && static_cast<std::int32_t>(now - scan.hold_until_ms) >= 0) {
    scan.holding = false;
  }
  if (!ctx.radio().PowerOn || scan.paused) return false;
  const int type = ctx.settings().scan_type;
  if (type == kScanTypeTime && scan.holding) return false;
  return !(type == kScanTypeCarr && ctx.link().CommCarrier());
}

bool AfterScanStep(AppContext& ctx) {
  ScanStatus& scan = ctx.scan();
  const int type = ctx.settings().scan_type;
  const bool carrier = ctx.link().CommCarrier();
  if (type == kScanTypeTime) {
    scan.holding = carrier;
    if (carrier) {
      scan.hold_until_ms =
          ctx.clock().TickMs() + static_cast<std::uint32_t>(ScanDelayMs(ctx.settings().scan_delay));
    }
  }
  return type == kScanTypeSeek && carrier;
}

}  // namespace r8
