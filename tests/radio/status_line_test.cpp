#include "radio/status_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

#include "radio/radio_model.h"

namespace r8 {
namespace {

// Status lines built by hand, independent of the emulator.
std::string R8Line(const std::string& flags, const std::string& freq9, bool memory = false,
                   const std::string& ch = "05") {
  return std::string(memory ? "*" : " ") + ch + " " + flags + " " + freq9 + " " + "MHz\r\n";
}

std::string R8ALine(const std::string& flags, const std::string& freq9,
                    const std::string& unit = "KHz", const std::string& hex = "00",
                    char squelch = ' ', const std::string& ch = "123") {
  return std::string(" ") + ch + " " + flags + " " + freq9 + squelch + unit + " " + "BBC____" +
         " " + hex + "\r\n";
}

TEST(StatusLine, Lengths) {
  EXPECT_EQ(StatusReplyLength(kModelR8), 25);
  EXPECT_EQ(StatusReplyLength(kModelR8A), 37);
  EXPECT_EQ(StatusReplyLength(kModelR8B), 37);
  EXPECT_EQ(StatusReplyLength(kModelNone), 0);
  EXPECT_EQ(R8Line("00000", "  9.58000").size(), 25u);
  EXPECT_EQ(R8ALine("00000", "  9580.00").size(), 37u);
}

TEST(StatusLine, R8LineDecodes) {
  RadioState r;
  // F1 "6": blanker narrow (0x04), AGC fast (0x02). F2 "2": RF off, notch on. F3 ":": antenna 2
  // (0x08), AM low part (0x02). F4 "<": AM high part (0x08), 6.0 kHz (0x04). F5 "8": VFO A, not
  // scanning.
  const StatusDecode d = DecodeStatusLine(R8Line("62:<8", "  9.58000", true, "42"), kModelR8, r);
  EXPECT_TRUE(d.frequency_valid);
  EXPECT_TRUE(r.PowerOn);
  EXPECT_DOUBLE_EQ(r.RadioFreq, 9580.0);
  EXPECT_EQ(r.MemoryMode, MemoryModeCode::kChannel);
  EXPECT_EQ(r.MemChannel, 42);
  EXPECT_EQ(r.NoiseBlanker, NoiseBlankerCode::kNarrow);
  EXPECT_EQ(r.AGC, AgcCode::kFast);
  EXPECT_EQ(r.RF, RfCode::kOff);
  EXPECT_EQ(r.Notch, NotchCode::kOn);
  EXPECT_EQ(r.Antenna, AntennaCode::kA2);
  EXPECT_EQ(r.Mode, ModeCode::kAm);
  EXPECT_EQ(r.Bandwidth, BandwidthCode::k6_0);
  EXPECT_EQ(r.VFO, VfoCode::kA);
  EXPECT_EQ(r.ScanState, ScanStateCode::kIdle);
}

TEST(StatusLine, R8AFrequencyFieldFollowsTheUnitFlagAndTheOffset) {
  RadioState r;
  r.FreqOffset = 1.78;
  DecodeStatusLine(R8ALine("00:<8", "  9580.00", "KHz", "9a"), kModelR8A, r);
  EXPECT_DOUBLE_EQ(r.RadioFreq, 9580.0 - 1.78);
  EXPECT_EQ(r.BandUnits, BandUnitsCode::kKHz);
  EXPECT_EQ(r.MeterLevel, 0x9a);
  EXPECT_EQ(r.MemChannel, 123);

  r.FreqOffset = 0;
  DecodeStatusLine(R8ALine("00:<9", "118.00000", "MHz", "ff"), kModelR8B, r);
  EXPECT_DOUBLE_EQ(r.RadioFreq, 118000.0);
  EXPECT_EQ(r.BandUnits, BandUnitsCode::kMHz);
  EXPECT_EQ(r.MeterLevel, 255);
}

TEST(StatusLine, F5Of0x3DMeansSyncVfoANotScanningAndMHz) {
  RadioState r;
  r.VFO = VfoCode::kB;
  r.ScanState = ScanStateCode::kReceiverScan;
  DecodeStatusLine(R8ALine("00:<=", " 15.77000", "MHz"), kModelR8A, r);
  EXPECT_TRUE(r.Sync);
  EXPECT_EQ(r.VFO, VfoCode::kA);
  EXPECT_EQ(r.ScanState, ScanStateCode::kIdle);
  EXPECT_EQ(r.BandUnits, BandUnitsCode::kMHz);
  EXPECT_DOUBLE_EQ(r.RadioFreq, 15770.0);
}

TEST(StatusLine, EveryFlagValueDecodes) {
  constexpr int kLeave = -1;
  struct Case {
    int field;  // 1..5
    int bits;   // low nibble of the flag character
    int nb, agc, rf, notch, antenna, bw;
  };
  // Each row sets one flag character; the others stay "0" except F3/F4 which give AM 6.0.
  const Case cases[] = {
      {1, 0x0, 0, CodeNumber(AgcCode::kOff), kLeave, kLeave, kLeave, kLeave},
      {1, 0x4, 1, CodeNumber(AgcCode::kOff), kLeave, kLeave, kLeave, kLeave},
      {1, 0xC, 2, CodeNumber(AgcCode::kOff), kLeave, kLeave, kLeave, kLeave},
      {1, 0x8, kLeave, CodeNumber(AgcCode::kOff), kLeave, kLeave, kLeave, kLeave},
      {1, 0x3, 0, CodeNumber(AgcCode::kSlow), kLeave, kLeave, kLeave, kLeave},
      {1, 0x2, 0, CodeNumber(AgcCode::kFast), kLeave, kLeave, kLeave, kLeave},
      {1, 0x1, 0, kLeave, kLeave, kLeave, kLeave, kLeave},
      {2, 0x0, kLeave, kLeave, CodeNumber(RfCode::kOff), 1, kLeave, kLeave},
      {2, 0x4, kLeave, kLeave, CodeNumber(RfCode::kAtt), 1, kLeave, kLeave},
      {2, 0x8, kLeave, kLeave, CodeNumber(RfCode::kPre), 1, kLeave, kLeave},
      {2, 0xC, kLeave, kLeave, kLeave, 1, kLeave, kLeave},
      {2, 0x2, kLeave, kLeave, CodeNumber(RfCode::kOff), 2, kLeave, kLeave},
      {3, 0x2, kLeave, kLeave, kLeave, kLeave, CodeNumber(AntennaCode::kA1), kLeave},
      {3, 0xA, kLeave, kLeave, kLeave, kLeave, CodeNumber(AntennaCode::kA2), kLeave},
      {3, 0x6, kLeave, kLeave, kLeave, kLeave, CodeNumber(AntennaCode::kC), kLeave},
      {3, 0xE, kLeave, kLeave, kLeave, kLeave, kLeave, kLeave},
      {4, 0x8, kLeave, kLeave, kLeave, kLeave, kLeave, 5},
      {4, 0x9, kLeave, kLeave, kLeave, kLeave, kLeave, 4},
      {4, 0xA, kLeave, kLeave, kLeave, kLeave, kLeave, 3},
      {4, 0xB, kLeave, kLeave, kLeave, kLeave, kLeave, 2},
      {4, 0xC, kLeave, kLeave, kLeave, kLeave, kLeave, 1},
      {4, 0xD, kLeave, kLeave, kLeave, kLeave, kLeave, kLeave},
      {4, 0xF, kLeave, kLeave, kLeave, kLeave, kLeave, kLeave},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("F" + std::to_string(c.field) + " bits " + std::to_string(c.bits));
    std::string flags = "00:<8";  // AM (F3 0x2, F4 0x8), 6.0 kHz, VFO A, not scanning
    flags[static_cast<std::size_t>(c.field - 1)] = static_cast<char>(0x30 | c.bits);
    RadioState r;
    r.NoiseBlanker = static_cast<NoiseBlankerCode>(9);
    r.AGC = static_cast<AgcCode>(9);
    r.RF = static_cast<RfCode>(9);
    r.Notch = static_cast<NotchCode>(9);
    r.Antenna = static_cast<AntennaCode>(9);
    r.Bandwidth = static_cast<BandwidthCode>(9);
    DecodeStatusLine(R8Line(flags, "  9.58000"), kModelR8, r);
    auto expect = [](int got, int want, int untouched) {
      EXPECT_EQ(got, want == kLeave ? untouched : want);
    };
    if (c.field == 1) {
      expect(CodeNumber(r.NoiseBlanker), c.nb, 9);
      expect(CodeNumber(r.AGC), c.agc, 9);
    }
    if (c.field == 2) {
      expect(CodeNumber(r.RF), c.rf, 9);
      expect(CodeNumber(r.Notch), c.notch, 9);
    }
    if (c.field == 3) expect(CodeNumber(r.Antenna), c.antenna, 9);
    if (c.field == 4) expect(CodeNumber(r.Bandwidth), c.bw, 9);
  }
}

TEST(StatusLine, EveryModeKey) {
  struct Case {
    char f3, f4;
    std::optional<ModeCode> mode;  // none: left as it was
  };
  // F4's bit 0x08 is the high part of the mode; its low bits give 6.0 kHz here.
  const Case cases[] = {{'0', '4', ModeCode::kLsb}, {'1', '4', ModeCode::kRtty},
                        {'2', '4', ModeCode::kFm},  {'0', '<', ModeCode::kUsb},
                        {'1', '<', ModeCode::kCw},  {'2', '<', ModeCode::kAm},
                        {'3', '4', std::nullopt},   {'3', '<', std::nullopt}};
  for (const Case& c : cases) {
    RadioState r;
    r.Mode = static_cast<ModeCode>(99);
    std::string flags = "00?08";
    flags[2] = c.f3;
    flags[3] = c.f4;
    DecodeStatusLine(R8Line(flags, "  9.58000"), kModelR8, r);
    EXPECT_EQ(r.Mode, c.mode.value_or(static_cast<ModeCode>(99))) << c.f3 << c.f4;
  }
}

TEST(StatusLine, FmHasNoAgcOrBandwidth) {
  RadioState r;
  DecodeStatusLine(R8ALine("30249", " 50.00000", "MHz"), kModelR8A, r);
  EXPECT_EQ(r.Mode, ModeCode::kFm);
  EXPECT_EQ(r.AGC, AgcCode::kNone);
  EXPECT_EQ(r.Bandwidth, BandwidthCode::k12);
}

TEST(StatusLine, PowerOnFollowsTheFrequencyField) {
  RadioState r;
  r.PowerOn = true;
  DecodeStatusLine(R8Line("00:<8", "---------"), kModelR8, r);
  EXPECT_FALSE(r.PowerOn);
  EXPECT_DOUBLE_EQ(r.RadioFreq, 5975.0);  // unchanged

  DecodeStatusLine(R8Line("00:<8", "  0.00000"), kModelR8, r);
  EXPECT_FALSE(r.PowerOn);

  // While the receiver scans by itself a line without a number leaves PowerOn as it was.
  r.PowerOn = true;
  DecodeStatusLine(R8Line("00:<8", "         "), kModelR8, r);
  EXPECT_FALSE(r.PowerOn);
  r.PowerOn = true;
  DecodeStatusLine(R8Line("00:<;", "         "), kModelR8, r);  // 0x3B: scanning
  EXPECT_EQ(r.ScanState, ScanStateCode::kReceiverScan);
  EXPECT_TRUE(r.PowerOn);
}

TEST(StatusLine, WrongLengthsChangeNothing) {
  const std::string good = R8Line("62:<8", "  9.58000", true);
  RadioState r;
  r.PowerOn = true;
  DecodeStatusLine(good.substr(0, 24), kModelR8, r);  // 24 bytes
  DecodeStatusLine(good + "x", kModelR8, r);
  DecodeStatusLine(good, kModelR8A, r);  // an R8 line to an R8A
  DecodeStatusLine(good, kModelNone, r);
  const RadioState fresh;
  EXPECT_EQ(r.MemoryMode, fresh.MemoryMode);
  EXPECT_EQ(r.NoiseBlanker, fresh.NoiseBlanker);
  EXPECT_DOUBLE_EQ(r.RadioFreq, fresh.RadioFreq);
  EXPECT_TRUE(r.PowerOn);
}

TEST(StatusLine, AFrequencyNoReceiverCanTuneIsNoFrequency) {
  RadioState r;
  r.PowerOn = true;
  DecodeStatusLine(R8Line("00:<8", "999999999"), kModelR8, r);  // a garbled R8 line: 10^12 kHz
  EXPECT_FALSE(r.PowerOn);
  EXPECT_DOUBLE_EQ(r.RadioFreq, 5975.0);
}

TEST(StatusLine, DamagedFieldsAreLeftAlone) {
  RadioState r;
  r.MemChannel = 7;
  r.MeterLevel = 33;
  DecodeStatusLine(R8ALine("00:<8", " 9.58e+03", "KHz", "G!", ' ', "1x3"), kModelR8A, r);
  EXPECT_EQ(r.MemChannel, 7);
  EXPECT_EQ(r.MeterLevel, 33);
  EXPECT_FALSE(r.PowerOn);  // an exponent is not what the receiver writes
}

// Every decoded field stays within its codes whatever the line holds.
void ExpectWithinCodes(const RadioState& r) {
  EXPECT_TRUE(CodeNumber(r.NoiseBlanker) >= 0 && CodeNumber(r.NoiseBlanker) <= 2);
  EXPECT_TRUE(CodeNumber(r.AGC) >= 0 && CodeNumber(r.AGC) <= 3);
  EXPECT_TRUE(CodeNumber(r.RF) >= 0 && CodeNumber(r.RF) <= 2);
  EXPECT_TRUE(r.Notch == NotchCode::kOff || r.Notch == NotchCode::kOn);
  EXPECT_TRUE(CodeNumber(r.Antenna) >= 0 && CodeNumber(r.Antenna) <= 2);
  EXPECT_TRUE(CodeNumber(r.Bandwidth) >= 0 && CodeNumber(r.Bandwidth) <= 5);
  EXPECT_TRUE(CodeNumber(r.Mode) >= 0 && CodeNumber(r.Mode) <= 5);
  EXPECT_TRUE(r.VFO == VfoCode::kA || r.VFO == VfoCode::kB);
  EXPECT_TRUE(r.ScanState == ScanStateCode::kIdle || r.ScanState == ScanStateCode::kReceiverScan);
  EXPECT_TRUE(r.BandUnits == BandUnitsCode::kKHz || r.BandUnits == BandUnitsCode::kMHz);
  EXPECT_TRUE(r.MemoryMode == MemoryModeCode::kVfo || r.MemoryMode == MemoryModeCode::kChannel);
  EXPECT_TRUE(r.MemChannel >= 0 && r.MemChannel <= 999);
  EXPECT_TRUE(r.MeterLevel >= 0 && r.MeterLevel <= 255);
  EXPECT_TRUE(std::isfinite(r.RadioFreq));
  EXPECT_LE(r.RadioFreq, kMaxStatusFreqKHz);
}

TEST(StatusLine, SurvivesAMillionRandomAndMutatedLines) {
  std::mt19937 rng(20261206);
  const std::string seeds[] = {R8Line("62:<8", "  9.58000", true),
                               R8ALine("00:<=", " 15.77000", "MHz"),
                               R8ALine("3024;", "  9580.00", "KHz", "A0", '*')};
  RadioState r;
  for (int i = 0; i < 1'000'000; ++i) {
    std::string line;
    const int kind = static_cast<int>(rng() % 4);
    if (kind == 0) {
      line.resize(rng() % 2 ? 25 : 37);
      for (char& c : line) c = static_cast<char>(rng() & 0xFF);
    } else {
      line = seeds[rng() % 3];
      const int edits = 1 + static_cast<int>(rng() % 6);
      for (int e = 0; e < edits; ++e) {
        const std::size_t at = rng() % line.size();
        switch (rng() % 4) {
          case 0:
            line[at] = static_cast<char>(rng() & 0xFF);
            break;
          case 1:
            line[at] = static_cast<char>(0x30 | (rng() & 0x0F));
            break;
          case 2:
            line[at] = "0123456789. -*"[rng() % 14];
            break;
          default:
            line.erase(at, 1);
            line.push_back(static_cast<char>(rng() & 0xFF));
            break;
        }
      }
      if (rng() % 50 == 0) line.resize(rng() % 40);
    }
    const int model = 1 + static_cast<int>(rng() % 3);
    DecodeStatusLine(line, model, r);
    ParseRadioStatus(line, r);
    ExpectWithinCodes(r);
    if (HasFailure()) FAIL() << "line " << i << " left a field outside its codes";
  }
}

}  // namespace
}  // namespace r8
