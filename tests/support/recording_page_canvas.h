// PageCanvas for tests: a page of a given size, text of a fixed cell size, and every primitive
// recorded page by page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/page_canvas.h"

namespace r8::testing {

class RecordingPageCanvas : public PageCanvas {
 public:
  struct Text {
    int x = 0;
    int y = 0;
    std::string text;
  };
  struct Line {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int pen = 1;
  };
  struct Page {
    std::vector<Text> texts;
    std::vector<Line> lines;
  };

  RecordingPageCanvas(int width, int height) : width_(width), height_(height) {}

  int PageWidth() const override { return width_; }
  int PageHeight() const override { return height_; }
  void SetFont(const PageFont& font) override { fonts.push_back(font); }
  int TextHeight() override { return text_height; }
  int TextWidth(std::string_view text) override {
    return static_cast<int>(text.size()) * char_width;
  }
  void DrawText(int x, int y, std::string_view text) override {
    pages.back().texts.push_back({x, y, std::string(text)});
  }
  void DrawLine(int x1, int y1, int x2, int y2) override {
    pages.back().lines.push_back({x1, y1, x2, y2, pen_});
  }
  void SetPenWidth(int width) override { pen_ = width; }
  void NewPage() override { pages.emplace_back(); }

  // The texts of page p (0-based) in the order drawn.
  std::vector<std::string> TextsOf(std::size_t p) const {
    std::vector<std::string> out;
    for (const Text& t : pages.at(p).texts) out.push_back(t.text);
    return out;
  }

  int text_height = 10;
  int char_width = 6;
  std::vector<PageFont> fonts;
  std::vector<Page> pages = std::vector<Page>(1);  // the first page is open from the start

 private:
  int width_;
  int height_;
  int pen_ = 1;
};

}  // namespace r8::testing
