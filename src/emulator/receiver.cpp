#include "emulator/receiver.h"

#include <algorithm>

#include "emulator/signal_band.h"
#include "radio/radio_model.h"

namespace r8::emulator {
namespace {

constexpr std::string_view kError = "?";
// A scan left unattended for longer than this many steps skips the rest instead of replaying them.
constexpr int kMaxCatchUpSteps = 10000;

bool IsTerminator(char c) { return c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The number in text when it is all digits (at most 9 of them), else -1.
std::int32_t Digits(std::string_view text) {
  if (text.empty() || text.size() > 9) return -1;
  std::int32_t v = 0;
  for (char c : text) {
    if (!IsDigit(c)) return -1;
    v = v * 10 + (c - '0');
  }
  return v;
}

Channel ErasedChannel() {
  Channel c;
  c.tuning.freq_10hz = Receiver::kErasedChannelFreq;
  return c;
}

// The segment of the tuning range that holds f, as [low, high].
std::pair<std::int32_t, std::int32_t> SegmentOf(std::int32_t f) {
  if (f > kVhfLowBandHigh) return {kVhfHighBandLow, kVhfHighBandHigh};
  if (f > kHfHigh) return {kVhfLowBandLow, kVhfLowBandHigh};
  return {kHfLow, kHfHigh};
}

std::int32_t StepWithin(std::int32_t f, std::int32_t step, std::int32_t low, std::int32_t high) {
  const std::int32_t next = f + step;
  if (next > high) return low;
  if (next < low) return high;
  return next;
}

// The two-letter front-panel commands that set one field of the tuning.
bool ApplyTuningCommand(std::string_view body, Tuning& t) {
  if (body.size() != 2) return false;
  const char a = body[0];
  const char b = body[1];
  switch (a) {
    case 'B':
      if (b == 'F')
        t.noise_blanker = NoiseBlanker::kOff;
      else if (b == 'N')
        t.noise_blanker = NoiseBlanker::kNarrow;
      else if (b == 'W')
        t.noise_blanker = NoiseBlanker::kWide;
      else
        return false;
      return true;
    case 'N':
      if (b != 'F' && b != 'O') return false;
      t.notch = b == 'O';
      return true;
    case 'A':
      if (b == '1')
        t.antenna = Antenna::k1;
      else if (b == '2')
        t.antenna = Antenna::k2;
      else if (b == 'C')
        t.antenna = Antenna::kConverter;
      else if (b == 'O')
        t.agc = Agc::kOff;
      else if (b == 'S')
        t.agc = Agc::kSlow;
      else if (b == 'F')
        t.agc = Agc::kFast;
      else
        return false;
      return true;
    case 'G':
      if (b == '-')
        t.rf = RfGain::kAttenuator;
      else if (b == '0')
        t.rf = RfGain::kOff;
      else if (b == '+')
        t.rf = RfGain::kPreamp;
      else
        return false;
      return true;
    case 'W':
      if (b == '6')
        t.bandwidth = Bandwidth::kKhz6_0;
      else if (b == '4')
        t.bandwidth = Bandwidth::kKhz4_0;
      else if (b == '2')
        t.bandwidth = Bandwidth::kKhz2_3;
      else if (b == '1')
        t.bandwidth = Bandwidth::kKhz1_8;
      else if (b == '0')
        t.bandwidth = Bandwidth::kKhz0_5;
      else
        return false;
      return true;
    case 'M':
      // "M6" is AM down to "M1" USB.
      if (b < '1' || b > '6') return false;
      t.mode = static_cast<Mode>('6' - b);
      return true;
    case 'S':
      if (b != 'O' && b != 'F') return false;
      t.sync = b == 'O';
      return true;
    default:
      return false;
  }
}

bool IsQuery(std::string_view body) {
  return body == "RA" || body == "RF" || body == "RM" || body == "RC" || body == "RSS" ||
         body == "ID";
}

}  // namespace

Receiver::Receiver(int model)
    : model_(model == kModelR8 || model == kModelR8B ? model : kModelR8A),
      parser_(model_),
      channels_(static_cast<std::size_t>(ChannelCount(model_)), ErasedChannel()) {
  state_.memory_working = channels_[0].tuning;
}

const Tuning& Receiver::shown() const {
  return state_.memory_mode ? state_.memory_working
                            : state_.vfo[static_cast<std::size_t>(state_.active_vfo)];
}

Tuning& Receiver::Mutable() {
  return state_.memory_mode ? state_.memory_working
                            : state_.vfo[static_cast<std::size_t>(state_.active_vfo)];
}

const Channel& Receiver::channel(int number) const {
  return channels_[static_cast<std::size_t>(std::clamp(number, 0, channel_count() - 1))];
}

int Receiver::SignalLevel() const { return state_.power_on ? emulator::SignalLevel(shown()) : 0; }

bool Receiver::SquelchOpen() const { return SignalLevel() >= kSquelchLevel; }

PanelView Receiver::View() const {
  PanelView v;
  v.power_on = state_.power_on;
  v.memory_mode = state_.memory_mode;
  v.channel = state_.channel;
  v.tuning = shown();
  v.vfo = state_.active_vfo;
  v.scanning = state_.scanning;
  v.mhz = state_.band_display == BandDisplay::kMhz;
  v.squelch_open = SquelchOpen();
  v.name = state_.memory_mode ? channel(state_.channel).name : std::string(kChannelNameLength, ' ');
  v.level = SignalLevel();
  return v;
}

int Receiver::ClockSeconds(ClockShown which, std::uint64_t now_ms) const {
  const bool local = which == ClockShown::kLocal;
  const std::uint64_t set_ms = local ? state_.local_clock_set_ms : state_.utc_clock_set_ms;
  const int set_s = local ? state_.local_clock_set_s : state_.utc_clock_set_s;
  const std::uint64_t elapsed_s = now_ms > set_ms ? (now_ms - set_ms) / 1000 : 0;
  return static_cast<int>((static_cast<std::uint64_t>(set_s) + elapsed_s) % 86400);
}

std::string Receiver::Ack() const { return model_ == kModelR8 ? "\n" : "\r\n"; }

void Receiver::Emit(std::string bytes, std::uint64_t at_ms, bool unasked) {
  if (bytes.empty() || outbox_.size() >= kMaxQueuedReplies) return;
  outbox_.push_back({at_ms, std::move(bytes), unasked});
}

std::vector<Reply> Receiver::TakeReplies() {
  std::vector<Reply> out;
  out.swap(outbox_);
  return out;
}

void Receiver::Log(const std::string& text) {
  if (log_.size() >= kLogLimit) {
    log_.erase(log_.begin(), log_.begin() + static_cast<std::ptrdiff_t>(kLogLimit / 2));
  }
  log_.push_back(text);
  if (observer_) observer_(text);
}

void Receiver::Receive(std::string_view bytes, std::uint64_t now_ms) {
  AdvanceTo(now_ms);
  for (char byte : bytes) {
    switch (parser_.Feed(byte)) {
      case CommandParser::Event::kNone:
        break;
      case CommandParser::Event::kCommand:
        Execute(parser_.text(), now_ms_);
        break;
      case CommandParser::Event::kTrailer:
        if (!log_.empty()) log_.back() += parser_.text();
        break;
      case CommandParser::Event::kOverflow:
        Log(parser_.text());
        store_pending_ = false;
        Emit(std::string(kError), now_ms_, false);
        break;
    }
  }
}

void Receiver::Execute(const std::string& text, std::uint64_t now_ms) {
  Log(text);
  const bool terminated = !text.empty() && IsTerminator(text.back());
  const std::string_view body(text.data(), text.size() - (terminated ? 1 : 0));
  if (body.empty()) return;  // a lone CR: nothing to do, nothing to say
  const bool store = store_pending_;
  store_pending_ = false;
  const bool was_scanning = state_.scanning;
  bool accepted = false;
  std::string reply =
      terminated ? Handle(body, accepted) : HandleUnterminated(body, store, accepted);
  // Changing anything stops the scan, as a key on the panel would; asking does not.
  if (was_scanning && accepted && !IsQuery(body) && body != "U" && body != "D") {
    state_.scanning = false;
  }
  Emit(accepted ? std::move(reply) : std::string(kError), now_ms, false);
}

std::string Receiver::HandleUnterminated(std::string_view body, bool store, bool& accepted) {
  const bool on = state_.power_on;
  if (body == "U" || body == "D") {
    accepted = true;
    if (on) StepUpDown(body == "U" ? 1 : -1);
    return {};
  }
  if (body[0] == 'F') {  // the R8's tune, complete at its seventh digit
    const std::int32_t value = Digits(body.substr(1));
    accepted = value >= 0 && (!on || Tune(value));
    return "\r\n";
  }
  const std::int32_t number = Digits(body[0] == 'C' ? body.substr(1) : body);
  if (number < 0 || number >= channel_count()) return {};
  if (store) {
    accepted = true;
    if (on) Store(number);
  } else if (body[0] == 'C') {
    accepted = true;
    if (on) Recall(number);
  }
  return "\r\n";
}

std::string Receiver::Handle(std::string_view body, bool& accepted) {
  const bool on = state_.power_on;
  const bool r8 = model_ == kModelR8;
  accepted = true;
  // Queries: answered whether on or off.
  if (body == "RA") return StatusLine();
  if (body == "RF") return FrequencyReply(model_, View());
  if (body == "RM") return ModeReply(model_, View());
  if (body == "RC") return ChannelReply(model_, View());
  if (body == "ID") return std::string(ModelName(model_)) + "\r\n";
  if (body == "RSS" && !r8) return LevelReply(View());
  if (body == "PO" || body == "PF") {
    state_.power_on = body == "PO";
    if (!state_.power_on) state_.scanning = false;
    return Ack();
  }
  if (body == "RS") {
    state_.scanning = false;
    return r8 ? "\n" : "";
  }
  if (body == "PR") {
    store_pending_ = true;
    return {};
  }
  if (body == "F" || body == "C") {
    if (on) {
      state_.memory_mode = body == "C";
      if (state_.memory_mode) state_.memory_working = channel(state_.channel).tuning;
    }
    return "\r\n";
  }
  if (body == "ST") {
    if (on) state_.step_index = (state_.step_index + 1) % static_cast<int>(kSteps10Hz.size());
    return "\r\n";
  }
  if (body == "TO" || body == "TF") {
    if (on) state_.tape = body == "TO";
    return Ack();
  }
  if (body == "VA" || body == "VB") {
    if (on) {
      state_.active_vfo = body == "VA" ? Vfo::kA : Vfo::kB;
      state_.memory_mode = false;
    }
    return Ack();
  }
  Tuning scratch = shown();
  if (ApplyTuningCommand(body, scratch)) {
    if (on) Mutable() = scratch;
    return Ack();
  }
  // "F" + 7 digits + CR: the R8A/R8B tune (the R8's has no CR and never gets here).
  if (!r8 && body.size() == 8 && body[0] == 'F') {
    const std::int32_t value = Digits(body.substr(1));
    accepted = value >= 0 && (!on || Tune(value));
    return "\r\n";
  }
  if (!r8) return HandleDisplayCommand(body, accepted);
  accepted = false;
  return {};
}

// The commands only the R8A and R8B know: display, clocks, names, erasing, A=B.
std::string Receiver::HandleDisplayCommand(std::string_view body, bool& accepted) {
  const bool on = state_.power_on;
  accepted = true;
  if (body == "SK" || body == "SM") {
    if (on) state_.band_display = body == "SK" ? BandDisplay::kKhz : BandDisplay::kMhz;
  } else if (body == "CTO" || body == "CTF") {
    if (on) state_.mem_tune = body == "CTO";
  } else if (body == "NI" || body == "NA") {
    if (on) state_.name_mode = body == "NA";
  } else if (body == "FR" || body == "TI") {
    if (on) state_.display_mode = body == "FR" ? DisplayMode::kFrequency : DisplayMode::kClock;
  } else if (body == "LB") {
    if (on) state_.bright = !state_.bright;
  } else if (body == "AEB") {
    if (on) state_.vfo[1] = state_.vfo[0];
  } else if (body == "EAY") {
    if (on) {
      for (int n = 0; n < channel_count(); ++n) EraseChannel(n);
    }
  } else if (body.size() >= 2 && body.substr(0, 2) == "EC") {
    const std::int32_t number = Digits(body.substr(2));
    accepted = body.size() == 5 && number >= 0 && number < channel_count();
    if (accepted && on) EraseChannel(number);
  } else if (body.size() >= 2 && body.substr(0, 2) == "NC") {
    std::string name(body.substr(2));
    accepted = name.size() <= static_cast<std::size_t>(kChannelNameLength) &&
               std::all_of(name.begin(), name.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
    // Only the channel on show can be named.
    if (accepted && on && !state_.memory_mode) accepted = false;
    if (accepted && on) {
      std::replace(name.begin(), name.end(), '_', ' ');
      name.resize(kChannelNameLength, ' ');
      channels_[static_cast<std::size_t>(state_.channel)].name = name;
    }
  } else if (body.size() >= 2 && (body.substr(0, 2) == "TL" || body.substr(0, 2) == "TU")) {
    const ClockShown which = body[1] == 'L' ? ClockShown::kLocal : ClockShown::kUtc;
    const std::string_view digits = body.substr(2);
    int seconds = -1;
    if (digits.size() == 6 && Digits(digits) >= 0) {
      const int h = Digits(digits.substr(0, 2));
      const int m = Digits(digits.substr(2, 2));
      const int s = Digits(digits.substr(4, 2));
      if (h < 24 && m < 60 && s < 60) seconds = h * 3600 + m * 60 + s;
    }
    accepted = digits.empty() || seconds >= 0;
    if (accepted && on) {
      state_.clock_shown = which;
      if (seconds >= 0) {
        (which == ClockShown::kLocal ? state_.local_clock_set_s : state_.utc_clock_set_s) = seconds;
        (which == ClockShown::kLocal ? state_.local_clock_set_ms : state_.utc_clock_set_ms) =
            now_ms_;
      }
    }
  } else {
    accepted = false;
  }
  return "\r\n";
}

bool Receiver::Tune(std::int32_t value) {
  const bool converter = shown().antenna == Antenna::kConverter;
  const std::int32_t f = converter ? value * 10 : value;
  const bool fits = converter ? (IsTunable(f) && f > kHfHigh) : (f >= kHfLow && f <= kHfHigh);
  if (!fits) return false;
  if (state_.memory_mode && !state_.mem_tune) {
    state_.vfo[static_cast<std::size_t>(state_.active_vfo)] = state_.memory_working;
    state_.memory_mode = false;
  }
  Mutable().freq_10hz = f;
  return true;
}

void Receiver::Recall(int number) {
  state_.channel = number;
  state_.memory_mode = true;
  state_.memory_working = channels_[static_cast<std::size_t>(number)].tuning;
}

void Receiver::Store(int number) {
  Channel& c = channels_[static_cast<std::size_t>(number)];
  c.stored = true;
  c.tuning = shown();
  c.name.assign(kChannelNameLength, ' ');
  state_.channel = number;
}

void Receiver::EraseChannel(int number) {
  channels_[static_cast<std::size_t>(number)] = ErasedChannel();
  if (state_.memory_mode && number == state_.channel) {
    state_.memory_working = channels_[static_cast<std::size_t>(number)].tuning;
  }
}

void Receiver::StepUpDown(int direction) {
  if (state_.scanning) {
    scan_direction_ = direction;
    return;
  }
  if (state_.memory_mode) {
    const int count = channel_count();
    Recall((state_.channel + direction + count) % count);
    return;
  }
  Tuning& t = Mutable();
  const auto [low, high] = SegmentOf(t.freq_10hz);
  const std::int32_t step = kSteps10Hz[static_cast<std::size_t>(state_.step_index)];
  t.freq_10hz = StepWithin(t.freq_10hz, direction * step, low, high);
}

std::uint64_t Receiver::NextEventMs() const { return state_.scanning ? scan_next_ms_ : kNever; }

void Receiver::AdvanceTo(std::uint64_t now_ms) {
  now_ms_ = std::max(now_ms_, now_ms);
  int steps = 0;
  while (state_.scanning && scan_next_ms_ <= now_ms_ && steps < kMaxCatchUpSteps) {
    ScanStep(scan_next_ms_);
    scan_next_ms_ += kScanStepMs;
    ++steps;
  }
  if (state_.scanning && scan_next_ms_ <= now_ms_) scan_next_ms_ = now_ms_ + kScanStepMs;
}

void Receiver::StartScan(ScanKind kind, std::uint64_t now_ms) {
  AdvanceTo(now_ms);
  if (!state_.power_on) return;
  store_pending_ = false;
  scan_kind_ = kind;
  scan_direction_ = 1;
  if (kind == ScanKind::kMemory) {
    Recall(state_.channel);
  } else {
    if (state_.memory_mode) {
      state_.vfo[static_cast<std::size_t>(state_.active_vfo)] = state_.memory_working;
      state_.memory_mode = false;
    }
    const std::int32_t a = state_.vfo[0].freq_10hz;
    const std::int32_t b = state_.vfo[1].freq_10hz;
    const auto segment = SegmentOf(shown().freq_10hz);
    if (a != b && SegmentOf(a) == segment && SegmentOf(b) == segment) {
      scan_low_ = std::min(a, b);
      scan_high_ = std::max(a, b);
    } else {
      scan_low_ = segment.first;
      scan_high_ = segment.second;
    }
  }
  state_.scanning = true;
  scan_next_ms_ = now_ms_ + kScanStepMs;
  EmitScanLine(now_ms_, false);
}

void Receiver::StopScan(std::uint64_t now_ms) {
  AdvanceTo(now_ms);
  if (!state_.scanning) return;
  state_.scanning = false;
  EmitScanLine(now_ms_, true);
}

void Receiver::ScanStep(std::uint64_t at_ms) {
  if (scan_kind_ == ScanKind::kMemory) {
    const int count = channel_count();
    const bool any_stored =
        std::any_of(channels_.begin(), channels_.end(), [](const Channel& c) { return c.stored; });
    int n = state_.channel;
    for (int i = 0; i < count; ++i) {
      n = (n + scan_direction_ + count) % count;
      if (!any_stored || channels_[static_cast<std::size_t>(n)].stored) break;
    }
    Recall(n);
  } else {
    Tuning& t = Mutable();
    const std::int32_t step = kSteps10Hz[static_cast<std::size_t>(state_.step_index)];
    if (t.freq_10hz < scan_low_ || t.freq_10hz > scan_high_) {
      t.freq_10hz = scan_low_;
    } else {
      t.freq_10hz = StepWithin(t.freq_10hz, scan_direction_ * step, scan_low_, scan_high_);
    }
  }
  if (SquelchOpen()) {
    state_.scanning = false;
    EmitScanLine(at_ms, true);
  } else {
    EmitScanLine(at_ms, false);
  }
}

void Receiver::EmitScanLine(std::uint64_t at_ms, bool final_line) {
  PanelView v = View();
  // The line that ends a scan carries '*' where the squelch flag goes: the program takes only
  // such lines while the receiver scans.
  if (final_line) v.squelch_open = true;
  Emit(emulator::StatusLine(model_, v), at_ms, true);
}

}  // namespace r8::emulator
