#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "log/ui/format_edit_dialog.h"
#include "support/test_context.h"
#include "support/ui_support.h"

namespace r8 {
namespace {

using testing::Named;

TEST(FormEditTest, TagButtonsInsertAndOkRefusesElevenExportLines) {
  testing::TestContext t;
  testing::WriteBytes(t.dir() / "LIST.FML", "[freq] \r\n");
  t.ctx().settings().log_form = "LIST.FML";
  TFormEdit edit(t.ctx(), FormatKind::kExport);
  edit.show();
  EXPECT_EQ(edit.windowTitle(), QStringLiteral("Log Export Format - [LIST.FML]"));
  EXPECT_FALSE(Named<QPushButton>(&edit, "DXerBtn")->isVisible());
  edit.FormMemo->moveCursor(QTextCursor::End);
  QTest::mouseClick(Named<QPushButton>(&edit, "StatBtn"), Qt::LeftButton);
  EXPECT_EQ(edit.FormMemo->toPlainText(), QStringLiteral("[freq] [stat]"));
  EXPECT_TRUE(edit.modified());

  edit.FormMemo->appendPlainText(QStringLiteral("\n\n\n\n\n\n\n\n\n"));
  Named<QDialogButtonBox>(&edit, "Buttons")->button(QDialogButtonBox::Ok)->click();
  EXPECT_EQ(t.prompts().texts(),
            std::vector<std::string>{"The export format cannot exceed 10 lines."});
  EXPECT_TRUE(edit.isVisible());
  EXPECT_EQ(testing::ReadBytes(t.dir() / "LIST.FML"), "[freq] \r\n");
}

}  // namespace
}  // namespace r8
