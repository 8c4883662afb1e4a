#include "emulator/status_reply.h"

#include <algorithm>
#include <cstdio>

#include "radio/radio_model.h"

namespace r8::emulator {
namespace {

bool IsR8(int model) { return model == kModelR8; }

char FlagChar(int bits) { return static_cast<char>('0' + (bits & 0x0F)); }

// Mode key = (F3 & 0x03) | (F4 & 0x08), as the program decodes it.
int ModeKey(Mode mode) {
  switch (mode) {
    case Mode::kAm:
      return 0x0A;
    case Mode::kFm:
      return 0x02;
    case Mode::kCw:
      return 0x09;
    case Mode::kRtty:
      return 0x01;
    case Mode::kLsb:
      return 0x00;
    case Mode::kUsb:
      return 0x08;
  }
  return 0x0A;
}

std::string Pad(std::string text, std::size_t width) {
  if (text.size() > width) return text.substr(text.size() - width);
  return std::string(width - text.size(), ' ') + text;
}

std::string Hex2(int level) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const int v = std::clamp(level, 0, 255);
  return {kHex[v >> 4], kHex[v & 0x0F]};
}

std::string SevenChars(const std::string& name) {
  std::string n = name.substr(0, kChannelNameLength);
  n.resize(kChannelNameLength, ' ');
  return n;
}

}  // namespace

int StatusLineLength(int model) { return IsR8(model) ? 25 : 37; }

int ChannelDigitCount(int model) { return IsR8(model) ? 2 : 3; }

std::string FlagCharacters(int model, const PanelView& view) {
  const Tuning& t = view.tuning;
  int f1 = 0;
  switch (t.noise_blanker) {
    case NoiseBlanker::kOff:
      break;
    case NoiseBlanker::kNarrow:
      f1 |= 0x04;
      break;
    case NoiseBlanker::kWide:
      f1 |= 0x0C;
      break;
  }
  switch (t.agc) {
    case Agc::kOff:
      break;
    case Agc::kSlow:
      f1 |= 0x03;
      break;
    case Agc::kFast:
      f1 |= 0x02;
      break;
  }
  int f2 = t.notch ? 0x02 : 0;
  switch (t.rf) {
    case RfGain::kAttenuator:
      f2 |= 0x04;
      break;
    case RfGain::kOff:
      break;
    case RfGain::kPreamp:
      f2 |= 0x08;
      break;
  }
  const int key = ModeKey(t.mode);
  int f3 = key & 0x03;
  switch (t.antenna) {
    case Antenna::k1:
      break;
    case Antenna::k2:
      f3 |= 0x08;
      break;
    case Antenna::kConverter:
      f3 |= 0x04;
      break;
  }
  // In FM the set keeps (and reports) the filter and AGC chosen for the other modes; the
  // program applies its own FM rules to them.
  int f4 = key & 0x08;
  switch (t.bandwidth) {
    case Bandwidth::kKhz6_0:
      f4 |= 4;
      break;
    case Bandwidth::kKhz4_0:
      f4 |= 3;
      break;
    case Bandwidth::kKhz2_3:
      f4 |= 2;
      break;
    case Bandwidth::kKhz1_8:
      f4 |= 1;
      break;
    case Bandwidth::kKhz0_5:
      break;
  }
  int f5 = 0;
  if (view.vfo == Vfo::kA) f5 |= 0x08;
  if (t.sync) f5 |= 0x04;
  if (view.scanning) f5 |= 0x02;
  if (!IsR8(model) && view.mhz) f5 |= 0x01;
  return {FlagChar(f1), FlagChar(f2), FlagChar(f3), FlagChar(f4), FlagChar(f5)};
}

std::string FrequencyField(int model, const PanelView& view) {
  if (!view.power_on) return std::string(9, ' ');
  const std::int32_t f = std::clamp(view.tuning.freq_10hz, 0, 99999999);
  char buf[24];
  if (IsR8(model) || view.mhz) {
    std::snprintf(buf, sizeof buf, "%d.%05d", static_cast<int>(f / 100000),
                  static_cast<int>(f % 100000));
  } else {
    std::snprintf(buf, sizeof buf, "%d.%02d", static_cast<int>(f / 100), static_cast<int>(f % 100));
  }
  return Pad(buf, 9);
}

namespace {

std::string ChannelText(int model, int channel) {
  const int digits = ChannelDigitCount(model);
  const int limit = digits == 2 ? 100 : 1000;
  char buf[8];
  std::snprintf(buf, sizeof buf, "%0*d", digits, std::clamp(channel, 0, limit - 1));
  return buf;
}

char SquelchChar(const PanelView& view) { return view.power_on && view.squelch_open ? '*' : ' '; }

}  // namespace

std::string StatusLine(int model, const PanelView& view) {
  std::string line;
  line.reserve(static_cast<std::size_t>(StatusLineLength(model)));
  line += view.memory_mode ? '*' : ' ';
  line += ChannelText(model, view.channel);
  line += ' ';
  line += FlagCharacters(model, view);
  line += ' ';
  line += FrequencyField(model, view);
  line += SquelchChar(view);
  line += (IsR8(model) || view.mhz) ? "MHz" : "KHz";
  if (!IsR8(model)) {
    line += ' ';
    line += view.memory_mode ? SevenChars(view.name) : std::string(kChannelNameLength, ' ');
    line += ' ';
    line += Hex2(view.power_on ? view.level : 0);
  }
  line += "\r\n";
  return line;
}

std::string FrequencyReply(int model, const PanelView& view) {
  std::string r = FrequencyField(model, view);
  r += SquelchChar(view);
  r += (IsR8(model) || view.mhz) ? "mHz" : "kHz";
  r += "\r\n";
  return r;
}

std::string ModeReply(int model, const PanelView& view) {
  std::string r = IsR8(model) ? "" : " ";
  r += FlagCharacters(model, view);
  r += "\r\n";
  return r;
}

std::string ChannelReply(int model, const PanelView& view) {
  std::string r(1, view.memory_mode ? '*' : ' ');
  r += ChannelText(model, view.channel);
  r += "\r\n";
  return r;
}

std::string LevelReply(const PanelView& view) {
  return " " + Hex2(view.power_on ? view.level : 0) + "\r\n";
}

}  // namespace r8::emulator
