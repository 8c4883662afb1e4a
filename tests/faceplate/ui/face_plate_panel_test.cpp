// The faceplate panel on its own, as a secondary window sees it: no main window, no menus. Other
// windows reach it only through the context's command table and follow it through its events.
#include "faceplate/ui/face_plate_panel.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "app/app_context.h"
#include "radio/radio_model.h"
#include "support/test_context.h"
#include "support/ui_support.h"

namespace r8 {
namespace {

TEST(FacePlatePanel, PostedCommandsTuneAndRefreshItWithoutAMainWindow) {
  testing::TestContext t(kModelR8A);
  t.ctx().settings().TimeOffset = 0;
  t.Connect();
  FacePlatePanel panel(t.ctx());
  panel.show();
  auto freq = [&] { return testing::Named<QLabel>(&panel, "FreqLbl")->text().toStdString(); };
  std::vector<double> followed;
  Subscription follower = t.ctx().events().display_refreshed.Subscribe(
      [&](const RadioState& r) { followed.push_back(r.RadioFreq); });
  CommandTable& commands = t.ctx().commands();
  EXPECT_EQ(freq(), "O  F  F ");  // nothing read yet
  commands.Post(AppCommand::kRefresh);
  t.receiver().ClearLog();

  // A list window types a frequency, one keypad character at a time (command 1220).
  for (char c : std::string("9580\r")) EXPECT_TRUE(commands.Post(AppCommand::kKeypadChar, c));
  EXPECT_EQ(freq(), " 9580.00");
  EXPECT_EQ(t.receiver().commands().front(), "F0958000\r");

  // The receiver is tuned behind the program's back; a refresh (command 1964) shows it.
  t.receiver().Receive("F1000000\r", 0);
  EXPECT_EQ(freq(), " 9580.00");
  EXPECT_TRUE(commands.Post(1964));
  EXPECT_EQ(freq(), "10000.00");

  // One step up (command 1216) with the default step of 5 kHz.
  EXPECT_TRUE(commands.Post(AppCommand::kTuneUp));
  EXPECT_EQ(freq(), "10005.00");
  ASSERT_GE(followed.size(), 3u);
  EXPECT_DOUBLE_EQ(followed.back(), 10005.0);

  // A window that has gone is told nothing more.
  follower.Reset();
  const std::size_t seen = followed.size();
  commands.Post(AppCommand::kRefresh);
  EXPECT_EQ(followed.size(), seen);
}

TEST(FacePlatePanel, ItsCommandsLeaveTheTableWithIt) {
  testing::TestContext t(kModelR8B);
  {
    FacePlatePanel panel(t.ctx());
    EXPECT_TRUE(t.ctx().commands().Has(AppCommand::kKeypadChar));
    EXPECT_TRUE(t.ctx().commands().Has(AppCommand::kRefresh));
  }
  EXPECT_FALSE(t.ctx().commands().Post(AppCommand::kKeypadChar, '5'));
  EXPECT_FALSE(t.ctx().commands().Post(AppCommand::kRefresh));
}

}  // namespace
}  // namespace r8
