#include "options/ui/port_setup_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "common/ui/qt_user_prompts.h"
#include "help/help_topics.h"
#include "radio/port_names.h"

namespace r8 {
namespace {

QString Latin(const std::string& s) { return QString::fromLatin1(s.c_str()); }

}  // namespace

TPortSetupDlg::TPortSetupDlg(AppContext& ctx, int port_number,
                             std::vector<SerialDeviceInfo> devices, QWidget* parent)
    : QDialog(parent), ctx_(ctx), port_(port_number), devices_(std::move(devices)) {
  setObjectName(QStringLiteral("PortSetupDlg"));
  setWindowTitle(QStringLiteral("Port Setup - COM%1:").arg(port_));
  SetHelpContext(this, kHelpPortSetup);

  MappingLbl = new QLabel(this);
  MappingLbl->setObjectName(QStringLiteral("MappingLbl"));

  DeviceLst = new QTreeWidget(this);
  DeviceLst->setObjectName(QStringLiteral("DeviceLst"));
  DeviceLst->setRootIsDecorated(false);
  DeviceLst->setHeaderLabels({QStringLiteral("Device"), QStringLiteral("Description"),
                              QStringLiteral("Manufacturer"), QStringLiteral("USB id")});
  for (const SerialDeviceInfo& d : devices_) {
    auto* item = new QTreeWidgetItem(DeviceLst);
    item->setText(0, QString::fromLocal8Bit(d.path.c_str()));
    item->setText(1, Latin(d.description));
    item->setText(2, Latin(d.manufacturer));
    item->setText(3, Latin(UsbIdsText(d)));
  }
  for (int c = 0; c < 4; ++c) DeviceLst->resizeColumnToContents(c);
  auto* none = new QLabel(QStringLiteral("The system reports no serial devices."), this);
  none->setVisible(devices_.empty());

  DefaultRb = new QRadioButton(
      QStringLiteral("The system's &default device (%1)").arg(Latin(DefaultDevice(port_))), this);
  ListedRb = new QRadioButton(QStringLiteral("The device &chosen in the list"), this);
  PathRb = new QRadioButton(QStringLiteral("This device &path:"), this);
  EmulatorRb = new QRadioButton(QStringLiteral("The built-in &emulated receiver"), this);
  auto* group = new QButtonGroup(this);
  for (QRadioButton* b : {DefaultRb, ListedRb, PathRb, EmulatorRb}) group->addButton(b);
  ListedRb->setEnabled(!devices_.empty());
  PathEdit = new QLineEdit(this);
  PathEdit->setObjectName(QStringLiteral("PathEdit"));
  PathEdit->setMaxLength(200);
  PathEdit->setPlaceholderText(QStringLiteral("/dev/ttyUSB0"));

  OKBtn = new QPushButton(QStringLiteral("&OK"), this);
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  CancelBtn->setAutoDefault(false);
  HelpBtn = new QPushButton(QStringLiteral("&Help"), this);
  HelpBtn->setAutoDefault(false);

  connect(DeviceLst, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item) ListedRb->setChecked(true);
  });
  connect(PathEdit, &QLineEdit::textEdited, this, [this] { PathRb->setChecked(true); });
  connect(OKBtn, &QPushButton::clicked, this, &TPortSetupDlg::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(HelpBtn, &QPushButton::clicked, this, [this] {
    if (show_help) show_help(kHelpPortSetup);
  });
  auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
  connect(f1, &QShortcut::activated, this, [this] {
    if (show_help) show_help(kHelpPortSetup);
  });

  auto* choice = new QGridLayout;
  choice->addWidget(DefaultRb, 0, 0, 1, 2);
  choice->addWidget(ListedRb, 1, 0, 1, 2);
  choice->addWidget(PathRb, 2, 0);
  choice->addWidget(PathEdit, 2, 1);
  choice->addWidget(EmulatorRb, 3, 0, 1, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  buttons->addWidget(HelpBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(MappingLbl);
  layout->addWidget(new QLabel(QStringLiteral("Serial devices of this computer:"), this));
  layout->addWidget(DeviceLst, 1);
  layout->addWidget(none);
  layout->addLayout(choice);
  layout->addLayout(buttons);
  resize(fontMetrics().averageCharWidth() * 90, fontMetrics().height() * 22);

  Show(CurrentAssignment(ctx_.profile(), port_));
}

void TPortSetupDlg::Show(const PortAssignment& a) {
  MappingLbl->setText(Latin(AssignmentText(a, port_)));
  switch (a.kind) {
    case PortAssignmentKind::kSystemDefault:
      DefaultRb->setChecked(true);
      return;
    case PortAssignmentKind::kEmulator:
      EmulatorRb->setChecked(true);
      return;
    case PortAssignmentKind::kDevice:
      break;
  }
  for (int i = 0; i < DeviceLst->topLevelItemCount(); ++i) {
    if (devices_[static_cast<std::size_t>(i)].path == a.device) {
      DeviceLst->setCurrentItem(DeviceLst->topLevelItem(i));
      ListedRb->setChecked(true);
      return;
    }
  }
  PathEdit->setText(QString::fromLocal8Bit(a.device.c_str()));
  PathRb->setChecked(true);
}

PortAssignment TPortSetupDlg::Chosen() const {
  PortAssignment a;
  if (EmulatorRb->isChecked()) {
    a.kind = PortAssignmentKind::kEmulator;
  } else if (ListedRb->isChecked()) {
    a.kind = PortAssignmentKind::kDevice;
    const int row = DeviceLst->indexOfTopLevelItem(DeviceLst->currentItem());
    if (row >= 0) a.device = devices_[static_cast<std::size_t>(row)].path;
  } else if (PathRb->isChecked()) {
    a.kind = PortAssignmentKind::kDevice;
    a.device = PathEdit->text().trimmed().toLocal8Bit().toStdString();
  }
  return a;
}

void TPortSetupDlg::OKBtnClick() {
  const PortAssignment a = Chosen();
  if (a.kind == PortAssignmentKind::kDevice) {
    std::optional<std::string> problem;
    if (ListedRb->isChecked() && a.device.empty()) {
      problem = "Choose a device in the list.";
    } else {
      problem = CheckDevicePath(a.device);
    }
    if (problem) {
      ShowMessage(ctx_.prompts(), MessageKind::kWarning, *problem);
      return;
    }
  }
  if (!ApplyPortAssignment(ctx_.profile(), port_, a)) {
    ShowMessage(ctx_.prompts(), MessageKind::kError,
                "The port setting could not be saved.\r" + ctx_.profile().last_error());
    return;
  }
  accept();
}

}  // namespace r8
