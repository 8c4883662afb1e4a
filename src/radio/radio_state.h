// The program's mirror of the receiver's front panel. The integer codes are also the item indexes
// of the faceplate's combo boxes.
#pragma once

namespace r8 {

// Antenna
inline constexpr int kAntenna1 = 0;
inline constexpr int kAntenna2 = 1;
inline constexpr int kAntennaC = 2;
// RF
inline constexpr int kRfAtt = 0;
inline constexpr int kRfOff = 1;
inline constexpr int kRfPre = 2;
// AGC (3: none shown, in FM)
inline constexpr int kAgcOff = 0;
inline constexpr int kAgcSlow = 1;
inline constexpr int kAgcFast = 2;
inline constexpr int kAgcNone = 3;
// Bandwidth: 0 is 12 kHz (FM only), then 6.0, 4.0, 2.3, 1.8, 0.5 kHz
inline constexpr int kBw12 = 0;
inline constexpr int kBw6_0 = 1;
inline constexpr int kBw0_5 = 5;
// Mode
inline constexpr int kModeAm = 0;
inline constexpr int kModeFm = 1;
inline constexpr int kModeCw = 2;
inline constexpr int kModeRtty = 3;
inline constexpr int kModeLsb = 4;
inline constexpr int kModeUsb = 5;

struct RadioState {
  double RadioFreq = 5975.0;  // kHz, as displayed
  double FreqOffset = 0.0;    // kHz; the receiver is tuned to RadioFreq + FreqOffset
  int Antenna = kAntenna2;
  int RF = kRfOff;
  int AGC = kAgcFast;
  int Bandwidth = kBw6_0;
  int Mode = kModeAm;
  int NoiseBlanker = 0;  // 0 off, 1 narrow, 2 wide
  int Notch = 1;         // 1 off, 2 on
  int VFO = 1;           // 1 A, 2 B
  bool Sync = false;
  bool Tape = false;
  int TapeVOX = 1;  // 1 off, 2 the tape relay follows carrier detect
  bool VFOEqLamp = false;
  int MemoryMode = 1;  // 1 VFO, 2 memory channel
  int MemChannel = 0;
  int ScanState = 1;  // 1 idle, 2 the receiver runs its own scan
  int BandUnits = 1;  // 1 kHz, 2 MHz
  int MemTune = 0;
  bool PowerOn = false;
  int MeterLevel = 0;  // 0..255, R8A/R8B
  bool Carrier = false;
};

}  // namespace r8
