#include "common/format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace r8 {
namespace {

bool IsBlank(char c) { return c == ' '; }

}  // namespace

std::string UpperStr(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

void TrimLeftStr(std::string& s) {
  std::size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  s.erase(0, i);
}

void TrimRightStr(std::string& s) {
  std::size_t n = s.size();
  while (n > 0 && IsBlank(s[n - 1])) --n;
  s.resize(n);
}

std::string TrimStr(std::string_view s) {
  std::string out(s);
  TrimRightStr(out);
  TrimLeftStr(out);
  return out;
}

std::string Spaces(int n) {
  return std::string(static_cast<std::size_t>(std::clamp(n, 0, 89)), ' ');
}

std::string EqualsRun(int n) {
  return std::string(static_cast<std::size_t>(std::clamp(n, 0, 10)), '=');
}

int HexDigitValue(char ch) {
  int v = static_cast<unsigned char>(UpperStr(std::string_view(&ch, 1))[0]) - '0';
  if (v > 9) v -= 7;
  return v;
}

std::string PadLeft(std::string_view s, std::size_t width) {
  if (s.size() >= width) return std::string(s);
  return std::string(width - s.size(), ' ').append(s);
}

std::string PadRight(std::string_view s, std::size_t width) {
  std::string out(s);
  if (out.size() < width) out.append(width - out.size(), ' ');
  return out;
}

std::string FormatFixed(double value, int decimals) {
  decimals = std::clamp(decimals, 0, 20);
  char buf[400];
  if (!std::isfinite(value)) {
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, r.ptr);
  }
  // Thirty decimals are exact enough to decide a tie for any value a frequency or time can take;
  // the rounding itself is done on the digits so that halves go away from zero.
  auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 30);
  std::string digits(buf, r.ptr);
  bool negative = false;
  if (!digits.empty() && digits[0] == '-') {
    negative = true;
    digits.erase(0, 1);
  }
  const std::size_t point = digits.find('.');
  std::string whole = digits.substr(0, point);
  std::string frac = point == std::string::npos ? std::string() : digits.substr(point + 1);
  frac.resize(30, '0');
  const bool round_up = frac[static_cast<std::size_t>(decimals)] >= '5';
  std::string kept = whole + frac.substr(0, static_cast<std::size_t>(decimals));
  if (round_up) {
    int i = static_cast<int>(kept.size()) - 1;
    for (; i >= 0; --i) {
      if (kept[static_cast<std::size_t>(i)] == '9') {
        kept[static_cast<std::size_t>(i)] = '0';
      } else {
        ++kept[static_cast<std::size_t>(i)];
        break;
      }
    }
    if (i < 0) kept.insert(kept.begin(), '1');
  }
  const std::size_t whole_len = kept.size() - static_cast<std::size_t>(decimals);
  std::string out = kept.substr(0, whole_len);
  if (decimals > 0) out += "." + kept.substr(whole_len);
  const bool all_zero = std::all_of(kept.begin(), kept.end(), [](char c) { return c == '0'; });
  if (negative && !all_zero) out.insert(out.begin(), '-');
  return out;
}

std::string FormatFixedWidth(double value, int width, int decimals) {
  return PadLeft(FormatFixed(value, decimals), static_cast<std::size_t>(std::max(width, 0)));
}

std::string FormatIntWidth(long long value, int width) {
  return PadLeft(std::to_string(value), static_cast<std::size_t>(std::max(width, 0)));
}

std::optional<double> ParseDecimal(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  std::string cleaned;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') cleaned += '-';
    ++i;
  }
  std::size_t mantissa_digits = 0;
  while (i < n && text[i] >= '0' && text[i] <= '9') {
    cleaned += text[i++];
    ++mantissa_digits;
  }
  if (i < n && text[i] == '.') {
    cleaned += text[i++];
    while (i < n && text[i] >= '0' && text[i] <= '9') {
      cleaned += text[i++];
      ++mantissa_digits;
    }
  }
  if (mantissa_digits == 0) return std::nullopt;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    cleaned += text[i++];
    if (i < n && (text[i] == '+' || text[i] == '-')) cleaned += text[i++];
    std::size_t exp_digits = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
      cleaned += text[i++];
      ++exp_digits;
    }
    if (exp_digits == 0) return std::nullopt;
  }
  if (i != n) return std::nullopt;
  double value = 0;
  auto r = std::from_chars(cleaned.data(), cleaned.data() + cleaned.size(), value);
  if (r.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<long long> ParseLeadingInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  std::size_t digits = 0;
  constexpr long long kMax = std::numeric_limits<long long>::max() / 10 - 9;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    if (value > kMax) return std::nullopt;
    value = value * 10 + (text[i++] - '0');
    ++digits;
  }
  if (digits == 0) return std::nullopt;
  return negative ? -value : value;
}

int PackedTimeToInt(std::string_view chars4) {
  int v = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    const char c = i < chars4.size() ? chars4[i] : '0';
    v = v * 10 + (static_cast<unsigned char>(c) - '0');
  }
  return v;
}

std::string IntToTime4(int v) {
  std::string s = FormatIntWidth(v, 4);
  std::replace(s.begin(), s.end(), ' ', '0');
  return s;
}

std::string IntToStr2(int v) {
  std::string s = FormatIntWidth(static_cast<std::uint16_t>(v), 2).substr(0, 2);
  std::replace(s.begin(), s.end(), ' ', '0');
  return s;
}

std::string IntToStr2Z(int v) {
  std::string s = FormatIntWidth(v, 2).substr(0, 2);
  if (v < 10) s[0] = '0';
  return s;
}

std::string IntToStr3Z(int v) {
  std::string s = FormatIntWidth(v, 3).substr(0, 3);
  if (v < 100) s[0] = '0';
  if (v < 10) s[1] = '0';
  return s;
}

std::string DaysText(std::uint8_t mask) {
  std::string s(7, ' ');
  for (std::size_t k = 0; k < 7; ++k) {
    if (mask & (1u << k)) s[k] = kDayLetters[k];
  }
  return s;
}

namespace {
// Frequency texts are columns in lists and files: never wider than eight characters.
std::string Freq8(double value, int decimals) {
  std::string s = FormatFixedWidth(value, 8, decimals);
  if (s.size() > 8) s.resize(8);
  return s;
}
}  // namespace

FreqText FreqToDisplay(double khz) {
  if (khz < 30000.0) return {Freq8(khz, 2), kUnitKHz};
  return {Freq8(khz * 0.001, 4), kUnitMHz};
}

std::string FreqToText(double khz, int unit) {
  if (unit == kUnitKHz) return Freq8(khz, 2);
  return Freq8(khz * 0.001, khz < 30000.0 ? 5 : 4);
}

}  // namespace r8
