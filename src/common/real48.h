// The six-byte real of the program's fixed-record data files: byte 0 the exponent biased by 129
// (0 means the value 0), bytes 1..5 a 39-bit fraction, least significant byte first, and the top
// bit of byte 5 the sign.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace r8 {

using Real48Bytes = std::array<std::uint8_t, 6>;

// Every byte pattern has a finite value (at most about 1.7e38), so files of any content decode.
double Real48ToDouble(std::span<const std::uint8_t, 6> bytes);

// Rounds to the nearest value the format holds. Zero, NaN and magnitudes too small for the format
// give zero; magnitudes too large (and infinities) give the largest value of that sign.
Real48Bytes DoubleToReal48(double value);

}  // namespace r8
