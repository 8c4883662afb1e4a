#include "common/real48.h"

#include <cmath>

namespace r8 {
namespace {

constexpr int kBias = 129;
constexpr int kFractionBits = 39;
constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << kFractionBits) - 1;

Real48Bytes Pack(int exponent, std::uint64_t fraction, bool negative) {
  Real48Bytes b{};
  b[0] = static_cast<std::uint8_t>(exponent);
  for (int i = 0; i < 5; ++i) b[1 + i] = static_cast<std::uint8_t>(fraction >> (8 * i));
  if (negative) b[5] |= 0x80;
  return b;
}

}  // namespace

double Real48ToDouble(std::span<const std::uint8_t, 6> bytes) {
  const int exponent = bytes[0];
  if (exponent == 0) return 0.0;
  std::uint64_t fraction = 0;
  for (int i = 4; i >= 0; --i) fraction = (fraction << 8) | bytes[1 + i];
  fraction &= kFractionMask;
  // 1 + f / 2^39 has 40 significant bits, so the double holds it exactly.
  const double mantissa = 1.0 + std::ldexp(static_cast<double>(fraction), -kFractionBits);
  const double magnitude = std::ldexp(mantissa, exponent - kBias);
  return (bytes[5] & 0x80) ? -magnitude : magnitude;
}

Real48Bytes DoubleToReal48(double value) {
  if (std::isnan(value) || value == 0.0) return Real48Bytes{};
  const bool negative = std::signbit(value);
  if (std::isinf(value)) return Pack(255, kFractionMask, negative);
  int exp2 = 0;
  const double m = std::frexp(std::fabs(value), &exp2);  // m in [0.5, 1)
  int exponent = exp2 - 1 + kBias;
  auto fraction =
      static_cast<std::uint64_t>(std::nearbyint(std::ldexp(2.0 * m - 1.0, kFractionBits)));
  if (fraction > kFractionMask) {  // rounding carried into the next power of two
    fraction = 0;
    ++exponent;
  }
  if (exponent < 1) return Real48Bytes{};
  if (exponent > 255) return Pack(255, kFractionMask, negative);
  return Pack(exponent, fraction, negative);
}

}  // namespace r8
