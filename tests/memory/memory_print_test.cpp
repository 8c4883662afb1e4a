#include "memory/memory_print.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "memory/memory_line.h"
#include "radio/radio_model.h"
#include "support/recording_page_canvas.h"

namespace r8 {
namespace {

using Canvas = testing::RecordingPageCanvas;

std::vector<std::string> Texts(const Canvas::Page& page) {
  std::vector<std::string> out;
  for (const auto& m : page.texts) out.push_back(m.text);
  return out;
}

bool Has(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

MemoryDocument Doc(int model) {
  MemoryDocument doc;
  for (int channel : {5, 150, 439, 440, 999}) {
    MemoryLine m;
    m.channel = channel;
    m.long_form = model != kModelR8;
    m.freq_khz = 9580.0;
    m.notes = "DX" + std::to_string(channel);
    doc.SetSlot(channel, CreateTuneString(m, model == kModelR8 ? kModelR8 : kModelR8B));
  }
  return doc;
}

// Every model's sheet: its pages, the first and last channel and bank label printed, the first
// left out, and the page number only on the R8A and R8B. Channels beyond the count (150 and 440
// on the R8, 440 and 999 on the R8A) are never printed.
TEST(MemoryPages, EachModelsPagesAndTheLastPartialBank) {
  const struct {
    int model, pages;
    std::string last_channel, last_bank, first_missing;
    bool page_numbers;
  } cases[] = {
      {kModelR8, 1, "99", "Bank 9", "100", false},
      {kModelR8A, 5, "439", "Bank 43", "440", true},
      {kModelR8B, 10, "999", "Bank 99", "1000", true},
      {0, 10, "999", "Bank 99", "1000", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.model);
    const MemoryDocument doc = Doc(c.model);
    MemoryPages pages(doc, c.model, "07 Dec 26", "/dx/DEMO.MEM");
    Canvas canvas(800, 1200);
    const bool aborted = false;
    const PageRunResult r = RunPageJob(canvas, pages, {}, {}, aborted);
    EXPECT_EQ(r.pages, c.pages);
    ASSERT_EQ(canvas.pages.size(), static_cast<std::size_t>(c.pages));
    const std::vector<std::string> first = Texts(canvas.pages.front());
    const std::vector<std::string> last = Texts(canvas.pages.back());
    EXPECT_TRUE(Has(first, c.model == kModelR8 ? "Bank 0" : "Bank 00"));
    EXPECT_TRUE(Has(last, c.last_channel));
    EXPECT_TRUE(Has(last, c.last_bank));
    EXPECT_FALSE(Has(last, c.first_missing));
    EXPECT_EQ(Has(last, "Page " + std::to_string(c.pages)), c.page_numbers);
    EXPECT_TRUE(Has(last, "Memory File: /dx/DEMO.MEM"));
    EXPECT_TRUE(Has(first, "Veltrix R8 Control Memories"));
    // Headings, labels and rows of the banks that exist, nothing of the others.
    const int count = c.model == kModelR8 ? 100 : c.model == kModelR8A ? 440 : 1000;
    const int on_last = count - (c.pages - 1) * 100;
    EXPECT_EQ(std::count(last.begin(), last.end(), "<none>") +
                  std::count_if(last.begin(), last.end(),
                                [](const std::string& t) { return t.rfind("DX", 0) == 0; }),
              on_last);
    EXPECT_EQ(std::count(last.begin(), last.end(), "Mem"), (on_last + 9) / 10);
    for (const std::string& t : first) {
      EXPECT_TRUE(t != "DX150" || c.model != kModelR8) << "channel 150 beyond the R8's count";
    }
  }
}

// A stored channel shows its frequency, unit and notes; an empty one "<none>" and no unit, in
// the row of its channel number.
TEST(MemoryPages, RowsOfStoredAndEmptyChannels) {
  const MemoryDocument doc = Doc(kModelR8A);
  MemoryPages pages(doc, kModelR8A, "07 Dec 26", "DX.MEM");
  Canvas canvas(800, 1200);
  pages.DrawPage(canvas, 1);
  auto row_of = [&](const std::string& channel) {
    std::vector<std::string> row;
    int y = -1;
    for (const auto& m : canvas.pages[0].texts) {
      if (m.text == channel && m.x1 < 400) y = m.y1;
    }
    for (const auto& m : canvas.pages[0].texts) {
      if (m.y1 == y && m.x1 < 400) row.push_back(m.text);
    }
    return row;
  };
  EXPECT_EQ(row_of("005"), (std::vector<std::string>{"005", "9580.00", "kHz", "DX5"}));
  EXPECT_EQ(row_of("006"), (std::vector<std::string>{"006", "<none>"}));
}

TEST(MemoryPages, BankLabelsAndTheFileName) {
  EXPECT_EQ(BankLabel(kModelR8, 0), "Bank 0");
  EXPECT_EQ(BankLabel(kModelR8, 90), "Bank 9");
  EXPECT_EQ(BankLabel(kModelR8A, 0), "Bank 00");
  EXPECT_EQ(BankLabel(kModelR8B, 990), "Bank 99");
  EXPECT_EQ(MemoryPrintName("<Untitled>"), "<Untitled>");
  EXPECT_EQ(MemoryPrintName("/dx/./DEMO.MEM"), "/dx/DEMO.MEM");
  EXPECT_TRUE(std::filesystem::path(MemoryPrintName("DEMO.MEM")).is_absolute());
}

// Long notes stay in their column: nothing of the left column reaches the right one.
TEST(MemoryPages, LongNotesStayInTheirColumn) {
  MemoryDocument doc;
  MemoryLine m;
  m.freq_khz = 9580.0;
  m.notes = std::string(60, 'N');
  for (int c = 0; c < 100; ++c) {
    m.channel = c;
    doc.SetSlot(c, CreateTuneString(m, kModelR8B));
  }
  MemoryPages pages(doc, kModelR8B, "07 Dec 26", "DX.MEM");
  Canvas canvas(800, 1200);
  pages.DrawPage(canvas, 1);
  int notes = 0;
  for (const auto& t : canvas.pages[0].texts) {
    if (t.text[0] != 'N' || t.text == "Notes") continue;
    ++notes;
    const bool left = t.x1 < 400;
    EXPECT_LE(t.x1 + canvas.TextWidth(t.text), left ? 400 : 775);
  }
  EXPECT_EQ(notes, 100);
}

}  // namespace
}  // namespace r8
