#include "stations/station_window_rules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

#include "common/format.h"
#include "common/user_prompts.h"
#include "settings/profile_file.h"
#include "settings/settings.h"

namespace r8 {
namespace {

constexpr std::string_view kWeekLetters = "smtwhfa";

bool AllDigits(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Cuts characters first..first+count-1 (0-based) out of text, short texts giving less.
std::string_view Cut(std::string_view text, std::size_t first, std::size_t count) {
  if (first >= text.size()) return {};
  return text.substr(first, count);
}

struct SizeEntry {
  StationWindow window;
  std::string_view key;
  WindowSize design;  // at 96 dpi
};

// Design sizes: wide enough for four columns of names, a full-schedule row of four frequencies,
// and a who-else row with its name, each about twenty rows high.
constexpr std::array kSizes = {
    SizeEntry{StationWindow::kSwbc, "STATLIST1", {640, 360}},
    SizeEntry{StationWindow::kUtility, "STATLIST2", {640, 300}},
    SizeEntry{StationWindow::kBcb, "STATLIST3", {480, 300}},
    SizeEntry{StationWindow::kFullSchedule, "FULLLIST", {720, 320}},
    SizeEntry{StationWindow::kOtherStations, "SKEDLIST", {460, 320}},
    SizeEntry{StationWindow::kPrograms, "DXLIST", {560, 360}},
};

const SizeEntry* SizeOf(StationWindow w) {
  for (const SizeEntry& e : kSizes) {
    if (e.window == w) return &e;
  }
  return nullptr;
}

}  // namespace

std::string SwbcCaption(std::string_view time4, int day_of_week) {
  const int day = std::clamp(day_of_week, 1, 7);
  return "&Available Shortwave Stations - [as of " + std::string(time4) +
         kWeekLetters[static_cast<std::size_t>(day - 1)] + "]";
}

std::string SwbcPreviewCaption(std::string_view preview_time) {
  return "Shortwave Stations Preview - [at " + std::string(preview_time) + "]";
}

std::optional<std::string> FilterTime(std::string_view entry) {
  std::string t = TrimStr(entry);
  if (!AllDigits(t) || t.size() > 4) return std::nullopt;
  switch (t.size()) {
    case 0:
      t = "0000";
      break;
    case 1:
      t = "0" + t + "00";
      break;
    case 2:
      t += "00";
      break;
    case 3:
      t = "0" + t;
      break;  // "530" reads as half past five
    default:
      break;
  }
  const int hours = (t[0] - '0') * 10 + (t[1] - '0');
  const int minutes = (t[2] - '0') * 10 + (t[3] - '0');
  if (hours > 23 || minutes > 59) return std::nullopt;
  return t;
}

int TimeStrToMinutes(std::string_view time4) {
  if (time4.size() < 4) return 0;
  return (time4[0] - '0') * 600 + (time4[1] - '0') * 60 + (time4[2] - '0') * 10 + (time4[3] - '0');
}

std::string MinutesToTime4(int minutes) {
  const int m = ((minutes % 1440) + 1440) % 1440;
  return IntToStr2Z(m / 60) + IntToStr2Z(m % 60);
}

int ClampRow(int row, int count) {
  if (count <= 0) return -1;
  return std::clamp(row, 0, count - 1);
}

bool IsHeadingRow(std::string_view line) { return !line.empty() && line.front() == '='; }

std::string StationListName(std::string_view line) { return TrimStr(Cut(line, 0, 25)); }

std::string ScheduleCellName(std::string_view cell) { return TrimStr(Cut(cell, 18, 25)); }

std::string ScheduleCellFreq(std::string_view cell) { return TrimStr(Cut(cell, 1, 7)); }

std::string ScheduleCellCode(std::string_view cell) { return std::string(Cut(cell, 9, 2)); }

std::optional<ModeCode> ModeFromStationCode(std::string_view code) {
  if (code.empty()) return std::nullopt;
  return ModeFromText(ListWindow::kOther, code);
}

std::optional<std::string> ValidateFreq(std::string_view text, UserPrompts& prompts) {
  const std::string trimmed = TrimStr(text);
  const std::optional<double> khz = ParseDecimal(trimmed);
  if (!khz || !std::isfinite(*khz) || *khz < 100.0 || *khz > 30000.0) {
    ShowMessage(prompts, MessageKind::kError,
                trimmed +
                    " is an illegal frequency.\r\rFrequencies entered must be between 100 "
                    "and 30000.");
    return std::nullopt;
  }
  return FormatFixedWidth(std::round(*khz * 10.0) * 0.1, 7, 1);
}

std::string_view WindowSizeKey(StationWindow w) {
  const SizeEntry* e = SizeOf(w);
  return e ? e->key : std::string_view();
}

WindowSize DesignSize(StationWindow w, double dpi) {
  const SizeEntry* e = SizeOf(w);
  const WindowSize d = e ? e->design : WindowSize{480, 320};
  const double scale = dpi > 0 ? dpi / 96.0 : 1.0;
  return {static_cast<int>(std::lround(d.width * scale)),
          static_cast<int>(std::lround(d.height * scale))};
}

WindowSize ReadWindowSize(ProfileFile& profile, bool file_exists, StationWindow w, double dpi) {
  WindowSize size = DesignSize(w, dpi);
  const std::string key(WindowSizeKey(w));
  if (!file_exists || key.empty()) return size;
  // A size too small to show a row is taken for a damaged key.
  const int x = profile.ReadInt("WINDOWS", key + "X", size.width);
  const int y = profile.ReadInt("WINDOWS", key + "Y", size.height);
  if (x >= 100 && x <= 10000) size.width = x;
  if (y >= 60 && y <= 10000) size.height = y;
  return size;
}

void WriteWindowSize(ProfileFile& profile, StationWindow w, WindowSize size) {
  const std::string key(WindowSizeKey(w));
  if (key.empty()) return;
  WriteLongSetting(profile, "WINDOWS", key + "X", size.width);
  WriteLongSetting(profile, "WINDOWS", key + "Y", size.height);
}

int StationListColumns(int width, double dpi) {
  // A column holds a 25-character name in the list's font.
  const double column = 210.0 * (dpi > 0 ? dpi / 96.0 : 1.0);
  return std::max(1, static_cast<int>(width / column));
}

}  // namespace r8
