// TFacePlate: the program's main window, the receiver's virtual front panel. It owns the
// faceplate's behaviour object (FacePlateCore) and applies what it computes; every receiver
// command goes through the core and the protocol.
#pragma once

#include <functional>
#include <map>
#include <memory>

#include <QMainWindow>

#include "faceplate/faceplate_core.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPrinter;
class QPushButton;
class QTimer;
class QToolBar;
class QToolButton;

namespace r8 {

class AppContext;
class HelpDesk;
class TBanner;
class TPrintStatusDlg;
class TProgBar;
class TZelMeter;
class TZelSwitchButton;

class TFacePlate : public QMainWindow {
 public:
  explicit TFacePlate(AppContext& ctx, QWidget* parent = nullptr);
  ~TFacePlate() override;

  // The internal commands other windows send (1964 refresh, 1216..1220 tuning, ...).
  void Command(int id, int param = 0);

  // First display: lists, offset, clock label, port, tick, the R8A/R8B label behaviours.
  void FormShow();
  void UpdateDisplay();
  void UpdateClock();
  void TimerTick();
  void TimePnlClick();
  void Disconnect1Click();
  void SetConnMenu();
  // Close refused (false) while the receiver scans by itself.
  bool FormCloseQuery();
  void FormDestroy();

  // Keys and buttons.
  void NumpadClick(int tag);
  void SetTuner(char c);
  void SetKeys1(bool on);
  void SetKeys2(bool on);
  void SetKeys3(bool on);
  void CMLeftCursor();
  void CMRightCursor();
  void CMCLeftCursor();
  void CMCRightCursor();
  void CBNSelChange(QComboBox* combo);
  void CBNShowDropdown(int tag);
  void ComboDropEdit(QComboBox* combo);
  void ComboDropDelete(QComboBox* combo);
  void BNClicked(int id, QWidget* focus);
  void VFOBtnClick();
  void VFOEqBtnClick();
  void SyncBtnClick();
  void NoiseBtnClick();
  void NoiseBoxClick(QCheckBox* box);
  void NotchBtnClick();
  void TapeBtnClick();
  void MemBtnClick();
  void MemTuneBtnClick();
  void FreqLbl2BtnClick();
  void PowerBtnClick();
  void SetHints(bool on);
  // Opens the Options dialog on a page, with the panel's shortcuts withdrawn meanwhile.
  void RunOptions(int page);
  void SmallStepsize1Click();
  // The scan parameters (a click on the scan type letters).
  void ScanTypeBtnClick();
  void Other1Click();
  HelpDesk* help() { return help_; }

  // Database commands.
  void LoadDatabase();  // behind the start-up banner at first display
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
  TProgBar* prog_bar() { return prog_bar_; }
  TBanner* banner() { return banner_; }
  QPrinter* printer() { return printer_.get(); }

  FacePlateCore& core() { return core_; }
  const FacePlateView& view() const { return view_; }
  bool KeysActive() const { return keys_active_; }
  bool DigitsActive() const { return digits_active_; }

  // The panel's controls, named as the program knows them.
  QLabel* FreqLbl = nullptr;
  QLabel* FreqLbl2 = nullptr;
  QLabel* BandLbl = nullptr;
  QLabel* MemNoLbl = nullptr;
  QLabel* MemLbl = nullptr;
  QLabel* NotchLbl = nullptr;
  QLabel* TapeLbl = nullptr;
  QLabel* ScanLbl = nullptr;
  QLabel* ScanTypeLbl = nullptr;
  QLabel* VFOLbl = nullptr;
  QLabel* TimeLbl = nullptr;
  QLabel* ClockLbl = nullptr;
  QLabel* CommsLbl = nullptr;
  QLabel* SaveLbl = nullptr;
  QFrame* TimePnl = nullptr;
  QComboBox* AntLst = nullptr;
  QComboBox* RFLst = nullptr;
  QComboBox* AGCLst = nullptr;
  QComboBox* BWLst = nullptr;
  QComboBox* ModeLst = nullptr;
  QComboBox* StepLst = nullptr;
  QComboBox* OffsetLst = nullptr;
  QToolButton* NoiseBtn = nullptr;
  QToolButton* NotchBtn = nullptr;
  QToolButton* TapeBtn = nullptr;
  QToolButton* MemBtn = nullptr;
  QToolButton* CommsBtn = nullptr;
  QGroupBox* NoiseGrp = nullptr;
  QCheckBox* NoiseNCB = nullptr;
  QCheckBox* NoiseWCB = nullptr;
  TZelSwitchButton* SyncLite = nullptr;
  TZelSwitchButton* VFOEqLite = nullptr;
  TZelSwitchButton* PowerBtn = nullptr;
  TZelMeter* ZelMeter1 = nullptr;
  QListWidget* StationLst = nullptr;
  QPushButton* VFOBtn = nullptr;
  QPushButton* VFOEqBtn = nullptr;
  QPushButton* SyncBtn = nullptr;
  QPushButton* DownBtn = nullptr;
  QPushButton* UpBtn = nullptr;
  QPushButton* DownLBtn = nullptr;
  QPushButton* UpLBtn = nullptr;
  QPushButton* Btn[10] = {};
  QPushButton* BtnDec = nullptr;
  QPushButton* BtnEnter = nullptr;
  QPushButton* BtnBS = nullptr;

  // Menu items the panel drives.
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
  QAction* Exit1 = nullptr;
  QAction* Options1 = nullptr;
  QAction* SmallStepsize1 = nullptr;
  QAction* Other1 = nullptr;
  QAction* Power1 = nullptr;
  QAction* UpdateDisplay1 = nullptr;
  QAction* VFO1 = nullptr;
  QAction* VFOEq1 = nullptr;
  QAction* Synchro1 = nullptr;
  QAction* NoiseBlanker1 = nullptr;
  QAction* Notch1 = nullptr;
  QAction* TapeVOX1 = nullptr;
  QAction* MemoryMode1 = nullptr;
  QAction* MemTune1 = nullptr;
  QAction* Disconnect1 = nullptr;
  QAction* Antenna1 = nullptr;
  QAction* RF1 = nullptr;
  QAction* AGC1 = nullptr;
  QAction* Bandwidth1 = nullptr;
  QAction* Mode1 = nullptr;
  QAction* Stepsize1 = nullptr;
  QAction* Offset1 = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildPanel();
  void BuildMenus();
  void BuildHiddenKeys();
  void BuildDatabaseMenu(QMenu* file);
  void ShowStations(const FacePlateView& v);
  void SetCaptionFromFiles();
  void ApplyView(const FacePlateView& v);
  void ApplyClock(const ClockView& c);
  void FillCombo(QComboBox* combo, const std::vector<std::string>& items);
  void FlashKey(char c);
  QAction* AddKey(int tag, const QKeySequence& key, std::function<void()> run, int group);

  AppContext& ctx_;
  FacePlateCore core_;
  FacePlateView view_;
  QTimer* tick_ = nullptr;
  TProgBar* prog_bar_ = nullptr;
  TBanner* banner_ = nullptr;
  HelpDesk* help_ = nullptr;
  int last_options_page_ = 0;
  std::unique_ptr<QPrinter> printer_;
  std::map<int, std::function<void(int)>> commands_;
  std::map<int, QComboBox*> combos_;
  std::vector<QAction*> keys1_, keys2_;
  QAction* enter1_ = nullptr;
  bool keys_active_ = true;
  bool digits_active_ = true;
  int noise_width_ = 1;  // the width the blanker group remembers
  bool applying_ = false;
  bool destroyed_ = false;
  bool shown_ = false;
};

}  // namespace r8
