#include "common/ui/qt_user_prompts.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "support/ui_support.h"

namespace r8 {
namespace {

TEST(QtUserPrompts, ShowsTheExactTextAndReturnsTheButtonPressed) {
  QtUserPrompts prompts([] { return nullptr; }, [] { return true; });
  QString seen_text;
  QString seen_title;
  testing::OnNextModal([&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    seen_text = box->text();
    seen_title = box->windowTitle();
    box->button(QMessageBox::No)->click();
  });
  MessageRequest r;
  r.kind = MessageKind::kConfirmation;
  r.text = "Database has been changed.\r\rSave Database before exiting?";
  r.buttons = MessageButtons::kYesNoCancel;
  EXPECT_EQ(prompts.Message(r), Answer::kNo);
  EXPECT_EQ(seen_text,
            QStringLiteral("Database has been changed.\n\nSave Database before exiting?"));
  EXPECT_EQ(seen_title, QStringLiteral("Veltrix R8 Control 32"));
}

TEST(QtUserPrompts, BusyCursorBalancesAndWaitsForStartUp) {
  bool allowed = false;
  QtUserPrompts prompts([] { return nullptr; }, [&] { return allowed; });
  prompts.BusyCursor(true);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // start-up not finished
  prompts.BusyCursor(false);

  allowed = true;
  prompts.BusyCursor(true);
  prompts.BusyCursor(true);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  prompts.BusyCursor(false);
  EXPECT_NE(QApplication::overrideCursor(), nullptr);
  prompts.BusyCursor(false);
  prompts.BusyCursor(false);  // one too many does no harm
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtUserPrompts, TextConversions) {
  EXPECT_EQ(ToQt("a\r\nb\rc\xe9"), QString::fromUtf8("a\nb\nc\xc3\xa9"));
  EXPECT_EQ(ToQtNameFilter("Memory Files (*.MEM)|*.MEM"),
            QStringLiteral("Memory Files (*.MEM *.mem)"));
  EXPECT_EQ(ToQtNameFilter("All Files (*.*)|*.*"), QStringLiteral("All Files (*.*)"));
  const std::string utf8_name = "/tmp/f\xc3\xbcr.MEM";
  EXPECT_EQ(FileNameFromQt(FileNameToQt(utf8_name)), utf8_name);
}

}  // namespace
}  // namespace r8
