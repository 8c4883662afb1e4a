// What the timer edit dialog does with its fields, and what a programme dropped on the timer list
// brings with it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "timers/timer_table.h"

namespace r8 {

class StationDatabase;

enum class TimerEditMode { kModify = 1, kClear = 2, kCreate = 3, kMove = 4 };

struct TimerEditCaption {
  const char* caption;
  int help_context;
};
TimerEditCaption TimerEditCaptionOf(TimerEditMode mode);

// The dialog's fields as typed and chosen.
struct TimerDialogFields {
  std::string number_text;  // TimerNoBox ("01".."30"), modes 3 and 4
  bool set = false;
  std::string time_text;
  std::string freq_text;  // FreqEdit, or FreqBox in mode 3
  bool khz = false;       // "&k"
  bool mhz = false;       // "&M"
  bool daily = false;
  bool day[7] = {};  // Sun..Sat
  std::string notes_text;
};

// SetTimerData: the record the fields make, from the one that was there (its unit stays when no
// unit button is chosen). index is where it goes: the chosen number in modes 3 and 4, nullopt
// when that number is not 1..30.
struct TimerEditResult {
  std::optional<int> index;
  TimerRecord record;
};
TimerEditResult SetTimerData(TimerEditMode mode, int index, const TimerRecord& old,
                             const TimerDialogFields& f);

// The fields a record shows in modes 1, 2 and 4.
TimerDialogFields FieldsOf(const TimerRecord& r, int index);

// What a dropped programme line brings: its time, station name, day bit and notes.
struct TimerPrefill {
  std::string time;
  std::string station;
  std::uint8_t day_bit = 0;
  std::string notes;
};
// nullopt for a heading ("[...]") or a line too short to hold a time.
std::optional<TimerPrefill> PrefillFromProgrammeLine(std::string_view line);
// The frequencies (7 wide, 1 decimal) of the station's records on the air at the prefill time,
// then of its utility records.
std::vector<std::string> FillFreq(const StationDatabase& db, const TimerPrefill& p);

}  // namespace r8
