#include "radio/status_line.h"

#include <string>

#include "common/format.h"
#include "radio/radio_model.h"

namespace r8 {
namespace {

bool IsHex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool AllDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

}  // namespace

int StatusReplyLength(int model) {
  switch (model) {
    case kModelR8:
      return 25;
    case kModelR8A:
    case kModelR8B:
      return 37;
    default:
      return 0;
  }
}

bool ParseRadioStatus(std::string_view reply, RadioState& radio) {
  if (reply.size() < 10) return false;
  // The flags follow the channel digits: at position 5 after the R8's two digits and blank,
  // at position 6 after the R8A/R8B's three.
  const std::size_t start = reply[3] == ' ' ? 4 : 5;
  const int f1 = static_cast<unsigned char>(reply[start]);
  const int f2 = static_cast<unsigned char>(reply[start + 1]);
  const int f3 = static_cast<unsigned char>(reply[start + 2]);
  const int f4 = static_cast<unsigned char>(reply[start + 3]);
  const int f5 = static_cast<unsigned char>(reply[start + 4]);

  switch (f1 & 0x0C) {
    case 0x00:
      radio.NoiseBlanker = NoiseBlankerCode::kOff;
      break;
    case 0x04:
      radio.NoiseBlanker = NoiseBlankerCode::kNarrow;
      break;
    case 0x0C:
      radio.NoiseBlanker = NoiseBlankerCode::kWide;
      break;
    default:
      break;
  }
  switch (f1 & 0x03) {
    case 0:
      radio.AGC = AgcCode::kOff;
      break;
    case 3:
      radio.AGC = AgcCode::kSlow;
      break;
    case 2:
      radio.AGC = AgcCode::kFast;
      break;
    default:
      break;
  }
  switch (f2 & 0x0C) {
    case 0x00:
      radio.RF = RfCode::kOff;
      break;
    case 0x04:
      radio.RF = RfCode::kAtt;
      break;
    case 0x08:
      radio.RF = RfCode::kPre;
      break;
    default:
      break;
  }
  radio.Notch = (f2 & 0x02) ? NotchCode::kOn : NotchCode::kOff;
  switch (f3 & 0x0C) {
    case 0x00:
      radio.Antenna = AntennaCode::kA1;
      break;
    case 0x08:
      radio.Antenna = AntennaCode::kA2;
      break;
    case 0x04:
      radio.Antenna = AntennaCode::kC;
      break;
    default:
      break;
  }
  switch ((f3 & 0x03) | (f4 & 0x08)) {
    case 0x00:
      radio.Mode = ModeCode::kLsb;
      break;
    case 0x01:
      radio.Mode = ModeCode::kRtty;
      break;
    case 0x02:
      radio.Mode = ModeCode::kFm;
      break;
    case 0x08:
      radio.Mode = ModeCode::kUsb;
      break;
    case 0x09:
      radio.Mode = ModeCode::kCw;
      break;
    case 0x0A:
      radio.Mode = ModeCode::kAm;
      break;
    default:
      break;
  }
  switch (f4 & 0x07) {
    case 0:
      radio.Bandwidth = BandwidthCode::k0_5;
      break;
    case 1:
      radio.Bandwidth = BandwidthCode::k1_8;
      break;
    case 2:
      radio.Bandwidth = BandwidthCode::k2_3;
      break;
    case 3:
      radio.Bandwidth = BandwidthCode::k4_0;
      break;
    case 4:
      radio.Bandwidth = BandwidthCode::k6_0;
      break;
    default:
      break;
  }
  radio.Sync = (f5 & 0x04) != 0;
  radio.VFO = (f5 & 0x08) ? VfoCode::kA : VfoCode::kB;
  radio.ScanState = (f5 & 0x02) ? ScanStateCode::kReceiverScan : ScanStateCode::kIdle;
  return (f5 & 0x01) != 0;
}

StatusDecode DecodeStatusLine(std::string_view reply, int model, RadioState& radio) {
  StatusDecode d;
  const int length = StatusReplyLength(model);
  if (length == 0 || reply.size() != static_cast<std::size_t>(length)) return d;
  const std::size_t k = model == kModelR8 ? 0 : 1;

  radio.MemoryMode = reply[0] == '*' ? MemoryModeCode::kChannel : MemoryModeCode::kVfo;
  if (k == 1 && IsHex(reply[33]) && IsHex(reply[34])) {
    radio.MeterLevel = 16 * HexDigitValue(reply[33]) + HexDigitValue(reply[34]);
  }
  const std::string_view channel = reply.substr(1, 2 + k);
  if (AllDigits(channel)) {
    int n = 0;
    for (char c : channel) n = n * 10 + (c - '0');
    radio.MemChannel = n;
  }

  const bool mhz_flag = ParseRadioStatus(reply, radio);

  // The receiver writes plain fixed-point numbers; anything else (an exponent, dashes while it is
  // switched off) is no frequency.
  const std::string field = TrimStr(reply.substr(10 + k, 9));
  const bool plain = field.find_first_not_of("0123456789.") == std::string::npos;
  auto value = plain ? ParseDecimal(field) : std::nullopt;
  if (value && (k == 0 || mhz_flag ? *value * 1000.0 : *value) > kMaxStatusFreqKHz) value.reset();
  if (value) {
    double khz = *value;
    if (k == 0 || mhz_flag) khz *= 1000.0;
    if (k == 1) radio.BandUnits = mhz_flag ? BandUnitsCode::kMHz : BandUnitsCode::kKHz;
    radio.RadioFreq = khz - radio.FreqOffset;
  }
  if (radio.Mode == ModeCode::kFm) {
    radio.AGC = AgcCode::kNone;
    radio.Bandwidth = BandwidthCode::k12;
  }
  d.frequency_valid = value.has_value() && radio.RadioFreq > 0.01;
  if (d.frequency_valid) {
    radio.PowerOn = true;
  } else if (radio.ScanState != ScanStateCode::kReceiverScan) {
    radio.PowerOn = false;
  }
  return d;
}

}  // namespace r8
