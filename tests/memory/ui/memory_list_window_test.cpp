#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/app_context.h"
#include "common/file_commit.h"
#include "faceplate/ui/face_plate_window.h"
#include "memory/memory_commands.h"
#include "memory/ui/memory_comment_dialog.h"
#include "memory/ui/memory_edit_dialog.h"
#include "memory/ui/memory_list_window.h"
#include "memory/ui/memory_menu.h"
#include "memory/ui/memory_progress_window.h"
#include "radio/radio_model.h"
#include "support/test_context.h"
#include "support/ui_support.h"

namespace r8 {
namespace {

using testing::Named;
using testing::TestContext;

class MemListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t_.Connect();
    const auto file = t_.dir() / "DX.MEM";
    std::string error;
    ASSERT_TRUE(CommitFiles(
        {{file, ";dx\r\n*007 20:<8   9.58000*MHz\r\n*012 20:<8   6.00000*MHz\r\n"}}, error));
    ASSERT_TRUE(MemoryOpen(t_.ctx(), false, file.string()));
  }
  void Activate(TMemList& list, int row) {
    list.MemLst->setCurrentRow(row);
    list.MemLst->scrollToItem(list.MemLst->item(row));
    const QRect r = list.MemLst->visualItemRect(list.MemLst->item(row));
    // A real double click: a click, then the second press that the list reads as a double one.
    QTest::mouseClick(list.MemLst->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(list.MemLst->viewport(), Qt::LeftButton, {}, r.center());
  }
  TestContext t_{kModelR8A};
};

TEST_F(MemListTest, OpenedFromAFileAndDoubleClickRecalls) {
  TMemList list(t_.ctx());
  EXPECT_EQ(list.MemLst->count(), 440);
  EXPECT_EQ(list.windowTitle(), QStringLiteral("Memories - [DX.MEM] - dx"));
  EXPECT_TRUE(list.MemLst->item(7)->text().contains(QStringLiteral(" 9.58000")));
  list.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
  Activate(list, 12);
  EXPECT_EQ(t_.port().LastCommand(), "C012\r");
  EXPECT_TRUE(t_.receiver().state().memory_mode);
  EXPECT_EQ(t_.receiver().state().channel, 12);
  // An empty channel is not recalled.
  Activate(list, 13);
  EXPECT_EQ(t_.port().LastCommand(), "C012\r");
}

TEST_F(MemListTest, ClearErasesTheReceiverChannelAndTheRow) {
  TMemList list(t_.ctx());
  list.MemLst->setCurrentRow(7);
  t_.prompts().QueueAnswer(Answer::kYes);
  list.Clear1->trigger();
  EXPECT_EQ(t_.prompts().texts().back(), "Are you sure you want to clear channel 007?");
  EXPECT_EQ(t_.port().LastCommand(), "EC007\r");
  EXPECT_TRUE(list.MemLst->item(7)->text().endsWith(QStringLiteral("<none>")));
  list.EditClick();
  EXPECT_TRUE(list.Save1->isEnabled());
}

TEST_F(MemListTest, CommentDialogSetsTheComment) {
  TMemList list(t_.ctx());
  testing::OnNextModal([](QWidget* w) {
    auto* dlg = static_cast<TMemCmtDlg*>(w);
    dlg->CommentEdit->setPlainText(QStringLiteral("night\nlist"));
    dlg->accept();
  });
  Named<QAction>(&list, "Editcomment1")->trigger();
  EXPECT_EQ(t_.ctx().memory().comment, "nightlist");
  EXPECT_EQ(list.windowTitle(), QStringLiteral("Memories - [DX.MEM]* - nightlist"));
}

TEST_F(MemListTest, MoveStoresTheChannelElsewhereAndClearsTheSource) {
  TMemList list(t_.ctx());
  list.MemLst->setCurrentRow(7);
  list.EditClick();
  testing::OnNextModal([](QWidget* w) {
    auto* dlg = static_cast<TMemEditDlg*>(w);
    dlg->MemLst->setCurrentIndex(20);
    dlg->FillBox->setChecked(false);
    dlg->OKBtnClicked();
  });
  list.Move1->trigger();
  EXPECT_TRUE(t_.ctx().memory().Occupied(20));
  EXPECT_FALSE(t_.ctx().memory().Occupied(7));
  EXPECT_EQ(t_.port().LastCommand(), "EC007\r");
  EXPECT_TRUE(list.MemLst->item(20)->text().contains(QStringLiteral("9.58000")));
}

TEST_F(MemListTest, InsertTakesTheReceiversSettingsAndFillsTheChannel) {
  QMainWindow window;
  MemoryMenu menu(t_.ctx(), *window.menuBar(), window);
  t_.ctx().control().TuneRadio(7335.0);
  t_.ctx().control().PollStatus();
  QString caption;
  testing::OnNextModal([&caption](QWidget* w) {
    caption = w->windowTitle();
    static_cast<TMemEditDlg*>(w)->OKBtnClicked();
  });
  Named<QAction>(&window, "Insertchannel1")->trigger();
  EXPECT_EQ(caption, QStringLiteral("Insert Memory Channel - [DX.MEM]"));
  const int channel = t_.ctx().radio().MemChannel;
  const LineReading r = ReadMemoryLine(t_.ctx().memory().slot(channel));
  ASSERT_TRUE(r.line);
  EXPECT_DOUBLE_EQ(r.line->freq_khz, 7335.0);
  EXPECT_TRUE(t_.receiver().channel(channel).stored);
  EXPECT_EQ(t_.receiver().channel(channel).tuning.freq_10hz, 733500);
}

TEST_F(MemListTest, RowsDroppedFromAFrequencyListAreInserted) {
  TMemList list(t_.ctx());
  QListWidget freq;
  freq.setObjectName(QStringLiteral("FreqLst"));
  freq.setWindowTitle(QStringLiteral("BBC"));
  freq.setSelectionMode(QAbstractItemView::MultiSelection);
  freq.addItems({QStringLiteral("0000-2400\tsmtwhfa\t 9410.0\t  "),
                 QStringLiteral("0000-2400\tsmtwhfa\t15400.0\t  ")});
  freq.selectAll();
  t_.ctx().control().PollStatus();
  const int channel = t_.ctx().radio().MemChannel;
  testing::OnNextModal([](QWidget* w) { static_cast<TMemEditDlg*>(w)->OKBtnClicked(); });
  list.MemLstDropFreq(&freq);
  EXPECT_TRUE(list.MemLst->item(channel)->text().contains(QStringLiteral("9410.00")));
  EXPECT_TRUE(list.MemLst->item(channel + 1)->text().contains(QStringLiteral("BBC")));
  EXPECT_TRUE(t_.receiver().channel(channel + 1).stored);
}

TEST(MemoryProgressTest, CancelButtonIsSeenBetweenChannels) {
  TestContext t;
  QMainWindow window;
  MemoryProgressWindow progress(t.prompts(), window);
  progress.Open("Memory Fill", "Wait...  Filling Memories.");
  EXPECT_FALSE(progress.CancelRequested());
  progress.CancelBtn->click();
  EXPECT_TRUE(progress.CancelRequested());
  progress.Close();
}

TEST(MemoryMenuTest, FaceplateItemsReachTheMemoryCommands) {
  TestContext t(kModelR8B);
  t.WriteSettingsFile();
  TFacePlate face(t.ctx());
  QTest::mouseClick(Named<QWidget>(&face, "MemNoLbl"), Qt::LeftButton);
  TMemList* list = Named<TMemList>(&face, "MemList");
  EXPECT_TRUE(list->isVisible());
  list->hide();
  Named<QAction>(&face, "Showlist1")->trigger();
  EXPECT_TRUE(list->isVisible());
  EXPECT_EQ(list->MemLst->count(), 1000);
  t.prompts().QueueFile((t.dir() / "NEW.MEM").string());
  EXPECT_FALSE(Named<QAction>(&face, "MemSave1")->isEnabled());
  t.ctx().memory().modified = 1;
  MemoryTableChanged(t.ctx());
  EXPECT_TRUE(Named<QAction>(&face, "MemSave1")->isEnabled());
  Named<QAction>(&face, "MemSave1")->trigger();
  EXPECT_TRUE(std::filesystem::exists(t.dir() / "NEW.MEM"));
  EXPECT_EQ(list->windowTitle(), QStringLiteral("Memories - [NEW.MEM]"));
}

}  // namespace
}  // namespace r8
