#include "log/ui/log_menu.h"

#include <optional>

#include <QMainWindow>
#include <QMenuBar>
#include <QPrinter>

#include "app/app_context.h"
#include "common/ui/menu_items.h"
#include "log/log_export.h"
#include "log/log_file.h"
#include "log/log_report.h"
#include "log/ui/log_entry_dialog.h"
#include "log/ui/log_list_window.h"
#include "log/ui/log_print_port.h"
#include "printing/log_pages.h"
#include "printing/page_sheet.h"
#include "printing/ui/log_printing.h"
#include "printing/ui/print_path.h"

namespace r8 {

LogMenu::LogMenu(AppContext& ctx, QMainWindow& window, QMenuBar& bar,
                 std::function<void(int page)> run_options, ShowHelpFn show_help,
                 QPrinter* printer)
    : QObject(&window),
      ctx_(ctx),
      window_(window),
      run_options_(std::move(run_options)),
      show_help_(std::move(show_help)),
      printer_(printer) {
  if (!printer_) {
    own_printer_ = std::make_unique<QPrinter>();
    printer_ = own_printer_.get();
  }
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
  AddItem(menu, "ExportLog1", "&Export log", post(AppCommand::kLogExport));
  AddItem(menu, "PrintLog1", "P&rint log", post(AppCommand::kLogPrint))
      ->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F4));
  AddItem(menu, "PreviewLog1", "Print pre&view", [this] {
    ctx_.commands().Post(AppCommand::kLogPrint, 1);
  });
  menu->addSeparator();
  AddItem(menu, "LoggingParameters1", "Logging &parameters...",
          post(AppCommand::kLoggingParameters));

  CommandTable& t = ctx.commands();
  subscriptions_.push_back(t.Register(AppCommand::kToolsLog, [this](int) { CMToolsLog(); }));
  subscriptions_.push_back(t.Register(AppCommand::kLogOpen, [this](int) { CMLogOpen(); }));
  subscriptions_.push_back(t.Register(AppCommand::kLogEntry, [this](int) { CMLogEntry(); }));
  subscriptions_.push_back(
      t.Register(AppCommand::kLoggingParameters, [this](int) { LoggingParameters(); }));
  subscriptions_.push_back(
      t.Register(AppCommand::kLogExport, [this](int) { ExportLog(kExportAll); }));
  subscriptions_.push_back(
      t.Register(AppCommand::kLogExport2, [this](int) { ExportLog(kExportSelected); }));
  subscriptions_.push_back(t.Register(AppCommand::kLogReport, [this](int) { LogReport(); }));
  subscriptions_.push_back(
      t.Register(AppCommand::kLogPrint, [this](int preview) { PrintLog(preview == 1); }));
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
  TLogEDlg dialog(ctx_, Parent());
  dialog.open_log_file = [this] { CMLogOpen(); };
  dialog.show_help = show_help_;
  dialog.SetMode(LogEntryMode::kAdd);
  if (dialog.exec() == QDialog::Accepted && list_) list_->CMToolsLog();
}

void LogMenu::LoggingParameters() {
  if (run_options_) run_options_(kOptionsLogPage);
}

namespace {

// Every entry of the log file (blank lines left out), or nullopt after the error box.
std::optional<std::vector<std::string>> ReadAllEntries(AppContext& ctx) {
  const LogFile log(LogFilePath(ctx.data_folder(), ctx.settings().log_file));
  std::string error;
  std::vector<std::string> lines = log.AllEntryLines(error);
  if (!error.empty()) {
    ShowMessage(ctx.prompts(), MessageKind::kError, error);
    return std::nullopt;
  }
  return lines;
}

}  // namespace

QWidget* LogMenu::Parent() const {
  return list_ && list_->isVisible() ? static_cast<QWidget*>(list_) : &window_;
}

void LogMenu::ExportLog(int mode) {
  std::vector<std::string> lines;
  if (mode == kExportAll) {
    std::optional<std::vector<std::string>> all = ReadAllEntries(ctx_);
    if (!all) return;
    lines = std::move(*all);
  } else if (list_) {
    lines = list_->SelectedEntryLines();
  }
  PrintPath path(*printer_, Parent(), ctx_.prompts(), print_dialog);
  QtLogPrintPort port(path, Parent());
  LogExport(ctx_, mode, lines, &port);
}

void LogMenu::LogReport() {
  const std::vector<std::string> lines = list_ ? list_->SelectedEntryLines()
                                               : std::vector<std::string>{};
  PrintPath path(*printer_, Parent(), ctx_.prompts(), print_dialog);
  QtLogPrintPort port(path, Parent());
  r8::LogReport(ctx_, lines, port);
}

void LogMenu::PrintLog(bool preview) {
  const std::optional<std::vector<std::string>> all = ReadAllEntries(ctx_);
  if (!all) return;
  LogPrintRequest request;
  request.log_file = LogFilePath(ctx_.data_folder(), ctx_.settings().log_file).string();
  request.lines = LogPrintLines(*all);
  request.selection_offered = list_ && list_->isVisible();
  if (request.selection_offered) request.selection_lines = LogPrintLines(list_->SelectedEntryLines());
  request.date = FooterDate(ctx_.clock());
  PrintPath path(*printer_, Parent(), ctx_.prompts(), print_dialog);
  if (preview) {
    PreviewLog(path, request);
  } else {
    r8::PrintLog(path, request);
  }
}

}  // namespace r8
