// The faceplate's own controls: the signal meter and the lamp / push button.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include <QCoreApplication>
#include <QGridLayout>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "faceplate/ui/zel_meter_widget.h"
#include "faceplate/ui/zel_switch_button.h"

namespace r8 {
namespace {

int Ratio(const QPixmap& pixmap) { return static_cast<int>(pixmap.devicePixelRatio()); }

// Frame `frame` of the strip, limited to the part the meter copies (50 x 29 logical pixels).
QImage StripFrame(const TZelMeter& meter, int frame) {
  const int r = Ratio(meter.Strip());
  return meter.Strip().toImage().copy(frame * kMeterFrameWidth * r, 0, (kMeterFrameWidth - 1) * r,
                                      (kMeterFrameHeight - 1) * r);
}

QImage ShownFrame(const TZelMeter& meter) {
  const int r = Ratio(meter.Picture());
  return meter.Picture().toImage().copy(0, 0, (kMeterFrameWidth - 1) * r,
                                        (kMeterFrameHeight - 1) * r);
}

TEST(ZelMeter, StartsDarkAndShowsFrameLevelPlusOneOfTheStripForEveryLevel) {
  TZelMeter meter;
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
}

TEST(ZelMeter, LevelsOutsideTheRangeChangeNothing) {
  TZelMeter meter;
  meter.SetLevel(6);
  for (const int level : {15, -2, 100, -50}) {
    meter.SetLevel(level);
    EXPECT_EQ(meter.Level(), 6) << level;
  }
}

TEST(ZelMeter, ScaleEnlargesTheMeterAndRedrawsTheStripSharpAtTheNewSize) {
  TZelMeter meter;
  meter.SetLevel(9);
  const QImage small = ShownFrame(meter);
  const int base_ratio = Ratio(meter.Strip());
  meter.SetScale(3);
  EXPECT_EQ(meter.size(), QSize(153, 90));
  EXPECT_EQ(Ratio(meter.Strip()), 3 * base_ratio);
  EXPECT_EQ(ShownFrame(meter), StripFrame(meter, 10));
  EXPECT_EQ(ShownFrame(meter).size(), small.size() * 3);
  meter.SetScale(0);
  EXPECT_EQ(meter.Scale(), 1);
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

// A dark panel like the faceplate's, holding the controls under test.
class Panel : public QWidget {
 public:
  Panel() {
    setObjectName(QStringLiteral("Panel"));
    setStyleSheet(QStringLiteral("#Panel { background: #26282b; }"));
    grid_ = new QGridLayout(this);
    grid_->setSpacing(8);
  }

  // A lamp, or with a caption a push button.
  TZelSwitchButton* Add(int row, int column, const char* button_caption = nullptr) {
    auto* b = new TZelSwitchButton(this);
    b->setFixedSize(b->sizeHint());
    grid_->addWidget(b, row, column);
    if (button_caption) {
      b->SetIsButton(true);
      b->SetCaption(QString::fromLatin1(button_caption));
    }
    return b;
  }
  QLineEdit* AddEntry() {
    auto* entry = new QLineEdit(this);
    grid_->addWidget(entry, 9, 0);
    return entry;
  }
  void ShowAndActivate() {
    show();
    activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(this));
  }

 private:
  QGridLayout* grid_;
};

TEST(ZelSwitchButton, ClickInvertsAPushButtonsLampBeforeTheClickHandlersRunButNotALamps) {
  Panel panel;
  TZelSwitchButton* power = panel.Add(0, 0, "POWER");
  TZelSwitchButton* sync = panel.Add(0, 1);
  panel.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
  std::vector<bool> seen_by_handler;
  QObject::connect(power, &TZelSwitchButton::clicked,
                   [&] { seen_by_handler.push_back(power->IsOn()); });
  QTest::mouseClick(power, Qt::LeftButton);
  QTest::mouseClick(power, Qt::LeftButton);
  EXPECT_EQ(seen_by_handler, (std::vector<bool>{true, false}));
  // The owner has the last word: it sets the lamp from the receiver after the click.
  QObject::connect(power, &TZelSwitchButton::clicked, [&] { power->SetIsOn(false); });
  QTest::mouseClick(power, Qt::LeftButton);
  EXPECT_EQ(seen_by_handler.back(), true);
  EXPECT_FALSE(power->IsOn());
  QTest::mouseClick(power, Qt::RightButton);
  EXPECT_EQ(seen_by_handler.size(), 3u);

  QSignalSpy sync_clicks(sync, &TZelSwitchButton::clicked);
  QTest::mouseClick(sync, Qt::LeftButton);
  EXPECT_EQ(sync_clicks.count(), 1);
  EXPECT_FALSE(sync->IsOn() || sync->hasFocus());
}

TEST(ZelSwitchButton, ADragOutReleaseIsNoClickButComingBackInIs) {
  Panel panel;
  TZelSwitchButton* power = panel.Add(0, 0, "POWER");
  panel.Add(1, 0);
  panel.ShowAndActivate();
  QSignalSpy clicks(power, &TZelSwitchButton::clicked);
  const QPoint inside = power->rect().center();
  const QPoint outside(inside.x(), power->height() + 20);
  QTest::mousePress(power, Qt::LeftButton, {}, inside);
  QTest::mouseMove(power, outside);
  QTest::mouseRelease(power, Qt::LeftButton, {}, outside);
  EXPECT_EQ(clicks.count(), 0);
  QTest::mousePress(power, Qt::LeftButton, {}, inside);
  QTest::mouseMove(power, outside);
  QTest::mouseMove(power, inside);
  QTest::mouseRelease(power, Qt::LeftButton, {}, inside);
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_TRUE(power->IsOn());
}

// Enter and Space click the push button that has the focus; a plain lamp never takes them.
TEST(ZelSwitchButton, EnterAndSpaceClickOnlyAFocusedPushButton) {
  Panel panel;
  TZelSwitchButton* power = panel.Add(0, 0, "POWER");
  TZelSwitchButton* other = panel.Add(0, 1, "POWER");
  TZelSwitchButton* lamp = panel.Add(0, 2);
  panel.ShowAndActivate();
  QSignalSpy power_clicks(power, &TZelSwitchButton::clicked);
  QSignalSpy lamp_clicks(lamp, &TZelSwitchButton::clicked);
  power->setFocus();
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_A}) {
    QTest::keyClick(power, key);
  }
  EXPECT_EQ(power_clicks.count(), 3);
  other->setFocus();  // the focus moved on: power is no longer the default
  QTest::keyClick(power, Qt::Key_Space);
  EXPECT_EQ(power_clicks.count(), 3);
  lamp->setFocus();
  QTest::keyClick(lamp, Qt::Key_Return);
  EXPECT_EQ(lamp_clicks.count(), 0);
}

TEST(ZelSwitchButton, TheCaptionsAcceleratorClicksWhileEnabled) {
  Panel panel;
  TZelSwitchButton* power = panel.Add(0, 0, "&POWER");
  QLineEdit* entry = panel.AddEntry();
  panel.ShowAndActivate();
  entry->setFocus();
  QSignalSpy clicks(power, &TZelSwitchButton::clicked);
  struct Step {
    const char* caption;  // nullptr: unchanged
    bool enabled;
    Qt::Key key;
    int clicks;
  };
  const Step steps[] = {{nullptr, true, Qt::Key_P, 1},
                        {"SYN&CH", true, Qt::Key_P, 1},
                        {nullptr, true, Qt::Key_C, 2},
                        {nullptr, false, Qt::Key_C, 2},
                        {"SYNCH", true, Qt::Key_C, 2}};
  for (const Step& s : steps) {
    if (s.caption) power->SetCaption(QString::fromLatin1(s.caption));
    power->setEnabled(s.enabled);
    QTest::keyClick(entry, s.key, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), s.clicks) << power->Caption().toStdString() << " " << s.enabled;
  }
  EXPECT_FALSE(power->IsOn()) << "clicked twice";
}

TEST(ZelSwitchButton, ALitLampGlows) {
  Panel panel;
  TZelSwitchButton* off = panel.Add(0, 0, "POWER");
  TZelSwitchButton* on = panel.Add(0, 1, "POWER");
  on->SetIsOn(true);
  TZelSwitchButton* lamp = panel.Add(0, 2);
  lamp->SetCaption(QStringLiteral("SYNCH"));
  lamp->SetIsOn(true);
  panel.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
  // Its green is far brighter than the same lamp's when dark.
  const auto lamp_green = [](TZelSwitchButton* b) {
    const QImage image = b->grab().toImage();
    int brightest = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width() / 3; ++x) {
        const QColor c = image.pixelColor(x, y);
        if (c.hsvSaturation() > 120) brightest = std::max(brightest, c.green());
      }
    }
    return brightest;
  };
  EXPECT_GT(lamp_green(on), lamp_green(off) + 60);
}

}  // namespace
}  // namespace r8
