// The Options dialog without its window: what the controls show when it opens, which of them can
// be used, the checks that must pass before it may close, the immediate handlers that act on the
// receiver and the settings at once, and what OK commits and writes.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings.h"
#include "common/progress.h"
#include "common/user_prompts.h"
#include "options/scan_settings.h"
#include "radio/radio_state.h"

namespace r8 {

class AppContext;

// Pages of the notebook, in order.
enum OptionsPage : int {
  kPageComms = 0,
  kPageTime = 1,
  kPageRadio = 2,
  kPageScan = 3,
  kPageLog = 4,
  kPageDisplay = 5,
  kPageGeneral = 6,
};
inline constexpr int kOptionsPageCount = 7;
inline constexpr std::array<std::string_view, kOptionsPageCount> kOptionsPageNames = {
    "Comms", "Time", "Radio", "Scan", "Log", "Display", "General"};

inline constexpr std::array<std::string_view, 8> kPortItems = {
    "COM&1:", "COM&2:", "COM&3:", "COM&4:", "COM&5:", "COM&6:", "COM&7:", "COM&8:"};
inline constexpr std::array<std::string_view, 13> kHourItems = {
    "00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12"};
inline constexpr std::array<std::string_view, 4> kMinuteItems = {"00", "15", "30", "45"};

// The 16 colours of the "General" page's grid, as the settings file stores colours (red in the
// low byte), in grid order: four rows of four.
inline constexpr std::array<int, 16> kGridColors = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
// The grid cell of a colour, or -1 when the grid does not have it.
int ColorGridIndex(int color);

// What the controls hold. An item index of -1 means nothing is selected.
struct OptionsForm {
  // "Comms"
  int port_item = -1;       // RxPort: COM1..COM8
  std::string line_pacing;  // LineEdit (RXPACE)
  std::string char_pacing;  // CharEdit (TXPACE)
  bool ignore_dsr = false;  // IgnoreCB
  bool complete_reply = false;  // CompleteCB (RXCOMPLETE)
  bool net_enabled = false;     // NetCB: the network control server (NETPORT above 0)
  std::string net_port;         // NetPortEdit
  // "Time"
  int sign_item = 0;     // TimeOffset: 0 "+", 1 "-"
  int hour_item = -1;    // HourLst
  int minute_item = -1;  // MinLst
  int local_item = 1;    // LocalTime: 0 12-hour, 1 24-hour
  // "Radio"
  int antenna_item = -1;        // AntPort
  std::string from_freq;        // FromFreq
  std::string to_freq;          // ToFreq
  bool except_enabled = false;  // ExceptBox
  int model_item = -1;          // RadioGrp: R8, R8A, R8B
  std::string hf_step;          // HFStepE
  std::string vhf_step;         // VHFStepE
  // "Scan"
  int mode_item = -1;   // ModeLst
  int type_item = -1;   // TypeLst
  int delay_item = -1;  // DelayLst
  BankFlags banks{};    // Bank0..Bank99
  // "Log"
  LogDetails log;
  // "Display"
  int clock_display_item = 1;  // RadioTimeDisp: 0 local, 1 UTC
  int display_mode_item = -1;  // RadioDisp: the receiver's choice is not known
  int name_mode_item = -1;     // RadioNameDisp: likewise
  int band_display_item = 0;   // RadioBandDisp: 0 kHz, 1 MHz
  // "General"
  int mark_color = 0x800000;  // the grid's background choice
  int high_color = 0xFFFF00;  // the grid's foreground choice
  bool hints = true;          // HintsBox

  int model() const { return model_item + 1; }
};

// FormShow's filling rules.
OptionsForm FillOptionsForm(const Settings& s, const RadioState& radio, const LogDetails& log);

// Which controls can be used for what the form holds now.
struct OptionsEnabling {
  bool char_edit = false;                // character pacing: the R8 only
  bool receiver_display = false;         // the five display controls of the R8A/R8B
  bool band_edits = false;               // the alternate band's edges follow its box
  bool delay_list = false;               // only for the type "Time"
  std::array<bool, kBankCount> banks{};  // mode "List", and only the banks the model has
};
OptionsEnabling ComputeOptionsEnabling(const OptionsForm& f);

struct OptionsError {
  std::string message;
  int page = kPageComms;
  bool default_position = false;  // shown where the platform puts boxes, not below the dialog
};
// The first failing check, in the dialog's order, or nullopt when the form may be committed.
std::optional<OptionsError> CheckErrors(const OptionsForm& f);

// TIME for the Time page's choice; nullopt while hours or minutes are not chosen.
std::optional<double> FormTimeOffset(const OptionsForm& f);

// Applies a form that passed CheckErrors to the settings (OK's step 1 to 5, without writing).
void CommitOptionsForm(const OptionsForm& f, Settings& s);
// Every key OK writes: section "OPTIONS" and section "LOG", replaced in one go.
bool WriteOptionsFile(ProfileFile& file, const Settings& s);

// Where a warning box of about box_w x box_h goes so that it sits just below the dialog and
// still on the screen.
ScreenPoint BoxBelow(const ScreenRect& dialog, const ScreenRect& screen, int box_w, int box_h);

// The dialog's behaviour on the program's state.
class OptionsCore {
 public:
  explicit OptionsCore(AppContext& ctx);

  // FormShow: the form for the present settings and receiver state (reads section "LOG").
  OptionsForm FormShow();
  // While set, the display handlers send nothing (the controls are being filled).
  void set_filling(bool filling) { filling_ = filling; }
  bool filling() const { return filling_; }

  // Immediate handlers: they act at once and stay in force after Cancel.
  void RadioGrpClick(int item);
  void ExceptBoxClick(bool enabled, std::string_view from_text, std::string_view to_text);
  void HintsBoxClick(bool on);
  void RadioTimeBtnClick();
  void RadioTimeDispClick(int item);
  void RadioDispClick(int item);
  void ChangeRadioBright();
  void ChangeRadioStep();
  void RadioNameDispClick(int item);
  void RadioBandDispClick(int item);

  struct Outcome {
    bool close = false;      // the dialog may close
    int page = -1;           // the page to show when it may not
    BankFlags scan_banks{};  // after OK: the flags rebuilt from SCANLIST
  };
  // below: where a warning box goes (the dialog's bottom edge); nullopt for the default place.
  Outcome OKBtnClick(const OptionsForm& f, std::optional<ScreenPoint> below);
  Outcome CancelBtnClick(const OptionsForm& f, std::optional<ScreenPoint> below);

 private:
  bool ShowError(const std::optional<OptionsError>& e, std::optional<ScreenPoint> below);
  void ReopenPort();

  AppContext& ctx_;
  bool filling_ = false;
  int model_at_open_ = 0;
};

}  // namespace r8
