// TZelMeter: the faceplate's signal meter, an LED bar shown one frame at a time from a strip of
// pictures the program draws for itself at start.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace r8 {

// Geometry of the meter strip, in logical pixels: kMeterFrames frames side by side, frame k showing
// Level k - 1 (frame 0 is the dark meter of a receiver that is off).
inline constexpr int kMeterFrameWidth = 51;
inline constexpr int kMeterFrameHeight = 30;
inline constexpr int kMeterFrames = 16;
inline constexpr int kMeterMinLevel = -1;
inline constexpr int kMeterMaxLevel = 14;

// Draws the whole strip (816 x 30 logical pixels) at pixel_ratio device pixels per logical pixel.
// The result carries that ratio, so frame k starts at logical x = k * kMeterFrameWidth.
QPixmap DrawMeterStrip(int pixel_ratio);

class TZelMeter : public QWidget {
  Q_OBJECT

 public:
  explicit TZelMeter(QWidget* parent = nullptr);

  int Level() const { return level_; }
  // -1 dark, 0..14 segments lit; anything else is ignored.
  void SetLevel(int level);

  // Whole-number magnification of the 51 x 30 meter; the strip is redrawn at the new size so it
  // stays sharp instead of being stretched.
  int Scale() const { return scale_; }
  void SetScale(int scale);

  const QPixmap& Strip() const { return strip_; }
  const QPixmap& Picture() const { return picture_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int PixelRatio() const;
  void RebuildIfResolutionChanged();
  void CopyFrame();

  int level_ = kMeterMinLevel;
  int scale_ = 1;
  QPixmap strip_;
  QPixmap picture_;
  bool pressed_ = false;
};

}  // namespace r8
