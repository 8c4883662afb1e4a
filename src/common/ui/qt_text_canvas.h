// TextCanvas on a QPainter, for owner-drawn lists and printed pages.
#pragma once

#include <QPainter>

#include "common/text_canvas.h"

namespace r8 {

class QPainterTextCanvas : public TextCanvas {
 public:
  explicit QPainterTextCanvas(QPainter& painter) : painter_(painter) {}
  int TextWidth(std::string_view text) override;
  void DrawText(int x, int y, std::string_view text) override;

 private:
  QPainter& painter_;
};

}  // namespace r8
