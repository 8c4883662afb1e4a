// Small stateless routines that turn numbers into the program's fixed-width texts and back.
// Everything here works on single-byte (Latin-1) text and never depends on the C locale.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace r8 {

// Frequency display units.
inline constexpr int kUnitKHz = 1;
inline constexpr int kUnitMHz = 2;

// Day letters in bit order of a day mask, Sunday first.
inline constexpr std::string_view kDayLetters = "smtwhfa";

// ---- strings ----
std::string UpperStr(std::string_view s);
void TrimLeftStr(std::string& s);
void TrimRightStr(std::string& s);
std::string TrimStr(std::string_view s);
std::string Spaces(int n);     // at most 89
std::string EqualsRun(int n);  // at most 10
int HexDigitValue(char ch);    // unvalidated, as the receiver's meter digits need

// Right-aligns s in a field of at least width characters.
std::string PadLeft(std::string_view s, std::size_t width);
std::string PadRight(std::string_view s, std::size_t width);

// ---- numbers ----
// Fixed-point text with the given decimals, halves rounded away from zero, independent of locale.
std::string FormatFixed(double value, int decimals);
// FormatFixed right-aligned in a field of at least width characters.
std::string FormatFixedWidth(double value, int width, int decimals);
// Decimal integer right-aligned in a field of at least width characters.
std::string FormatIntWidth(long long value, int width);
// A whole text that is a decimal number (sign, digits, point, exponent); nullopt for anything else.
std::optional<double> ParseDecimal(std::string_view text);
// Leading sign and digits of a text, the rest ignored ("115 ms" is 115); nullopt without digits.
std::optional<long long> ParseLeadingInt(std::string_view text);

// ---- times ----
int PackedTimeToInt(std::string_view chars4);
std::string IntToTime4(int v);
std::string IntToStr2(int v);
std::string IntToStr2Z(int v);
std::string IntToStr3Z(int v);
std::string DaysText(std::uint8_t mask);

// ---- frequencies ----
struct FreqText {
  std::string text;  // at most 8 characters, right-aligned
  int unit = kUnitKHz;
};
FreqText FreqToDisplay(double khz);
std::string FreqToText(double khz, int unit);

}  // namespace r8
