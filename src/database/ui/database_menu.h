// The database's items of the "File" menu and its tool buttons: open (reload), save, dump, import,
// swap, publish, the EiBi import and printer setup; loading at start-up behind the banner; the
// shared save prompt. It carries out command 2005 (reload) whichever window posts it.
#pragma once

#include <string>

#include "common/events.h"

class QAction;
class QMainWindow;
class QMenu;
class QPrinter;

namespace r8 {

class AppContext;
class TBanner;
class TProgBar;

class DatabaseMenu {
 public:
  DatabaseMenu(AppContext& ctx, QMainWindow& window, QMenu& file, TProgBar& progress,
               QPrinter& printer);

  // Start-up: the database read behind the banner.
  void LoadDatabase();
  void UpdateAll();
  void CMFileSave();
  void CMAllPrint();
  void CMFileImport();
  void CMSwapDatabase();
  void CMFilePublish();
  // Imports a real season of schedules (EiBi) through the companion's importer.
  void CMImportEibi();
  void Printersetup1Click();
  // The shared save prompt for the database; false when the user cancelled.
  bool AskToSaveDatabase(const char* action);
  // Save is offered while the database has unsaved changes.
  void ShowChanged(bool changed);

 private:
  void SetCaption(const std::string& caption);

  AppContext& ctx_;
  QMainWindow& window_;
  TProgBar& progress_;
  QPrinter& printer_;
  TBanner* banner_ = nullptr;
  QAction* OpenDatabase1 = nullptr;
  QAction* SaveDatabase1 = nullptr;
  QAction* DumpDatabase1 = nullptr;
  QAction* ImportDatabase1 = nullptr;
  QAction* ImportEibi1 = nullptr;
  QAction* SwapDatabase1 = nullptr;
  QAction* PublishDatabase1 = nullptr;
  QAction* PrinterSetup1 = nullptr;
  QAction* OpenDBBtn = nullptr;
  QAction* SaveDBBtn = nullptr;
  Subscription update_all_command_;
};

}  // namespace r8
