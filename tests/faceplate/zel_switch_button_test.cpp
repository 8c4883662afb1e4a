#include "faceplate/zel_switch_button.h"

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "support/ui_support.h"

namespace r8 {
namespace {

using State = TZelSwitchButton::ButtonState;
using Layout = TZelSwitchButton::ButtonLayout;

class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }

  // Paint events the widget receives because of action, with earlier updates flushed first.
  int During(const std::function<void()>& action) {
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

// A dark panel like the faceplate's, holding the controls under test.
class Panel : public QWidget {
 public:
  // Qt passes a font on to children only when it is set before the style sheet.
  explicit Panel(const QFont& font = QFont()) {
    setFont(font);
    setObjectName(QStringLiteral("Panel"));
    setStyleSheet(QStringLiteral("#Panel { background: #26282b; }"));
    grid_ = new QGridLayout(this);
    grid_->setSpacing(8);
  }

  TZelSwitchButton* Add(int row, int column) {
    auto* b = new TZelSwitchButton(this);
    b->setFixedSize(b->sizeHint());
    grid_->addWidget(b, row, column);
    return b;
  }

  void ShowAndActivate() {
    show();
    activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(this));
  }

 private:
  QGridLayout* grid_;
};

TZelSwitchButton* AddPowerButton(Panel& panel, int row, int column) {
  TZelSwitchButton* b = panel.Add(row, column);
  b->SetIsButton(true);
  b->SetCaption(QStringLiteral("POWER"));
  return b;
}

TEST(ZelSwitchButton, StartsAsAnUnlitGreenLampOfDefaultSizeInTheParentsFont) {
  QWidget parent;
  QFont font(QStringLiteral("DejaVu Sans"), 11);
  font.setBold(true);
  parent.setFont(font);
  TZelSwitchButton lamp(&parent);
  EXPECT_EQ(lamp.OnColor(), QColor(0x00ff00));
  EXPECT_EQ(lamp.OffColor(), QColor(0x008000));
  EXPECT_FALSE(lamp.IsOn());
  EXPECT_FALSE(lamp.IsButton());
  EXPECT_EQ(lamp.IsDown(), State::kUp);
  EXPECT_TRUE(lamp.CapLabel1().isEmpty());
  EXPECT_TRUE(lamp.CapLabel2().isEmpty());
  EXPECT_FALSE(lamp.Default());
  EXPECT_EQ(lamp.size(), QSize(65, 35));
  EXPECT_EQ(lamp.sizeHint(), QSize(65, 35));
  EXPECT_EQ(lamp.font(), font);
  EXPECT_EQ(lamp.focusPolicy(), Qt::NoFocus);
  lamp.SetIsButton(true);
  EXPECT_EQ(lamp.focusPolicy(), Qt::StrongFocus);
}

TEST(ZelSwitchButton, EveryPropertySetterRepaintsOnlyWhenTheValueChanges) {
  Panel panel;
  TZelSwitchButton* b = panel.Add(0, 0);
  panel.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
  PaintCounter paints(b);

  const QString long_text(300, QLatin1Char('x'));
  struct Case {
    const char* name;
    std::function<void()> set;
    std::function<bool()> stored;
  };
  const std::vector<Case> cases = {
      {"OnColor", [&] { b->SetOnColor(QColor(0xff0000)); },
       [&] { return b->OnColor() == QColor(0xff0000); }},
      {"OffColor", [&] { b->SetOffColor(QColor(0x800000)); },
       [&] { return b->OffColor() == QColor(0x800000); }},
      {"IsOn", [&] { b->SetIsOn(true); }, [&] { return b->IsOn(); }},
      {"IsButton", [&] { b->SetIsButton(true); }, [&] { return b->IsButton(); }},
      {"IsDown", [&] { b->SetIsDown(State::kExclusive); },
       [&] { return b->IsDown() == State::kExclusive; }},
      {"CapLocation", [&] { b->SetCapLocation(Layout::kGlyphTop); },
       [&] { return b->CapLocation() == Layout::kGlyphTop; }},
      {"CapLabel1", [&] { b->SetCapLabel1(long_text); },
       [&] { return b->CapLabel1() == long_text.left(255); }},
      {"CapLabel2", [&] { b->SetCapLabel2(QStringLiteral("B")); },
       [&] { return b->CapLabel2() == QStringLiteral("B"); }},
      {"IsGlyph", [&] { b->SetIsGlyph(false); }, [&] { return !b->IsGlyph(); }},
      {"Caption", [&] { b->SetCaption(QStringLiteral("SYNCH")); },
       [&] { return b->Caption() == QStringLiteral("SYNCH"); }},
      {"Default", [&] { b->SetDefault(true); }, [&] { return b->Default(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_GE(paints.During(c.set), 1);
    EXPECT_TRUE(c.stored());
    EXPECT_EQ(paints.During(c.set), 0);
    EXPECT_TRUE(c.stored());
  }
  // A label cut to 255 characters equals its cut self: no repaint for the same long text either.
  EXPECT_EQ(paints.During([&] { b->SetCapLabel1(long_text.left(255)); }), 0);
}

TEST(ZelSwitchButton, ClickInvertsAPushButtonsLampBeforeTheClickHandlersRunButNotALamps) {
  Panel panel;
  TZelSwitchButton* power = AddPowerButton(panel, 0, 0);
  TZelSwitchButton* sync = panel.Add(0, 1);
  sync->SetCaption(QStringLiteral("SYNCH"));
  panel.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));

  std::vector<bool> seen_by_handler;
  QObject::connect(power, &TZelSwitchButton::clicked,
                   [&] { seen_by_handler.push_back(power->IsOn()); });
  QTest::mouseClick(power, Qt::LeftButton);
  QTest::mouseClick(power, Qt::LeftButton);
  EXPECT_EQ(seen_by_handler, (std::vector<bool>{true, false}));
  EXPECT_EQ(power->IsDown(), State::kUp);

  // The owner has the last word: it sets the lamp from the receiver after the click.
  QObject::connect(power, &TZelSwitchButton::clicked, [&] { power->SetIsOn(false); });
  QTest::mouseClick(power, Qt::LeftButton);
  EXPECT_EQ(seen_by_handler.back(), true);
  EXPECT_FALSE(power->IsOn());

  QSignalSpy sync_clicks(sync, &TZelSwitchButton::clicked);
  QTest::mouseClick(sync, Qt::LeftButton);
  EXPECT_EQ(sync_clicks.count(), 1);
  EXPECT_FALSE(sync->IsOn());
  EXPECT_FALSE(sync->hasFocus());
  EXPECT_FALSE(sync->Default());

  QTest::mouseClick(power, Qt::RightButton);
  EXPECT_EQ(seen_by_handler.size(), 3u);
}

TEST(ZelSwitchButton, PressShowsItDownWhileThePointerIsOverItAndDragOutReleaseIsNoClick) {
  Panel panel;
  TZelSwitchButton* power = AddPowerButton(panel, 0, 0);
  panel.Add(1, 0);
  panel.ShowAndActivate();
  QSignalSpy clicks(power, &TZelSwitchButton::clicked);
  const QPoint inside = power->rect().center();
  const QPoint outside(inside.x(), power->height() + 20);

  QTest::mousePress(power, Qt::LeftButton, {}, inside);
  EXPECT_EQ(power->IsDown(), State::kDown);
  EXPECT_TRUE(power->hasFocus());
  EXPECT_TRUE(power->Default());
  testing::SaveShot(&panel, QStringLiteral("zel_switch_power_pressed"));

  struct Step {
    QPoint at;
    State shown;
  };
  for (const Step& s :
       {Step{outside, State::kUp}, Step{inside, State::kDown}, Step{QPoint(-5, -5), State::kUp}}) {
    QTest::mouseMove(power, s.at);
    EXPECT_EQ(power->IsDown(), s.shown);
  }
  QTest::mouseRelease(power, Qt::LeftButton, {}, QPoint(-5, -5));
  EXPECT_EQ(power->IsDown(), State::kUp);
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_FALSE(power->IsOn());

  // Back in before letting go: a click after all.
  QTest::mousePress(power, Qt::LeftButton, {}, inside);
  QTest::mouseMove(power, outside);
  QTest::mouseMove(power, inside);
  QTest::mouseRelease(power, Qt::LeftButton, {}, inside);
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_TRUE(power->IsOn());
}

TEST(ZelSwitchButton, EnterAndSpaceClickOnlyTheFocusedDefaultPushButton) {
  Panel panel;
  TZelSwitchButton* power = AddPowerButton(panel, 0, 0);
  TZelSwitchButton* lamp = panel.Add(0, 1);
  auto* entry = new QLineEdit(&panel);
  panel.layout()->addWidget(entry);
  panel.ShowAndActivate();
  entry->setFocus();
  QSignalSpy power_clicks(power, &TZelSwitchButton::clicked);
  QSignalSpy lamp_clicks(lamp, &TZelSwitchButton::clicked);

  // Not focused: a default look alone is not enough.
  power->SetDefault(true);
  QTest::keyClick(power, Qt::Key_Return);
  EXPECT_EQ(power_clicks.count(), 0);

  power->setFocus();
  ASSERT_TRUE(power->Default());
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
    QTest::keyClick(power, key);
  }
  EXPECT_EQ(power_clicks.count(), 3);
  EXPECT_TRUE(power->IsOn());
  QTest::keyClick(power, Qt::Key_A);
  EXPECT_EQ(power_clicks.count(), 3);

  // Focused, but no longer the default button.
  power->SetDefault(false);
  QTest::keyClick(power, Qt::Key_Space);
  EXPECT_EQ(power_clicks.count(), 3);

  lamp->SetDefault(true);
  lamp->setFocus();
  QTest::keyClick(lamp, Qt::Key_Return);
  EXPECT_EQ(lamp_clicks.count(), 0);
}

TEST(ZelSwitchButton, TheCaptionsAcceleratorClicksWhileEnabled) {
  Panel panel;
  TZelSwitchButton* power = AddPowerButton(panel, 0, 0);
  power->SetCaption(QStringLiteral("&POWER"));
  auto* entry = new QLineEdit(&panel);
  panel.layout()->addWidget(entry);
  panel.ShowAndActivate();
  entry->setFocus();
  QSignalSpy clicks(power, &TZelSwitchButton::clicked);

  QTest::keyClick(entry, Qt::Key_P, Qt::AltModifier);
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_TRUE(power->IsOn());

  power->SetCaption(QStringLiteral("SYN&CH"));
  QTest::keyClick(entry, Qt::Key_P, Qt::AltModifier);
  EXPECT_EQ(clicks.count(), 1);
  QTest::keyClick(entry, Qt::Key_C, Qt::AltModifier);
  EXPECT_EQ(clicks.count(), 2);

  power->setEnabled(false);
  QTest::keyClick(entry, Qt::Key_C, Qt::AltModifier);
  EXPECT_EQ(clicks.count(), 2);
  power->setEnabled(true);
  power->SetCaption(QStringLiteral("SYNCH"));
  QTest::keyClick(entry, Qt::Key_C, Qt::AltModifier);
  EXPECT_EQ(clicks.count(), 2);
}

TEST(ZelSwitchButton, FocusMakesAPushButtonTheDefaultAndLosingItUndoesThat) {
  Panel panel;
  TZelSwitchButton* power = AddPowerButton(panel, 0, 0);
  TZelSwitchButton* other = AddPowerButton(panel, 0, 1);
  TZelSwitchButton* lamp = panel.Add(0, 2);
  panel.ShowAndActivate();

  power->setFocus();
  EXPECT_TRUE(power->Default());
  EXPECT_FALSE(other->Default());
  other->setFocus();
  EXPECT_FALSE(power->Default());
  EXPECT_TRUE(other->Default());

  // A plain lamp never becomes the default, even when given the focus by code.
  lamp->setFocus();
  EXPECT_TRUE(lamp->hasFocus());
  EXPECT_FALSE(lamp->Default());
  EXPECT_FALSE(other->Default());
}

TEST(ZelSwitchButton, LooksOfTheFaceplatesLampsAndPowerButton) {
  QFont font(QStringLiteral("DejaVu Sans"), 7);
  font.setBold(true);
  Panel panel(font);
  TZelSwitchButton* power_off = AddPowerButton(panel, 0, 0);
  TZelSwitchButton* power_on = AddPowerButton(panel, 0, 1);
  power_on->SetIsOn(true);
  TZelSwitchButton* power_down = AddPowerButton(panel, 0, 2);
  power_down->SetIsOn(true);
  power_down->SetIsDown(State::kDown);
  TZelSwitchButton* power_default = AddPowerButton(panel, 0, 3);
  power_default->SetCaption(QStringLiteral("&POWER"));
  power_default->SetDefault(true);

  const std::vector<std::pair<QString, Layout>> lamps = {
      {QStringLiteral("SYNCH"), Layout::kGlyphLeft},
      {QStringLiteral("="), Layout::kGlyphLeft},
      {QStringLiteral("SYNCH"), Layout::kGlyphTop},
      {QStringLiteral("="), Layout::kGlyphRight},
  };
  for (int row = 1; row <= 2; ++row) {
    for (int i = 0; i < static_cast<int>(lamps.size()); ++i) {
      TZelSwitchButton* lamp = panel.Add(row, i);
      lamp->SetCaption(lamps[i].first);
      lamp->SetCapLocation(lamps[i].second);
      lamp->SetIsOn(row == 2);
    }
  }
  TZelSwitchButton* labelled = panel.Add(3, 0);
  labelled->SetCapLabel1(QStringLiteral("VFO"));
  labelled->SetCaption(QStringLiteral("A=B"));
  labelled->SetIsOn(true);
  TZelSwitchButton* bottom = AddPowerButton(panel, 3, 1);
  bottom->SetCapLocation(Layout::kGlyphBottom);
  bottom->SetCaption(QStringLiteral("SYNCH"));
  bottom->setFixedSize(65, 45);
  TZelSwitchButton* disabled = AddPowerButton(panel, 3, 2);
  disabled->setEnabled(false);
  TZelSwitchButton* amber = panel.Add(3, 3);
  amber->SetOnColor(QColor(0xffa020));
  amber->SetOffColor(QColor(0x804000));
  amber->SetIsOn(true);
  amber->SetCaption(QStringLiteral("TAPE"));

  panel.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
  panel.setFocus();
  EXPECT_TRUE(power_off->font().bold());
  const QImage shot(testing::SaveShot(&panel, QStringLiteral("zel_switch_buttons")));
  ASSERT_FALSE(shot.isNull());

  // A lit lamp glows: its green is far brighter than the same lamp's when dark.
  const auto lamp_green = [&](TZelSwitchButton* b) {
    QImage image = b->grab().toImage();
    int brightest = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width() / 3; ++x) {
        const QColor c = image.pixelColor(x, y);
        if (c.hsvSaturation() > 120) brightest = std::max(brightest, c.green());
      }
    }
    return brightest;
  };
  EXPECT_GT(lamp_green(power_on), lamp_green(power_off) + 60);
}

}  // namespace
}  // namespace r8
