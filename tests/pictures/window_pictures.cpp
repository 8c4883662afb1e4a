// Writes pictures of the main windows for a person to look at: window_pictures <folder>.
// Not a test: nothing here is checked, the pictures are the output.
#include <cstdio>

#include <QApplication>
#include <QListWidget>
#include <QDir>
#include <QTabWidget>
#include <QTest>

#include "faceplate/ui/face_plate_window.h"
#include "faceplate/ui/zel_switch_button.h"
#include "help/help_topics.h"
#include "help/ui/help_window.h"
#include "memory/memory_document.h"
#include "memory/ui/memory_comment_dialog.h"
#include "memory/ui/memory_edit_dialog.h"
#include "memory/ui/memory_list_window.h"
#include "memory/ui/memory_progress_window.h"
#include "common/ui/prog_bar_dialog.h"
#include <QMainWindow>
#include "options/ui/options_dialog.h"
#include "support/test_context.h"

namespace {

bool Save(QWidget* w, const QDir& folder, const char* name) {
  QApplication::processEvents();
  const QString path = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
  if (w->grab().save(path)) return true;
  std::fprintf(stderr, "window_pictures: cannot write %s\n", path.toLocal8Bit().constData());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: window_pictures <folder>\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(folder.path())) {
    std::fprintf(stderr, "window_pictures: cannot make %s\n", argv[1]);
    return 1;
  }
  bool ok = true;

  r8::testing::TestContext t(r8::kModelR8B);
  t.ctx().settings().TimeOffset = 0;
  t.WriteSettingsFile();
  {
    r8::TFacePlate face(t.ctx());
    face.show();
    face.activateWindow();
    QTest::qWaitForWindowActive(&face);  // the keyboard items answer only in the active window
    face.FormShow();
    face.UpdateDisplay();
    QTest::keyClicks(&face, QStringLiteral("9580"));
    QTest::keyClick(&face, Qt::Key_Return);
    face.resize(face.sizeHint());
    ok &= Save(&face, folder, "faceplate_on");
    // The blanker on, to see that the panel keeps its layout.
    QTest::mouseClick(face.findChild<QWidget*>(QStringLiteral("NoiseBtn")), Qt::LeftButton);
    ok &= Save(&face, folder, "faceplate_blanker");
    QTest::mouseClick(face.findChild<QWidget*>(QStringLiteral("PowerBtn")), Qt::LeftButton);
    ok &= Save(&face, folder, "faceplate_off");
  }
  {
    r8::TOptions options(t.ctx());
    options.show();
    options.resize(options.sizeHint());
    options.OptionPage->setCurrentIndex(r8::kPageRadio);
    ok &= Save(&options, folder, "options_radio");
    options.OptionPage->setCurrentIndex(r8::kPageComms);
    ok &= Save(&options, folder, "options_comms");
  }
  {
    r8::MemoryDocument& doc = t.ctx().memory();
    doc.comment = "49 m evening";
    doc.SetSlot(0, "*000 20:<8   5.97500*MHz\tVOA");
    doc.SetSlot(1, "*001 ?:9:<   6.07000*MHz\tCFRX");
    doc.SetSlot(3, "*003 6402=   7.23500*MHz\tNET");
    doc.SetSlot(4, "*004 00608 145.50000*MHz");
    doc.SetSlot(5, "*005 20:<8   9580.00*KHz\tR Aust");
    r8::TMemList list(t.ctx());
    list.show();
    list.MemLst->setCurrentRow(1);
    ok &= Save(&list, folder, "memory_list");
    r8::TMemCmtDlg comment(doc.comment);
    comment.show();
    ok &= Save(&comment, folder, "memory_comment");
    r8::TMemEditDlg edit(t.ctx(), r8::OpenForEdit(t.ctx(), r8::EditAction::kModify, 1));
    edit.show();
    ok &= Save(&edit, folder, "memory_edit");
  }
  {
    QMainWindow window;
    r8::MemoryProgressWindow progress(t.prompts(), window);
    progress.Open("Memory Capture", "Wait...  Capturing Memories.");
    progress.Position(400, 1000);
    ok &= Save(progress.bar(), folder, "memory_progress");
    progress.Close();
  }
  {
    r8::THelpWindow help;
    help.resize(900, 600);
    help.show();
    help.ShowContext(r8::kHelpOptions);
    ok &= Save(&help, folder, "help_window");
  }
  return ok ? 0 : 1;
}
