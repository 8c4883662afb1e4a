// The program's options and their home in the settings file "TARVELIN.INI".
//
// Fields named as the rest of the program knows them (RadioModel, CommPort, TxPace, RxPace,
// IgnoreDSR, ClockDisplay, TimeOffset) keep those names; the others follow the house style.
#pragma once

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "settings/profile_file.h"

namespace r8 {

// The program's title: the main window's caption and every message box's.
inline constexpr std::string_view kProgramTitle = "Veltrix R8 Control 32";
inline constexpr std::string_view kSettingsFileName = "TARVELIN.INI";
inline constexpr std::string_view kOptionsSection = "OPTIONS";
inline constexpr std::string_view kLogSection = "LOG";
inline constexpr std::string_view kUntitled = "<Untitled>";
// A TIME value that says the offset has not been chosen yet.
inline constexpr double kTimeNotSet = 20.0;

inline constexpr std::size_t kScanListMax = 88;

struct LogDetails {
  std::string dxer;
  std::string addr1;
  std::string addr2;
  std::string rcvr = "Drake R8";
  std::string antenna;
  std::string condx;
  bool operator==(const LogDetails&) const = default;
};

// Built-in defaults, in force before the settings file is read (and when there is none).
struct Settings {
  double TimeOffset = kTimeNotSet;           // TIME: hours added to local time to give UTC
  int local_clock = 2;                       // LOCAL: 1 = 12-hour, 2 = 24-hour local display
  int RadioModel = 0;                        // RADIO: 0 none, 1 R8, 2 R8A, 3 R8B
  int primary_antenna = 1;                   // ANTENNA
  int CommPort = 0;                          // PORT: 1..8, 0 until a file says otherwise
  int TxPace = 5;                            // TXPACE, ms
  int RxPace = 115;                          // RXPACE, ms
  bool IgnoreDSR = false;                    // IGNOREDSR = 1
  bool complete_reply = false;               // RXCOMPLETE = 1: read a reply once it is whole
  int net_port = 0;                          // NETPORT: the network control server's port, 0 off
  int scan_mode = 0;                         // SCANMODE 0..4
  int scan_type = 0;                         // SCANTYPE 0..3
  int scan_delay = 3;                        // SCANDELAY 0..10
  std::string scan_list = "empty";           // SCANLIST
  std::string mem_file{kUntitled};           // MEMFILE
  std::string log_file = ".\\TARVELIN.LOG";  // LOGFILE
  std::string log_form{kUntitled};           // LOGFORM
  std::string rpt_form{kUntitled};           // RPTFORM
  int mark_color = 0x800000;                 // MARK, red in the low byte
  int high_color = 0xFFFF00;                 // HIGH
  int timer_enabled = 0;                     // TIMER
  int ClockDisplay = 2;                      // CLOCK: 1 local, 2 UTC
  int hints = 1;                             // HINTS
  bool ex_freq_enabled = false;              // EXFREQ = 1
  double ex_freq1 = 0.0;                     // EXFREQ1, kHz
  double ex_freq2 = 0.0;                     // EXFREQ2, kHz
  double h_step = 0.01;                      // HSTEP, kHz
  double v_step = 0.1;                       // VSTEP, kHz
  int x_pos = 0;                             // XPOS
  int y_pos = 0;                             // YPOS
  LogDetails log;                            // section "LOG"
};

// The hours added to local time to give UTC; 0 while the user has not set the clock.
inline double UtcOffsetHours(const Settings& s) {
  return s.TimeOffset == kTimeNotSet || !std::isfinite(s.TimeOffset) ? 0.0 : s.TimeOffset;
}

// The small operations every subsystem uses.
bool WriteIntSetting(ProfileFile& f, std::string_view section, std::string_view key,
                     long long value, int width);
bool WriteLongSetting(ProfileFile& f, std::string_view section, std::string_view key,
                      long long value);
bool WriteRealSetting(ProfileFile& f, std::string_view section, std::string_view key, double value,
                      int width, int decimals);
// The trimmed text read as a decimal number; a text that is not one gives 0.
double ReadRealSetting(ProfileFile& f, std::string_view section, std::string_view key,
                       std::string_view def_text);

// Section "OPTIONS" into s. Unusable values (not a number, out of range) keep the key's default.
void ReadSettings(ProfileFile& f, Settings& s);
// TIME, LOCAL, RADIO, ANTENNA, PORT, TXPACE, RXPACE, RXCOMPLETE, IGNOREDSR, MARK, HIGH, HINTS.
bool WriteSettings(ProfileFile& f, const Settings& s);
// What the Options dialog's OK adds: EXFREQ*, HSTEP, VSTEP, the scan keys, NETPORT and the "LOG"
// section.
bool WriteOptionKeys(ProfileFile& f, const Settings& s);
// What the program writes at exit besides the lists: XPOS/YPOS (unless minimised), TIMER, CLOCK.
bool WriteExitSettings(ProfileFile& f, const Settings& s, bool minimised);

LogDetails ReadLogDetails(ProfileFile& f);
bool WriteLogDetails(ProfileFile& f, const LogDetails& d);

// The step and offset combo lists ("STEPSIZE"/"STEP"/"DSTEP", "OFFSET"/"OFST"/"DOFST").
struct ComboList {
  std::vector<std::string> items;  // item 0 is the blank one
  int index = 0;
};
ComboList DefaultStepList();    // index 5, the "   5.00" item
ComboList DefaultOffsetList();  // index 3, the " 0.00" item
inline constexpr int kStepListWidth = 7;
inline constexpr int kOffsetListWidth = 5;
// More stored items than this are not read.
inline constexpr int kComboListMaxItems = 100;

// Replaces list with the stored one when the section has a COUNT above 0; otherwise only the index
// takes its default. A stored item that is wider than the list or not a number is left out.
void ReadComboList(ProfileFile& f, ComboList& list, std::string_view section,
                   std::string_view prefix, int default_index, int width,
                   std::string_view index_key);
bool WriteComboList(ProfileFile& f, const ComboList& list, std::string_view section,
                    std::string_view prefix, std::string_view index_key);

}  // namespace r8
