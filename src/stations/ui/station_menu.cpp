#include "stations/ui/station_menu.h"

#include <QCheckBox>
#include <QMainWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QToolBar>

#include "app/app_context.h"
#include "common/ui/menu_items.h"
#include "database/ui/database_printing.h"
#include "stations/ui/sked_list_windows.h"
#include "stations/ui/stat_list_window.h"
#include "stations/ui/station_dialogs.h"
#include "stations/ui/station_window_base.h"

namespace r8 {

StationMenu::StationMenu(AppContext& ctx, QMainWindow& main_window, QMenuBar& bar,
                         QPrinter& printer)
    : ctx_(ctx), set_(ctx.station_windows()), main_(main_window), printer_(printer) {
  makers_[static_cast<std::size_t>(StationWindow::kSwbc)] = [&ctx](QWidget* m) {
    return new TStatList(ctx, StationWindow::kSwbc, m);
  };
  makers_[static_cast<std::size_t>(StationWindow::kUtility)] = [&ctx](QWidget* m) {
    return new TStatList(ctx, StationWindow::kUtility, m);
  };
  makers_[static_cast<std::size_t>(StationWindow::kBcb)] = [&ctx](QWidget* m) {
    return new TStatList(ctx, StationWindow::kBcb, m);
  };
  makers_[static_cast<std::size_t>(StationWindow::kFullSchedule)] = [&ctx](QWidget* m) {
    return new TFullList(ctx, m);
  };
  makers_[static_cast<std::size_t>(StationWindow::kOtherStations)] = [&ctx](QWidget* m) {
    return new TSkedList(ctx, m);
  };

  QMenu* menu = SharedMenu(bar, "Stations1", "&Stations");
  const struct {
    const char* name;
    const char* caption;
    QKeySequence key;
    std::function<void()> run;
  } items[] = {
      {"SWBCstations1", "&SWBC stations", QKeySequence(Qt::Key_F5),
       [this] { SWBCstations1Click(); }},
      {"Utilitystations1", "&Utility stations", QKeySequence(Qt::CTRL | Qt::Key_F5),
       [this] { Utilitystations1Click(); }},
      {"AMBCB1", "&AM BCB/CB stations", QKeySequence(Qt::SHIFT | Qt::Key_F5),
       [this] { AMBCB1Click(); }},
      {"FindFreq1", "&Find current freqs...", QKeySequence(Qt::Key_F6),
       [this] { CMFindFreq(false); }},
      {"FindUsage1", "F&ind freq usage...", QKeySequence(Qt::SHIFT | Qt::Key_F6),
       [this] { CMFindFreq(true); }},
      {"When1", "F&ull station sked...", QKeySequence(Qt::Key_F7), [this] { CMWhen(); }},
      {"WhenPrint1", "&Print station sked...", QKeySequence(), [this] { CMWhenPrint(); }},
      {"Who1", "&Who else uses...", QKeySequence(Qt::Key_F8), [this] { CMWho(); }},
  };
  for (const auto& i : items) {
    QAction* a = AddItem(menu, i.name, i.caption, i.run);
    a->setShortcut(i.key);
  }

  QToolBar* tools = main_window.addToolBar(QStringLiteral("Stations"));
  tools->setObjectName(QStringLiteral("StationsBar"));
  tools->setMovable(false);
  const struct {
    const char* name;
    const char* caption;
    const char* hint;
    std::function<void()> run;
  } buttons[] = {
      {"SWBCBtn", "SWBC", "SWBC stations", [this] { SWBCstations1Click(); }},
      {"UteBtn", "Ute", "Utility stations", [this] { Utilitystations1Click(); }},
      {"BCBBtn", "BCB", "AM BCB/CB stations", [this] { AMBCB1Click(); }},
      {"FindBtn", "Find", "Find current freqs", [this] { CMFindFreq(false); }},
      {"UsageBtn", "Usage", "Find freq usage", [this] { CMFindFreq(true); }},
      {"WhenBtn", "Sked", "Full station sked", [this] { CMWhen(); }},
  };
  for (const auto& b : buttons) {
    QAction* a = tools->addAction(QString::fromLatin1(b.caption), tools, b.run);
    a->setObjectName(QString::fromLatin1(b.name));
    a->setToolTip(QString::fromLatin1(b.hint));
  }
  set_.SetHost(this);
}

StationMenu::~StationMenu() {
  set_.SetHost(nullptr);
  for (QPointer<QWidget>& w : windows_) delete w.data();
}

void StationMenu::SetWindowMaker(StationWindow w, WindowMaker maker) {
  makers_[static_cast<std::size_t>(w)] = std::move(maker);
}

bool StationMenu::OpenWindow(StationWindow w) {
  const std::size_t slot = static_cast<std::size_t>(w);
  QPointer<QWidget>& window = windows_[slot];
  if (!window) {
    if (!makers_[slot]) return false;
    window = makers_[slot](&main_);
    if (auto* station = dynamic_cast<StationWindowBase*>(window.data()))
      station->on_edit = edit_handler_;
    if (w == StationWindow::kFind) {
      // The find window sits to the right of the main window.
      const QRect frame = main_.frameGeometry();
      window->move(frame.left() + frame.width() + 1, frame.top());
    }
  }
  window->showNormal();
  window->raise();
  return true;
}

void StationMenu::ShowState(StationWindow w) {
  if (auto* window = dynamic_cast<StationWindowBase*>(windows_[static_cast<std::size_t>(w)].data()))
    window->ShowState();
}

void StationMenu::ActivateWindow(StationWindow w) {
  QWidget* window = w == StationWindow::kNone ? &main_ : windows_[static_cast<std::size_t>(w)];
  if (!window) return;
  window->raise();
  window->activateWindow();
}

void StationMenu::CMFindFreq(bool usage) {
  TQuerySDlg dialog(ctx_, usage ? 4 : 1, &main_);
  AddHelpButton(&dialog, show_help);
  if (dialog.exec() != QDialog::Accepted) return;
  const std::optional<std::string> name = dialog.Entry();
  if (!name) return;
  set_.handover().name = *name;
  set_.FindFreq(usage ? 1 : 0);
}

void StationMenu::CMWhen() {
  TQuerySDlg dialog(ctx_, 2, &main_);
  AddHelpButton(&dialog, show_help);
  if (dialog.exec() != QDialog::Accepted) return;
  const std::optional<std::string> name = dialog.Entry();
  if (!name) return;
  set_.handover().name = *name;
  set_.WhenStat();
}

void StationMenu::CMWhenPrint() {
  TQuerySDlg dialog(ctx_, 3, &main_);
  AddHelpButton(&dialog, show_help);
  if (dialog.exec() != QDialog::Accepted) return;
  const std::optional<std::string> name = dialog.Entry();
  if (!name) return;
  const std::optional<PrintJob> job = set_.CMWhenPrint(*name, dialog.PrintFileCB->isChecked());
  if (job) PrintScheduleJob(&main_, printer_, *job, ctx_.prompts());
}

void StationMenu::CMWho() {
  TQueryDlg dialog(ctx_, &main_);
  AddHelpButton(&dialog, show_help);
  if (dialog.exec() != QDialog::Accepted) return;
  set_.handover().freq = dialog.freq_text;
  set_.WhoStat();
}

void StationMenu::FreqLblClick() {
  if (!set_.FreqLblClick()) CMWho();
}

}  // namespace r8
