// TPortSetupDlg ("Port Setup"): which serial device a port number COM1..COM8 stands for. It lists
// the serial devices the system has, shows the present mapping, and assigns a listed device, a
// typed path, the system's default device or the built-in emulated receiver (section "PORTS").
#pragma once

#include <vector>

#include <QDialog>

#include "help/ui/help_desk.h"
#include "options/port_setup.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace r8 {

class AppContext;

class TPortSetupDlg : public QDialog {
 public:
  TPortSetupDlg(AppContext& ctx, int port_number, std::vector<SerialDeviceInfo> devices,
                QWidget* parent = nullptr);

  // The assignment the controls describe now.
  PortAssignment Chosen() const;
  // Writes the choice and closes; a choice that cannot be used is explained and the dialog
  // stays open.
  void OKBtnClick();

  ShowHelpFn show_help;

  QLabel* MappingLbl = nullptr;
  QTreeWidget* DeviceLst = nullptr;
  QRadioButton* DefaultRb = nullptr;
  QRadioButton* ListedRb = nullptr;
  QRadioButton* PathRb = nullptr;
  QRadioButton* EmulatorRb = nullptr;
  QLineEdit* PathEdit = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  QPushButton* HelpBtn = nullptr;

 private:
  void Show(const PortAssignment& a);

  AppContext& ctx_;
  int port_;
  std::vector<SerialDeviceInfo> devices_;
};

}  // namespace r8
