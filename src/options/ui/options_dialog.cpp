#include "options/ui/options_dialog.h"

#include <filesystem>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSerialPortInfo>
#include <QShortcut>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "common/ui/qt_user_prompts.h"
#include "help/help_topics.h"
#include "options/ui/color_grid_widget.h"
#include "options/ui/port_setup_dialog.h"
#include "options/ui/radio_group_widget.h"

namespace r8 {
namespace {

std::string Text(const QLineEdit* e) { return e->text().toLatin1().toStdString(); }

std::string ProgramOnPath(const std::string& program) {
  return FileNameFromQt(QStandardPaths::findExecutable(FileNameToQt(program)));
}

std::vector<SerialDeviceInfo> SystemSerialDevices() {
  std::vector<SerialDeviceInfo> out;
  for (const QSerialPortInfo& p : QSerialPortInfo::availablePorts()) {
    SerialDeviceInfo d;
    d.path = p.systemLocation().toLocal8Bit().toStdString();
    d.description = p.description().toLatin1().toStdString();
    d.manufacturer = p.manufacturer().toLatin1().toStdString();
    if (p.hasVendorIdentifier()) d.vendor_id = p.vendorIdentifier();
    if (p.hasProductIdentifier()) d.product_id = p.productIdentifier();
    out.push_back(std::move(d));
  }
  return out;
}

}  // namespace

TOptions::TOptions(AppContext& ctx, QWidget* parent)
    : QDialog(parent),
      find_program(ProgramOnPath),
      list_devices(SystemSerialDevices),
      ctx_(ctx),
      core_(ctx) {
  setObjectName(QStringLiteral("Options"));
  setWindowTitle(QStringLiteral("Default Options"));
  SetHelpContext(this, kHelpOptions);

  OptionPage = new QTabWidget(this);
  OptionPage->setObjectName(QStringLiteral("OptionPage"));
  OptionPage->addTab(BuildCommsPage(), QStringLiteral("Comms"));
  OptionPage->addTab(BuildTimePage(), QStringLiteral("Time"));
  OptionPage->addTab(BuildRadioPage(), QStringLiteral("Radio"));
  OptionPage->addTab(BuildScanPage(), QStringLiteral("Scan"));
  OptionPage->addTab(BuildLogPage(), QStringLiteral("Log"));
  OptionPage->addTab(BuildDisplayPage(), QStringLiteral("Display"));
  OptionPage->addTab(BuildGeneralPage(), QStringLiteral("General"));

  OKBtn = new QPushButton(QStringLiteral("&OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  HelpBtn = new QPushButton(QStringLiteral("&Help"), this);
  HelpBtn->setObjectName(QStringLiteral("HelpBtn"));
  for (QPushButton* b : findChildren<QPushButton*>()) {
    if (b != OKBtn) b->setAutoDefault(false);
  }
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  buttons->addWidget(HelpBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(OptionPage);
  layout->addLayout(buttons);

  ConnectHandlers();
}

void TOptions::ConnectHandlers() {
  connect(OKBtn, &QPushButton::clicked, this, &TOptions::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TOptions::CancelBtnClick);
  connect(HelpBtn, &QPushButton::clicked, this, &TOptions::HelpBtnClick);
  connect(PortBtn, &QPushButton::clicked, this, &TOptions::PortBtnClick);
  connect(TimeBtn, &QPushButton::clicked, this, &TOptions::TimeBtnClick);
  RadioGrp->on_click = [this](int item) { RadioGrpClick(item); };
  connect(ExceptBox, &QCheckBox::clicked, this, &TOptions::ExceptBoxClick);
  connect(ModeLst, &QComboBox::currentIndexChanged, this, &TOptions::ModeLstChange);
  connect(TypeLst, &QComboBox::currentIndexChanged, this, &TOptions::ModeLstChange);
  ColorGrid->on_change = [this] { ColorGridChange(); };
  connect(HintsBox, &QCheckBox::clicked, this, &TOptions::HintsBoxClick);
  connect(RadioTimeBtn, &QPushButton::clicked, this, &TOptions::RadioTimeBtnClick);
  RadioTimeDisp->on_click = [this](int item) { RadioTimeDispClick(item); };
  RadioDisp->on_click = [this](int item) { RadioDispClick(item); };
  connect(RadioBrightBtn, &QPushButton::clicked, this, &TOptions::ChangeRadioBright);
  connect(StepBtn, &QPushButton::clicked, this, &TOptions::ChangeRadioStep);
  RadioNameDisp->on_click = [this](int item) { RadioNameDispClick(item); };
  RadioBandDisp->on_click = [this](int item) { RadioBandDispClick(item); };
  auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
  connect(f1, &QShortcut::activated, this, [this] {
    if (show_help) show_help(HelpContextOf(focusWidget() ? focusWidget() : this));
  });
}

void TOptions::showEvent(QShowEvent* event) {
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
  QDialog::showEvent(event);
}

void TOptions::SetPage(int page) {
  if (page >= 0 && page < kOptionsPageCount) OptionPage->setCurrentIndex(page);
}

void TOptions::FormShow() {
  shown_ = true;
  form_ = core_.FormShow();
  core_.set_filling(true);
  Fill(form_);
  core_.set_filling(false);
  HelpBtn->setEnabled(static_cast<bool>(show_help));
}

void TOptions::Fill(const OptionsForm& f) {
  RxPort->SetItemIndex(f.port_item);
  LineEdit->setText(QString::fromLatin1(f.line_pacing.c_str()));
  CharEdit->setText(QString::fromLatin1(f.char_pacing.c_str()));
  IgnoreCB->setChecked(f.ignore_dsr);
  CompleteCB->setChecked(f.complete_reply);
  NetCB->setChecked(f.net_enabled);
  NetPortEdit->setText(QString::fromLatin1(f.net_port.c_str()));

  TimeOffset->SetItemIndex(f.sign_item);
  HourLst->setCurrentIndex(f.hour_item);
  MinLst->setCurrentIndex(f.minute_item);
  LocalTime->SetItemIndex(f.local_item);

  AntPort->SetItemIndex(f.antenna_item);
  FromFreq->setText(QString::fromLatin1(f.from_freq.c_str()));
  ToFreq->setText(QString::fromLatin1(f.to_freq.c_str()));
  ExceptBox->setChecked(f.except_enabled);
  RadioGrp->SetItemIndex(f.model_item);
  HFStepE->setText(QString::fromLatin1(f.hf_step.c_str()));
  VHFStepE->setText(QString::fromLatin1(f.vhf_step.c_str()));

  ModeLst->setCurrentIndex(f.mode_item);
  TypeLst->setCurrentIndex(f.type_item);
  DelayLst->setCurrentIndex(f.delay_item);
  for (int b = 0; b < kBankCount; ++b) Bank[b]->setChecked(f.banks[static_cast<std::size_t>(b)]);

  DXerEdit->setText(ToQt(f.log.dxer));
  Addr1Edit->setText(ToQt(f.log.addr1));
  Addr2Edit->setText(ToQt(f.log.addr2));
  RcvrEdit->setText(ToQt(f.log.rcvr));
  AntEdit->setText(ToQt(f.log.antenna));
  CondxEdit->setText(ToQt(f.log.condx));

  RadioTimeDisp->SetItemIndex(f.clock_display_item);
  RadioDisp->SetItemIndex(f.display_mode_item);
  RadioNameDisp->SetItemIndex(f.name_mode_item);
  RadioBandDisp->SetItemIndex(f.band_display_item);

  ColorGrid->SetBackgroundIndex(ColorGridIndex(f.mark_color));
  ColorGrid->SetForegroundIndex(ColorGridIndex(f.high_color));
  HintsBox->setChecked(f.hints);
  ColorGridChange();
  ApplyEnabling();
}

OptionsForm TOptions::ReadForm() const {
  OptionsForm f = form_;
  f.port_item = RxPort->ItemIndex();
  f.line_pacing = Text(LineEdit);
  f.char_pacing = Text(CharEdit);
  f.ignore_dsr = IgnoreCB->isChecked();
  f.complete_reply = CompleteCB->isChecked();
  f.net_enabled = NetCB->isChecked();
  f.net_port = Text(NetPortEdit);

  f.sign_item = TimeOffset->ItemIndex();
  f.hour_item = HourLst->currentIndex();
  f.minute_item = MinLst->currentIndex();
  f.local_item = LocalTime->ItemIndex();

  f.antenna_item = AntPort->ItemIndex();
  f.from_freq = Text(FromFreq);
  f.to_freq = Text(ToFreq);
  f.except_enabled = ExceptBox->isChecked();
  f.model_item = RadioGrp->ItemIndex();
  f.hf_step = Text(HFStepE);
  f.vhf_step = Text(VHFStepE);

  f.mode_item = ModeLst->currentIndex();
  f.type_item = TypeLst->currentIndex();
  f.delay_item = DelayLst->currentIndex();
  for (int b = 0; b < kBankCount; ++b) f.banks[static_cast<std::size_t>(b)] = Bank[b]->isChecked();

  f.log = {Text(DXerEdit), Text(Addr1Edit), Text(Addr2Edit),
           Text(RcvrEdit), Text(AntEdit),   Text(CondxEdit)};

  f.clock_display_item = RadioTimeDisp->ItemIndex();
  f.display_mode_item = RadioDisp->ItemIndex();
  f.name_mode_item = RadioNameDisp->ItemIndex();
  f.band_display_item = RadioBandDisp->ItemIndex();

  // A stored colour the grid does not have stays as it was until the user picks one.
  const int bg = ColorGrid->BackgroundIndex();
  const int fg = ColorGrid->ForegroundIndex();
  if (bg >= 0) f.mark_color = kGridColors[static_cast<std::size_t>(bg)];
  if (fg >= 0) f.high_color = kGridColors[static_cast<std::size_t>(fg)];
  f.hints = HintsBox->isChecked();
  return f;
}

void TOptions::ApplyEnabling() {
  const OptionsEnabling e = ComputeOptionsEnabling(ReadForm());
  CharEdit->setEnabled(e.char_edit);
  for (QWidget* w : std::initializer_list<QWidget*>{RadioTimeBtn, RadioDisp, RadioBrightBtn,
                                                    RadioNameDisp, RadioBandDisp}) {
    w->setEnabled(e.receiver_display);
  }
  FromFreq->setEnabled(e.band_edits);
  ToFreq->setEnabled(e.band_edits);
  DelayLst->setEnabled(e.delay_list);
  for (int b = 0; b < kBankCount; ++b) Bank[b]->setEnabled(e.banks[static_cast<std::size_t>(b)]);
}

std::optional<ScreenPoint> TOptions::BelowDialog() const {
  const QRect frame = frameGeometry();
  const QScreen* s = screen();
  const QRect avail = s ? s->availableGeometry() : QRect(0, 0, 1 << 14, 1 << 14);
  const int box_w = fontMetrics().averageCharWidth() * 60;
  const int box_h = fontMetrics().height() * 8;
  return BoxBelow({frame.x(), frame.y(), frame.width(), frame.height()},
                  {avail.x(), avail.y(), avail.width(), avail.height()}, box_w, box_h);
}

void TOptions::Finish(const OptionsCore::Outcome& out, bool ok) {
  if (!out.close) {
    SetPage(out.page);
    return;
  }
  if (ok) {
    scan_banks_ = out.scan_banks;
    accept();
  } else {
    QDialog::reject();
  }
}

void TOptions::OKBtnClick() { Finish(core_.OKBtnClick(ReadForm(), BelowDialog()), true); }

void TOptions::CancelBtnClick() { Finish(core_.CancelBtnClick(ReadForm(), BelowDialog()), false); }

void TOptions::reject() { CancelBtnClick(); }

void TOptions::HelpBtnClick() {
  if (show_help) show_help(kHelpOptions);
}

void TOptions::PortBtnClick() {
  int port = RxPort->ItemIndex() + 1;
  if (port < 1) port = ctx_.settings().CommPort;
  if (port < 1 || port > 8) port = 1;
  TPortSetupDlg dlg(ctx_, port, list_devices ? list_devices() : std::vector<SerialDeviceInfo>{},
                    this);
  dlg.show_help = show_help;
  dlg.exec();
}

void TOptions::TimeBtnClick() {
#ifdef _WIN32
  const std::string desktop = "Windows";
#else
  const std::string desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP").toStdString();
#endif
  const auto command = DateTimeSettingsCommand(desktop, find_program);
  std::error_code ec;
  const std::filesystem::path here = std::filesystem::current_path(ec);
  if (command && ctx_.launcher().Start(command->program, command->arguments, here)) return;
  ShowMessage(ctx_.prompts(), MessageKind::kInformation, std::string(kClockSetOutside));
}

void TOptions::RadioGrpClick(int item) {
  core_.RadioGrpClick(item);
  ApplyEnabling();
}

void TOptions::ExceptBoxClick() {
  core_.ExceptBoxClick(ExceptBox->isChecked(), Text(FromFreq), Text(ToFreq));
  ApplyEnabling();
}

void TOptions::ModeLstChange() { ApplyEnabling(); }

void TOptions::ColorGridChange() {
  const OptionsForm f = ReadForm();
  auto paint = [](QLineEdit* sample, int color) {
    QPalette p = sample->palette();
    p.setColor(QPalette::Text, SettingsColorToQt(color));
    sample->setPalette(p);
  };
  paint(MarkEdit, f.mark_color);
  paint(MarkHighEdit, f.high_color);
}

void TOptions::HintsBoxClick() { core_.HintsBoxClick(HintsBox->isChecked()); }

void TOptions::RadioTimeBtnClick() { core_.RadioTimeBtnClick(); }

void TOptions::RadioTimeDispClick(int item) { core_.RadioTimeDispClick(item); }

void TOptions::RadioDispClick(int item) { core_.RadioDispClick(item); }

void TOptions::ChangeRadioBright() { core_.ChangeRadioBright(); }

void TOptions::ChangeRadioStep() { core_.ChangeRadioStep(); }

void TOptions::RadioNameDispClick(int item) { core_.RadioNameDispClick(item); }

void TOptions::RadioBandDispClick(int item) { core_.RadioBandDispClick(item); }

OptionsOutcome ShowOptions(AppContext& ctx, QWidget* parent, int page, ShowHelpFn show_help) {
  TOptions dlg(ctx, parent);
  dlg.show_help = std::move(show_help);
  dlg.SetPage(page);
  // Window-modal: the help window stays usable while the dialog is open.
  dlg.setWindowModality(Qt::WindowModal);
  OptionsOutcome out;
  out.ok = dlg.exec() == QDialog::Accepted;
  if (out.ok) out.scan_banks = dlg.scan_banks();
  out.page = dlg.OptionPage->currentIndex();
  return out;
}

std::optional<OptionsOutcome> RunFirstStart(AppContext& ctx, QWidget* parent,
                                            ShowHelpFn show_help) {
  if (ctx.profile().Exists()) return std::nullopt;
  return ShowOptions(ctx, parent, kPageComms, std::move(show_help));
}

}  // namespace r8
