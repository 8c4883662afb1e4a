#include "memory/memory_line.h"

#include <cmath>

#include "common/format.h"
#include "radio/radio_model.h"

namespace r8 {
namespace {

int Low4(char c) { return static_cast<unsigned char>(c) & 0x0F; }

bool IsCodeChar(char c) { return c >= '0' && c <= '?'; }

bool AllDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

const char* Item(int index, std::initializer_list<const char*> items) {
  if (index < 0 || index >= static_cast<int>(items.size())) return "";
  return *(items.begin() + index);
}

}  // namespace

void DecodeStatusCodes(std::string_view codes, MemorySettings& s) {
  if (codes.size() < 5) return;
  const int c1 = Low4(codes[0]), c2 = Low4(codes[1]), c3 = Low4(codes[2]), c4 = Low4(codes[3]),
            c5 = Low4(codes[4]);
  switch (c1 & 0x0C) {
    case 0x00:
      s.blanker = 0;
      break;
    case 0x04:
      s.blanker = 1;
      break;
    case 0x0C:
      s.blanker = 2;
      break;
    default:
      break;
  }
  switch (c1 & 0x03) {
    case 0:
      s.agc = 0;
      break;
    case 3:
      s.agc = 1;
      break;
    case 2:
      s.agc = 2;
      break;
    default:
      break;
  }
  switch (c2 & 0x0C) {
    case 0x04:
      s.rf = 0;
      break;
    case 0x00:
      s.rf = 1;
      break;
    case 0x08:
      s.rf = 2;
      break;
    default:
      break;
  }
  s.notch = (c2 & 0x02) ? kNotchOn : kNotchOff;
  switch (c3 & 0x0C) {
    case 0x00:
      s.antenna = 0;
      break;
    case 0x08:
      s.antenna = 1;
      break;
    case 0x04:
      s.antenna = 2;
      break;
    default:
      break;
  }
  switch ((c3 & 0x03) + (c4 & 0x08)) {
    case 10:
      s.mode = kModeAm;
      break;
    case 2:
      s.mode = kModeFm;
      break;
    case 9:
      s.mode = kModeCw;
      break;
    case 1:
      s.mode = kModeRtty;
      break;
    case 0:
      s.mode = kModeLsb;
      break;
    case 8:
      s.mode = kModeUsb;
      break;
    default:
      break;
  }
  switch (c4 & 0x07) {
    case 4:
      s.bandwidth = 1;
      break;
    case 3:
      s.bandwidth = 2;
      break;
    case 2:
      s.bandwidth = 3;
      break;
    case 1:
      s.bandwidth = 4;
      break;
    case 0:
      s.bandwidth = 5;
      break;
    default:
      break;
  }
  // FM has its own 12 kHz filter whatever the bits say.
  if (s.mode == kModeFm) s.bandwidth = kBw12;
  s.sync = (c5 & kF5Sync) != 0;
}

std::string EncodeStatusCodes(const MemorySettings& s, bool mhz) {
  int c[5] = {0, 0, 0, 0, 0};
  if (s.blanker == 1) c[0] |= 4;
  if (s.blanker == 2) c[0] |= 12;
  if (s.agc == 1) c[0] |= 3;
  if (s.agc == 2) c[0] |= 2;
  if (s.rf == 0) c[1] |= 4;
  if (s.rf == 2) c[1] |= 8;
  if (s.notch == kNotchOn) c[1] |= 2;
  if (s.antenna == 1) c[2] |= 8;
  if (s.antenna == kAntennaC) c[2] |= 4;
  switch (s.mode) {
    case kModeAm:
      c[2] |= 2;
      c[3] |= 8;
      break;
    case kModeFm:
      c[2] |= 2;
      break;
    case kModeCw:
      c[2] |= 1;
      c[3] |= 8;
      break;
    case kModeRtty:
      c[2] |= 1;
      break;
    case kModeUsb:
      c[3] |= 8;
      break;
    default:
      break;
  }
  if (s.bandwidth >= 1 && s.bandwidth <= 4) c[3] |= 5 - s.bandwidth;
  c[4] = kF5VfoA | (s.sync ? kF5Sync : 0) | (mhz ? kF5MHz : 0);
  std::string out(5, '0');
  for (int i = 0; i < 5; ++i) out[static_cast<std::size_t>(i)] = static_cast<char>('0' + c[i]);
  return out;
}

bool TunableKHz(double khz) {
  return (khz >= 100.0 && khz <= 30000.0) || (khz >= 35000.0 && khz <= 55000.0) ||
         (khz >= 108000.0 && khz <= 174000.0);
}

int LineChannel(std::string_view text) {
  if (text.size() < 4) return -1;
  const std::string_view digits = text.substr(1, text[3] == ' ' ? 2 : 3);
  if (!AllDigits(digits)) return -1;
  int n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

LineReading ReadMemoryLine(std::string_view text) {
  LineReading r;
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if ((u < 0x20 && c != '\t') || u == 0x7F) {
      r.problem = "holds binary bytes";
      return r;
    }
  }
  if (text.empty() || text[0] != '*') {
    r.problem = "does not begin with \"*\"";
    return r;
  }
  if (text.size() < 4) {
    r.problem = "is too short";
    return r;
  }
  MemoryLine line;
  line.long_form = text[3] != ' ';
  const std::size_t k = line.long_form ? 1 : 0;
  if (text.size() < 23 + k) {
    r.problem = "is too short";
    return r;
  }
  line.channel = LineChannel(text);
  if (line.channel < 0) {
    r.problem = "has no channel number";
    return r;
  }
  const std::string_view codes = text.substr(4 + k, 5);
  if ((k == 1 && text[4] != ' ') || text[9 + k] != ' ') {
    r.problem = "has its fields out of place";
    return r;
  }
  for (char c : codes) {
    if (!IsCodeChar(c)) {
      r.problem = "has a status code that is not one";
      return r;
    }
  }
  const std::string field = TrimStr(text.substr(10 + k, 9));
  const bool plain = !field.empty() && field.find_first_not_of("0123456789.") == std::string::npos;
  const std::optional<double> value = plain ? ParseDecimal(field) : std::nullopt;
  const char marker = text[20 + k];
  const std::string_view hz = text.substr(21 + k, 2);
  const bool kilo = marker == 'K' || marker == 'k';
  if (!(kilo || marker == 'M' || marker == 'm') || (hz != "Hz" && hz != "HZ")) {
    r.problem = "has no unit";
    return r;
  }
  // The R8's short line is always in MHz.
  line.unit = line.long_form && kilo ? kUnitKHz : kUnitMHz;
  if (!value) {
    r.problem = "has no frequency";
    return r;
  }
  line.freq_khz = line.unit == kUnitMHz ? *value * 1000.0 : *value;
  if (!TunableKHz(line.freq_khz)) {
    r.problem = "has a frequency the receiver does not tune";
    return r;
  }
  if (text.size() > 23 + k) {
    if (text[23 + k] != '\t') {
      r.problem = "has text after the unit";
      return r;
    }
    line.notes = std::string(text.substr(24 + k));
  }
  DecodeStatusCodes(codes, line.settings);
  r.line = std::move(line);
  return r;
}

std::string CreateTuneString(const MemoryLine& record, int model) {
  const bool r8 = model == kModelR8;
  const bool mhz = r8 || record.unit == kUnitMHz;
  std::string s = "*" + (r8 ? IntToStr2Z(record.channel) : IntToStr3Z(record.channel)) + " ";
  s += EncodeStatusCodes(record.settings, mhz && !r8);
  s += ' ';
  if (mhz) {
    s += FormatFixedWidth(record.freq_khz / 1000.0, 9, 5) + "*MHz";
  } else {
    s += FormatFixedWidth(record.freq_khz, 9, 2) + "*KHz";
  }
  if (!record.notes.empty()) s += "\t" + record.notes;
  if (s.size() > kSlotLength) s.resize(kSlotLength);
  return s;
}

std::string MemDisplayLine(int channel, std::string_view slot, int model) {
  std::string row = "\t" + (model == kModelR8 ? IntToStr2Z(channel) : IntToStr3Z(channel)) + "\t";
  if (!SlotOccupied(slot)) return row + "<none>";
  const LineReading reading = ReadMemoryLine(slot);
  if (!reading.line) return row + "<unreadable>";
  const MemoryLine& m = *reading.line;
  const double mhz = m.freq_khz / 1000.0;
  if (m.unit == kUnitKHz) {
    row += FormatFixedWidth(m.freq_khz, 8, 2) + "\tkHz";
  } else if (mhz >= 30.0) {
    row += FormatFixedWidth(mhz, 8, 4) + "\tMHz";
  } else if (!m.long_form) {
    row += FormatFixedWidth(m.freq_khz, 8, 2) + "\tkHz";
  } else {
    row += FormatFixedWidth(mhz, 8, 5) + "\tMHz";
  }
  const MemorySettings& s = m.settings;
  const bool fm = s.mode == kModeFm;
  row += std::string("\t") + Item(s.antenna, {"1", "2", "C"});
  row += std::string("\t") + Item(s.rf, {"Att", "Off", "Pre"});
  row += std::string("\t") + (fm ? " -  " : Item(s.agc, {"Off ", "Slow", "Fast"}));
  row += std::string("\t") +
         (fm ? "12." : Item(s.bandwidth, {"12.", "6.0", "4.0", "2.3", "1.8", "0.5"}));
  row += std::string("\t") + Item(s.mode, {"AM  ", "FM  ", "CW  ", "RTTY", "LSB ", "USB "});
  row += std::string("\t") + (fm ? " -  " : Item(s.blanker, {"Off ", "Narr", "Wide"}));
  row += s.notch == kNotchOn ? "\tX" : "\t-";
  row += s.sync ? "\tX" : "\t-";
  if (!m.notes.empty()) row += "\t" + m.notes;
  return row;
}

}  // namespace r8
