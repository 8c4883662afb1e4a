#include "memory/memory_print.h"

#include <array>
#include <filesystem>
#include <system_error>

#include "memory/memory_commands.h"
#include "printing/page_sheet.h"
#include "radio/radio_model.h"
#include "settings/settings.h"

namespace r8 {

namespace {

constexpr int kPerPage = 100;
constexpr int kPerColumn = 50;
constexpr int kPerBank = 10;
constexpr double kColumnWidth = 3.75;

// The display line's fields after its leading TAB: 1 channel, 2 frequency or "<none>", 3 unit,
// 12 notes (the rest, TABs and all).
std::array<std::string, 4> RowTexts(const std::string& row) {
  std::array<std::string, 4> out;  // channel, frequency, unit, notes
  std::size_t start = 1;           // the line begins with a TAB
  for (int field = 1; field <= 12; ++field) {
    const std::size_t tab = field == 12 ? std::string::npos : row.find('\t', start);
    const std::string text = row.substr(start, tab == std::string::npos ? tab : tab - start);
    if (field == 1) out[0] = text;
    if (field == 2) out[1] = text;
    if (field == 3) out[2] = text;
    if (field == 12) out[3] = text;
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  return out;
}

}  // namespace

std::string MemoryPrintName(const std::string& file_name) {
  if (file_name.empty() || file_name == kUntitled) return file_name;
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(file_name, ec);
  return ec ? file_name : full.lexically_normal().string();
}

int MemoryPageCount(int model) { return (MemoryChannelCount(model) + kPerPage - 1) / kPerPage; }

std::string BankLabel(int model, int first_channel) {
  const int bank = first_channel / kPerBank;
  std::string digits = std::to_string(bank);
  if (model != kModelR8 && digits.size() < 2) digits.insert(0, 1, '0');
  return "Bank " + digits;
}

MemoryPages::MemoryPages(const MemoryDocument& doc, int model, std::string date,
                         std::string file_name)
    : doc_(doc),
      model_(model),
      count_(MemoryChannelCount(model)),
      date_(std::move(date)),
      file_name_(std::move(file_name)) {}

int MemoryPages::Layout(PageCanvas& canvas, std::string& error) {
  if (canvas.PageHeight() < 60 || canvas.PageWidth() < 8) {
    error = "The printer's page is too small for the memory sheet.";
    return 0;
  }
  return MemoryPageCount(model_);
}

void MemoryPages::DrawPage(PageCanvas& canvas, int page) {
  PageSheet sheet(canvas);
  const int L = sheet.L();
  int y = L;
  sheet.Pen(kThinPen);
  sheet.Font(true);
  sheet.Text(4.0, y, kMemoryPrintTitle, TextAlign::kCentre);
  if (model_ != kModelR8) {
    sheet.Text(kFrameRight, y, "Page " + std::to_string(page), TextAlign::kRight, 6.0);
  }

  y += 2 * L;
  const int top = y;
  sheet.Pen(kThickPen);
  sheet.Rule(y);
  y += L / 4;
  const int page_first = (page - 1) * kPerPage;
  for (int bank = 0; bank < kPerColumn / kPerBank; ++bank) {
    sheet.Pen(kThinPen);
    sheet.Font(true);
    for (int column = 0; column < 2; ++column) {
      const double base = kFrameLeft + column * kColumnWidth;
      const double end = base + kColumnWidth;
      const int first = page_first + column * kPerColumn + bank * kPerBank;
      if (first >= count_) continue;
      sheet.Text(base + 0.2, y, "Mem", TextAlign::kCentre, base, base + 0.4);
      sheet.Text(base + 0.91, y, "Frequency", TextAlign::kCentre, base + 0.4, base + 1.44);
      sheet.Text(base + 1.44, y, "Notes", TextAlign::kLeft, base + 1.44, base + 2.7);
      sheet.Text(base + 3.69, y, BankLabel(model_, first), TextAlign::kRight, base + 2.7, end);
      sheet.Rule(y + L, base, end);
    }
    y += L;
    sheet.Font(false);
    for (int row = 0; row < kPerBank; ++row) {
      for (int column = 0; column < 2; ++column) {
        const double base = kFrameLeft + column * kColumnWidth;
        const int channel = page_first + column * kPerColumn + bank * kPerBank + row;
        if (channel >= count_) continue;
        const auto texts = RowTexts(MemDisplayLine(channel, doc_.slot(channel), model_));
        sheet.Text(base + 0.2, y, texts[0], TextAlign::kCentre, base, base + 0.4);
        sheet.Text(base + 1.01, y, texts[1], TextAlign::kRight, base + 0.4, base + 1.01);
        sheet.Text(base + 1.07, y, texts[2], TextAlign::kLeft, base + 1.07, base + 1.44);
        sheet.Text(base + 1.44, y, texts[3], TextAlign::kLeft, base + 1.44, base + kColumnWidth);
      }
      y += L;
    }
    // Each bank closes with a rule under its last row.
    for (int column = 0; column < 2; ++column) {
      const double base = kFrameLeft + column * kColumnWidth;
      if (page_first + column * kPerColumn + bank * kPerBank < count_) {
        sheet.Rule(y, base, base + kColumnWidth);
      }
    }
  }
  sheet.Pen(kThickPen);
  sheet.Rule(y);
  sheet.FrameSides(top, y);
  sheet.Pen(kThinPen);
  sheet.Upright(kFrameLeft + kColumnWidth, top, y);
  sheet.Footer(y, date_, "Memory File: " + file_name_);
}

}  // namespace r8
