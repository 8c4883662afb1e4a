// PageCanvas on a QPainter over any paint device; paged devices (QPrinter, QPdfWriter) get their
// new pages, others keep drawing on the one surface.
#pragma once

#include <QPainter>

#include "common/page_canvas.h"
#include "common/ui/qt_text_canvas.h"

class QPaintDevice;

namespace r8 {

class QtPageCanvas : public PageCanvas {
 public:
  // Starts painting on device; IsActive() is false when the device would not start (no printer).
  explicit QtPageCanvas(QPaintDevice& device);
  ~QtPageCanvas() override;
  QtPageCanvas(const QtPageCanvas&) = delete;
  QtPageCanvas& operator=(const QtPageCanvas&) = delete;

  bool IsActive() const { return painter_.isActive(); }
  // Finishes the document; the destructor does it when not called.
  void End();

  int PageWidth() const override;
  int PageHeight() const override;
  void SetFont(const PageFont& font) override;
  int TextHeight() override;
  int TextWidth(std::string_view text) override;
  void DrawText(int x, int y, std::string_view text) override;
  void DrawLine(int x1, int y1, int x2, int y2) override;
  void SetPenWidth(int width) override;
  void NewPage() override;

 private:
  QPaintDevice& device_;
  QPainter painter_;
  QPainterTextCanvas text_{painter_};
};

}  // namespace r8
