#include "faceplate/zel_meter_widget.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "support/ui_support.h"

namespace r8 {
namespace {

class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }

  // Paint events the widget receives because of action, with earlier updates flushed first.
  template <typename Action>
  int During(Action action) {
    QCoreApplication::processEvents();
    count_ = 0;
    action();
    QCoreApplication::processEvents();
    return count_;
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count_;
    return false;
  }

 private:
  int count_ = 0;
};

int Ratio(const QPixmap& pixmap) { return static_cast<int>(pixmap.devicePixelRatio()); }

// Frame `frame` of the strip, limited to the part the meter copies (50 x 29 logical pixels).
QImage StripFrame(const TZelMeter& meter, int frame) {
  const int r = Ratio(meter.Strip());
  return meter.Strip().toImage().copy(frame * kMeterFrameWidth * r, 0, (kMeterFrameWidth - 1) * r,
                                      (kMeterFrameHeight - 1) * r);
}

// Pictures of the levels that matter to the eye, for a person to look at.
void SaveLevelShots(TZelMeter& meter) {
  for (int level : {-1, 0, 5, 9, 14}) {
    meter.SetLevel(level);
    const QString tag = level < 0 ? QStringLiteral("off") : QString::number(level);
    testing::SaveShot(&meter, QStringLiteral("zel_meter_x%1_%2").arg(meter.Scale()).arg(tag));
  }
}

QImage ShownFrame(const TZelMeter& meter) {
  const int r = Ratio(meter.Picture());
  return meter.Picture().toImage().copy(0, 0, (kMeterFrameWidth - 1) * r,
                                        (kMeterFrameHeight - 1) * r);
}

// Pixels of a frame that glow: bright and strongly coloured, counted by hue.
struct Glow {
  int green = 0;
  int yellow = 0;
  int red = 0;
  int brightest = 0;
  int total() const { return green + yellow + red; }
};

Glow MeasureGlow(const QImage& image) {
  Glow g;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      g.brightest = std::max(g.brightest, c.value());
      if (c.value() < 200 || c.hsvSaturation() < 150) continue;
      const int hue = c.hsvHue();
      if (hue >= 90 && hue <= 150) ++g.green;
      if (hue >= 40 && hue <= 65) ++g.yellow;
      if (hue <= 15 || hue >= 345) ++g.red;
    }
  }
  return g;
}

TEST(ZelMeter, StartsDarkAndShowsFrameLevelPlusOneOfTheStripForEveryLevel) {
  TZelMeter meter;
  EXPECT_EQ(meter.Level(), -1);
  EXPECT_EQ(meter.size(), QSize(51, 30));
  EXPECT_EQ(meter.Strip().deviceIndependentSize(), QSizeF(816, 30));
  EXPECT_EQ(ShownFrame(meter), StripFrame(meter, 0));

  for (int level = 14; level >= -1; --level) {
    SCOPED_TRACE(level);
    meter.SetLevel(level);
    EXPECT_EQ(meter.Level(), level);
    EXPECT_EQ(ShownFrame(meter), StripFrame(meter, level + 1));
    // The column and row left out of the copy are the same bezel in every frame: nothing is lost.
    const int r = Ratio(meter.Strip());
    EXPECT_EQ(meter.Picture().toImage(),
              meter.Strip().toImage().copy((level + 1) * kMeterFrameWidth * r, 0,
                                           kMeterFrameWidth * r, kMeterFrameHeight * r));
  }
  SaveLevelShots(meter);

  QLabel strip;
  strip.setPixmap(meter.Strip());
  strip.resize(strip.sizeHint());
  testing::SaveShot(&strip, QStringLiteral("zel_meter_strip"));
}

TEST(ZelMeter, LevelsOutsideTheRangeAndRepeatsChangeNothingAndDoNotRepaint) {
  TZelMeter meter;
  meter.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&meter));
  PaintCounter paints(&meter);

  EXPECT_GE(paints.During([&] { meter.SetLevel(6); }), 1);
  const QImage six = ShownFrame(meter);
  for (const int level : {6, 15, -2, 100, -50}) {
    SCOPED_TRACE(level);
    EXPECT_EQ(paints.During([&] { meter.SetLevel(level); }), 0);
    EXPECT_EQ(meter.Level(), 6);
    EXPECT_EQ(ShownFrame(meter), six);
  }
  EXPECT_GE(paints.During([&] { meter.SetLevel(-1); }), 1);
  EXPECT_EQ(ShownFrame(meter), StripFrame(meter, 0));
  EXPECT_EQ(paints.During([&] { meter.SetLevel(-1); }), 0);
}

TEST(ZelMeter, StripIsDarkWhenOffAndLightsGreenThenYellowThenRedSegmentsByLevel) {
  TZelMeter meter;
  const Glow off = MeasureGlow(StripFrame(meter, 0));
  EXPECT_EQ(off.total(), 0);
  EXPECT_LT(off.brightest, 100);

  // Level 0: the receiver is on, so the scale is lit, but no segment is.
  const Glow base = MeasureGlow(StripFrame(meter, 1));
  EXPECT_GT(base.total(), 0);
  Glow previous = base;
  for (int level = 1; level <= kMeterMaxLevel; ++level) {
    SCOPED_TRACE(level);
    const Glow g = MeasureGlow(StripFrame(meter, level + 1));
    EXPECT_GT(g.total(), previous.total());
    EXPECT_GT(g.green, base.green);
    EXPECT_EQ(g.yellow > base.yellow, level >= 8);
    EXPECT_EQ(g.red > base.red, level >= 10);
    previous = g;
  }
}

TEST(ZelMeter, ScaleEnlargesTheMeterAndRedrawsTheStripSharpAtTheNewSize) {
  TZelMeter meter;
  meter.SetLevel(9);
  const QImage small = ShownFrame(meter);
  const int base_ratio = Ratio(meter.Strip());

  meter.SetScale(3);
  EXPECT_EQ(meter.Scale(), 3);
  EXPECT_EQ(meter.size(), QSize(153, 90));
  EXPECT_EQ(meter.sizeHint(), QSize(153, 90));
  EXPECT_EQ(Ratio(meter.Strip()), 3 * base_ratio);
  EXPECT_EQ(meter.Strip().size(), QSize(816, 30) * 3 * base_ratio);
  EXPECT_EQ(meter.Level(), 9);
  EXPECT_EQ(ShownFrame(meter), StripFrame(meter, 10));
  EXPECT_EQ(ShownFrame(meter).size(), small.size() * 3);

  meter.SetLevel(2);
  EXPECT_EQ(ShownFrame(meter), StripFrame(meter, 3));
  SaveLevelShots(meter);
  meter.SetScale(0);
  EXPECT_EQ(meter.Scale(), 1);
  EXPECT_EQ(meter.size(), QSize(51, 30));
}

TEST(ZelMeter, StripDrawnAtTwiceThePixelRatioKeepsItsLogicalSize) {
  const QPixmap strip = DrawMeterStrip(2);
  EXPECT_EQ(strip.size(), QSize(1632, 60));
  EXPECT_EQ(strip.deviceIndependentSize(), QSizeF(816, 30));
  const QPixmap single = DrawMeterStrip(1);
  // The same picture, only finer: scaling the sharp strip down lands close to the plain one.
  const QImage down =
      strip.toImage().scaled(single.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const QImage plain = single.toImage();
  long long difference = 0;
  for (int y = 0; y < plain.height(); ++y) {
    for (int x = 0; x < plain.width(); ++x) {
      difference += std::abs(qGray(down.pixel(x, y)) - qGray(plain.pixel(x, y)));
    }
  }
  EXPECT_LT(difference / (plain.width() * plain.height()), 12);
}

TEST(ZelMeter, ClickInsideEmitsClickedButPressDragOutReleaseDoesNot) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* meter = new TZelMeter(&window);
  layout->addWidget(meter);
  layout->addSpacing(40);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QSignalSpy clicked(meter, &TZelMeter::clicked);

  QTest::mouseClick(meter, Qt::LeftButton, {}, QPoint(20, 15));
  EXPECT_EQ(clicked.count(), 1);
  QTest::mouseClick(meter, Qt::RightButton, {}, QPoint(20, 15));
  EXPECT_EQ(clicked.count(), 1);
  QTest::mousePress(meter, Qt::LeftButton, {}, QPoint(20, 15));
  QTest::mouseRelease(meter, Qt::LeftButton, {}, QPoint(20, 60));
  EXPECT_EQ(clicked.count(), 1);
}

}  // namespace
}  // namespace r8
