// The faceplate's log items: open a log file, add an entry, show the log display, and the
// logging parameters. It owns the log display and answers the named log commands, so the other
// windows (the who-else list's station, the log display's own items) reach the same operations.
#pragma once

#include <functional>
#include <vector>

#include <QObject>
#include <QPointer>

#include "common/events.h"
#include "help/ui/help_desk.h"

class QMainWindow;
class QMenuBar;

namespace r8 {

class AppContext;
class TLogList;

class LogMenu : public QObject {
 public:
  // run_options opens the Options dialog on a page; show_help the windows' help topics.
  LogMenu(AppContext& ctx, QMainWindow& window, QMenuBar& bar,
          std::function<void(int page)> run_options, ShowHelpFn show_help = {});
  ~LogMenu() override;

  // CMToolsLog: shows the log display, loaded afresh from the log file.
  void CMToolsLog();
  // CMLogOpen: chooses a log file (a new name creates it), then shows it.
  void CMLogOpen();
  // CMLogEntry: the entry dialog in Add mode; the display is reloaded after OK.
  void CMLogEntry();
  void LoggingParameters();
  // Wired when the export formats land.
  void ExportLog();
  // Wired when the export formats land.
  void PrintLog();

  TLogList* list() const;

 private:
  AppContext& ctx_;
  QMainWindow& window_;
  std::function<void(int)> run_options_;
  ShowHelpFn show_help_;
  QPointer<TLogList> list_;
  std::vector<Subscription> subscriptions_;
};

// The Options dialog's "Log" page.
inline constexpr int kOptionsLogPage = 4;

}  // namespace r8
