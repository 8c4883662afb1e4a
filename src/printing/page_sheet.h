// The ruled sheet the log and memory printouts share: positions in eighths of the drawing width,
// line slots of a sixtieth of its height, texts aligned at a position and kept inside the column
// they belong to, rules, column separators, the frame and the footer, in 10-point Helvetica with a
// black pen of width 1 or 4.
#pragma once

#include <string>
#include <string_view>

#include "common/clock.h"
#include "common/page_canvas.h"

namespace r8 {

inline constexpr double kFrameLeft = 0.25;
inline constexpr double kFrameRight = 7.75;
inline constexpr int kThinPen = 1;
inline constexpr int kThickPen = 4;

// The footer's date: the local date as the program shows it ("05 Dec 26").
std::string FooterDate(Clock& clock);

class PageSheet {
 public:
  explicit PageSheet(PageCanvas& canvas);

  // eighths x W / 8, rounded.
  int X(double eighths) const;
  // One line slot: the drawing height / 60.
  int L() const { return line_; }

  // Helvetica, variable pitch, 10 points; bold for titles and headings.
  void Font(bool bold);
  void Pen(int width);

  // How a text too long for its room is cut: most keep their start, a file name its end.
  enum class Keep { kStart, kEnd };
  // text without its padding blanks aligned at `at`, kept between left and right (eighths too):
  // a text too wide for that room is drawn a point or three smaller, and only when even 7 points
  // are too wide is it cut.
  void Text(double at, int y, std::string_view text, TextAlign align, double left = kFrameLeft,
            double right = kFrameRight, Keep keep = Keep::kStart);
  // A horizontal rule at y.
  void Rule(int y, double from = kFrameLeft, double to = kFrameRight);
  // A vertical line at `at` from y1 to y2.
  void Upright(double at, int y1, int y2);
  // The frame's sides from y1 to y2 with the thick pen.
  void FrameSides(int y1, int y2);
  // The date at the left and right_text at the right in the present font, 2 dots below the last
  // row at y, but never below the page; the right text gives way to the date.
  void Footer(int y, std::string_view date, std::string_view right_text);

 private:
  PageCanvas& canvas_;
  int width_;
  int height_;
  int line_;
  bool bold_ = false;
};

}  // namespace r8
