// TFacePlate: the program's main window. A shell: the faceplate panel in the middle, one menu class
// per subsystem, the status line, and the window's lifecycle (first display, the 100 ms tick,
// closing). What other windows ask of it arrives as commands on the context's command table.
#pragma once

#include <memory>
#include <vector>

#include <QMainWindow>

#include "common/events.h"

class QLabel;
class QPrinter;
class QTimer;

namespace r8 {

class AppContext;
class ControlsMenu;
class ScanMenu;
class TimersMenu;
class StationMenu;
class MemoryMenu;
class DatabaseMenu;
class DxProgramsMenu;
class FacePlatePanel;
class HelpDesk;
class PanMenu;
class RadioMenu;
class TProgBar;

class TFacePlate : public QMainWindow {
 public:
  explicit TFacePlate(AppContext& ctx, QWidget* parent = nullptr);
  ~TFacePlate() override;

  // A numbered command, as another window or program sends it.
  void Command(int id, int param = 0);

  // First display: database, lists, port, tick, the R8A/R8B label behaviours.
  void FormShow();
  void UpdateDisplay();
  void TimerTick();
  // Close refused (false) while the receiver scans by itself or the user cancels a save.
  bool FormCloseQuery();
  void FormDestroy();
  // Opens the Options dialog on a page, with the panel's shortcuts withdrawn meanwhile.
  void RunOptions(int page);
  // The scan parameters (a click on the scan type letters).
  void ScanTypeBtnClick();

  FacePlatePanel& panel() { return *panel_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void BuildMenus();
  void ShowComms();

  AppContext& ctx_;
  FacePlatePanel* panel_ = nullptr;
  std::unique_ptr<QPrinter> printer_;
  TProgBar* prog_bar_ = nullptr;
  HelpDesk* help_ = nullptr;
  std::unique_ptr<DatabaseMenu> database_menu_;
  std::unique_ptr<RadioMenu> radio_menu_;
  std::unique_ptr<ControlsMenu> controls_menu_;
  std::unique_ptr<ScanMenu> scan_menu_;
  std::unique_ptr<TimersMenu> timers_menu_;
  std::unique_ptr<PanMenu> pan_menu_;
  std::unique_ptr<DxProgramsMenu> dx_programs_menu_;
  std::unique_ptr<StationMenu> station_menu_;
  std::unique_ptr<MemoryMenu> memory_menu_;
  QLabel* SaveLbl = nullptr;
  QLabel* CommsLbl = nullptr;
  QTimer* tick_ = nullptr;
  std::vector<Subscription> subscriptions_;
  bool dsr_off_ = false;
  bool link_failed_ = false;
  bool destroyed_ = false;
  bool shown_ = false;
};

}  // namespace r8
