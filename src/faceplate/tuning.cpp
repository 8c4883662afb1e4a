#include "faceplate/tuning.h"

#include "common/format.h"

namespace r8 {

double StepFrequency(double f, double step, bool up) {
  if (up) {
    if (f <= kHfHigh) return f + step >= kHfHigh + 0.01 ? kVhf1Low : f + step;
    if (f <= kVhf1High && f + step >= kVhf1High + 0.01) return kVhf2Low;
    if (f <= kVhf2High && f + step >= kVhf2High + 0.01) return kHfLow;
    return f + step;
  }
  if (f >= kVhf2Low) return f - step <= kVhf2Low - 0.01 ? kVhf1High : f - step;
  if (f >= kVhf1Low && f - step <= kVhf1Low - 0.01) return kHfHigh;
  if (f >= kHfLow && f - step <= kHfLow - 0.01) return kVhf2High;
  return f - step;
}

bool InCoverage(double v) {
  return (v >= kHfLow && v <= kHfHigh) || (v >= kVhf1Low && v <= kVhf1High) ||
         (v >= kVhf2Low && v <= kVhf2High);
}

std::optional<double> EntryToKHz(const std::string& entry_text, int band_units) {
  std::optional<double> v = ParseDecimal(entry_text);
  if (!v) return std::nullopt;
  if (*v >= 0.1 && *v <= 174.0) {
    const bool stays_khz = *v >= 100.0 && !(*v >= 108.0 && band_units == 2);
    if (!stays_khz) *v *= 1000.0;
  }
  return v;
}

KeypadOutcome SetTunerChar(KeypadEntry& e, char c, int band_units) {
  KeypadOutcome out;
  const bool digit = c >= '0' && c <= '9';
  if (e.EntryIdle) {
    if (!digit && c != '.') return out;
    e.EntryText = digit ? std::string(1, c) : std::string("0.");
    e.EntryIdle = false;
    out.accepted_char = true;
    out.entry_started = true;
    return out;
  }
  const std::size_t n = e.EntryText.size();
  const bool has_point = e.EntryText.find('.') != std::string::npos;
  switch (c) {
    case '\b':
      e.EntryText.pop_back();
      out.accepted_char = true;
      if (e.EntryText.empty()) {
        e.EntryIdle = true;
        out.entry_ended = true;
      }
      break;
    case '.':
      if (n < 7 && !has_point) {
        e.EntryText += '.';
        out.accepted_char = true;
      }
      break;
    case '\r': {
      const std::optional<double> v = EntryToKHz(e.EntryText, band_units);
      if (v && InCoverage(*v)) out.new_freq = *v;
      e.EntryIdle = true;
      e.EntryText.clear();
      out.entry_ended = true;
      out.tune = true;
      out.accepted_char = true;
      break;
    }
    default:
      // Six digits before the point, so that the VHF ranges can be typed in kHz (118000); with a
      // point, up to eight characters in all.
      if (digit && (has_point ? n < 8 : n < 6)) {
        e.EntryText += c;
        out.accepted_char = true;
      }
      break;
  }
  return out;
}

}  // namespace r8
