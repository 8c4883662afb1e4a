// The station windows in the program: the "&Stations" menu with its shortcuts and tool buttons,
// and the host that makes, shows and activates the windows the window set asks for. Windows of
// other subsystems (the find window, the programmes list) join through SetWindowMaker.
#pragma once

#include <array>
#include <functional>

#include <QPointer>
#include <QWidget>

#include "help/ui/help_desk.h"
#include "stations/station_windows.h"

class QAction;
class QMainWindow;
class QMenuBar;
class QPrinter;

namespace r8 {

class AppContext;
class StationWindowBase;

class StationMenu : public StationWindowHost {
 public:
  StationMenu(AppContext& ctx, QMainWindow& main_window, QMenuBar& bar, QPrinter& printer);
  ~StationMenu() override;

  using WindowMaker = std::function<QWidget*(QWidget* main_window)>;
  void SetWindowMaker(StationWindow w, WindowMaker maker);
  // What the dialogs' Help buttons show a topic with.
  ShowHelpFn show_help;
  QWidget* Window(StationWindow w) const { return windows_[static_cast<std::size_t>(w)]; }
  // What the windows' edit items run, given to each station window as it is made.
  using EditHandler = std::function<void(StationWindow, const std::string&, int)>;
  void SetEditHandler(EditHandler handler) { edit_handler_ = std::move(handler); }

  void SWBCstations1Click() { set_.WhatWindow(1); }
  void Utilitystations1Click() { set_.WhatWindow(2); }
  void AMBCB1Click() { set_.WhatWindow(3); }
  // usage: the "F&ind freq usage..." item and UsageBtn.
  void CMFindFreq(bool usage);
  void CMWhen();
  void CMWhenPrint();
  void CMWho();
  void FreqLblClick();

  bool OpenWindow(StationWindow w) override;
  void ShowState(StationWindow w) override;
  void ActivateWindow(StationWindow w) override;

 private:
  AppContext& ctx_;
  StationWindowSet& set_;
  QMainWindow& main_;
  QPrinter& printer_;
  std::array<QPointer<QWidget>, kStationWindowSlots> windows_{};
  std::array<WindowMaker, kStationWindowSlots> makers_{};
  EditHandler edit_handler_;
};

}  // namespace r8
