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
      radio.NoiseBlanker = 0;
      break;
    case 0x04:
      radio.NoiseBlanker = 1;
      break;
    case 0x0C:
      radio.NoiseBlanker = 2;
      break;
    default:
      break;
  }
  switch (f1 & 0x03) {
    case 0:
      radio.AGC = kAgcOff;
      break;
    case 3:
      radio.AGC = kAgcSlow;
      break;
    case 2:
      radio.AGC = kAgcFast;
      break;
    default:
      break;
  }
  switch (f2 & 0x0C) {
    case 0x00:
      radio.RF = kRfOff;
      break;
    case 0x04:
      radio.RF = kRfAtt;
      break;
    case 0x08:
      radio.RF = kRfPre;
      break;
    default:
      break;
  }
  radio.Notch = (f2 & 0x02) ? 2 : 1;
  switch (f3 & 0x0C) {
    case 0x00:
      radio.Antenna = kAntenna1;
      break;
    case 0x08:
      radio.Antenna = kAntenna2;
      break;
    case 0x04:
      radio.Antenna = kAntennaC;
      break;
    default:
      break;
  }
  switch ((f3 & 0x03) | (f4 & 0x08)) {
    case 0x00:
      radio.Mode = kModeLsb;
      break;
    case 0x01:
      radio.Mode = kModeRtty;
      break;
    case 0x02:
      radio.Mode = kModeFm;
      break;
    case 0x08:
      radio.Mode = kModeUsb;
      break;
    case 0x09:
      radio.Mode = kModeCw;
      break;
    case 0x0A:
      radio.Mode = kModeAm;
      break;
    default:
      break;
  }
  switch (f4 & 0x07) {
    case 0:
      radio.Bandwidth = 5;
      break;
    case 1:
      radio.Bandwidth = 4;
      break;
    case 2:
      radio.Bandwidth = 3;
      break;
    case 3:
      radio.Bandwidth = 2;
      break;
    case 4:
      radio.Bandwidth = 1;
      break;
    default:
      break;
  }
  radio.Sync = (f5 & 0x04) != 0;
  radio.VFO = (f5 & 0x08) ? 1 : 2;
  radio.ScanState = (f5 & 0x02) ? 2 : 1;
  return (f5 & 0x01) != 0;
}

StatusDecode DecodeStatusLine(std::string_view reply, int model, RadioState& radio) {
  StatusDecode d;
  const int length = StatusReplyLength(model);
  if (length == 0 || reply.size() != static_cast<std::size_t>(length)) return d;
  const std::size_t k = model == kModelR8 ? 0 : 1;

  radio.MemoryMode = reply[0] == '*' ? 2 : 1;
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
    if (k == 1) radio.BandUnits = mhz_flag ? 2 : 1;
    radio.RadioFreq = khz - radio.FreqOffset;
  }
  if (radio.Mode == kModeFm) {
    radio.AGC = kAgcNone;
    radio.Bandwidth = kBw12;
  }
  d.frequency_valid = value.has_value() && radio.RadioFreq > 0.01;
  if (d.frequency_valid) {
    radio.PowerOn = true;
  } else if (radio.ScanState != 2) {
    radio.PowerOn = false;
  }
  return d;
}

}  // namespace r8
