#include "faceplate/faceplate_core.h"

#include <algorithm>

#include "app/app_context.h"
#include "common/clock.h"
#include "common/format.h"
#include "database/station_query.h"
#include "radio/radio_model.h"
#include "radio/status_line.h"
#include "scan/scan_rules.h"

namespace r8 {
namespace {

// Takes the lines the query engine writes for the front panel's list.
class StationLines : public QueryTargets, public ResultList {
 public:
  ResultList* GetListBox(QueryTarget target) override {
    return target == QueryTarget::kFacePlate ? this : nullptr;
  }
  ResultGrid* GetGridBox(QueryTarget) override { return nullptr; }
  void InsertLine(int index, std::string_view text) override {
    lines.insert(lines.begin() + std::clamp(index, 0, LineCount()), std::string(text));
  }
  int LineCount() const override { return static_cast<int>(lines.size()); }
  void Clear() override { lines.clear(); }
  std::vector<std::string> lines;
};

}  // namespace

FacePlateCore::FacePlateCore(AppContext& ctx)
    : ctx_(ctx),
      refresh_command_(
          ctx.commands().Register(AppCommand::kRefresh, [this](int) { UpdateDisplay(); })),
      vfo_command_(ctx.commands().Register(
          AppCommand::kVfoSwitch, [this](int) { ctx_.control().RadioCommand(kCmdVfo, true); })) {}

FacePlateView FacePlateCore::View() const {
  FacePlateView v = ComputeFacePlateView(ctx_, ui_);
  v.stations = stations_;
  return v;
}

FacePlateView FacePlateCore::UpdateDisplay() {
  RadioState& r = ctx_.radio();
  const bool busy = r.ScanState != ScanStateCode::kReceiverScan && !ctx_.link().scan_active;
  if (busy) ctx_.prompts().BusyCursor(true);
  const PollResult poll = ctx_.control().PollStatus();
  ApplyDisplayRules(r, ctx_.settings().RadioModel);
  if (r.PowerOn) r.Carrier = ctx_.link().CommCarrier();
  ui_.entry_idle = entry_.EntryIdle;
  const bool free = r.ScanState != ScanStateCode::kReceiverScan || poll.scan_ended;
  if (r.PowerOn && free && r.RadioFreq <= kHfHigh) {
    stations_ = StationsOnAirNow();
  } else {
    stations_.clear();
  }
  const FacePlateView view = View();
  ctx_.events().display_refreshed.Emit(r);
  if (busy) ctx_.prompts().BusyCursor(false);
  ctx_.control().SendFollowUps(poll);
  return view;
}

std::vector<StationLine> FacePlateCore::StationsOnAirNow() {
  return StationsOnAirAt(ctx_.radio().RadioFreq);
}

std::optional<double> FacePlateCore::FirstFrequencyOnAir(const std::vector<double>& candidates) {
  for (double khz : candidates) {
    if (!StationsOnAirAt(khz).empty()) return khz;
  }
  if (candidates.empty()) return std::nullopt;
  return candidates.front();
}

std::vector<StationLine> FacePlateCore::StationsOnAirAt(double khz) {
  StationLines lines;
  QueryPorts ports;
  ports.targets = &lines;
  ports.clock = &ctx_.clock();
  ports.utc_offset_hours = UtcOffsetHours(ctx_.settings());
  QueryResults& results = ctx_.query_results();
  StationQuery(ctx_.database(), results, ports, QueryTarget::kFacePlate, QueryKind::kOnFrequency,
               FormatFixedWidth(khz, 8, 2));
  std::vector<StationLine> out;
  for (std::size_t i = 0; i < lines.lines.size(); ++i) {
    const bool flagged = static_cast<int>(i) < results.face_plate.count() &&
                         results.face_plate[static_cast<int>(i)].flag != 0;
    out.push_back({lines.lines[i], flagged});
  }
  return out;
}

void FacePlateCore::LoadLists() {
  ProfileFile& f = ctx_.profile();
  ReadComboList(f, steps_, "STEPSIZE", "STEP", 5, kStepListWidth, "DSTEP");
  ReadComboList(f, offsets_, "OFFSET", "OFST", 3, kOffsetListWidth, "DOFST");
  ui_.step_index = steps_.index;
  ui_.offset_index = offsets_.index;
  ctx_.radio().FreqOffset = OffsetValue();
}

void FacePlateCore::SaveLists() {
  steps_.index = ui_.step_index;
  offsets_.index = ui_.offset_index;
  WriteComboList(ctx_.profile(), steps_, "STEPSIZE", "STEP", "DSTEP");
  WriteComboList(ctx_.profile(), offsets_, "OFFSET", "OFST", "DOFST");
}

double FacePlateCore::OffsetValue() const {
  const int i = ui_.offset_index;
  if (i < 0 || i >= static_cast<int>(offsets_.items.size())) return 0.0;
  return ParseDecimal(TrimStr(offsets_.items[static_cast<std::size_t>(i)])).value_or(0.0);
}

double FacePlateCore::StepSize(bool small_step) const {
  const RadioState& r = ctx_.radio();
  if (small_step) return r.RadioFreq <= kHfHigh ? ctx_.settings().h_step : ctx_.settings().v_step;
  const int i = ui_.step_index;
  if (i < 0 || i >= static_cast<int>(steps_.items.size())) return 0.0;
  return ParseDecimal(TrimStr(steps_.items[static_cast<std::size_t>(i)])).value_or(0.0);
}

bool FacePlateCore::TuneUpDown(bool up, bool small_step) {
  RadioState& r = ctx_.radio();
  if (!r.PowerOn) return false;
  ScanStatus& scan = ctx_.scan();
  scan.direction_up = up;
  list_scan_found_nothing_ = false;
  if ((r.MemoryMode == MemoryModeCode::kVfo || r.MemTune == 1) &&
      r.ScanState != ScanStateCode::kReceiverScan) {
    double f = StepFrequency(r.RadioFreq, StepSize(small_step), up);
    if (scan.active && scan.mode == kScanModeAB) {
      f = WrapToScanLimits(f, r.FreqOffset, scan.lower_khz, scan.upper_khz, up);
    }
    ctx_.control().TuneRadio(f);
  } else if (scan.active && scan.mode == kScanModeList &&
             r.ScanState != ScanStateCode::kReceiverScan) {
    const std::optional<int> next = NextListChannel(
        r.MemChannel, up, scan.banks, ctx_.settings().RadioModel, scan.channel_occupied);
    if (next) {
      ctx_.control().RecallChannel(*next);
    } else {
      list_scan_found_nothing_ = true;
    }
  } else {
    ctx_.control().StepChannel(up);
  }
  if (!entry_.EntryIdle) entry_ = KeypadEntry{};
  ui_.entry_idle = true;
  if (r.ScanState == ScanStateCode::kReceiverScan) return false;
  UpdateDisplay();
  return true;
}

KeypadOutcome FacePlateCore::SetTuner(char c) {
  RadioState& r = ctx_.radio();
  if (!r.PowerOn || r.ScanState == ScanStateCode::kReceiverScan) return {};
  KeypadOutcome out = SetTunerChar(entry_, c, CodeNumber(r.BandUnits));
  ui_.entry_idle = entry_.EntryIdle;
  if (out.tune) {
    // A refused entry tunes the old frequency again.
    ctx_.control().TuneRadio(out.new_freq.value_or(r.RadioFreq));
  }
  return out;
}

ComboList& FacePlateCore::ListFor(int tag) { return tag == kTagStepList ? steps_ : offsets_; }

bool FacePlateCore::SelectCombo(int tag, int index) {
  RadioState& r = ctx_.radio();
  if (!r.PowerOn) return false;
  if (tag == kTagStepList || tag == kTagOffsetList) {
    const ComboList& list = ListFor(tag);
    if (index <= 0 || index >= static_cast<int>(list.items.size())) return false;
    if (tag == kTagStepList) {
      ui_.step_index = index;
    } else {
      ui_.offset_index = index;
      r.FreqOffset = OffsetValue();
    }
    return true;
  }
  // The blank last item and the FM-only 12 kHz bandwidth have no command.
  const bool three_items = tag == kCmdAntenna || tag == kCmdRf || tag == kCmdAgc;
  const int blank = three_items ? 3 : 6;
  if (index < 0 || index >= blank) return false;
  switch (tag) {
    case kCmdAntenna:
      r.Antenna = static_cast<AntennaCode>(index);
      break;
    case kCmdRf:
      r.RF = static_cast<RfCode>(index);
      break;
    case kCmdAgc:
      r.AGC = static_cast<AgcCode>(index);
      break;
    case kCmdBandwidth:
      if (index == CodeNumber(BandwidthCode::k12)) return false;
      r.Bandwidth = static_cast<BandwidthCode>(index);
      break;
    case kCmdMode:
      r.Mode = static_cast<ModeCode>(index);
      break;
    default:
      return false;
  }
  ctx_.control().RadioCommand(tag, true);
  return true;
}

bool FacePlateCore::ComboDropEdit(int tag, std::string_view typed) {
  if (tag != kTagStepList && tag != kTagOffsetList) return false;
  const bool step = tag == kTagStepList;
  const auto v = ParseDecimal(TrimStr(typed));
  if (!v) return false;
  if (step ? (*v <= 0.0 || *v > 9999.99) : (*v < -9.99 || *v > 9.99)) return false;
  ComboList& list = ListFor(tag);
  const std::size_t width = step ? kStepListWidth : kOffsetListWidth;
  const std::string text = FormatFixedWidth(*v, static_cast<int>(width), 2);
  auto it = std::find(list.items.begin() + 1, list.items.end(), text);
  if (it == list.items.end()) {
    // Ascending by value, after the blank first item; items that are no numbers are passed over.
    it = list.items.begin() + 1;
    while (it != list.items.end()) {
      const auto item = ParseDecimal(TrimStr(*it));
      if (item && *item > *v) break;
      ++it;
    }
    it = list.items.insert(it, text);
  }
  return SelectCombo(tag, static_cast<int>(it - list.items.begin()));
}

bool FacePlateCore::ComboDropDelete(int tag) {
  if (tag != kTagStepList && tag != kTagOffsetList) return false;
  ComboList& list = ListFor(tag);
  int& index = tag == kTagStepList ? ui_.step_index : ui_.offset_index;
  // The blank first item stays: it is what the list shows while the receiver is off.
  if (index <= 0 || index >= static_cast<int>(list.items.size())) return false;
  list.items.erase(list.items.begin() + index);
  index = std::min(index, static_cast<int>(list.items.size()) - 1);
  if (tag == kTagOffsetList) ctx_.radio().FreqOffset = OffsetValue();
  return true;
}

void FacePlateCore::TapeBtnClick() {
  RadioState& r = ctx_.radio();
  if (!r.PowerOn) return;
  if (r.TapeVOX == TapeVoxCode::kCarrier) {
    if (r.Tape) ctx_.control().RadioCommand(kCmdTape, false);
    r.TapeVOX = TapeVoxCode::kOff;
  } else {
    if (!r.Tape) ctx_.control().RadioCommand(kCmdTape, false);
    r.TapeVOX = TapeVoxCode::kCarrier;
  }
  UpdateDisplay();
}

void FacePlateCore::PowerBtnClick() {
  RadioState& r = ctx_.radio();
  if (!entry_.EntryIdle) return;
  if (r.PowerOn && r.TapeVOX == TapeVoxCode::kCarrier) {
    if (r.Tape) ctx_.control().RadioCommand(kCmdTape, false);
    r.TapeVOX = TapeVoxCode::kOff;
  }
  ctx_.control().PowerToggle();  // inverts PowerOn and asks for a refresh
}

void FacePlateCore::MemTuneBtnClick() {
  RadioState& r = ctx_.radio();
  const int model = ctx_.settings().RadioModel;
  if (!r.PowerOn || (model != kModelR8A && model != kModelR8B)) return;
  r.MemTune = 1 - r.MemTune;
  ctx_.control().SetRadioMemTune();
}

void FacePlateCore::UnitsClick() {
  RadioState& r = ctx_.radio();
  const int model = ctx_.settings().RadioModel;
  if (!r.PowerOn || (model != kModelR8A && model != kModelR8B)) return;
  r.BandUnits = Flipped(r.BandUnits);
  ctx_.control().SetRadioBandDisplay();
  UpdateDisplay();
}

void FacePlateCore::SetNoiseBlanker(int width) {
  RadioState& r = ctx_.radio();
  if (!r.PowerOn || width < 0 || width > 2 || width == CodeNumber(r.NoiseBlanker)) return;
  r.NoiseBlanker = static_cast<NoiseBlankerCode>(width);
  ctx_.control().RadioCommand(kCmdNoiseBlanker, true);
}

void FacePlateCore::VFOEqBtnClick() {
  if (!ctx_.radio().PowerOn) return;
  ctx_.control().VfoAEqualsB();
  UpdateDisplay();
}

ClockView FacePlateCore::UpdateClock() {
  const Settings& s = ctx_.settings();
  RadioState& r = ctx_.radio();
  ClockView v;
  const bool utc = s.ClockDisplay != 1;
  v.time_lbl = utc ? "UTC" : "LOCAL";
  // Until an offset has been chosen the UTC clock can only show the computer's own time.
  const double offset = utc ? UtcOffsetHours(s) : 0.0;
  const ClockReading now = GetClock(ctx_.clock(), offset, utc ? 2 : s.local_clock);
  v.clock_lbl = now.time4.substr(0, 2) + ":" + now.time4.substr(2, 2) + " " +
                kDayLetters[static_cast<std::size_t>(now.day_of_week - 1)];

  // A scanning receiver sends its lines unasked; take one as soon as it is complete.
  const int length = StatusReplyLength(s.RadioModel);
  if (r.ScanState == ScanStateCode::kReceiverScan && length > 0 &&
      ctx_.link().InputQueueCount() >= static_cast<std::size_t>(length)) {
    UpdateDisplay();
  }
  if (now.time4 != last_clock_text_) {
    last_clock_text_ = now.time4;
    v.minute_changed = true;
    ctx_.events().minute_tick.Emit(now);
    if (display_poll_enabled_ && r.ScanState != ScanStateCode::kReceiverScan) UpdateDisplay();
    display_poll_enabled_ = true;
  }
  return v;
}

ClockView FacePlateCore::TimePnlClick() {
  Settings& s = ctx_.settings();
  s.ClockDisplay = 3 - s.ClockDisplay;
  return RedrawClock();
}

ClockView FacePlateCore::RedrawClock() {
  last_clock_text_ = "    ";
  display_poll_enabled_ = false;
  return UpdateClock();
}

TickResult FacePlateCore::Tick() {
  TickResult t;
  t.clock = UpdateClock();
  RadioLink& link = ctx_.link();
  RadioState& r = ctx_.radio();
  const bool carrier_before = carrier_;
  const bool dsr_before = dsr_state_;
  carrier_ = link.CommCarrier();
  dsr_state_ = link.CommDSR();
  r.Carrier = carrier_;
  if (dsr_state_ != dsr_before) {
    t.dsr_changed = true;
    t.comms_lbl_enabled = !dsr_state_;
    // The receiver was switched off or unplugged.
    if (!dsr_state_ && !ctx_.settings().IgnoreDSR && link.PortError() != 1) {
      link.CommClose();
      t.port_closed = true;
    }
  }
  if (carrier_ != carrier_before && r.ScanState != ScanStateCode::kReceiverScan &&
      r.TapeVOX == TapeVoxCode::kCarrier && r.Tape != carrier_) {
    ctx_.control().RadioCommand(kCmdTape, false);
  }
  return t;
}

bool FacePlateCore::Connect() {
  RadioLink& link = ctx_.link();
  if (link.PortError() == 0) {
    link.CommClose();
  } else {
    link.CommOpen();
  }
  UpdateDisplay();
  return link.PortError() == 0;
}

}  // namespace r8
