#include "common/ui/prog_bar_dialog.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

#include "support/scripted_prompts.h"
#include "support/ui_support.h"

namespace r8 {
namespace {

using testing::ScriptedPrompts;

TEST(ProgBarWindow, ShowsPercentagesAndHoldsTheBusyCursorWhileOpen) {
  ScriptedPrompts prompts;
  TProgBar bar(prompts);
  bar.Prepare("Loading Database", "Wait....  Reading Database : ");
  bar.show();
  EXPECT_EQ(bar.windowTitle(), QStringLiteral("Loading Database"));
  EXPECT_EQ(bar.BarLbl->text(), QStringLiteral("Wait....  Reading Database : "));
  EXPECT_EQ(prompts.busy_depth, 1);

  std::int16_t last = 0;
  for (int i = 0; i <= 37; ++i) CheckPct(i, 100, 5, last, bar);
  EXPECT_EQ(bar.PctLbl->text(), QStringLiteral("35%"));
  EXPECT_EQ(bar.ProgressBar1->value(), 35);
  testing::SaveShot(&bar, QStringLiteral("prog_bar"));

  bar.hide();
  EXPECT_EQ(prompts.busy_depth, 0);
  bar.show();
  bar.close();
  EXPECT_EQ(prompts.busy_depth, 0);
}

TEST(ProgBarWindow, OpensDirectlyBelowTheStartUpBanner) {
  ScriptedPrompts prompts;
  QWidget banner;
  banner.setGeometry(300, 150, 500, 200);
  banner.show();
  TProgBar bar(prompts);
  bar.SetBanner(&banner);
  bar.show();
  EXPECT_EQ(bar.frameGeometry().top(), banner.frameGeometry().bottom() + 1 + 1);
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_NEAR(bar.frameGeometry().center().x(), screen.center().x(), 1);
  bar.hide();

  banner.hide();
  bar.show();
  EXPECT_NEAR(bar.frameGeometry().center().y(), screen.center().y(), 1);
}

}  // namespace
}  // namespace r8
