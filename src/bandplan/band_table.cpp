#include "bandplan/band_table.h"

#include <optional>

#include "common/format.h"

namespace r8 {

const std::array<BandRow, kBandCount>& BandTable() {
  static constexpr std::array<BandRow, kBandCount> kTable = {{
      {" LW ", 150, 280, 'B'},     {" Nav", 280, 530, 'N'},     {" BCB", 530, 1710, 'B'},
      {" Nav", 1710, 1800, 'N'},   {"160m", 1800, 2000, 'A'},   {" Mar", 2065, 2170, 'M'},
      {" Mar", 2190, 2194, 'M'},   {"120m", 2300, 2500, 'B'},   {"Aero", 2850, 3155, 'E'},
      {" 90m", 3200, 3400, 'B'},   {"Aero", 3400, 3500, 'E'},   {" 80m", 3500, 4000, 'A'},
      {" 75m", 3900, 4000, 'B'},   {" Mar", 4063, 4438, 'M'},   {"Aero", 4438, 4750, 'E'},
      {" 60m", 4700, 5100, 'B'},   {"Aero", 5450, 5730, 'E'},   {" 49m", 5700, 6250, 'B'},
      {" Mar", 6200, 6525, 'M'},   {"Aero", 6525, 6765, 'E'},   {" 40m", 7000, 7300, 'A'},
      {" 41m", 7100, 7600, 'B'},   {" Mar", 8195, 8815, 'M'},   {"Aero", 8815, 9040, 'E'},
      {" 31m", 9300, 10055, 'B'},  {"Aero", 11175, 11400, 'E'}, {" 25m", 11450, 12160, 'B'},
      {" Mar", 12330, 13200, 'M'}, {"Aero", 13200, 13360, 'E'}, {" 22m", 13550, 13900, 'B'},
      {" 20m", 14000, 14350, 'A'}, {" 19m", 14990, 15800, 'B'}, {" Mar", 16460, 17360, 'M'},
      {" 16m", 17450, 17925, 'B'}, {"Aero", 17900, 18030, 'E'}, {" 15m", 18900, 19020, 'B'},
      {" 14m", 21000, 21450, 'A'}, {" 13m", 21450, 21850, 'B'}, {"Astr", 21850, 21870, 'R'},
      {"Aero", 21870, 22000, 'E'}, {" Mar", 22000, 22720, 'M'}, {"Aero", 23200, 23350, 'E'},
      {"Land", 25000, 25070, 'L'}, {" Mar", 25070, 25110, 'M'}, {" 11m", 25600, 26100, 'B'},
      {"Land", 26100, 26480, 'L'}, {" CB ", 26965, 27405, 'C'}, {" 10m", 29700, 29999, 'A'},
  }};
  return kTable;
}

std::string BandLabelOf(std::string_view freq_text, bool power_on, BandUnitsCode units) {
  if (!power_on) return "    ";
  const std::optional<double> value = ParseDecimal(TrimStr(freq_text));
  if (!value) return "    ";
  double khz = *value;
  if (units == BandUnitsCode::kMHz) khz *= 1000.0;
  // The table ends below 30 MHz; what lies above is the converter's VHF, in either unit.
  if (khz > 30000.0) return " VHF";
  const auto& table = BandTable();
  // From the end: where bands overlap, the later row wins.
  for (auto row = table.rbegin(); row != table.rend(); ++row) {
    if (row->lower <= khz && khz <= row->upper) return std::string(row->name);
  }
  return " SW ";
}

std::vector<int> BandPageRows(int page) {
  std::vector<int> rows;
  for (int i = 0; i < kBandCount; ++i) {
    const char type = BandTable()[static_cast<std::size_t>(i)].type;
    const bool broadcast_or_amateur = type == 'A' || type == 'B';
    if (broadcast_or_amateur == (page == 0)) rows.push_back(i);
  }
  return rows;
}

std::array<std::string, 4> BandCells(const BandRow& row) {
  return {std::string(row.name), FormatIntWidth(row.lower, 5), FormatIntWidth(row.upper, 5),
          std::string(1, row.type)};
}

}  // namespace r8
