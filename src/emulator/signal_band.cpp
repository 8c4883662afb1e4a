#include "emulator/signal_band.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace r8::emulator {
namespace {

constexpr std::int32_t Khz(double khz) { return static_cast<std::int32_t>(khz * kTenHzPerKhz); }

constexpr std::array<Carrier, 24> kCarriers = {{
    {Khz(5950), 110},  {Khz(5975), 180},   {Khz(6005), 120},  {Khz(6070), 30},    {Khz(6155), 70},
    {Khz(7205), 150},  {Khz(7325), 90},    {Khz(7390), 25},   {Khz(9410), 200},   {Khz(9580), 230},
    {Khz(9650), 60},   {Khz(9700), 20},    {Khz(9870), 140},  {Khz(11750), 170},  {Khz(11955), 45},
    {Khz(12095), 140}, {Khz(13650), 30},   {Khz(15400), 190}, {Khz(15575), 80},   {Khz(15780), 15},
    {Khz(15800), 70},  {Khz(118100), 120}, {Khz(121500), 35}, {Khz(145500), 100},
}};

constexpr std::int32_t kSkirt10Hz = 200;  // the level falls to nothing 2 kHz outside the filter

std::int32_t HalfWidth(const Tuning& t) {
  if (t.mode == Mode::kFm) return 600;
  switch (t.bandwidth) {
    case Bandwidth::kKhz6_0:
      return 300;
    case Bandwidth::kKhz4_0:
      return 200;
    case Bandwidth::kKhz2_3:
      return 115;
    case Bandwidth::kKhz1_8:
      return 90;
    case Bandwidth::kKhz0_5:
      return 25;
  }
  return 300;
}

bool IsVhf(std::int32_t freq_10hz) { return freq_10hz > kHfHigh; }

// A floor that changes every 500 Hz but is the same on every run.
int NoiseFloor(std::int32_t freq_10hz) {
  std::uint32_t h = static_cast<std::uint32_t>(freq_10hz / 50) * 2654435761u;
  h ^= h >> 15;
  return 2 + static_cast<int>(h % 12);
}

}  // namespace

std::span<const Carrier> Carriers() { return kCarriers; }

int SignalLevel(const Tuning& tuning) {
  const std::int32_t f = tuning.freq_10hz;
  const bool converter = tuning.antenna == Antenna::kConverter;
  const std::int32_t half = HalfWidth(tuning);
  int level = NoiseFloor(f);
  for (const Carrier& c : kCarriers) {
    if (IsVhf(c.freq_10hz) != converter) continue;
    const std::int32_t d = std::abs(f - c.freq_10hz);
    if (d > half + kSkirt10Hz) continue;
    const int s = d <= half ? c.strength : c.strength * (half + kSkirt10Hz - d) / kSkirt10Hz;
    level = std::max(level, s);
  }
  if (tuning.rf == RfGain::kAttenuator) level -= 25;
  if (tuning.rf == RfGain::kPreamp) level += 10;
  return std::clamp(level, 0, 255);
}

}  // namespace r8::emulator
