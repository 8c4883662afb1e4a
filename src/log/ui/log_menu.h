// The faceplate's log items: open a log file, add an entry, show the log display, and the
// logging parameters. It owns the log display and answers the named log commands, so the other
// windows (the who-else list's station, the log display's own items) reach the same operations.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QObject>
#include <QPointer>

#include "common/events.h"
#include "help/ui/help_desk.h"
#include "printing/ui/print_path.h"

class QMainWindow;
class QMenuBar;
class QPrinter;
class QWidget;

namespace r8 {

class AppContext;
class TLogList;

class LogMenu : public QObject {
 public:
  // run_options opens the Options dialog on a page; show_help the windows' help topics; printer
  // is the program's printer (one of its own when null).
  LogMenu(AppContext& ctx, QMainWindow& window, QMenuBar& bar,
          std::function<void(int page)> run_options, ShowHelpFn show_help = {},
          QPrinter* printer = nullptr);
  ~LogMenu() override;

  // CMToolsLog: shows the log display, loaded afresh from the log file.
  void CMToolsLog();
  // CMLogOpen: chooses a log file (a new name creates it), then shows it.
  void CMLogOpen();
  // CMLogEntry: the entry dialog in Add mode; the display is reloaded after OK.
  void CMLogEntry();
  void LoggingParameters();
  // LogExport: kExportAll every entry of the log file, kExportSelected the display's selection.
  void ExportLog(int mode);
  // LogReport of the display's selection.
  void LogReport();
  // CMToolsLogPrint: the whole log, a page range or the display's selection; preview shows the
  // pages instead.
  void PrintLog(bool preview = false);

  TLogList* list() const;

  // The print dialog the printouts ask with (a scripted one in tests).
  PrintDialogFn print_dialog = RunPrintDialog;

 private:
  // The log display while it is shown, else the main window.
  QWidget* Parent() const;

  AppContext& ctx_;
  QMainWindow& window_;
  std::function<void(int)> run_options_;
  ShowHelpFn show_help_;
  QPointer<TLogList> list_;
  std::unique_ptr<QPrinter> own_printer_;
  QPrinter* printer_ = nullptr;
  std::vector<Subscription> subscriptions_;
};

// The Options dialog's "Log" page.
inline constexpr int kOptionsLogPage = 4;

}  // namespace r8
