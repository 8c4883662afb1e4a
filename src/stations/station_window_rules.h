// The rules of the station windows that need no window: captions, the preview filter, the
// selection clamp, the status texts of a row, the mode a station's code asks for, the frequency
// check of the who-else dialog and the saved window sizes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "freqlist/list_tuning.h"
#include "radio/radio_state.h"

namespace r8 {

class ProfileFile;
class UserPrompts;

// The station windows by the numbers SyncWindows' argument uses; kPrograms is the SWBC
// programmes list, which joins the registry from its own window.
enum class StationWindow : int {
  kNone = 0,
  kFind = 1,
  kFullSchedule = 2,
  kOtherStations = 3,
  kSwbc = 4,
  kUtility = 5,
  kBcb = 6,
  kPrograms = 7,
};
inline constexpr int kStationWindowSlots = 8;

inline bool IsStationList(StationWindow w) {
  return w == StationWindow::kSwbc || w == StationWindow::kUtility || w == StationWindow::kBcb;
}

inline constexpr std::string_view kFullScheduleCaption = "Frequency Schedule for ";
inline constexpr std::string_view kOtherStationsCaption = "Other Stations on ";

// The SWBC list's caption as of time4 on day (1 = Sunday), or in preview at preview_time.
std::string SwbcCaption(std::string_view time4, int day_of_week);
std::string SwbcPreviewCaption(std::string_view preview_time);

// The filter dialog's entry as a preview time: trimmed; empty gives "0000", one digit d "0d00",
// two digits hh "hh00", three digits hmm "0hmm". Nullopt for anything that is not a time of day
// (letters, more than four characters, hours above 23 or minutes above 59).
std::optional<std::string> FilterTime(std::string_view entry);
// "hhmm" read as minutes since midnight.
int TimeStrToMinutes(std::string_view time4);
// The track bar's minutes as hhmm; 1440 (the bar's end) is 0000 of the next day.
std::string MinutesToTime4(int minutes);

// After a refresh: the row kept, on the new last row when the list shrank; -1 for an empty list.
int ClampRow(int row, int count);

// A station-list row that is a time heading ("=======[1400-1500]=======").
bool IsHeadingRow(std::string_view line);
// The station name of a station-list row: its first 25 characters, trimmed.
std::string StationListName(std::string_view line);
// Column 0 of a full-schedule row: the name (characters 19 to 43), trimmed; empty on
// continuation rows.
std::string ScheduleCellName(std::string_view cell);
// A frequency cell of the full schedule (TAB, frequency, TAB, code): the frequency text, trimmed.
std::string ScheduleCellFreq(std::string_view cell);
// Its two code characters ("Uf", "Eu", or two blanks in an empty cell).
std::string ScheduleCellCode(std::string_view cell);

// The mode a station's code asks for: two blanks none, a second character "f" the mode named by
// the first (U USB, L LSB, F FM, C CW, R RTTY, A AM), anything else AM.
std::optional<ModeCode> ModeFromStationCode(std::string_view code);

// The who-else dialog's entry: the frequency as text with one decimal, or nullopt after the
// error box for a frequency outside 100..30000 kHz.
std::optional<std::string> ValidateFreq(std::string_view text, UserPrompts& prompts);

// Section "WINDOWS" keys without their "X"/"Y".
std::string_view WindowSizeKey(StationWindow w);
struct WindowSize {
  int width = 0;
  int height = 0;
};
// The size a window is made with: its keys when the settings file exists and holds them,
// otherwise the design size scaled by dpi / 96.
WindowSize DesignSize(StationWindow w, double dpi);
WindowSize ReadWindowSize(ProfileFile& profile, bool file_exists, StationWindow w, double dpi);
void WriteWindowSize(ProfileFile& profile, StationWindow w, WindowSize size);

// The number of columns of a station list as wide as width pixels.
int StationListColumns(int width, double dpi);

}  // namespace r8
