#include "faceplate/ui/zel_meter_widget.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace r8 {
namespace {

constexpr int kSegments = kMeterMaxLevel;
constexpr int kSUnitSegments = 9;  // S1..S9; the rest read +dB over S9
constexpr int kMaxScale = 8;

// The segment row, in logical pixels of one frame. The S-unit segments are narrower than the
// +dB ones, as on most bar meters, which also leaves room for the "+20" and "+40" legends.
constexpr double kBarLeft = 2.9;
constexpr double kSUnitPitch = 2.55;
constexpr double kDbPitch = 4.6;
constexpr double kSegmentGap = 0.7;
constexpr double kBarTop = 12.0;
constexpr double kBarBottom = 24.0;

double SegmentLeft(int segment) {  // segment 1..14
  const int s_units = std::min(segment - 1, kSUnitSegments);
  const int db = std::max(segment - 1 - kSUnitSegments, 0);
  return kBarLeft + s_units * kSUnitPitch + db * kDbPitch;
}

double SegmentWidth(int segment) {
  return (segment <= kSUnitSegments ? kSUnitPitch : kDbPitch) - kSegmentGap;
}

QColor SegmentColor(int segment) {
  if (segment <= 7) return QColor(0x3c, 0xf0, 0x4a);
  if (segment <= 9) return QColor(0xff, 0xd0, 0x20);
  return QColor(0xff, 0x3a, 0x2a);
}

QFont LegendFont() {
  QFont font(QStringLiteral("DejaVu Sans Condensed"));
  font.setStyleHint(QFont::SansSerif);
  font.setStretch(QFont::Condensed);
  font.setBold(true);
  font.setPixelSize(7);
  return font;
}

// Draws text centred on centre_x, squeezed sideways when the font is too wide for the room, so
// the legends fit whatever sans-serif font the system supplies.
void DrawLegendText(QPainter& p, double centre_x, double room, const QString& text) {
  const QFontMetricsF metrics(p.font());
  const double width = metrics.horizontalAdvance(text);
  const double squeeze = width > room ? room / width : 1.0;
  p.save();
  p.translate(centre_x, 9.6);
  p.scale(squeeze, 1.0);
  p.drawText(QPointF(-width / 2, -metrics.descent()), text);
  p.restore();
}

void DrawLegend(QPainter& p, bool lit) {
  struct Mark {
    int segment;
    const char* text;
  };
  static constexpr std::array<Mark, 7> kMarks = {
      {{1, "1"}, {3, "3"}, {5, "5"}, {7, "7"}, {9, "9"}, {11, "+20"}, {13, "+40"}}};
  p.setFont(LegendFont());
  for (const Mark& m : kMarks) {
    const bool over = m.segment > kSUnitSegments;
    QColor c = over ? QColor(0xff, 0x70, 0x60) : QColor(0xd6, 0xdc, 0xe0);
    if (!lit) c = QColor(0x34, 0x36, 0x38);
    p.setPen(c);
    const double centre = SegmentLeft(m.segment) + SegmentWidth(m.segment) / 2;
    const double room = 2 * (over ? kDbPitch : kSUnitPitch) - 0.8;
    DrawLegendText(p, centre, room, QString::fromLatin1(m.text));
    // A tick joins each legend to its segment.
    p.fillRect(QRectF(centre - 0.35, 10.3, 0.7, 1.2), c);
  }
  // The scale band under the bar, green through S9 and red beyond.
  const double s9_end = SegmentLeft(kSUnitSegments) + SegmentWidth(kSUnitSegments);
  const double end = SegmentLeft(kSegments) + SegmentWidth(kSegments);
  p.fillRect(QRectF(kBarLeft, 25.3, s9_end - kBarLeft, 0.9),
             lit ? QColor(0x2e, 0x9a, 0x3a) : QColor(0x1c, 0x22, 0x1d));
  p.fillRect(QRectF(s9_end + kSegmentGap, 25.3, end - s9_end - kSegmentGap, 0.9),
             lit ? QColor(0xb8, 0x30, 0x26) : QColor(0x24, 0x1c, 0x1b));
}

void DrawSegment(QPainter& p, int segment, bool lit) {
  const QRectF r(SegmentLeft(segment), kBarTop, SegmentWidth(segment), kBarBottom - kBarTop);
  const QColor c = SegmentColor(segment);
  if (!lit) {
    p.fillRect(r, QColor::fromRgbF(c.redF() * 0.16, c.greenF() * 0.16, c.blueF() * 0.16));
    return;
  }
  // Some light spills onto the glass around a lit segment.
  QColor halo = c;
  halo.setAlphaF(0.22);
  p.fillRect(r.adjusted(-0.5, -0.8, 0.5, 0.8), halo);
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0.0, c.lighter(150));
  g.setColorAt(0.35, c);
  g.setColorAt(1.0, c.darker(125));
  p.fillRect(r, g);
}

// level -1: receiver off, nothing lit; 0: on but no signal, the legends lit and the bar empty.
void DrawFrame(QPainter& p, int level) {
  // Bezel and glass. The last column and row stay bezel so a 50 x 29 copy loses nothing.
  p.fillRect(QRectF(0, 0, kMeterFrameWidth, kMeterFrameHeight), QColor(0x0a, 0x0b, 0x0c));
  const QRectF glass(1, 1, kMeterFrameWidth - 2, kMeterFrameHeight - 2);
  QLinearGradient g(glass.topLeft(), glass.bottomLeft());
  g.setColorAt(0.0, QColor(0x1c, 0x1f, 0x22));
  g.setColorAt(0.5, QColor(0x10, 0x12, 0x14));
  g.setColorAt(1.0, QColor(0x16, 0x18, 0x1a));
  p.fillRect(glass, g);

  DrawLegend(p, level >= 0);
  for (int s = 1; s <= kSegments; ++s) DrawSegment(p, s, s <= level);

  // A faint reflection across the upper glass.
  QLinearGradient shine(glass.topLeft(), QPointF(glass.left(), glass.top() + 9));
  shine.setColorAt(0.0, QColor(255, 255, 255, 26));
  shine.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.fillRect(QRectF(glass.left(), glass.top(), glass.width(), 9), shine);
}

}  // namespace

QPixmap DrawMeterStrip(int pixel_ratio) {
  QPixmap strip(kMeterFrames * kMeterFrameWidth * pixel_ratio, kMeterFrameHeight * pixel_ratio);
  strip.setDevicePixelRatio(pixel_ratio);
  strip.fill(Qt::black);
  QPainter p(&strip);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  for (int frame = 0; frame < kMeterFrames; ++frame) {
    p.save();
    p.translate(frame * kMeterFrameWidth, 0);
    p.setClipRect(QRectF(0, 0, kMeterFrameWidth, kMeterFrameHeight));
    DrawFrame(p, frame - 1);
    p.restore();
  }
  return strip;
}

TZelMeter::TZelMeter(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setFixedSize(sizeHint());
  RebuildIfResolutionChanged();
}

void TZelMeter::SetLevel(int level) {
  if (level < kMeterMinLevel || level > kMeterMaxLevel || level == level_) return;
  level_ = level;
  CopyFrame();
  update();
}

void TZelMeter::SetScale(int scale) {
  scale = std::clamp(scale, 1, kMaxScale);
  if (scale == scale_) return;
  scale_ = scale;
  setFixedSize(sizeHint());
  RebuildIfResolutionChanged();
  update();
}

QSize TZelMeter::sizeHint() const { return QSize(kMeterFrameWidth, kMeterFrameHeight) * scale_; }

int TZelMeter::PixelRatio() const {
  return scale_ * std::max(1, static_cast<int>(std::ceil(devicePixelRatioF() - 0.01)));
}

void TZelMeter::RebuildIfResolutionChanged() {
  const int ratio = PixelRatio();
  if (!strip_.isNull() && static_cast<int>(strip_.devicePixelRatio()) == ratio) return;
  strip_ = DrawMeterStrip(ratio);
  // The picture starts as the dark frame; a level then paints its frame over it.
  picture_ = strip_.copy(0, 0, kMeterFrameWidth * ratio, kMeterFrameHeight * ratio);
  picture_.setDevicePixelRatio(ratio);
  CopyFrame();
}

void TZelMeter::CopyFrame() {
  const int ratio = static_cast<int>(strip_.devicePixelRatio());
  const QRect source((level_ + 1) * kMeterFrameWidth * ratio, 0, (kMeterFrameWidth - 1) * ratio,
                     (kMeterFrameHeight - 1) * ratio);
  QPainter p(&picture_);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawPixmap(QRectF(0, 0, kMeterFrameWidth - 1, kMeterFrameHeight - 1), strip_, source);
}

void TZelMeter::paintEvent(QPaintEvent*) {
  // A move to a screen of another pixel density repaints the window; redraw the strip for it.
  RebuildIfResolutionChanged();
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawPixmap(rect(), picture_);
}

void TZelMeter::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  QWidget::mousePressEvent(event);
}

void TZelMeter::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) emit clicked();
  QWidget::mouseReleaseEvent(event);
}

}  // namespace r8
