// Writes pictures of the main windows for a person to look at: window_pictures <folder>.
// Not a test: nothing here is checked, the pictures are the output.
#include <cstdio>
#include <filesystem>

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTest>

#include "database/database_files.h"
#include "faceplate/ui/face_plate_window.h"
#include "faceplate/ui/zel_switch_button.h"
#include "help/help_topics.h"
#include "help/ui/help_window.h"
#include "options/ui/options_dialog.h"
#include "programmes/ui/dx_list_window.h"
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
    r8::THelpWindow help;
    help.resize(900, 600);
    help.show();
    help.ShowContext(r8::kHelpOptions);
    ok &= Save(&help, folder, "help_window");
  }
  {
    // The demo's guide on a Wednesday afternoon, with the demo's season on the air.
    std::filesystem::copy_file(R8_DEMO_DIR "/DXSHOWS.TXT", t.dir() / "DXSHOWS.TXT");
    t.clock().Set({2026, 6, 10, 13, 10, 0});
    r8::LoadDatabaseFiles(R8_DEMO_DIR, t.ctx().database(), nullptr);
    r8::TDXList list(t.ctx());
    list.show();
    list.CMDXPrograms2();
    ok &= Save(&list, folder, "dx_programs");
  }
  return ok ? 0 : 1;
}
