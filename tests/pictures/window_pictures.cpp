// Writes pictures of the main windows for a person to look at: window_pictures <folder>.
// Not a test: nothing here is checked, the pictures are the output.
#include <cstdio>
#include <filesystem>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QDir>
#include <QMenuBar>
#include <QTabWidget>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include "bandplan/ui/band_plan_window.h"
#include "database/database_files.h"
#include <QAction>
#include <filesystem>

#include "faceplate/ui/face_plate_window.h"
#include "stations/ui/sked_list_windows.h"
#include "stations/ui/stat_list_window.h"
#include "faceplate/ui/zel_switch_button.h"
#include "help/help_topics.h"
#include "help/ui/help_window.h"
#include "log/ui/format_edit_dialog.h"
#include "database/demo_database.h"
#include "timers/ui/timer_edit_dialog.h"
#include "timers/ui/timer_list.h"
#include "log/ui/log_entry_dialog.h"
#include "log/ui/log_list_window.h"
#include "memory/memory_document.h"
#include "memory/ui/memory_comment_dialog.h"
#include "memory/ui/memory_edit_dialog.h"
#include "memory/ui/memory_list_window.h"
#include "memory/ui/memory_progress_window.h"
#include "common/ui/prog_bar_dialog.h"
#include "common/ui/print_status_dialog.h"
#include "memory/memory_commands.h"
#include "memory/memory_print.h"
#include "printing/ui/print_path.h"
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QMainWindow>
#include "options/ui/options_dialog.h"
#include "pan/ui/pan_display_window.h"
#include "pan/ui/pan_menu.h"
#include "programmes/ui/dx_list_window.h"
#include "recordedit/ui/record_dialog.h"
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
    (void)QTest::qWaitForWindowActive(&face);  // the keyboard items answer only in the active window
    face.FormShow();
    face.UpdateDisplay();
    QTest::keyClicks(&face, QStringLiteral("9580"));
    QTest::keyClick(&face, Qt::Key_Return);
    face.resize(face.sizeHint());
    ok &= Save(&face, folder, "faceplate_on");
    // The band plan as F2 opens it, on a broadcast band's scan cell and then on the other page.
    face.findChild<QAction*>(QStringLiteral("Bandplan1"))->trigger();
    auto* bands = static_cast<r8::TBandPlan*>(face.findChild<QWidget*>(QStringLiteral("BandPlan")));
    bands->BandGrd1->setCurrentCell(8, 0);
    ok &= Save(bands, folder, "band_plan");
    bands->PageControl1->setCurrentIndex(1);
    ok &= Save(bands, folder, "band_plan_utility");
    bands->PageControl1->setCurrentIndex(0);
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
    // The record dialog as the full schedule's "Insert after" and a station list's boundary
    // insert open it.
    const r8::StationDatabase& db = d.ctx().database();
    for (auto [mode, name] : {std::pair{r8::EditMode::kInsert, "DBQuery_insert"},
                              std::pair{r8::EditMode::kInsertAtBoundary, "DBQuery_boundary"}}) {
      r8::TDBQuery dialog(d.ctx(), mode, r8::FormFor(db, 1, mode, 9580.0), {}, &face);
      dialog.show();
      ok &= Save(&dialog, folder, name);
    }
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
    // The demo memory sheet in the preview, and the status window while it prints.
    r8::MemoryOpen(t.ctx(), false, R8_DEMO_DIR "/DEMO.MEM");
    r8::MemoryPages sheet(t.ctx().memory(), r8::kModelR8B, "07 Dec 26", t.ctx().memory().file_name);
    QPrinter printer;
    r8::PrintPath path(printer, nullptr, t.prompts());
    auto preview = path.PreviewDialog(sheet, t.ctx().memory().file_name);
    preview->resize(900, 1000);
    preview->show();
    ok &= Save(preview.get(), folder, "print_preview");
    bool aborted = false;
    r8::TPrintStatusDlg status(aborted);
    status.SetSource(t.ctx().memory().file_name, "to /home/dx/memories.pdf");
    status.SetPage(3, 10);
    status.show();
    ok &= Save(&status, folder, "print_status");
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
  {
    // A real sweep of the 49 m band from the emulated receiver, 1 kHz a point, with the demo
    // database's stations written over the peaks.
    r8::testing::TestContext s(r8::kModelR8B);
    s.ctx().settings().TimeOffset = 0;
    r8::FillDemoDatabase(s.ctx().database());
    s.Connect();
    s.ctx().control().PowerToggle();
    QMenuBar bar;
    r8::PanMenu pan(s.ctx(), bar, nullptr, [] { return r8::PanSweepSetup{5900, 6200, 1}; });
    pan.PanDisplay1Click();
    pan.window()->resize(900, 320);
    pan.window()->Stations1->setChecked(true);
    pan.window()->Stations1->triggered(true);
    s.ctx().events().scan_changed.Emit(true);
    for (double khz = 5900; khz <= 6200; khz += 1) {
      s.ctx().control().TuneRadio(khz);
      s.ctx().control().PollStatus();
      s.ctx().events().display_refreshed.Emit(s.radio());
    }
    s.ctx().events().scan_changed.Emit(false);
    ok &= Save(pan.window(), folder, "pan_display");
    // The demo's guide on a Wednesday afternoon, with the demo's season on the air.
    std::filesystem::copy_file(R8_DEMO_DIR "/DXSHOWS.TXT", t.dir() / "DXSHOWS.TXT");
    t.clock().Set({2026, 6, 10, 13, 10, 0});
    r8::LoadDatabaseFiles(R8_DEMO_DIR, t.ctx().database(), nullptr);
    r8::TDXList list(t.ctx());
    list.show();
    list.CMDXPrograms2();
    ok &= Save(&list, folder, "dx_programs");
  }
  {
    t.ctx().timers()[0] = {true, "1300", 9410, 0, 128, "Newshour"};
    t.ctx().timers()[1] = {true, "2000", 9.705, 1, 64, "Vatican News"};
    t.ctx().timers()[2] = {false, "0030", 5850, 0, 0x3E, "Slovakia Today"};
    r8::TTimerList timers(t.ctx(), nullptr);
    timers.show();
    ok &= Save(&timers, folder, "timer_list");
    r8::TTimerEditDlg edit(r8::TimerEditMode::kModify, 1, t.ctx().timers()[1], {}, nullptr, nullptr);
    edit.show();
    ok &= Save(&edit, folder, "timer_edit");
  }
  {
    // The demo's sample formats in the format editor.
    for (const char* name : {"LOGLIST.FML", "QSLREPT.FMR"}) {
      std::filesystem::copy_file(std::filesystem::path(R8_DEMO_DIR) / name, t.dir() / name);
    }
    t.ctx().settings().log_form = "LOGLIST.FML";
    t.ctx().settings().rpt_form = "QSLREPT.FMR";
    r8::TFormEdit export_format(t.ctx(), r8::FormatKind::kExport);
    export_format.show();
    ok &= Save(&export_format, folder, "format_edit_export");
    r8::TFormEdit report_format(t.ctx(), r8::FormatKind::kReport);
    report_format.show();
    ok &= Save(&report_format, folder, "format_edit_report");
  }
  {
    // The demo's log sorted by date, an entry with notes of several lines selected, and the
    // entry dialog as Add fills it while the receiver is tuned to 9580 kHz.
    std::filesystem::copy_file(R8_DEMO_DIR "/TARVELIN.LOG", t.dir() / "TARVELIN.LOG");
    t.clock().Set({2026, 3, 18, 21, 5, 0});
    r8::TLogList log(t.ctx());
    log.show();
    log.resize(900, 320);
    (void)QTest::qWaitForWindowExposed(&log);
    log.CMToolsLog();
    log.SortClick(2);
    log.LogLst2->selectRow(5);
    ok &= Save(&log, folder, "log_display");
    t.Connect();
    t.radio().PowerOn = true;
    t.ctx().control().TuneRadio(9580.0);
    t.ctx().station_windows().handover().name = "Shortwave Australia";
    r8::TLogEDlg entry(t.ctx());
    entry.SetMode(r8::LogEntryMode::kAdd);
    entry.NotesEdit->setPlainText(QStringLiteral("Clear, English news at 2100.\nQSL by e-mail."));
    entry.show();
    ok &= Save(&entry, folder, "log_entry");
  }
  return ok ? 0 : 1;
}
