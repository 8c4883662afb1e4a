#include "radio/radio_protocol.h"

#include <cmath>

#include "common/format.h"
#include "radio/radio_model.h"
#include "radio/status_line.h"

namespace r8 {
namespace {

const char* Pick(int value, std::initializer_list<const char*> texts, int first = 0) {
  const int i = value - first;
  if (i < 0 || i >= static_cast<int>(texts.size())) return nullptr;
  return *(texts.begin() + i);
}

}  // namespace

std::optional<std::string> FrontPanelText(int id, const RadioState& r) {
  const char* t = nullptr;
  switch (id) {
    case kCmdTape:
      t = r.Tape ? "TF" : "TO";
      break;
    case kCmdMemoryMode:
      t = Pick(CodeNumber(r.MemoryMode), {"F", "C"}, 1);
      break;
    case kCmdNoiseBlanker:
      t = Pick(CodeNumber(r.NoiseBlanker), {"BF", "BN", "BW"});
      break;
    case kCmdNotch:
      t = Pick(CodeNumber(r.Notch), {"NF", "NO"}, 1);
      break;
    case kCmdVfo:
      t = Pick(CodeNumber(r.VFO), {"VA", "VB"}, 1);
      break;
    case kCmdVfoAEqualsB:
      t = "AEB";
      break;
    case kCmdAntenna:
      t = Pick(CodeNumber(r.Antenna), {"A1", "A2", "AC"});
      break;
    case kCmdRf:
      t = Pick(CodeNumber(r.RF), {"G-", "G0", "G+"});
      break;
    case kCmdAgc:
      t = Pick(CodeNumber(r.AGC), {"AO", "AS", "AF"});
      break;
    case kCmdBandwidth:
      t = Pick(CodeNumber(r.Bandwidth), {"W6", "W4", "W2", "W1", "W0"}, 1);
      break;
    case kCmdMode:
      t = Pick(CodeNumber(r.Mode), {"M6", "M5", "M4", "M3", "M2", "M1"});
      break;
    case kCmdSync:
      t = r.Sync ? "SO" : "SF";
      break;
    default:
      break;
  }
  if (t == nullptr) return std::nullopt;
  return std::string(t);
}

RadioControl::RadioControl(RadioLink& link, RadioState& radio, const Settings& settings,
                           Clock& clock)
    : link_(link),
      radio_(radio),
      settings_(settings),
      clock_(clock),
      confirmed_freq_(radio.RadioFreq) {}

bool RadioControl::IsR8() const { return settings_.RadioModel == kModelR8; }

bool RadioControl::IsR8AOrB() const {
  return settings_.RadioModel == kModelR8A || settings_.RadioModel == kModelR8B;
}

int RadioControl::StatusReplyLength() const { return r8::StatusReplyLength(settings_.RadioModel); }

TransactResult RadioControl::Send(const std::string& text, std::size_t expected) {
  return link_.RadioTransact(text, expected);
}

bool RadioControl::RadioCommand(int id, bool notify) {
  // The toggling commands change the field first; the text follows the new value.
  switch (id) {
    case kCmdMemoryMode:
      radio_.MemoryMode = Flipped(radio_.MemoryMode);
      break;
    case kCmdNotch:
      radio_.Notch = Flipped(radio_.Notch);
      break;
    case kCmdVfo:
      radio_.VFO = Flipped(radio_.VFO);
      break;
    case kCmdAntenna:
      radio_.VFOEqLamp = false;
      break;
    case kCmdSync:
      radio_.Sync = !radio_.Sync;
      break;
    default:
      break;
  }
  const std::optional<std::string> text = FrontPanelText(id, radio_);
  if (!text) return false;
  if (id == kCmdTape) radio_.Tape = !radio_.Tape;
  std::size_t expected = 2;
  if (IsR8()) expected = id == kCmdMemoryMode ? 2 : 1;
  Send(*text + "\r", expected);
  if (notify && on_update_display) on_update_display();
  return true;
}

void RadioControl::TuneRadio(double freq_khz) {
  radio_.RadioFreq = freq_khz + radio_.FreqOffset;
  const double f = radio_.RadioFreq;
  double units;
  if (f <= 30000.0) {
    // A primary antenna setting other than 2 is taken as antenna 1.
    AntennaCode wanted = settings_.primary_antenna == 2 ? AntennaCode::kA2 : AntennaCode::kA1;
    if (settings_.ex_freq_enabled && settings_.ex_freq1 <= f && f <= settings_.ex_freq2)
      wanted = wanted == AntennaCode::kA1 ? AntennaCode::kA2 : AntennaCode::kA1;
    if (radio_.Antenna != wanted) {
      radio_.Antenna = wanted;
      RadioCommand(kCmdAntenna, false);
    }
    units = f * 100.0;
  } else {
    if (radio_.Antenna != AntennaCode::kC) {
      radio_.Antenna = AntennaCode::kC;
      RadioCommand(kCmdAntenna, false);
    }
    units = f * 10.0;
  }
  radio_.VFOEqLamp = false;
  // Seven digits are all the command has room for; a frequency beyond them is not sent.
  if (!std::isfinite(units) || units < 0 || std::llround(units) > 9999999) {
    radio_.RadioFreq = confirmed_freq_;
    return;
  }
  std::string digits = std::to_string(std::llround(units));
  digits.insert(0, 7 - digits.size(), '0');
  const TransactResult t = Send("F" + digits + (IsR8() ? "" : "\r"), 2);
  if (t.sent && !t.ok) {
    // The receiver did not take it: show what it last confirmed, not a frequency it never got.
    radio_.RadioFreq = confirmed_freq_;
    return;
  }
  confirmed_freq_ = radio_.RadioFreq;
  if (on_tuned) on_tuned(radio_.RadioFreq);
}

PollResult RadioControl::PollStatus() {
  PollResult poll;
  const int length = StatusReplyLength();
  if (length == 0) return poll;
  const bool was_scanning = radio_.ScanState == ScanStateCode::kReceiverScan;
  std::string reply;
  std::size_t bytes = 0;
  int errors = kLineErrorNone;
  // A receiver believed to scan but silent for many reads (the belief came from a garbled line,
  // or the scan ended unheard) is asked again, or the program would wait for lines forever.
  const bool ask = !was_scanning || silent_scan_reads_ >= kSilentScanReads;
  if (ask) {
    silent_scan_reads_ = 0;
    TransactResult t = Send("RA\r", static_cast<std::size_t>(length));
    // Every attempt failed: the last read may still have brought the full count (a line without
    // its line feed), but what is left in hand is the blank failure reply, not the receiver's.
    if (!t.ok) return poll;
    reply = std::move(t.reply);
    bytes = t.bytes_read;
    errors = t.errors;
  } else {
    if (link_.PortError() != 0) return poll;
    CommReadResult r = link_.CommRead(static_cast<std::size_t>(length));
    reply = std::move(r.reply);
    bytes = r.bytes_read;
    errors = r.errors;
    silent_scan_reads_ = bytes == 0 ? silent_scan_reads_ + 1 : 0;
    // A scanning R8A/R8B reports every step; only a stop on a signal matters.
    if (IsR8AOrB() && bytes == static_cast<std::size_t>(length) && reply[20] != '*') {
      poll.ignored = true;
      return poll;
    }
  }
  if (bytes != static_cast<std::size_t>(length) || errors != kLineErrorNone ||
      link_.PortError() != 0) {
    return poll;
  }
  const bool power_before = power_seen_;
  DecodeStatusLine(reply, settings_.RadioModel, radio_);
  confirmed_freq_ = radio_.RadioFreq;
  poll.read = true;
  poll.scan_ended = was_scanning && radio_.ScanState != ScanStateCode::kReceiverScan;
  poll.power_came_on = radio_.PowerOn && !power_before;
  power_seen_ = radio_.PowerOn;
  return poll;
}

void RadioControl::SendFollowUps(const PollResult& poll) {
  const std::size_t expected = IsR8() ? 1 : 0;
  if (poll.power_came_on) Send("RS\r", expected);
  if (poll.scan_ended) Send("RS\r", expected);
}

void RadioControl::PowerToggle() {
  Send(radio_.PowerOn ? "PF\r" : "PO\r", IsR8() ? 1 : 2);
  radio_.PowerOn = !radio_.PowerOn;
  if (on_update_display) on_update_display();
}

void RadioControl::StepChannel(bool up) {
  Send(up ? "U" : "D", 0);
  if (IsR8AOrB()) link_.PaceDelay(static_cast<std::uint32_t>(settings_.RxPace));
}

std::string RadioControl::ChannelText(int channel) const {
  if (IsR8()) return "C" + IntToStr2Z(channel);
  return "C" + IntToStr3Z(channel) + "\r";
}

void RadioControl::RecallChannel(int channel) { Send(ChannelText(channel), 2); }

bool RadioControl::StoreRadioChannel(int channel) {
  Send("PR\r", 0);
  if (IsR8AOrB()) link_.PaceDelay(static_cast<std::uint32_t>(settings_.RxPace));
  const TransactResult t = Send(ChannelText(channel), 2);
  if (IsR8AOrB()) link_.PaceDelay(static_cast<std::uint32_t>(settings_.RxPace));
  return t.bytes_read == 2;
}

bool RadioControl::StoreRadioMemName(std::string_view notes) {
  std::string name(notes.substr(0, 7));
  TrimRightStr(name);
  if (name.empty()) return true;
  for (char& c : name) {
    if (c == ' ') c = '_';
  }
  radio_.MemoryMode = MemoryModeCode::kVfo;
  RadioCommand(kCmdMemoryMode, false);
  const TransactResult t = Send("NC" + name + "\r", 2);
  radio_.MemoryMode = MemoryModeCode::kChannel;
  RadioCommand(kCmdMemoryMode, false);
  return t.bytes_read == 2;
}

void RadioControl::MemoryFillPreamble() {
  Send("EAY\r", 2);
  link_.PaceDelay(1000);
}

void RadioControl::SetRadioBandDisplay() {
  if (!IsR8AOrB()) return;
  const bool khz = radio_.BandUnits == BandUnitsCode::kKHz && radio_.RadioFreq <= 30000.0;
  Send(khz ? "SK\r" : "SM\r", 2);
}

void RadioControl::SetRadioMemTune() {
  if (IsR8AOrB()) Send(radio_.MemTune == 1 ? "CTO\r" : "CTF\r", 2);
}

void RadioControl::SetRadioNameMode(int item) {
  if (IsR8AOrB() && (item == 0 || item == 1)) Send(item == 0 ? "NI\r" : "NA\r", 2);
}

void RadioControl::StepRadioStep() { Send("ST\r", 2); }

void RadioControl::ToggleRadioBright() {
  if (IsR8AOrB()) Send("LB\r", 2);
}

void RadioControl::SetRadioDisplayMode(int item) {
  if (IsR8AOrB() && (item == 0 || item == 1)) Send(item == 0 ? "FR\r" : "TI\r", 2);
}

void RadioControl::SetRadioClockDisplay(int clock_display) {
  if (IsR8AOrB() && (clock_display == 1 || clock_display == 2)) {
    Send(clock_display == 1 ? "TL\r" : "TU\r", 2);
  }
}

void RadioControl::SetRadioClocks() {
  if (!IsR8AOrB()) return;
  const LocalDateTime now = clock_.Now();
  // Whole minutes keep the UTC clock exact for offsets in quarter hours.
  const double offset = UtcOffsetHours(settings_);
  long long minutes = now.hour * 60LL + now.minute + std::llround(offset * 60.0);
  minutes = ((minutes % 1440) + 1440) % 1440;
  const std::string local =
      "TL" + IntToStr2Z(now.hour) + IntToStr2Z(now.minute) + IntToStr2Z(now.second) + "\r";
  const std::string utc = "TU" + IntToStr2Z(static_cast<int>(minutes / 60)) +
                          IntToStr2Z(static_cast<int>(minutes % 60)) + IntToStr2Z(now.second) +
                          "\r";
  // The clock chosen for display is set last.
  if (settings_.ClockDisplay == 1) {
    Send(utc, 2);
    Send(local, 2);
  } else {
    Send(local, 2);
    Send(utc, 2);
  }
}

void RadioControl::VfoAEqualsB() {
  // A lit lamp means the VFOs are already equal, whichever model.
  if (radio_.VFOEqLamp) return;
  if (IsR8()) {
    // The R8 has no A=B: copy every setting across by hand.
    RadioCommand(kCmdVfo, false);
    RadioCommand(kCmdAntenna, false);
    if (radio_.Antenna != AntennaCode::kC) RadioCommand(kCmdRf, false);
    RadioCommand(kCmdMode, false);
    if (radio_.Mode != ModeCode::kFm) {
      RadioCommand(kCmdNoiseBlanker, false);
      radio_.Notch = Flipped(radio_.Notch);
      RadioCommand(kCmdNotch, false);
    }
    TuneRadio(radio_.RadioFreq);
    RadioCommand(kCmdVfo, false);
    if (radio_.Mode == ModeCode::kAm && radio_.Sync) {
      radio_.Sync = !radio_.Sync;
      RadioCommand(kCmdSync, false);
    }
  } else {
    RadioCommand(kCmdVfoAEqualsB, false);
  }
  radio_.VFOEqLamp = true;
}

void RadioControl::SetRadioMode(ModeCode mode) {
  if (radio_.Mode == mode) return;
  radio_.Mode = mode;
  RadioCommand(kCmdMode, false);
}

void RadioControl::SetRadioSync(bool record_sync, bool am_only) {
  if (am_only && !(radio_.Mode == ModeCode::kAm && record_sync)) return;
  radio_.Sync = !record_sync;
  RadioCommand(kCmdSync, false);
}

}  // namespace r8
