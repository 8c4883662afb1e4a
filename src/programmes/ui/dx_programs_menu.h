// The guide's item of the main window's menus: "S&WBC programs" (F3) opens TDXList below the main
// window, or brings it up, and fills it.
#pragma once

#include <memory>

class QAction;
class QMenuBar;
class QWidget;

namespace r8 {

class AppContext;
class TDXList;

class DxProgramsMenu {
 public:
  // The item goes into the "&Stations" menu of bar, which is made when no other has made it.
  DxProgramsMenu(AppContext& ctx, QMenuBar& bar, QWidget& main);
  ~DxProgramsMenu();

  void CMDXPrograms();
  TDXList* window() const { return window_; }

 private:
  AppContext& ctx_;
  QWidget& main_;
  TDXList* window_ = nullptr;
  QAction* DXPrograms1 = nullptr;
};

}  // namespace r8
