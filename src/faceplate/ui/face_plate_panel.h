// The receiver's virtual front panel: display, meter and lamps, keypad, tuning and front-panel
// buttons, selectors and the station list, with the keyboard items that drive them. It owns the
// faceplate's behaviour object, carries out the tuning and keypad commands other windows post,
// and follows the display_refreshed event. The main window only holds it and its menus.
#pragma once

#include <functional>
#include <map>
#include <vector>

#include <QWidget>

#include "common/events.h"
#include "faceplate/faceplate_core.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

namespace r8 {

class AppContext;
class TZelMeter;
class TZelSwitchButton;

class FacePlatePanel : public QWidget {
 public:
  explicit FacePlatePanel(AppContext& ctx, QWidget* parent = nullptr);

  FacePlateCore& core() { return core_; }
  const FacePlateView& view() const { return view_; }
  bool KeysActive() const { return keys_active_; }

  // Every view the panel shows, for the menus that follow it.
  Event<FacePlateView>& view_applied() { return view_applied_; }
  // A click on the scan type letters (the main window opens the scan options).
  std::function<void()> on_scan_type_click;
  std::function<void()> on_scan_click;      // ScanBtn
  std::function<void()> on_scan_lbl_click;  // ScanLbl: pause
  std::function<void()> on_timer_click;      // TimerBtn
  std::function<void()> on_timer_lbl_click;  // TimerLbl: the timer list
  std::function<void()> on_freq_click;      // FreqLbl: who else is on the frequency

  void UpdateDisplay();
  void ApplyView(const FacePlateView& v);
  void ShowCurrentView() { ApplyView(core_.View()); }
  void ApplyClock(const ClockView& c);
  // The step and offset lists after they were read at start-up.
  void FillLists();
  void SetHints(bool on);
  // The panel's keyboard items: group 1 (cursor keys, backspace) and 2 (digits, point).
  void SetKeys1(bool on);
  void SetKeys2(bool on);

  // Keys and buttons.
  void NumpadClick(int tag);
  void SetTuner(char c);
  void CMLeftCursor();
  void CMRightCursor();
  void CMCLeftCursor();
  void CMCRightCursor();
  void CBNShowDropdown(int tag);
  void VFOBtnClick();
  void VFOEqBtnClick();
  void SyncBtnClick();
  void NoiseBtnClick();
  // The menu item: the blanker button pressed or released.
  void ToggleNoiseBlanker();
  void NotchBtnClick();
  void TapeBtnClick();
  void MemBtnClick();
  void MemTuneBtnClick();
  void PowerBtnClick();
  void Disconnect1Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildPanel();
  void BuildHiddenKeys();
  void AddKey(int tag, const QKeySequence& key, std::function<void()> run, int group);
  void SetKeys3(bool on);
  void FillCombo(QComboBox* combo, const std::vector<std::string>& items);
  void ShowStations(const FacePlateView& v);
  void FlashKey(char c);
  void CBNSelChange(QComboBox* combo);
  void ComboDropEdit(QComboBox* combo);
  void ComboDropDelete(QComboBox* combo);
  void BNClicked(int id, QWidget* focus);
  void NoiseBoxClick(QCheckBox* box);
  void FreqLbl2BtnClick();

  AppContext& ctx_;
  FacePlateCore core_;
  FacePlateView view_;
  Event<FacePlateView> view_applied_;
  std::vector<Subscription> subscriptions_;

  QLabel* FreqLbl = nullptr;
  QLabel* FreqLbl2 = nullptr;
  QLabel* BandLbl = nullptr;
  QLabel* MemNoLbl = nullptr;
  QLabel* MemLbl = nullptr;
  QLabel* NotchLbl = nullptr;
  QLabel* TapeLbl = nullptr;
  QLabel* ScanLbl = nullptr;
  QLabel* TimerLbl = nullptr;
  QLabel* ScanTypeLbl = nullptr;
  QLabel* VFOLbl = nullptr;
  QLabel* TimeLbl = nullptr;
  QLabel* ClockLbl = nullptr;
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
  QToolButton* ScanBtn = nullptr;
  QToolButton* TimerBtn = nullptr;
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

  std::map<int, QComboBox*> combos_;
  std::vector<QAction*> keys1_, keys2_;
  QAction* enter1_ = nullptr;
  bool keys_active_ = true;
  bool digits_active_ = true;
  int noise_width_ = 1;  // the width the blanker group remembers
  bool applying_ = false;
};

}  // namespace r8
