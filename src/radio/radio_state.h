// The program's mirror of the receiver's front panel. Each code keeps a fixed number: the item
// index of its faceplate combo box (band units: the options' radio group item + 1). Numbers
// become codes only where they come in (a combo index, a menu item, a settings value), after a
// range check; CodeNumber gives the number back where one goes out.
#pragma once

#include <type_traits>

namespace r8 {

enum class AntennaCode : int { kA1 = 0, kA2 = 1, kC = 2 };
// kNone: the blank item, shown while antenna C (the converter) is in use.
enum class RfCode : int { kAtt = 0, kOff = 1, kPre = 2, kNone = 3 };
// kNone: the blank item, shown in FM.
enum class AgcCode : int { kOff = 0, kSlow = 1, kFast = 2, kNone = 3 };
// 12 kHz is FM's own filter: shown, never chosen.
enum class BandwidthCode : int { k12 = 0, k6_0 = 1, k4_0 = 2, k2_3 = 3, k1_8 = 4, k0_5 = 5 };
enum class ModeCode : int { kAm = 0, kFm = 1, kCw = 2, kRtty = 3, kLsb = 4, kUsb = 5 };
enum class NoiseBlankerCode : int { kOff = 0, kNarrow = 1, kWide = 2 };
enum class NotchCode : int { kOff = 1, kOn = 2 };
enum class VfoCode : int { kA = 1, kB = 2 };
// kCarrier: the tape relay follows carrier detect.
enum class TapeVoxCode : int { kOff = 1, kCarrier = 2 };
enum class MemoryModeCode : int { kVfo = 1, kChannel = 2 };
// kReceiverScan: the receiver runs its own scan and sends its lines unasked.
enum class ScanStateCode : int { kIdle = 1, kReceiverScan = 2 };
enum class BandUnitsCode : int { kKHz = 1, kMHz = 2 };

template <typename Code>
requires std::is_enum_v<Code>
constexpr int CodeNumber(Code code) { return static_cast<int>(code); }

// The other state of a code numbered 1 and 2. A number outside the pair stays outside it, so a
// field holding garbage still has no command.
template <typename Code>
requires std::is_same_v<Code, NotchCode> || std::is_same_v<Code, VfoCode> ||
    std::is_same_v<Code, MemoryModeCode> || std::is_same_v<Code, BandUnitsCode>
constexpr Code Flipped(Code code) { return static_cast<Code>(3 - CodeNumber(code)); }

struct RadioState {
  double RadioFreq = 5975.0;  // kHz, as displayed
  double FreqOffset = 0.0;    // kHz; the receiver is tuned to RadioFreq + FreqOffset
  AntennaCode Antenna = AntennaCode::kA2;
  RfCode RF = RfCode::kOff;
  AgcCode AGC = AgcCode::kFast;
  BandwidthCode Bandwidth = BandwidthCode::k6_0;
  ModeCode Mode = ModeCode::kAm;
  NoiseBlankerCode NoiseBlanker = NoiseBlankerCode::kOff;
  NotchCode Notch = NotchCode::kOff;
  VfoCode VFO = VfoCode::kA;
  bool Sync = false;
  bool Tape = false;
  TapeVoxCode TapeVOX = TapeVoxCode::kOff;
  bool VFOEqLamp = false;
  MemoryModeCode MemoryMode = MemoryModeCode::kVfo;
  int MemChannel = 0;
  ScanStateCode ScanState = ScanStateCode::kIdle;
  BandUnitsCode BandUnits = BandUnitsCode::kKHz;
  int MemTune = 0;
  bool PowerOn = false;
  int MeterLevel = 0;  // 0..255, R8A/R8B
  bool Carrier = false;
};

}  // namespace r8
