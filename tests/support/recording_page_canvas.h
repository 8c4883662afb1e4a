// PageCanvas for tests: a page of a given size, a font as high as its size, characters 6 wide,
// and every primitive recorded page by page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/page_canvas.h"

namespace r8::testing {

class RecordingPageCanvas : public PageCanvas {
 public:
  // A text at (x1, y1) in font, or a line to (x2, y2) drawn with pen.
  struct Mark {
    int x1, y1, x2, y2, pen;
    std::string text;
    PageFont font{"", 0};
  };
  struct Page {
    std::vector<Mark> texts, lines;
  };

  RecordingPageCanvas(int width, int height) : width_(width), height_(height) {}

  int PageWidth() const override { return width_; }
  int PageHeight() const override { return height_; }
  void SetFont(const PageFont& font) override { font_ = font; }
  int TextHeight() override { return font_.size; }
  int TextWidth(std::string_view text) override { return static_cast<int>(text.size()) * 6; }
  void DrawText(int x, int y, std::string_view text) override {
    pages.back().texts.push_back({x, y, x, y, pen_, std::string(text), font_});
  }
  void DrawLine(int x1, int y1, int x2, int y2) override {
    pages.back().lines.push_back({x1, y1, x2, y2, pen_, {}});
  }
  void SetPenWidth(int width) override { pen_ = width; }
  void NewPage() override { pages.emplace_back(); }

  std::vector<Page> pages = std::vector<Page>(1);  // the first page is open from the start

 private:
  int width_, height_;
  PageFont font_{"", 0};  // no font set: no line fits
  int pen_ = 1;
};

}  // namespace r8::testing
