// The memory channel dialog's rules: which settings go together for a model, frequency and mode,
// what each action enables, and the frequency check of OK. The dialog only shows what these give.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "memory/memory_line.h"
#include "radio/radio_state.h"

namespace r8 {

enum class EditAction { kInsert = 0, kModify = 1, kDropInsert = 2, kMove = 3 };

// The shared record the dialog reads and writes.
struct MemEditRecord {
  EditAction action = EditAction::kInsert;
  MemoryLine line;  // channel, frequency (kHz), unit, settings and notes
  bool add = true;
  bool fill = false;
};

struct SettingsEnabled {
  bool notch = true, sync = true, antenna = true, rf = true, agc = true, bandwidth = true,
       mode = true, blanker = true;
  bool operator==(const SettingsEnabled&) const = default;
};

// SetDisplay: brings s in line with the receiver's rules for this frequency and model and says
// which controls may be changed. default_antenna is the index of the primary HF antenna.
SettingsEnabled SetDisplay(MemorySettings& s, double freq_khz, int model, int default_antenna);

enum class SettingList { kAntenna, kRf, kAgc, kBandwidth, kMode, kBlanker };
// CBNSelChange: the blank item and (for the bandwidth) "12." cannot be chosen; false then, and
// the record keeps its value.
bool ChooseItem(MemorySettings& s, SettingList list, int index);

// OKBtnClicked's check: the frequency in kHz, or the error text to show.
struct FrequencyCheck {
  std::optional<double> khz;
  std::string error;
};
FrequencyCheck CheckFrequency(std::string_view text, int unit);

// SetDefaults: the record from the receiver's present state.
MemEditRecord SetDefaults(const RadioState& radio, EditAction action, int channel);

// What the dialog shows for an action: caption, which of its parts are enabled.
struct EditFormView {
  std::string caption;
  bool channel_enabled = true;
  bool frequency_enabled = true;
  bool add_enabled = true;
  bool fill_enabled = true;
  bool settings_enabled = true;  // Insert takes the receiver's settings as they are
};
EditFormView ComputeEditForm(EditAction action, std::string_view file_name);

class AppContext;

// SetMemory's first half: the record for a channel of the table (the receiver's settings when it
// is empty; notes only from a line that has them).
MemEditRecord OpenForEdit(const AppContext& ctx, EditAction action, int channel);

// After OK: the line stored when add is set (a move clears its source channel when the channel
// changed), and the channel programmed into a connected receiver when fill is set.
void ApplyEdit(AppContext& ctx, const MemEditRecord& record, int source_channel);

// Rows dragged from the frequency list onto the memory list (CMDropFreqInsert). A row is the
// list's text: the frequency (kHz) in characters 19-25 and a two-character code in 27-28.
// Reads a row's frequency and mode into rec: a code ending in "F" names the mode by its first
// letter (C CW 0.5, F FM, L LSB 2.3, R RTTY 2.3, U USB 2.3), any other code but two blanks is
// AM 6.0, two blanks keep the mode; the bandwidth changes only with the mode. False when the row
// holds no frequency.
bool ReadDropRow(std::string_view row, MemEditRecord& rec);

// Stores the rows from the channel the receiver shows (0 when not connected) on, one channel
// each, until the channels run out. The first row's record goes through ask (the dialog; false
// ends the command before anything is stored); its settings are the template of the others,
// which follow the dependency rules. Each row is stored and, when connected, filled into the
// receiver, which is taken to VFO B for the fills and brought back afterwards. Returns the rows
// stored.
int DropFreqInsert(AppContext& ctx, const std::vector<std::string>& rows, std::string_view caption,
                   const std::function<bool(MemEditRecord&)>& ask);

}  // namespace r8
