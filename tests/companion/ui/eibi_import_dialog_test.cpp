#include "companion/ui/eibi_import_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "support/ui_support.h"

namespace r8 {
namespace {

TEST(EibiImportDialog, ReadsTheChoiceAndKeepsUnreadableRangesOpen) {
  TEibiImportDlg dlg{EibiImportOptions{}};
  EXPECT_EQ(dlg.RangesEdit->text(), QStringLiteral("100-30000"));
  EXPECT_EQ(dlg.MaxRecordsEdit->value(), kDefaultImportRecords);
  dlg.RangesEdit->setText(QStringLiteral("49m, 9400-9900"));
  dlg.UtilityCB->setChecked(false);
  dlg.MaxRecordsEdit->setValue(5000);
  EXPECT_FALSE(dlg.JammersCB->isChecked());
  EXPECT_EQ(dlg.TargetEdit->text(), QStringLiteral("all"));
  dlg.TargetEdit->setText(QStringLiteral("Eu, Af"));
  dlg.DigitalCB->setChecked(true);
  EibiImportOptions got;
  ASSERT_TRUE(dlg.Read(got));
  EXPECT_EQ(got.ranges, (std::vector<FreqRange>{{5900, 6200}, {9400, 9900}}));
  EXPECT_TRUE(got.broadcast);
  EXPECT_FALSE(got.utility);
  EXPECT_EQ(got.max_records, 5000);
  EXPECT_FALSE(got.jammers);
  EXPECT_TRUE(got.digital);
  EXPECT_EQ(got.areas, kAreaEu | kAreaAf);

  dlg.RangesEdit->setText(QStringLiteral("lots"));
  EXPECT_FALSE(dlg.Read(got));
  EXPECT_TRUE(dlg.ErrorLbl->text().contains(QStringLiteral("lots")));
  dlg.RangesEdit->setText(QStringLiteral("mw"));
  dlg.TargetEdit->setText(QStringLiteral("Moon"));
  EXPECT_FALSE(dlg.Read(got));
  EXPECT_TRUE(dlg.ErrorLbl->text().contains(QStringLiteral("MOON")));
  dlg.TargetEdit->setText(QStringLiteral("all"));
  dlg.BroadcastCB->setChecked(false);
  EXPECT_FALSE(dlg.Read(got));
}

TEST(EibiImportDialog, OkGivesTheChoiceToTheImport) {
  EibiImportOptions options;
  testing::OnNextModal([](QWidget* w) {
    auto* dlg = qobject_cast<TEibiImportDlg*>(w);
    ASSERT_NE(dlg, nullptr);
    dlg->RangesEdit->setText(QStringLiteral("31m"));
    testing::SaveShot(dlg, QStringLiteral("eibi_import_dialog"));
    dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  ASSERT_TRUE(ChooseEibiImportOptions(nullptr, options));
  EXPECT_EQ(options.ranges, (std::vector<FreqRange>{{9400, 9900}}));
}

}  // namespace
}  // namespace r8
