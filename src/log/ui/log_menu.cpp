#include "log/ui/log_menu.h"

#include <QMainWindow>
#include <QMenuBar>

#include "app/app_context.h"
#include "common/ui/menu_items.h"
#include "log/log_file.h"
#include "log/ui/log_entry_dialog.h"
#include "log/ui/log_list_window.h"

namespace r8 {

LogMenu::LogMenu(AppContext& ctx, QMainWindow& window, QMenuBar& bar,
                 std::function<void(int page)> run_options, ShowHelpFn show_help)
    : QObject(&window),
      ctx_(ctx),
      window_(window),
      run_options_(std::move(run_options)),
      show_help_(std::move(show_help)) {
  QMenu* menu = bar.addMenu(QStringLiteral("&Log"));
  menu->setObjectName(QStringLiteral("LogMenu"));
  auto post = [this](AppCommand c) { return [this, c] { ctx_.commands().Post(c); }; };
  AddItem(menu, "LogOpen1", "Log &open...", post(AppCommand::kLogOpen))
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
  AddItem(menu, "LogEntry1", "&Log entry...", post(AppCommand::kLogEntry))
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  AddItem(menu, "ShowLog1", "&Show log", post(AppCommand::kToolsLog))
      ->setShortcut(QKeySequence(Qt::Key_F4));
  menu->addSeparator();
  AddItem(menu, "ExportLog1", "&Export log", [this] { ExportLog(); });
  AddItem(menu, "PrintLog1", "P&rint log", [this] {
    PrintLog();
  })->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F4));
  menu->addSeparator();
  AddItem(menu, "LoggingParameters1", "Logging &parameters...",
          post(AppCommand::kLoggingParameters));

  CommandTable& t = ctx.commands();
  subscriptions_.push_back(t.Register(AppCommand::kToolsLog, [this](int) { CMToolsLog(); }));
  subscriptions_.push_back(t.Register(AppCommand::kLogOpen, [this](int) { CMLogOpen(); }));
  subscriptions_.push_back(t.Register(AppCommand::kLogEntry, [this](int) { CMLogEntry(); }));
  subscriptions_.push_back(
      t.Register(AppCommand::kLoggingParameters, [this](int) { LoggingParameters(); }));
}

LogMenu::~LogMenu() = default;

TLogList* LogMenu::list() const { return list_; }

void LogMenu::CMToolsLog() {
  if (!list_) {
    const LogFile log(LogFilePath(ctx_.data_folder(), ctx_.settings().log_file));
    if (!log.Exists()) {
      std::string error;
      LogLines none;
      log.Read(none, error);
      ShowMessage(ctx_.prompts(), MessageKind::kError, error);
      return;
    }
    list_ = new TLogList(ctx_, &window_);
    list_->setAttribute(Qt::WA_DeleteOnClose);
    list_->show_help = show_help_;
  }
  if (!list_->CMToolsLog()) return;
  list_->show();
  list_->raise();
  list_->activateWindow();
}

void LogMenu::CMLogOpen() {
  FileDialogRequest req;
  req.for_open = true;
  req.filters = {"Log|*.LOG"};
  req.initial_dir = ctx_.data_folder().string();
  req.initial_name = LogFilePath(ctx_.data_folder(), ctx_.settings().log_file).filename().string();
  req.file_must_exist = false;
  const FileDialogResult r = ctx_.prompts().FileDialog(req);
  if (!r.accepted || r.name.empty()) return;
  std::string name = r.name;
  if (std::filesystem::path(name).extension().empty()) name += ".LOG";
  const LogFile log(LogFilePath(ctx_.data_folder(), name));
  std::string error;
  if (!log.CreateIfMissing(error)) {
    ShowMessage(ctx_.prompts(), MessageKind::kError, error);
    return;
  }
  ctx_.settings().log_file = log.path().string();
  ctx_.profile().WriteString(kOptionsSection, "LOGFILE", ctx_.settings().log_file);
  CMToolsLog();
}

void LogMenu::CMLogEntry() {
  QWidget* parent = list_ && list_->isVisible() ? static_cast<QWidget*>(list_) : &window_;
  TLogEDlg dialog(ctx_, parent);
  dialog.open_log_file = [this] { CMLogOpen(); };
  dialog.show_help = show_help_;
  dialog.SetMode(LogEntryMode::kAdd);
  if (dialog.exec() == QDialog::Accepted && list_) list_->CMToolsLog();
}

void LogMenu::LoggingParameters() {
  if (run_options_) run_options_(kOptionsLogPage);
}

// wired when the export formats land
void LogMenu::ExportLog() {}
// wired when the export formats land
void LogMenu::PrintLog() {}

}  // namespace r8
