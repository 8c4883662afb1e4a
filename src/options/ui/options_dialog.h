// TOptions ("Default Options"): the settings dialog. Seven pages edit the settings file's options,
// and the "Display" page sets the receiver's own display. The rules live in OptionsCore; the
// window reads its controls into an OptionsForm, calls the core and shows what it says.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QDialog>

#include "help/ui/help_desk.h"
#include "options/clock_settings.h"
#include "options/options_model.h"
#include "options/port_setup.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace r8 {

class AppContext;
class TColorGrid;
class TRadioGroup;

class TOptions : public QDialog {
 public:
  explicit TOptions(AppContext& ctx, QWidget* parent = nullptr);

  // Fills the controls from the settings and the receiver state; sends nothing to the receiver.
  void FormShow();
  // The page to show (0 "Comms" .. 6 "General").
  void SetPage(int page);
  // What the controls hold now.
  OptionsForm ReadForm() const;
  // After OK: the scan-bank flags rebuilt from the new SCANLIST.
  const BankFlags& scan_banks() const { return scan_banks_; }

  // What the Help button and F1 call.
  ShowHelpFn show_help;
  // How "&Set Time" finds the desktop's date and time settings (started through the context's
  // launcher).
  ProgramFinder find_program;
  // The serial devices "&Port Setup" lists.
  std::function<std::vector<SerialDeviceInfo>()> list_devices;

  void OKBtnClick();
  void CancelBtnClick();
  void HelpBtnClick();
  void PortBtnClick();
  void TimeBtnClick();
  void RadioGrpClick(int item);
  void ExceptBoxClick();
  void ModeLstChange();
  void ColorGridChange();
  void HintsBoxClick();
  void RadioTimeBtnClick();
  void RadioTimeDispClick(int item);
  void RadioDispClick(int item);
  void ChangeRadioBright();
  void ChangeRadioStep();
  void RadioNameDispClick(int item);
  void RadioBandDispClick(int item);

  QTabWidget* OptionPage = nullptr;
  // "Comms"
  TRadioGroup* RxPort = nullptr;
  QPushButton* PortBtn = nullptr;
  QGroupBox* CommsPacing = nullptr;
  QLineEdit* LineEdit = nullptr;
  QLineEdit* CharEdit = nullptr;
  QCheckBox* IgnoreCB = nullptr;
  QCheckBox* CompleteCB = nullptr;
  QGroupBox* NetBox = nullptr;
  QCheckBox* NetCB = nullptr;
  QLineEdit* NetPortEdit = nullptr;
  // "Time"
  QPushButton* TimeBtn = nullptr;
  QGroupBox* TimeBox = nullptr;
  TRadioGroup* TimeOffset = nullptr;
  QComboBox* HourLst = nullptr;
  QComboBox* MinLst = nullptr;
  TRadioGroup* LocalTime = nullptr;
  // "Radio"
  TRadioGroup* AntPort = nullptr;
  QGroupBox* AntEx = nullptr;
  QLineEdit* FromFreq = nullptr;
  QLineEdit* ToFreq = nullptr;
  QCheckBox* ExceptBox = nullptr;
  TRadioGroup* RadioGrp = nullptr;
  QGroupBox* SmallStep = nullptr;
  QLineEdit* HFStepE = nullptr;
  QLineEdit* VHFStepE = nullptr;
  // "Scan"
  QGroupBox* ScanParms = nullptr;
  QComboBox* ModeLst = nullptr;
  QComboBox* TypeLst = nullptr;
  QComboBox* DelayLst = nullptr;
  QTabWidget* BankTabs = nullptr;
  QCheckBox* Bank[kBankCount] = {};
  // "Log"
  QLineEdit* DXerEdit = nullptr;
  QLineEdit* Addr1Edit = nullptr;
  QLineEdit* Addr2Edit = nullptr;
  QLineEdit* RcvrEdit = nullptr;
  QLineEdit* AntEdit = nullptr;
  QLineEdit* CondxEdit = nullptr;
  // "Display"
  QPushButton* RadioTimeBtn = nullptr;
  TRadioGroup* RadioTimeDisp = nullptr;
  TRadioGroup* RadioDisp = nullptr;
  QPushButton* RadioBrightBtn = nullptr;
  QPushButton* StepBtn = nullptr;
  TRadioGroup* RadioNameDisp = nullptr;
  TRadioGroup* RadioBandDisp = nullptr;
  // "General"
  QGroupBox* MarkGrp = nullptr;
  QLineEdit* MarkEdit = nullptr;
  QLineEdit* MarkHighEdit = nullptr;
  TColorGrid* ColorGrid = nullptr;
  QCheckBox* HintsBox = nullptr;

  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  QPushButton* HelpBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  // Escape and the window's close box go through Cancel's checks.
  void reject() override;

 private:
  // Built in options_dialog_pages.cpp.
  QWidget* BuildCommsPage();
  QWidget* BuildTimePage();
  QWidget* BuildRadioPage();
  QWidget* BuildScanPage();
  QWidget* BuildLogPage();
  QWidget* BuildDisplayPage();
  QWidget* BuildGeneralPage();
  void ConnectHandlers();

  void Fill(const OptionsForm& f);
  void ApplyEnabling();
  std::optional<ScreenPoint> BelowDialog() const;
  void Finish(const OptionsCore::Outcome& out, bool ok);

  AppContext& ctx_;
  OptionsCore core_;
  OptionsForm form_;
  BankFlags scan_banks_{};
  bool shown_ = false;
};

struct OptionsOutcome {
  bool ok = false;         // closed with OK: committed, written, port reopened
  BankFlags scan_banks{};  // with ok: the flags rebuilt from the new SCANLIST
  int page = kPageComms;   // the page on show when it closed, to open on next time
};

// Runs the Options dialog modally on page (0..6) and says how it closed.
OptionsOutcome ShowOptions(AppContext& ctx, QWidget* parent, int page, ShowHelpFn show_help = {});

// First start: when the settings file does not exist, the dialog opens on its first page so that
// the receiver and port can be chosen; OK creates the file. nullopt when the file exists.
std::optional<OptionsOutcome> RunFirstStart(AppContext& ctx, QWidget* parent,
                                            ShowHelpFn show_help = {});

}  // namespace r8
