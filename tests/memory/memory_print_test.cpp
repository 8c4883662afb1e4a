#include "memory/memory_print.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "radio/radio_model.h"
#include "support/recording_page_canvas.h"

namespace r8 {
namespace {

using Canvas = testing::RecordingPageCanvas;

// Channels 5, 150, 439, 440 and 999 stored, each with notes "DX" + its number, a 9580 kHz
// frequency and, for channel 7, notes far too long for the column.
MemoryDocument Doc(int model) {
  MemoryDocument doc;
  for (int channel : {5, 7, 150, 439, 440, 999}) {
    MemoryLine m;
    m.channel = channel;
    m.freq_khz = 9580.0;
    m.notes = channel == 7 ? std::string(60, 'N') : "DX" + std::to_string(channel);
    doc.SetSlot(channel, CreateTuneString(m, model == kModelR8 ? kModelR8 : kModelR8B));
  }
  return doc;
}

// Each model's pages, its last channel and bank on the last page and nothing beyond its count.
TEST(MemoryPages, EachModelsSheet) {
  const struct {
    int model, pages, count;
    std::string last_channel, last_bank;
  } cases[] = {{kModelR8, 1, 100, "99", "Bank 9"},
               {kModelR8A, 5, 440, "439", "Bank 43"},
               {kModelR8B, 10, 1000, "999", "Bank 99"},
               {0, 10, 1000, "999", "Bank 99"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.model);
    const MemoryDocument doc = Doc(c.model);
    MemoryPages pages(doc, c.model, "07 Dec 26", "/dx/DEMO.MEM");
    Canvas canvas(800, 1200);
    const bool aborted = false;
    EXPECT_EQ(RunPageJob(canvas, pages, {}, {}, aborted).pages, c.pages);
    ASSERT_EQ(canvas.pages.size(), static_cast<std::size_t>(c.pages));
    std::vector<std::string> last;
    for (const auto& m : canvas.pages.back().texts) last.push_back(m.text);
    const int on_last = c.count - (c.pages - 1) * 100;
    auto count = [&](auto pred) { return std::count_if(last.begin(), last.end(), pred); };
    EXPECT_EQ(count([&](const std::string& t) { return t == c.last_channel || t == c.last_bank; }),
              2);
    EXPECT_EQ(count([](const std::string& t) { return t == "<none>" || t == "kHz"; }), on_last);
    EXPECT_EQ(count([](const std::string& t) { return t == "Mem"; }), (on_last + 9) / 10);
    EXPECT_EQ(count([&](const std::string& t) { return t == "Page " + std::to_string(c.pages); }),
              c.model == kModelR8 ? 0 : 1);
    EXPECT_EQ(count([](const std::string& t) {
                return t == "Memory File: /dx/DEMO.MEM" || t == "Veltrix R8 Control Memories";
              }),
              2);
    for (const auto& m : canvas.pages.back().texts) {  // bold: the title and the bank headings
      const std::string& t = m.text;
      EXPECT_EQ(m.font.bold, t == "Mem" || t == "Frequency" || t == "Notes" ||
                                 t.rfind("Bank ", 0) == 0 || t.rfind("Page ", 0) == 0 ||
                                 t == "Veltrix R8 Control Memories");
    }
    int thick = 0, bank_rules = 0;
    for (const auto& l : canvas.pages.back().lines) {
      thick += l.pen == 4;
      bank_rules += l.pen == 1 && l.y1 == l.y2;
    }
    EXPECT_EQ(thick, 4);  // the top and closing rules, the frame's sides
    EXPECT_EQ(bank_rules, 2 * ((on_last + 9) / 10));  // under each bank's heading and its end
    // Every channel once: a stored one with its unit, an empty one "<none>" without; notes
    // kept inside their column.
    std::vector<std::string> first;
    for (const auto& m : canvas.pages[0].texts) {
      first.push_back(m.text);
      if (m.text[0] == 'N' && m.text != "Notes") {
        EXPECT_LE(m.x1 + 6 * m.text.size(), 400u);
      }
    }
    EXPECT_EQ(std::count(first.begin(), first.end(), "kHz"), 2);
    EXPECT_EQ(std::count(first.begin(), first.end(), "DX5"), 1);
  }
  EXPECT_EQ(BankLabel(kModelR8, 0), "Bank 0");
  EXPECT_EQ(BankLabel(kModelR8A, 0), "Bank 00");
  EXPECT_EQ(MemoryPrintName("<Untitled>"), "<Untitled>");
  EXPECT_EQ(MemoryPrintName("/dx/./DEMO.MEM"), "/dx/DEMO.MEM");
}

}  // namespace
}  // namespace r8
