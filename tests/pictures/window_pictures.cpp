// Writes pictures of the main windows for a person to look at: window_pictures <folder>.
// Not a test: nothing here is checked, the pictures are the output.
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTest>

#include <QAction>
#include <filesystem>

#include "faceplate/ui/face_plate_window.h"
#include "stations/ui/sked_list_windows.h"
#include "stations/ui/stat_list_window.h"
#include "faceplate/ui/zel_switch_button.h"
#include "help/help_topics.h"
#include "help/ui/help_window.h"
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
    // The station windows on the demo's season at a fixed time.
    r8::testing::TestContext d(r8::kModelR8B);
    d.clock().Set({2026, 12, 5, 14, 30, 0});
    d.ctx().settings().TimeOffset = 0;
    d.WriteSettingsFile();
    for (const char* f : {"SWBCGIDE.DAT", "STATIONS.DAT"})
      std::filesystem::copy_file(std::filesystem::path(R8_DATA_DIR) / "demo" / f, d.dir().path() / f);
    r8::TFacePlate face(d.ctx());
    face.show();
    face.FormShow();
    face.UpdateDisplay();
    for (const char* item : {"SWBCstations1", "Utilitystations1", "AMBCB1"})
      face.findChild<QAction*>(QString::fromLatin1(item))->trigger();
    for (const char* name : {"StatList1", "StatList2", "StatList3"})
      ok &= Save(face.findChild<QWidget*>(QString::fromLatin1(name)), folder, name);
    d.ctx().station_windows().handover().name = "Voice of America";
    d.ctx().station_windows().WhenStat();
    ok &= Save(face.findChild<QWidget*>(QStringLiteral("FullList")), folder, "FullList");
    for (char c : std::string("9580\r")) face.Command(1220, c);
    d.ctx().station_windows().FreqLblClick();
    ok &= Save(face.findChild<QWidget*>(QStringLiteral("SkedList")), folder, "SkedList");
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
    r8::THelpWindow help;
    help.resize(900, 600);
    help.show();
    help.ShowContext(r8::kHelpOptions);
    ok &= Save(&help, folder, "help_window");
  }
  return ok ? 0 : 1;
}
