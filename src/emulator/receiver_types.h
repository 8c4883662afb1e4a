// The emulated receiver's state: what its front panel holds, per VFO and per memory channel.
// The enum values equal the program's RadioState codes (the faceplate's combo item indexes), so a
// test can compare the two sides without a table.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace r8::emulator {

enum class Mode : std::uint8_t { kAm = 0, kFm = 1, kCw = 2, kRtty = 3, kLsb = 4, kUsb = 5 };
// 12 kHz is FM's fixed filter and has no code of its own.
enum class Bandwidth : std::uint8_t {
  kKhz6_0 = 1,
  kKhz4_0 = 2,
  kKhz2_3 = 3,
  kKhz1_8 = 4,
  kKhz0_5 = 5
};
enum class Agc : std::uint8_t { kOff = 0, kSlow = 1, kFast = 2 };
enum class Antenna : std::uint8_t { k1 = 0, k2 = 1, kConverter = 2 };
enum class RfGain : std::uint8_t { kAttenuator = 0, kOff = 1, kPreamp = 2 };
enum class NoiseBlanker : std::uint8_t { kOff = 0, kNarrow = 1, kWide = 2 };
enum class Vfo : std::uint8_t { kA = 0, kB = 1 };
enum class BandDisplay : std::uint8_t { kKhz, kMhz };
enum class DisplayMode : std::uint8_t { kFrequency, kClock };
enum class ClockShown : std::uint8_t { kLocal, kUtc };
enum class ScanKind : std::uint8_t { kMemory, kFrequency };

// Frequencies are kept in units of 10 Hz: the finest step either tune command can express.
inline constexpr std::int32_t kTenHzPerKhz = 100;
inline constexpr std::int32_t kHfLow = 100 * kTenHzPerKhz;
inline constexpr std::int32_t kHfHigh = 30000 * kTenHzPerKhz;
inline constexpr std::int32_t kVhfLowBandLow = 35000 * kTenHzPerKhz;
inline constexpr std::int32_t kVhfLowBandHigh = 55000 * kTenHzPerKhz;
inline constexpr std::int32_t kVhfHighBandLow = 108000 * kTenHzPerKhz;
inline constexpr std::int32_t kVhfHighBandHigh = 174000 * kTenHzPerKhz;

// True for a frequency the receiver can be tuned to (HF, or one of the converter's two bands).
constexpr bool IsTunable(std::int32_t freq_10hz) {
  return (freq_10hz >= kHfLow && freq_10hz <= kHfHigh) ||
         (freq_10hz >= kVhfLowBandLow && freq_10hz <= kVhfLowBandHigh) ||
         (freq_10hz >= kVhfHighBandLow && freq_10hz <= kVhfHighBandHigh);
}

// One VFO's (or one memory channel's) frequency and settings.
struct Tuning {
  std::int32_t freq_10hz = 597500;
  Mode mode = Mode::kAm;
  Bandwidth bandwidth = Bandwidth::kKhz6_0;
  Agc agc = Agc::kSlow;
  Antenna antenna = Antenna::k1;
  RfGain rf = RfGain::kOff;
  NoiseBlanker noise_blanker = NoiseBlanker::kOff;
  bool notch = false;
  bool sync = false;
  bool operator==(const Tuning&) const = default;
};

inline constexpr int kChannelNameLength = 7;

struct Channel {
  bool stored = false;  // false after an erase, or never written
  Tuning tuning;
  std::string name = std::string(kChannelNameLength, ' ');  // R8A/R8B; blanks when unnamed
  bool operator==(const Channel&) const = default;
};

// The tuning steps "ST" cycles through, in kHz x 100.
inline constexpr std::array<std::int32_t, 6> kSteps10Hz = {1, 10, 100, 500, 900, 1000};

// Everything the front panel holds apart from the memory channels.
struct ReceiverState {
  bool power_on = true;
  std::array<Tuning, 2> vfo = {Tuning{}, Tuning{958000}};
  Vfo active_vfo = Vfo::kA;
  bool memory_mode = false;
  int channel = 0;
  // In memory mode the panel shows a working copy of the channel: front-panel changes go there,
  // and the stored channel changes only when "PR" stores it.
  Tuning memory_working;
  bool mem_tune = false;
  BandDisplay band_display = BandDisplay::kKhz;
  bool tape = false;
  ClockShown clock_shown = ClockShown::kUtc;
  DisplayMode display_mode = DisplayMode::kFrequency;
  bool name_mode = false;
  int step_index = 3;  // 5 kHz
  bool bright = true;
  bool scanning = false;
  // The two clocks: seconds of the day they were set to, and the receiver time (ms) of setting.
  int local_clock_set_s = 0;
  int utc_clock_set_s = 0;
  std::uint64_t local_clock_set_ms = 0;
  std::uint64_t utc_clock_set_ms = 0;
};

// One message the receiver sends: its bytes and the time (ms) it is ready to go on the line.
struct Reply {
  std::uint64_t at_ms = 0;
  std::string bytes;
  bool unasked = false;  // a scan line, not an answer to a command
};

}  // namespace r8::emulator
