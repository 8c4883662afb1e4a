#include "faceplate/face_plate_window.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "support/test_context.h"
#include "support/ui_support.h"

namespace r8 {
namespace {

TEST(FacePlateWindow, ClockShowsUtcWithTheOffsetOrLocalTime) {
  testing::TestContext t;
  t.clock().Set({2026, 12, 5, 23, 30, 0});
  t.ctx().settings().TimeOffset = 1.0;
  TFacePlate face(t.ctx());
  face.show();
  EXPECT_EQ(face.windowTitle(), QStringLiteral("Veltrix R8 Control 32"));
  EXPECT_EQ(face.TimeLbl->text(), QStringLiteral("UTC"));
  EXPECT_EQ(face.ClockLbl->text(), QStringLiteral("00:30 s"));
  testing::SaveShot(&face, QStringLiteral("faceplate"));

  t.ctx().settings().ClockDisplay = 1;
  t.ctx().settings().local_clock = 1;
  face.UpdateClock();
  EXPECT_EQ(face.TimeLbl->text(), QStringLiteral("LOCAL"));
  EXPECT_EQ(face.ClockLbl->text(), QStringLiteral("11:30 a"));
}

}  // namespace
}  // namespace r8
