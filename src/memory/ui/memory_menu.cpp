#include "memory/ui/memory_menu.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPrinter>

#include "app/app_context.h"
#include "common/confirm_save.h"
#include "common/ui/menu_items.h"
#include "memory/memory_commands.h"
#include "memory/memory_edit.h"
#include "memory/memory_exchange.h"
#include "memory/memory_print.h"
#include "memory/ui/memory_edit_dialog.h"
#include "memory/ui/memory_list_window.h"
#include "memory/ui/memory_progress_window.h"
#include "printing/page_sheet.h"
#include "radio/radio_model.h"

namespace r8 {

MemoryMenu::MemoryMenu(AppContext& ctx, QMenuBar& bar, QMainWindow& window, QPrinter* printer)
    : ctx_(ctx), window_(window), printer_(printer) {
  if (!printer_) {
    own_printer_ = std::make_unique<QPrinter>();
    printer_ = own_printer_.get();
  }
  progress_ = std::make_unique<MemoryProgressWindow>(ctx.prompts(), window);
  commands_ = std::make_unique<MemoryCommands>(ctx, progress_.get());
  commands_->show_list = [this] { MemNoBtnClick(); };

  QMenu* menu = bar.addMenu(QStringLiteral("&Memories"));
  QAction* show = AddItem(menu, "Showlist1", "S&how list", [this] { MemNoBtnClick(); });
  show->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  menu->addSeparator();
  AddItem(menu, "MemNew1", "&New", [this] { ctx_.commands().Post(AppCommand::kMemoryNew); });
  AddItem(menu, "MemOpen1", "&Open...", [this] { ctx_.commands().Post(AppCommand::kMemoryOpen); });
  MemSave1 =
      AddItem(menu, "MemSave1", "&Save", [this] { ctx_.commands().Post(AppCommand::kMemorySave); });
  AddItem(menu, "MemSaveAs1", "Save &as...",
          [this] { ctx_.commands().Post(AppCommand::kMemorySaveAs); });
  menu->addSeparator();
  Capture1 = AddItem(menu, "MemCapture1", "&Capture",
                     [this] { ctx_.commands().Post(AppCommand::kMemoryCapture); });
  Fill1 =
      AddItem(menu, "MemFill1", "&Fill", [this] { ctx_.commands().Post(AppCommand::kMemoryFill); });
  Capture1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
  Fill1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
  Insert1 = AddItem(menu, "Insertchannel1", "&Insert channel...",
                    [this] { ctx_.commands().Post(AppCommand::kTuningChInsert); });
  Insert1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
  menu->addSeparator();
  AddItem(menu, "MemPrint1", "&Print", [this] { ctx_.commands().Post(AppCommand::kMemoryPrint); });
  AddItem(menu, "MemPrintPreview1", "Print pre&view",
          [this] { ctx_.commands().Post(AppCommand::kMemoryPrint, kMemoryPrintPreview); });
  subscriptions_.push_back(
      ctx.commands().Register(AppCommand::kTuningChInsert, [this](int) { CMTuningChInsert(); }));
  subscriptions_.push_back(ctx.commands().Register(AppCommand::kMemoryPrint, [this](int param) {
    CMMemoryPrint(param == kMemoryPrintPreview);
  }));
  connect(menu, &QMenu::aboutToShow, this, [this] { Enable(); });
  subscriptions_.push_back(ctx.events().memory_table_changed.Subscribe([this] { Enable(); }));
  subscriptions_.push_back(ctx.events().port_changed.Subscribe([this](const bool&) { Enable(); }));
  subscriptions_.push_back(ctx.events().scan_changed.Subscribe([this](const bool&) { Enable(); }));

  // A click on the faceplate's memory number shows the list.
  if (QWidget* label = window.findChild<QWidget*>(QStringLiteral("MemNoLbl"))) {
    label->installEventFilter(this);
  }
  // The file the program last used, read without asking.
  const std::string& last = ctx.settings().mem_file;
  if (!last.empty() && last != kUntitled) MemoryOpen(ctx, false, last);
  Enable();
}

MemoryMenu::~MemoryMenu() = default;

bool MemoryMenu::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) MemNoBtnClick();
  return QObject::eventFilter(watched, event);
}

void MemoryMenu::Enable() {
  const bool usable = ctx_.link().PortError() == 0 && !ctx_.scan().active;
  MemSave1->setEnabled(ctx_.memory().modified == 1);
  Capture1->setEnabled(usable);
  Fill1->setEnabled(usable);
  Insert1->setEnabled(usable);
}

void MemoryMenu::CMTuningChInsert() {
  if (ctx_.link().PortError() != 0) return;
  const MemEditRecord record =
      SetDefaults(ctx_.radio(), EditAction::kInsert, ctx_.radio().MemChannel);
  TMemEditDlg dialog(ctx_, record, list_ ? static_cast<QWidget*>(list_) : &window_);
  if (dialog.exec() == QDialog::Accepted) ApplyEdit(ctx_, dialog.record(), record.line.channel);
}

void MemoryMenu::MemNoBtnClick() {
  if (!list_) list_ = new TMemList(ctx_, &window_);
  list_->FillMemList();
  if (ctx_.link().PortError() == 0) list_->SelectChannel(ctx_.radio().MemChannel);
  list_->show();
  list_->raise();
}

void MemoryMenu::CMMemoryPrint(bool preview) {
  const int model = ctx_.settings().RadioModel;
  const std::string name = MemoryPrintName(ctx_.memory().file_name);
  MemoryPages pages(ctx_.memory(), model, FooterDate(ctx_.clock()), name);
  QWidget* parent = list_ && list_->isVisible() ? static_cast<QWidget*>(list_) : &window_;
  PrintPath path(*printer_, parent, ctx_.prompts(), print_dialog);
  if (preview) {
    path.Preview(pages, name);
    return;
  }
  const int count = MemoryPageCount(model);
  const std::optional<PrintChoice> choice = path.Ask({count, count > 1, false});
  if (choice) path.Print(pages, {name, name}, choice->range);
}

bool MemoryMenu::AskToSave(const char* action) {
  switch (ConfirmSaveChanges(ctx_.prompts(), "Memory file", action, ctx_.memory().modified)) {
    case Answer::kYes:
      return MemorySave(ctx_);
    case Answer::kNo:
      return true;
    default:
      return false;
  }
}

}  // namespace r8
