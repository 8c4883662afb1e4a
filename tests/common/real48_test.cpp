#include "common/real48.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace r8 {
namespace {

struct Known {
  double value;
  Real48Bytes bytes;
};

// Byte patterns worked out by hand from the format: exponent biased by 129, 39-bit fraction LSB
// first, sign in the top bit of the last byte.
TEST(Real48, KnownValuesEncodeAndDecodeExactly) {
  const Known cases[] = {
      {0.0, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
      {1.0, {0x81, 0x00, 0x00, 0x00, 0x00, 0x00}},
      {0.5, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00}},
      {-1.5, {0x81, 0x00, 0x00, 0x00, 0x00, 0xC0}},
      {100.0, {0x87, 0x00, 0x00, 0x00, 0x00, 0x48}},
      {9580.0, {0x8E, 0x00, 0x00, 0x00, 0xB0, 0x15}},
      {-9580.0, {0x8E, 0x00, 0x00, 0x00, 0xB0, 0x95}},
      {30000.0, {0x8F, 0x00, 0x00, 0x00, 0x60, 0x6A}},
      {9580.25, {0x8E, 0x00, 0x00, 0x00, 0xB1, 0x15}},
  };
  for (const Known& k : cases) {
    SCOPED_TRACE(k.value);
    EXPECT_EQ(DoubleToReal48(k.value), k.bytes);
    EXPECT_EQ(Real48ToDouble(k.bytes), k.value);
  }
}

TEST(Real48, FractionsRoundTripToTheFormatsPrecision) {
  for (double v : {0.205, 9580.1, -0.001, 1.0 / 3.0, 15999.95, 123456.789, 1e-30, 1e30}) {
    SCOPED_TRACE(v);
    const double back = Real48ToDouble(DoubleToReal48(v));
    // 39 fraction bits: half a unit in the last place is 2^-40 of the value.
    EXPECT_LE(std::fabs(back - v), std::fabs(v) * std::ldexp(1.0, -40));
  }
  EXPECT_EQ(DoubleToReal48(0.205), (Real48Bytes{0x7E, 0xB8, 0x1E, 0x85, 0xEB, 0x51}));
}

TEST(Real48, ValuesTheFormatCannotHoldAreHeldToItsEnds) {
  const Real48Bytes largest = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};
  const Real48Bytes most_negative = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(DoubleToReal48(1e300), largest);
  EXPECT_EQ(DoubleToReal48(std::numeric_limits<double>::infinity()), largest);
  EXPECT_EQ(DoubleToReal48(-std::numeric_limits<double>::infinity()), most_negative);
  EXPECT_EQ(DoubleToReal48(std::numeric_limits<double>::quiet_NaN()), Real48Bytes{});
  EXPECT_EQ(DoubleToReal48(-0.0), Real48Bytes{});
  EXPECT_EQ(DoubleToReal48(1e-300), Real48Bytes{});
  // Just under a power of two rounds up into the next exponent.
  EXPECT_EQ(DoubleToReal48(std::nextafter(2.0, 0.0)), DoubleToReal48(2.0));
}

TEST(Real48, GarbageExponentsStillGiveFiniteValues) {
  // Exponent 0 is zero whatever the fraction says; every other byte pattern is a finite number.
  EXPECT_EQ(Real48ToDouble(Real48Bytes{0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), 0.0);
  EXPECT_EQ(Real48ToDouble(Real48Bytes{0x01, 0x00, 0x00, 0x00, 0x00, 0x00}), std::ldexp(1.0, -128));
  const double top = Real48ToDouble(Real48Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  EXPECT_TRUE(std::isfinite(top));
  EXPECT_LT(top, -1.7e38);
  for (int e = 0; e < 256; ++e) {
    const Real48Bytes b = {static_cast<std::uint8_t>(e), 0xA5, 0x5A, 0xC3, 0x3C, 0x7E};
    const double v = Real48ToDouble(b);
    ASSERT_TRUE(std::isfinite(v)) << e;
    if (e != 0) {
      EXPECT_EQ(DoubleToReal48(v), b) << e;  // every non-zero pattern survives a round trip
    }
  }
}

}  // namespace
}  // namespace r8
