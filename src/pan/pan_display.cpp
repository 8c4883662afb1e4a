#include "pan/pan_display.h"

#include <cmath>

#include "app/app_context.h"
#include "common/confirm_save.h"
#include "common/file_commit.h"
#include "common/format.h"
#include "pan/pan_file.h"
#include "radio/radio_model.h"

namespace r8 {
namespace {

constexpr char kPanKind[] = "Pan";
constexpr char kPanWhat[] = "Pan file";

std::string WithoutFolder(const std::string& name) {
  const std::size_t cut = name.find_last_of("/\\");
  return cut == std::string::npos ? name : name.substr(cut + 1);
}

// The value as the edit shows it (two decimals), which is what tuning and zooming take.
double AsShown(double khz) { return ParseDecimal(TrimStr(PanFreqText(khz))).value_or(khz); }

}  // namespace

PanDisplay::PanDisplay(AppContext& ctx) : ctx_(ctx), file_name_(kUntitled) {}

void PanDisplay::SetCaption() {
  caption_ = std::string(kPanCaption) + " - [" + WithoutFolder(file_name_) + "]";
}

void PanDisplay::SetDisplay() {
  SetCaption();
  sweep_.Clear();
  menu_.save = false;
  menu_.save_as = false;
  if (active_) FormActivate();
  changed.Emit();
}

bool PanDisplay::MayZoomOrTune() const { return !scan_active_ && sweep_.has_sweep(); }

void PanDisplay::FormActivate() {
  active_ = true;
  status_ = ctx_.radio().PowerOn && MayZoomOrTune() ? kPanClickToTune : " ";
  changed.Emit();
}

void PanDisplay::FormDeactivate() {
  active_ = false;
  status_ = " ";
  changed.Emit();
}

void PanDisplay::New1Click() {
  sweep_.SetLimits(0.0, 0.0);
  sweep_.SetStep(0.0);
  file_name_ = kUntitled;
  SetDisplay();
}

void PanDisplay::GraphDspClick(double cursor_freq) {
  if (!ctx_.radio().PowerOn || !MayZoomOrTune()) return;
  const double khz = AsShown(cursor_freq);
  ctx_.radio().RadioFreq = khz;
  ctx_.control().TuneRadio(khz);
  ctx_.commands().Post(AppCommand::kRefresh);
}

void PanDisplay::ZoomDown(double cursor_freq) {
  if (!MayZoomOrTune()) return;
  zoom_start_ = AsShown(cursor_freq);
  status_ = kPanDragToZoom;
  changed.Emit();
}

void PanDisplay::ZoomUp(double cursor_freq) {
  if (!MayZoomOrTune()) return;
  const double stop = AsShown(cursor_freq);
  if (stop == zoom_start_) {
    ShowMessage(ctx_.prompts(), MessageKind::kError, kPanZoomTooSmall);
    FormActivate();
    return;
  }
  // In the order pressed and released; the next scan puts them in order.
  sweep_.SetLimits(zoom_start_, stop);
  SetDisplay();
  FormActivate();
}

void PanDisplay::Scan1Click() {
  const RadioState& r = ctx_.radio();
  if (!r.PowerOn || scan_active_ || r.ScanState == ScanStateCode::kReceiverScan) return;
  if (file_name_ != kUntitled) SetCaption();
  const double start = AsShown(sweep_.lower());
  const double stop = AsShown(sweep_.upper());
  // VFO A ends up on the start, VFO B on the stop, and the receiver back on VFO A.
  ctx_.radio().RadioFreq = start;
  ctx_.control().TuneRadio(start);
  ctx_.commands().Post(AppCommand::kVfoSwitch);
  ctx_.radio().RadioFreq = stop;
  ctx_.control().TuneRadio(stop);
  ctx_.commands().Post(AppCommand::kVfoSwitch);
  // In memory only: the settings file gets them when the Options dialog is next confirmed.
  ctx_.settings().scan_mode = 3;
  ctx_.settings().scan_type = 2;
  ctx_.commands().Post(AppCommand::kScanButton);
}

void PanDisplay::KeyChar(char c) {
  if (c == '.') ctx_.commands().Post(AppCommand::kKeypadChar, '.');
}

void PanDisplay::ScanStarted() {
  scan_active_ = true;
  changed.Emit();
}

void PanDisplay::StartSweep(const PanSweepSetup& setup, const RadioState& now) {
  scan_active_ = true;
  recording_ = true;
  sweep_.SetLimits(setup.lower, setup.upper);
  sweep_.SetStep(setup.step);
  SetDisplay();
  sweep_.set_previous({now.RadioFreq, now.MeterLevel});
}

void PanDisplay::Refresh(const RadioState& now) {
  if (recording_) plotted.Emit(sweep_.Plot(now.RadioFreq, now.MeterLevel));
  const int model = ctx_.settings().RadioModel;
  if (model != kModelR8A && model != kModelR8B) return;
  const PanMenuState before = menu_;
  menu_.scan = now.PowerOn && !scan_active_ && sweep_.has_sweep();
  menu_.file = !scan_active_;
  if (before.scan != menu_.scan || before.file != menu_.file) changed.Emit();
}

void PanDisplay::StopSweep() {
  scan_active_ = false;
  if (!recording_) return;
  recording_ = false;
  sweep_.set_previous({});
  menu_.save = true;
  menu_.save_as = true;
  changed.Emit();
}

std::filesystem::path PanDisplay::FilePath() const {
  const std::filesystem::path p(file_name_);
  return p.is_absolute() ? p : ctx_.data_folder() / p;
}

void PanDisplay::Error(const std::string& text) {
  ShowMessage(ctx_.prompts(), MessageKind::kError, text);
}

bool PanDisplay::OpenPanFile(const std::string& name) {
  const std::string shown = WithoutFolder(name);
  std::string bytes;
  std::error_code ec;
  const std::filesystem::path path = std::filesystem::path(name).is_absolute()
                                         ? std::filesystem::path(name)
                                         : ctx_.data_folder() / name;
  const auto size = std::filesystem::file_size(path, ec);
  if (!ec && size > kPanMaxRecords * kPanRecordBytes + kPanRecordBytes) {
    Error(shown + " is not a pan file: it holds more than 10000 sweep points.");
    return false;
  }
  if (ec || !ReadWholeFile(path, bytes)) {
    Error("Cannot read " + shown + ".");
    return false;
  }
  const PanFileContents c = DecodePanFile(bytes);
  if (c.too_large) {
    Error(shown + " is not a pan file: it holds more than 10000 sweep points.");
    return false;
  }
  file_name_ = name;
  if (c.lower) sweep_.SetLimits(*c.lower, *c.upper);
  if (c.step) sweep_.SetStep(*c.step);
  SetDisplay();
  sweep_.set_previous({});
  for (const PanPoint& p : c.readings) {
    if (p.freq == 0.0) {
      sweep_.set_previous({});
      continue;
    }
    sweep_.Plot(p.freq, p.level);
  }
  menu_.save_as = true;
  menu_.scan = true;
  changed.Emit();
  if (c.partial_record) {
    Error(shown + " ends in the middle of a record; the sweep is loaded up to it.");
  }
  return true;
}

bool PanDisplay::SavePanFile() {
  std::string error;
  if (!CommitFiles({{FilePath(), EncodePanFile(sweep_)}}, error)) {
    Error("Cannot write " + WithoutFolder(file_name_) + ": " + error);
    return false;
  }
  file_name_ = WithoutFolder(file_name_);
  SetCaption();
  menu_.save = false;
  changed.Emit();
  return true;
}

bool PanDisplay::AskFileName(bool for_open) {
  FileDialogRequest ask;
  ask.for_open = for_open;
  ask.title = for_open ? std::string("Open ") + kPanKind + " File"
                       : std::string("Save ") + kPanKind + " File As";
  ask.initial_dir = ctx_.data_folder().string();
  ask.initial_name = file_name_ == kUntitled ? "" : file_name_;
  ask.filters = {"Pan Files (*.PAN)|*.PAN", "All Files (*.*)|*.*"};
  ask.file_must_exist = for_open;
  ask.overwrite_prompt = !for_open;
  const FileDialogResult got = ctx_.prompts().FileDialog(ask);
  if (!got.accepted || got.name.empty()) return false;
  std::string name = got.name;
  const std::string base = WithoutFolder(name);
  if (base.find('.') == std::string::npos) name += ".pan";
  file_name_ = name;
  return true;
}

void PanDisplay::CMPanFileOpen() {
  const Answer a = ConfirmSaveChanges(ctx_.prompts(), kPanWhat, "opening a new one", menu_.save);
  if (a == Answer::kCancel) return;
  if (a == Answer::kYes) {
    CMPanFileSave();
    if (menu_.save) return;  // the save did not happen
  }
  const std::string keep = file_name_;
  if (!AskFileName(true)) return;
  const std::string chosen = file_name_;
  file_name_ = keep;
  OpenPanFile(chosen);
}

void PanDisplay::CMPanFileSave() {
  if (file_name_ == kUntitled && !AskFileName(false)) return;
  SavePanFile();
}

void PanDisplay::CMPanFileSaveAs() {
  const std::string keep = file_name_;
  if (!AskFileName(false)) return;
  if (!SavePanFile()) file_name_ = keep;
}

PanRecorder::PanRecorder(AppContext& ctx, PanDisplay& display, SweepSource source) {
  PanDisplay* d = &display;
  AppEvents& events = ctx.events();
  subscriptions_.push_back(events.scan_changed.Subscribe([d, &ctx, source](const bool& on) {
    const int model = ctx.settings().RadioModel;
    const bool sweeps = model == kModelR8A || model == kModelR8B;
    if (!on) {
      d->StopSweep();
    } else if (const std::optional<PanSweepSetup> s = sweeps && source ? source() : std::nullopt) {
      d->StartSweep(*s, ctx.radio());
    } else {
      d->ScanStarted();  // a scan that does not sweep still locks the graph
    }
  }));
  subscriptions_.push_back(events.display_refreshed.Subscribe(
      [d](const RadioState& now) { d->Refresh(now); }));
  CommandTable& commands = ctx.commands();
  subscriptions_.push_back(
      commands.Register(AppCommand::kPanFileOpen, [d](int) { d->CMPanFileOpen(); }));
  subscriptions_.push_back(
      commands.Register(AppCommand::kPanFileSave, [d](int) { d->CMPanFileSave(); }));
  subscriptions_.push_back(
      commands.Register(AppCommand::kPanFileSaveAs, [d](int) { d->CMPanFileSaveAs(); }));
}

}  // namespace r8
