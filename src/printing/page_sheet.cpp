#include "printing/page_sheet.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace r8 {

namespace {
constexpr int kFontSize = 10;
constexpr int kSmallestFontSize = 7;
}  // namespace

std::string FooterDate(Clock& clock) { return GetClock(clock, 0.0, 0).date; }

PageSheet::PageSheet(PageCanvas& canvas)
    : canvas_(canvas),
      width_(std::max(0, canvas.PageWidth())),
      height_(std::max(0, canvas.PageHeight())),
      line_(height_ / 60) {}

int PageSheet::X(double eighths) const {
  return static_cast<int>(std::lround(eighths * width_ / 8.0));
}

void PageSheet::Font(bool bold) {
  bold_ = bold;
  canvas_.SetFont(PageFont{"Helvetica", kFontSize, bold, false});
}

void PageSheet::Pen(int width) { canvas_.SetPenWidth(width); }

void PageSheet::Text(double at, int y, std::string_view text, TextAlign align, double left,
                     double right, Keep keep) {
  // Fields come padded to their widths; the blanks would only take room.
  const std::size_t first = text.find_first_not_of(' ');
  text = first == std::string_view::npos
             ? std::string_view()
             : text.substr(first, text.find_last_not_of(' ') - first + 1);
  const int x = X(at);
  // A little air between a text and the line it stops at.
  const int pad = X(0.02);
  int room = 0;
  switch (align) {
    case TextAlign::kLeft:
      room = X(right) - x - pad;
      break;
    case TextAlign::kRight:
      room = x - X(left) - pad;
      break;
    case TextAlign::kCentre:
      room = 2 * (std::min(x - X(left), X(right) - x) - pad);
      break;
  }
  int size = kFontSize;
  while (canvas_.TextWidth(text) > room && size > kSmallestFontSize) {
    canvas_.SetFont(PageFont{"Helvetica", --size, bold_, false});
  }
  if (canvas_.TextWidth(text) > room) {
    // The longest part that fits, found by halving: a few measurements even for a long text.
    std::size_t lo = 0;
    std::size_t hi = text.size();
    auto part = [&](std::size_t n) {
      return keep == Keep::kEnd ? text.substr(text.size() - n) : text.substr(0, n);
    };
    while (lo < hi) {
      const std::size_t mid = (lo + hi + 1) / 2;
      if (canvas_.TextWidth(part(mid)) <= room) {
        lo = mid;
      } else {
        hi = mid - 1;
      }
    }
    text = part(lo);
  }
  if (!text.empty()) canvas_.DrawAligned(x, y, text, align);
  if (size != kFontSize) Font(bold_);
}

void PageSheet::Rule(int y, double from, double to) { canvas_.DrawLine(X(from), y, X(to), y); }

void PageSheet::Upright(double at, int y1, int y2) { canvas_.DrawLine(X(at), y1, X(at), y2); }

void PageSheet::FrameSides(int y1, int y2) {
  Pen(kThickPen);
  Upright(kFrameLeft, y1, y2);
  Upright(kFrameRight, y1, y2);
}

void PageSheet::Footer(int y, std::string_view date, std::string_view right_text) {
  const int top = std::max(0, std::min(y + 2, height_ - canvas_.TextHeight()));
  Text(kFrameLeft, top, date, TextAlign::kLeft);
  const double date_end =
      width_ > 0 ? kFrameLeft + 8.0 * (canvas_.TextWidth(date) + canvas_.TextWidth("  ")) / width_
                 : kFrameRight;
  Text(kFrameRight, top, right_text, TextAlign::kRight, std::min(date_end, kFrameRight),
       kFrameRight, Keep::kEnd);
}

}  // namespace r8
