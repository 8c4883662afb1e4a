#include "freqlist/list_tuning.h"

#include <cctype>
#include <string>

#include "app/app_context.h"
#include "common/format.h"
#include "radio/radio_protocol.h"

namespace r8 {

namespace {

constexpr std::size_t kMaxRowText = 89;

std::string_view Cut(std::string_view s, std::size_t from1, std::size_t length) {
  if (from1 == 0 || from1 > s.size()) return {};
  return s.substr(from1 - 1, length);
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

// The log row as the list gives it: the first four cells joined by TABs, with character 9 made a
// TAB so that the frequency number stands apart from its unit.
std::string_view LimitRow(std::string_view row) { return row.substr(0, kMaxRowText); }

}  // namespace

std::optional<ModeCode> ModeFromName(std::string_view text) {
  std::string three;
  for (char c : text.substr(0, 3)) three += Upper(c);
  if (three.empty()) return std::nullopt;
  switch (three[0]) {
    case 'A':
      return three == "ARQ" ? ModeCode::kRtty : ModeCode::kAm;
    case 'C':
      return ModeCode::kCw;
    case 'F':
      return three == "FEC" ? ModeCode::kRtty : ModeCode::kFm;
    case 'L':
      return ModeCode::kLsb;
    case 'R':
      return ModeCode::kRtty;
    case 'U':
      return ModeCode::kUsb;
    default:
      return std::nullopt;
  }
}

std::optional<ModeCode> ModeFromText(ListWindow window, std::string_view text) {
  if (window == ListWindow::kLogList) {
    bool found = false;
    for (int i = 0; i < 4; ++i) {
      const std::size_t tab = text.find('\t');
      found = tab != std::string_view::npos;
      if (found) text.remove_prefix(tab + 1);
    }
    if (!found) return std::nullopt;
    return ModeFromName(text);
  }
  if (text.size() >= 2 && text[0] == ' ' && text[1] == ' ') return std::nullopt;
  if (text.size() >= 2 && text[1] == 'f') return ModeFromName(text);
  return ModeCode::kAm;
}

void SetModeFromText(AppContext& ctx, ListWindow window, std::string_view text) {
  const std::optional<ModeCode> mode = ModeFromText(window, text);
  RadioState& r = ctx.radio();
  if (!mode || *mode == r.Mode) return;
  r.Mode = *mode;
  ctx.control().RadioCommand(kCmdMode, false);
}

std::optional<double> ListRowFrequency(ListWindow window, std::string_view row) {
  row = LimitRow(row);
  const bool log = window == ListWindow::kLogList;
  const std::optional<double> f = ParseDecimal(Trim(log ? Cut(row, 1, 8) : Cut(row, 19, 7)));
  if (!f || *f <= 0.0) return std::nullopt;
  return log && Cut(row, 10, 3) == "MHz" ? *f * 1000.0 : *f;
}

void TuneToListRow(AppContext& ctx, ListWindow window, std::string_view row, bool refresh) {
  RadioState& r = ctx.radio();
  if (r.ScanState == ScanStateCode::kReceiverScan) return;
  row = LimitRow(row);
  const std::optional<double> khz = ListRowFrequency(window, row);
  if (!khz) return;
  ctx.control().TuneRadio(*khz);
  SetModeFromText(ctx, window, window == ListWindow::kLogList ? row : Cut(row, 27, 2));
  if (refresh) ctx.commands().Post(AppCommand::kRefresh);
}

}  // namespace r8
