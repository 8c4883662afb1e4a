#include "options/options_model.h"

#include "netctl/listen_address.h"

#include <algorithm>
#include <cmath>

#include "app/app_context.h"
#include "common/format.h"
#include "radio/radio_model.h"

namespace r8 {
namespace {

// Keeps bounds such as 0.01 and 1.00 inclusive whatever the last bit of the parsed value.
constexpr double kTolerance = 1e-9;

std::optional<double> NumberIn(std::string_view text) { return ParseDecimal(TrimStr(text)); }

bool InRange(const std::optional<double>& v, double lo, double hi) {
  return v && *v >= lo - kTolerance && *v <= hi + kTolerance;
}

// A pacing edit: a whole number and nothing else.
std::optional<int> WholeNumber(std::string_view text) {
  const std::string t = TrimStr(text);
  std::size_t i = t.empty() || (t[0] != '-' && t[0] != '+') ? 0 : 1;
  if (i == t.size() || t.size() - i > 9) return std::nullopt;
  for (std::size_t k = i; k < t.size(); ++k) {
    if (t[k] < '0' || t[k] > '9') return std::nullopt;
  }
  return static_cast<int>(*ParseLeadingInt(t));
}

// A band edge as stored: a number the file can hold, else 0 (a band of 0 to 0 never matches).
double EdgeValue(std::string_view text) {
  const auto v = NumberIn(text);
  return v && std::fabs(*v) <= 1e7 ? *v : 0.0;
}

bool Item(int item, int count) { return item >= 0 && item < count; }

}  // namespace

int ColorGridIndex(int color) {
  const auto it = std::find(kGridColors.begin(), kGridColors.end(), color);
  return it == kGridColors.end() ? -1 : static_cast<int>(it - kGridColors.begin());
}

OptionsForm FillOptionsForm(const Settings& s, const RadioState& radio, const LogDetails& log) {
  OptionsForm f;
  f.port_item = Item(s.CommPort - 1, 8) ? s.CommPort - 1 : -1;
  f.line_pacing = std::to_string(s.RxPace);
  f.char_pacing = std::to_string(s.TxPace);
  f.ignore_dsr = s.IgnoreDSR;
  f.complete_reply = s.complete_reply;
  f.net_enabled = s.net_port > 0;
  f.net_port = std::to_string(s.net_port > 0 ? s.net_port : netctl::kDefaultNetPort);

  f.sign_item = s.TimeOffset < 0 ? 1 : 0;
  if (s.TimeOffset != kTimeNotSet && std::isfinite(s.TimeOffset)) {
    const double size = std::fabs(s.TimeOffset);
    const double hours = std::floor(size);
    // Whole quarters, as the list shows them; the epsilon keeps 45 minutes from reading 44.99.
    const long quarters = static_cast<long>(std::floor((size - hours) * 60.0 / 15.0 + 1e-6));
    // An offset the lists cannot show is shown as not chosen, so that the user picks one.
    if (hours <= 12 && quarters < 4) {
      f.hour_item = static_cast<int>(hours);
      f.minute_item = static_cast<int>(quarters);
    }
  }
  f.local_item = Item(s.local_clock - 1, 2) ? s.local_clock - 1 : 1;

  f.antenna_item = Item(s.primary_antenna - 1, 2) ? s.primary_antenna - 1 : -1;
  f.from_freq = FormatFixed(s.ex_freq1, 2);
  f.to_freq = FormatFixed(s.ex_freq2, 2);
  f.except_enabled = s.ex_freq_enabled;
  f.model_item = Item(s.RadioModel - 1, 3) ? s.RadioModel - 1 : -1;
  f.hf_step = FormatFixed(s.h_step, 2);
  f.vhf_step = FormatFixed(s.v_step, 2);

  f.mode_item = Item(s.scan_mode - 1, 4) ? s.scan_mode - 1 : -1;
  f.type_item = Item(s.scan_type - 1, 3) ? s.scan_type - 1 : -1;
  f.delay_item = Item(s.scan_delay - 1, 10) ? s.scan_delay - 1 : -1;
  f.banks = ParseScanList(s.scan_list, s.RadioModel);

  f.log = log;

  f.clock_display_item = Item(s.ClockDisplay - 1, 2) ? s.ClockDisplay - 1 : -1;
  f.display_mode_item = -1;
  f.name_mode_item = -1;
  const int band_item = CodeNumber(radio.BandUnits) - 1;
  f.band_display_item = Item(band_item, 2) ? band_item : -1;

  f.mark_color = s.mark_color;
  f.high_color = s.high_color;
  f.hints = s.hints == 1;
  return f;
}

OptionsEnabling ComputeOptionsEnabling(const OptionsForm& f) {
  OptionsEnabling e;
  const int model = f.model();
  e.char_edit = model == kModelR8;
  e.receiver_display = model == kModelR8A || model == kModelR8B;
  e.band_edits = f.except_enabled;
  e.delay_list = f.type_item + 1 == kScanTypeTime;
  const bool list = f.mode_item + 1 == kScanModeList;
  const int highest = HighestBank(model);
  for (int b = 0; b < kBankCount; ++b) e.banks[static_cast<std::size_t>(b)] = list && b <= highest;
  return e;
}

std::optional<double> FormTimeOffset(const OptionsForm& f) {
  if (!Item(f.hour_item, 13) || !Item(f.minute_item, 4)) return std::nullopt;
  const double size = f.hour_item + 0.25 * f.minute_item;
  // "-" with 00:00 is no offset at all, not a negative zero in the file.
  return f.sign_item == 1 && size > 0 ? -size : size;
}

std::optional<OptionsError> CheckErrors(const OptionsForm& f) {
  auto fail = [](const char* message, int page, bool default_position = false) {
    return std::optional<OptionsError>(OptionsError{message, page, default_position});
  };
  if (!Item(f.port_item, 8)) return fail("Valid serial ports are only 1 through 8.", kPageComms);
  const auto tx = WholeNumber(f.char_pacing);
  if (!tx || *tx < 0 || *tx > 100) {
    return fail("TX Pace must range within 0 to 100.", kPageComms, true);
  }
  const auto rx = WholeNumber(f.line_pacing);
  if (!rx || *rx < 0 || *rx > 1000) return fail("RX Pace must range within 0 to 1000.", kPageComms);
  const auto net = WholeNumber(f.net_port);
  if (f.net_enabled && (!net || *net < 1 || *net > 65535))
    return fail("The network port must range within 1 to 65535.", kPageComms);

  const auto offset = FormTimeOffset(f);
  if (!offset) return fail("Must set a UT time offset.", kPageTime);
  if (std::fabs(*offset) > 12.0) return fail("UT Offset must be within +/- 1200 hours.", kPageTime);

  if (!Item(f.model_item, 3)) return fail("Must define the proper receiver.", kPageRadio);
  if (!Item(f.antenna_item, 2)) return fail("Must set a default antenna port.", kPageRadio);
  if (!InRange(NumberIn(f.hf_step), 0.01, 1.00)) {
    return fail("Small HF stepsize must range between 0.01 and 1.00 kHz.", kPageRadio);
  }
  if (!InRange(NumberIn(f.vhf_step), 0.1, 10.0)) {
    return fail("Small VHF stepsize must range between 0.1 and 10.0 kHz.", kPageRadio);
  }
  if (f.except_enabled) {
    const auto from = NumberIn(f.from_freq);
    const auto to = NumberIn(f.to_freq);
    if (!InRange(from, 100, 30000)) {
      return fail("From frequency must range between 100 and 30000 kHz.", kPageRadio);
    }
    if (!InRange(to, 100, 30000)) {
      return fail("To frequency must range between 100 and 30000 kHz.", kPageRadio);
    }
    if (!(*from < *to)) {
      return fail("The 'From' frequency must be less the 'To' frequency.", kPageRadio);
    }
  }

  const bool mode = Item(f.mode_item, 4);
  const bool type = Item(f.type_item, 3);
  if (type && !mode) return fail("Must set default scanning mode.", kPageScan);
  if (mode && !type) return fail("Must set default scanning type.", kPageScan);
  if (f.type_item + 1 == kScanTypeTime && !Item(f.delay_item, 10)) {
    return fail("Must set a default scanning time delay.", kPageScan);
  }
  if (f.mode_item + 1 == kScanModeList && !AnyBankOf(f.banks, f.model())) {
    return fail("Must set default scanning memory banks.", kPageScan);
  }
  return std::nullopt;
}

void CommitOptionsForm(const OptionsForm& f, Settings& s) {
  s.TimeOffset = FormTimeOffset(f).value_or(s.TimeOffset);
  if (Item(f.local_item, 2)) s.local_clock = f.local_item + 1;
  s.RadioModel = f.model();
  s.primary_antenna = f.antenna_item + 1;
  s.CommPort = f.port_item + 1;
  s.TxPace = WholeNumber(f.char_pacing).value_or(s.TxPace);
  s.RxPace = WholeNumber(f.line_pacing).value_or(s.RxPace);
  s.IgnoreDSR = f.ignore_dsr;
  s.complete_reply = f.complete_reply;
  s.net_port = f.net_enabled ? static_cast<int>(WholeNumber(f.net_port).value_or(0)) : 0;
  s.log = f.log;
  s.ex_freq_enabled = f.except_enabled;
  s.ex_freq1 = EdgeValue(f.from_freq);
  s.ex_freq2 = EdgeValue(f.to_freq);
  s.h_step = NumberIn(f.hf_step).value_or(s.h_step);
  s.v_step = NumberIn(f.vhf_step).value_or(s.v_step);
  s.scan_mode = Item(f.mode_item, 4) ? f.mode_item + 1 : 0;
  s.scan_type = Item(f.type_item, 3) ? f.type_item + 1 : 0;
  s.scan_delay = Item(f.delay_item, 10) ? f.delay_item + 1 : 0;
  s.scan_list = BuildScanList(f.banks, s.RadioModel);
  s.mark_color = f.mark_color;
  s.high_color = f.high_color;
  s.hints = f.hints ? 1 : 0;
}

bool WriteOptionsFile(ProfileFile& file, const Settings& s) {
  ProfileFile::Batch batch(file);
  WriteOptionKeys(file, s);
  WriteSettings(file, s);
  return batch.Finish();
}

ScreenPoint BoxBelow(const ScreenRect& dialog, const ScreenRect& screen, int box_w, int box_h) {
  ScreenPoint p{dialog.left, dialog.bottom()};
  const int right = screen.left + screen.width;
  p.x = std::max(screen.left, std::min(p.x, right - box_w));
  p.y = std::max(screen.top, std::min(p.y, screen.bottom() - box_h));
  return p;
}

OptionsCore::OptionsCore(AppContext& ctx) : ctx_(ctx) {}

OptionsForm OptionsCore::FormShow() {
  model_at_open_ = ctx_.settings().RadioModel;
  LogDetails log = ctx_.settings().log;
  if (ctx_.profile().Exists()) log = ReadLogDetails(ctx_.profile());
  return FillOptionsForm(ctx_.settings(), ctx_.radio(), log);
}

void OptionsCore::RadioGrpClick(int item) {
  if (Item(item, 3)) ctx_.settings().RadioModel = item + 1;
}

void OptionsCore::ExceptBoxClick(bool enabled, std::string_view from_text,
                                 std::string_view to_text) {
  Settings& s = ctx_.settings();
  s.ex_freq_enabled = enabled;
  s.ex_freq1 = EdgeValue(from_text);
  s.ex_freq2 = EdgeValue(to_text);
}

void OptionsCore::HintsBoxClick(bool on) { ctx_.settings().hints = on ? 1 : 0; }

void OptionsCore::RadioTimeBtnClick() {
  if (!filling_) ctx_.control().SetRadioClocks();
}

void OptionsCore::RadioTimeDispClick(int item) {
  if (filling_ || !Item(item, 2)) return;
  ctx_.settings().ClockDisplay = item + 1;
  ctx_.control().SetRadioClockDisplay(item + 1);
}

void OptionsCore::RadioDispClick(int item) {
  if (!filling_) ctx_.control().SetRadioDisplayMode(item);
}

void OptionsCore::ChangeRadioBright() {
  if (!filling_) ctx_.control().ToggleRadioBright();
}

void OptionsCore::ChangeRadioStep() {
  if (!filling_) ctx_.control().StepRadioStep();
}

void OptionsCore::RadioNameDispClick(int item) {
  if (!filling_) ctx_.control().SetRadioNameMode(item);
}

void OptionsCore::RadioBandDispClick(int item) {
  if (filling_ || !Item(item, 2)) return;
  ctx_.radio().BandUnits = static_cast<BandUnitsCode>(item + 1);
  ctx_.control().SetRadioBandDisplay();
  ctx_.commands().Post(AppCommand::kRefresh);
}

bool OptionsCore::ShowError(const std::optional<OptionsError>& e,
                            std::optional<ScreenPoint> below) {
  if (!e) return false;
  MessageRequest r;
  r.kind = MessageKind::kWarning;
  r.text = e->message;
  r.buttons = MessageButtons::kOk;
  if (!e->default_position) r.top_left = below;
  ctx_.prompts().Message(r);
  return true;
}

void OptionsCore::ReopenPort() {
  RadioLink& link = ctx_.link();
  if (link.port_open()) link.CommClose();
  link.CommOpen();
}

OptionsCore::Outcome OptionsCore::OKBtnClick(const OptionsForm& f,
                                             std::optional<ScreenPoint> below) {
  Outcome out;
  const auto error = CheckErrors(f);
  if (ShowError(error, below)) {
    out.page = error->page;
    return out;
  }
  Settings& s = ctx_.settings();
  CommitOptionsForm(f, s);
  out.scan_banks = ParseScanList(s.scan_list, s.RadioModel);
  if (!WriteOptionsFile(ctx_.profile(), s)) {
    // The choices are in force; only keeping them for the next start failed.
    MessageRequest r;
    r.kind = MessageKind::kError;
    r.text = "The options could not be saved in " + ctx_.profile().path().filename().string() +
             ".\r" + ctx_.profile().last_error();
    ctx_.prompts().Message(r);
  }
  ReopenPort();
  out.close = true;
  return out;
}

OptionsCore::Outcome OptionsCore::CancelBtnClick(const OptionsForm& f,
                                                 std::optional<ScreenPoint> below) {
  Outcome out;
  const auto error = CheckErrors(f);
  if (ShowError(error, below)) {
    out.page = error->page;
    return out;
  }
  // The model chosen on the "Radio" page is in force now; an open port must speak its line
  // settings, or every exchange after Cancel would fail.
  if (ctx_.settings().RadioModel != model_at_open_ && ctx_.link().port_open()) ReopenPort();
  out.close = true;
  return out;
}

}  // namespace r8
