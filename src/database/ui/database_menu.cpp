#include "database/ui/database_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QToolBar>

#include "app/app_context.h"
#include "app/ui/banner_window.h"
#include "common/confirm_save.h"
#include "common/ui/menu_items.h"
#include "common/ui/prog_bar_dialog.h"
#include "common/ui/qt_user_prompts.h"
#include "companion/ui/eibi_import_dialog.h"
#include "database/database_commands.h"
#include "database/database_files.h"

namespace r8 {

DatabaseMenu::DatabaseMenu(AppContext& ctx, QMainWindow& window, QMenu& file, TProgBar& progress,
                           QPrinter& printer)
    : ctx_(ctx), window_(window), progress_(progress), printer_(printer) {
  QMenu* f = &file;
  OpenDatabase1 = AddItem(f, "OpenDatabase1", "&Open database", [this] { UpdateAll(); });
  OpenDatabase1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F9));
  SaveDatabase1 = AddItem(f, "SaveDatabase1", "&Save database", [this] { CMFileSave(); });
  SaveDatabase1->setShortcut(QKeySequence(Qt::Key_F9));
  DumpDatabase1 = AddItem(f, "DumpDatabase1", "&Dump database", [this] { CMAllPrint(); });
  DumpDatabase1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F9));
  ImportDatabase1 = AddItem(f, "ImportDatabase1", "&Import database", [this] { CMFileImport(); });
  ImportDatabase1->setShortcut(QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_F9));
  ImportEibi1 = AddItem(f, "ImportEibi1", kEibiImportCaption, [this] { CMImportEibi(); });
  SwapDatabase1 = AddItem(f, "SwapDatabase1", "S&wap database...", [this] { CMSwapDatabase(); });
  SwapDatabase1->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F9));
  PublishDatabase1 =
      AddItem(f, "PublishDatabase1", "P&ublish database", [this] { CMFilePublish(); });
  PublishDatabase1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
  f->addSeparator();
  PrinterSetup1 =
      AddItem(f, "PrinterSetup1", "P&rinter setup...", [this] { Printersetup1Click(); });
  f->addSeparator();

  QToolBar* tools = window.addToolBar(QStringLiteral("Database"));
  tools->setObjectName(QStringLiteral("ToolBar"));
  tools->setMovable(false);
  OpenDBBtn = tools->addAction(QStringLiteral("Open DB"), tools, [this] { UpdateAll(); });
  OpenDBBtn->setObjectName(QStringLiteral("OpenDBBtn"));
  OpenDBBtn->setToolTip(QStringLiteral("Open database"));
  SaveDBBtn = tools->addAction(QStringLiteral("Save DB"), tools, [this] { CMFileSave(); });
  SaveDBBtn->setObjectName(QStringLiteral("SaveDBBtn"));
  SaveDBBtn->setToolTip(QStringLiteral("Save database"));
  SaveDatabase1->setEnabled(false);
  SaveDBBtn->setEnabled(false);

  update_all_command_ =
      ctx_.commands().Register(AppCommand::kUpdateAll, [this](int) { UpdateAll(); });
  SetCaption(MainWindowCaption(ctx_.data_folder()));
}

void DatabaseMenu::SetCaption(const std::string& caption) { window_.setWindowTitle(ToQt(caption)); }

void DatabaseMenu::ShowChanged(bool changed) {
  SaveDatabase1->setEnabled(changed);
  SaveDBBtn->setEnabled(changed);
}

void DatabaseMenu::LoadDatabase() {
  if (!banner_) banner_ = new TBanner(&window_);
  banner_->ShowOver();
  progress_.SetBanner(banner_);
  DatabasePorts ports = ctx_.database_ports(&progress_);
  ReadDB(ctx_.data_folder(), ctx_.database(), ports);
  ctx_.query_results().ResetAll();
  banner_->hide();
  progress_.SetBanner(nullptr);
  ctx_.events().database_changed.Emit(DatabaseChange::kLoaded);
}

void DatabaseMenu::UpdateAll() {
  DatabasePorts ports = ctx_.database_ports(&progress_);
  const UpdateAllResult r = r8::UpdateAll(ctx_.data_folder(), ctx_.database(), ports);
  if (r.outcome == CommandOutcome::kDone) {
    ctx_.query_results().ResetAll();
    SetCaption(r.caption);
    ctx_.events().database_changed.Emit(DatabaseChange::kLoaded);
  }
  ctx_.commands().Post(AppCommand::kRefresh);
}

void DatabaseMenu::CMFileSave() {
  DatabasePorts ports = ctx_.database_ports(&progress_);
  if (r8::CMFileSave(ctx_.data_folder(), ctx_.database(), ports) == CommandOutcome::kDone)
    ctx_.commands().Post(AppCommand::kRefresh);
  ctx_.events().database_changed.Emit(DatabaseChange::kChanged);
}

void DatabaseMenu::CMAllPrint() {
  DatabasePorts ports = ctx_.database_ports(&progress_);
  r8::CMAllPrint(ctx_.data_folder(), ctx_.database(), ports);
  ctx_.events().database_changed.Emit(DatabaseChange::kChanged);
}

void DatabaseMenu::CMFileImport() {
  DatabasePorts ports = ctx_.database_ports(&progress_);
  r8::CMFileImport(ctx_.data_folder(), ctx_.database(), ports);
  ctx_.events().database_changed.Emit(DatabaseChange::kChanged);
}

void DatabaseMenu::CMSwapDatabase() {
  DatabasePorts ports = ctx_.database_ports(&progress_);
  r8::CMSwapDatabase(ctx_.data_folder(), ctx_.database(), ports);
  ctx_.events().database_changed.Emit(DatabaseChange::kChanged);
}

void DatabaseMenu::CMFilePublish() {
  DatabasePorts ports = ctx_.database_ports(&progress_);
  r8::CMFilePublish(ctx_.data_folder(), ctx_.database(), ports);
  ctx_.events().database_changed.Emit(DatabaseChange::kChanged);
}

void DatabaseMenu::CMImportEibi() {
  DatabasePorts ports = ctx_.database_ports(&progress_);
  if (ImportEibiSchedule(&window_, ctx_.data_folder(), ctx_.database(), ports) ==
      CommandOutcome::kDone) {
    UpdateAll();
  }
  ctx_.events().database_changed.Emit(DatabaseChange::kChanged);
}

void DatabaseMenu::Printersetup1Click() {
  QPrintDialog dialog(&printer_, &window_);
  dialog.setWindowTitle(QStringLiteral("Printer Setup"));
  dialog.exec();
}

bool DatabaseMenu::AskToSaveDatabase(const char* action) {
  StationDatabase& db = ctx_.database();
  switch (ConfirmSaveChanges(ctx_.prompts(), "Database", action, db.DatabaseChanged())) {
    case Answer::kYes: {
      DatabasePorts ports = ctx_.database_ports(&progress_);
      // A save that fails keeps the program open: the changes exist only in memory.
      return r8::CMFileSave(ctx_.data_folder(), db, ports) == CommandOutcome::kDone;
    }
    case Answer::kNo:
      db.SetDatabaseChanged(0);
      return true;
    default:
      return false;
  }
}

}  // namespace r8
