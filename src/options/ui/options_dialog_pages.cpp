// The seven pages of TOptions: controls, captions and item lists.
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "help/help_topics.h"
#include "options/ui/color_grid_widget.h"
#include "options/ui/options_dialog.h"
#include "options/ui/radio_group_widget.h"

namespace r8 {
namespace {

QString Latin(std::string_view s) {
  return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

template <std::size_t N>
QStringList Items(const std::array<std::string_view, N>& items) {
  QStringList out;
  for (std::string_view s : items) out << Latin(s);
  return out;
}

QLineEdit* Edit(QWidget* parent, const char* name, int max_length, int chars) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setMaxLength(max_length);
  if (chars > 0) e->setFixedWidth(e->fontMetrics().averageCharWidth() * chars + 16);
  return e;
}

QComboBox* List(QWidget* parent, const char* name, const QStringList& items) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QString::fromLatin1(name));
  c->addItems(items);
  c->setCurrentIndex(-1);
  return c;
}

// A page whose widgets give F1 the page's own topic.
QWidget* Page(QWidget* parent, int page) {
  auto* w = new QWidget(parent);
  w->setObjectName(Latin(kOptionsPageNames[static_cast<std::size_t>(page)]) +
                   QStringLiteral("Page"));
  SetHelpContext(w, OptionsPageHelpContext(page));
  return w;
}

QLabel* Buddy(const QString& caption, QWidget* buddy, QWidget* parent) {
  auto* l = new QLabel(caption, parent);
  l->setBuddy(buddy);
  // The size hint measures the caption kerned ("To"), but the underlined shortcut letter is drawn
  // apart from the rest, so a short caption would lose its last letter.
  l->setMinimumWidth(l->sizeHint().width() + l->fontMetrics().averageCharWidth());
  return l;
}

}  // namespace

QWidget* TOptions::BuildCommsPage() {
  QWidget* page = Page(OptionPage, kPageComms);
  RxPort = new TRadioGroup(QStringLiteral("Receiver Port"), Items(kPortItems), 2, page);
  RxPort->setObjectName(QStringLiteral("RxPort"));
  PortBtn = new QPushButton(QStringLiteral("&Port Setup"), page);
  PortBtn->setObjectName(QStringLiteral("PortBtn"));

  CommsPacing = new QGroupBox(QStringLiteral("Comms Pacing (mSec)"), page);
  CommsPacing->setObjectName(QStringLiteral("CommsPacing"));
  LineEdit = Edit(CommsPacing, "LineEdit", 6, 6);
  CharEdit = Edit(CommsPacing, "CharEdit", 6, 6);
  auto* pacing = new QFormLayout(CommsPacing);
  pacing->addRow(Buddy(QStringLiteral("&Line Pacing"), LineEdit, CommsPacing), LineEdit);
  pacing->addRow(Buddy(QStringLiteral("&Character Pacing"), CharEdit, CommsPacing), CharEdit);
  // Off, the link waits the whole line pacing before each read; on, it reads a reply as soon as
  // it is whole and keeps the line pacing as the limit.
  CompleteCB = new QCheckBox(QStringLiteral("&Fast replies (read once complete)"), CommsPacing);
  CompleteCB->setObjectName(QStringLiteral("CompleteCB"));
  CompleteCB->setToolTip(
      QStringLiteral("Take each reply as soon as it has all arrived; Line Pacing is then the "
                     "longest wait for it"));
  pacing->addRow(CompleteCB);

  IgnoreCB =
      new QCheckBox(QStringLiteral("Disable Radio Sensing (ignores Comms status indicator)"), page);
  IgnoreCB->setObjectName(QStringLiteral("IgnoreCB"));

  // Other programs (decoders, loggers) share the receiver through the network control server.
  NetBox = new QGroupBox(QStringLiteral("Sharing the Receiver"), page);
  NetBox->setObjectName(QStringLiteral("NetBox"));
  NetCB = new QCheckBox(QStringLiteral("Let other programs &tune the receiver (Hamlib NET rigctl)"),
                        NetBox);
  NetCB->setObjectName(QStringLiteral("NetCB"));
  NetPortEdit = Edit(NetBox, "NetPortEdit", 5, 6);
  NetPortEdit->setEnabled(false);
  QObject::connect(NetCB, &QCheckBox::toggled, NetPortEdit, &QWidget::setEnabled);
  auto* net_note = new QLabel(
      QStringLiteral("Listens on 127.0.0.1 only, so only programs on this computer can reach "
                     "it. To listen on another address for one run, start the program with "
                     "--listen ADDRESS:PORT."),
      NetBox);
  net_note->setWordWrap(true);
  auto* net = new QFormLayout(NetBox);
  net->addRow(NetCB);
  net->addRow(Buddy(QStringLiteral("Net&work Port"), NetPortEdit, NetBox), NetPortEdit);
  net->addRow(net_note);

  auto* right = new QVBoxLayout;
  right->addWidget(CommsPacing);
  right->addWidget(PortBtn, 0, Qt::AlignLeft);
  right->addStretch(1);
  auto* top = new QHBoxLayout;
  top->addWidget(RxPort, 1);
  top->addLayout(right, 1);
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(top);
  layout->addWidget(IgnoreCB);
  layout->addWidget(NetBox);
  layout->addStretch(1);
  return page;
}

QWidget* TOptions::BuildTimePage() {
  QWidget* page = Page(OptionPage, kPageTime);
  TimeBtn = new QPushButton(QStringLiteral("&Set Time"), page);
  TimeBtn->setObjectName(QStringLiteral("TimeBtn"));

  TimeBox = new QGroupBox(QStringLiteral("UT Time Adjustment"), page);
  TimeBox->setObjectName(QStringLiteral("TimeBox"));
  TimeOffset = new TRadioGroup(QStringLiteral("UT Offset"),
                               {QStringLiteral("&+"), QStringLiteral("&-")}, 1, TimeBox);
  TimeOffset->setObjectName(QStringLiteral("TimeOffset"));
  HourLst = List(TimeBox, "HourLst", Items(kHourItems));
  MinLst = List(TimeBox, "MinLst", Items(kMinuteItems));
  auto* lists = new QFormLayout;
  lists->addRow(Buddy(QStringLiteral("Ho&urs"), HourLst, TimeBox), HourLst);
  lists->addRow(Buddy(QStringLiteral("&Minutes"), MinLst, TimeBox), MinLst);
  auto* box = new QHBoxLayout(TimeBox);
  box->addWidget(TimeOffset);
  box->addLayout(lists);
  box->addStretch(1);

  LocalTime = new TRadioGroup(QStringLiteral("Local Time Display"),
                              {QStringLiteral("  &12:59"), QStringLiteral("  &23:59")}, 1, page);
  LocalTime->setObjectName(QStringLiteral("LocalTime"));

  auto* row = new QHBoxLayout;
  row->addWidget(LocalTime);
  row->addStretch(1);
  row->addWidget(TimeBtn, 0, Qt::AlignBottom);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(TimeBox);
  layout->addLayout(row);
  layout->addStretch(1);
  return page;
}

QWidget* TOptions::BuildRadioPage() {
  QWidget* page = Page(OptionPage, kPageRadio);
  AntPort = new TRadioGroup(QStringLiteral("Primary HF Antenna"),
                            {QStringLiteral("&1"), QStringLiteral("&2")}, 2, page);
  AntPort->setObjectName(QStringLiteral("AntPort"));

  AntEx = new QGroupBox(QStringLiteral("Alternate Band (kHz)"), page);
  AntEx->setObjectName(QStringLiteral("AntEx"));
  FromFreq = Edit(AntEx, "FromFreq", 10, 9);
  ToFreq = Edit(AntEx, "ToFreq", 10, 9);
  ExceptBox = new QCheckBox(QStringLiteral("&Enabled"), AntEx);
  ExceptBox->setObjectName(QStringLiteral("ExceptBox"));
  auto* band = new QFormLayout(AntEx);
  band->addRow(Buddy(QStringLiteral("&From"), FromFreq, AntEx), FromFreq);
  band->addRow(Buddy(QStringLiteral("&To"), ToFreq, AntEx), ToFreq);
  band->addRow(ExceptBox);

  RadioGrp = new TRadioGroup(
      QStringLiteral("Receiver Model"),
      {QStringLiteral("&R8"), QStringLiteral("R8&a"), QStringLiteral("R8&b")}, 1, page);
  RadioGrp->setObjectName(QStringLiteral("RadioGrp"));

  SmallStep = new QGroupBox(QStringLiteral("Small Stepsize (kHz)"), page);
  SmallStep->setObjectName(QStringLiteral("SmallStep"));
  HFStepE = Edit(SmallStep, "HFStepE", 8, 6);
  VHFStepE = Edit(SmallStep, "VHFStepE", 8, 6);
  auto* steps = new QFormLayout(SmallStep);
  steps->addRow(Buddy(QStringLiteral("HF:"), HFStepE, SmallStep), HFStepE);
  steps->addRow(Buddy(QStringLiteral("VHF:"), VHFStepE, SmallStep), VHFStepE);

  auto* layout = new QGridLayout(page);
  layout->addWidget(AntPort, 0, 0);
  layout->addWidget(RadioGrp, 0, 1);
  layout->addWidget(AntEx, 1, 0);
  layout->addWidget(SmallStep, 1, 1);
  layout->setRowStretch(2, 1);
  return page;
}

QWidget* TOptions::BuildScanPage() {
  QWidget* page = Page(OptionPage, kPageScan);
  ScanParms = new QGroupBox(QStringLiteral("Scanning Parameters"), page);
  ScanParms->setObjectName(QStringLiteral("ScanParms"));
  ModeLst = List(ScanParms, "ModeLst", Items(kScanModeNames));
  TypeLst = List(ScanParms, "TypeLst", Items(kScanTypeNames));
  QStringList delays;
  for (int ms : kScanDelaysMs) delays << QString::number(ms);
  DelayLst = List(ScanParms, "DelayLst", delays);

  BankTabs = new QTabWidget(ScanParms);
  BankTabs->setObjectName(QStringLiteral("BankTabs"));
  for (int tab = 0; tab < 4; ++tab) {
    auto* sheet = new QWidget(BankTabs);
    auto* grid = new QGridLayout(sheet);
    for (int i = 0; i < 25; ++i) {
      const int b = tab * 25 + i;
      auto* box = new QCheckBox(QStringLiteral("%1").arg(b, 2, 10, QLatin1Char('0')), sheet);
      box->setObjectName(QStringLiteral("Bank%1").arg(b));
      Bank[b] = box;
      grid->addWidget(box, i / 5, i % 5);
    }
    BankTabs->addTab(sheet, QStringLiteral("%1-%2")
                                .arg(tab * 25, 2, 10, QLatin1Char('0'))
                                .arg(tab * 25 + 24, 2, 10, QLatin1Char('0')));
  }

  auto* lists = new QFormLayout;
  lists->addRow(Buddy(QStringLiteral("&Mode:"), ModeLst, ScanParms), ModeLst);
  lists->addRow(Buddy(QStringLiteral("T&ype:"), TypeLst, ScanParms), TypeLst);
  lists->addRow(Buddy(QStringLiteral("&Delay:"), DelayLst, ScanParms), DelayLst);
  auto* banks_label = new QLabel(QStringLiteral("Memory banks (List mode)"), ScanParms);
  auto* banks = new QVBoxLayout;
  banks->addWidget(banks_label);
  banks->addWidget(BankTabs);
  auto* parms = new QHBoxLayout(ScanParms);
  parms->addLayout(lists);
  parms->addSpacing(fontMetrics().averageCharWidth() * 2);
  parms->addLayout(banks, 1);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(ScanParms);
  layout->addStretch(1);
  return page;
}

QWidget* TOptions::BuildLogPage() {
  QWidget* page = Page(OptionPage, kPageLog);
  // The file keeps at most 254 characters of a value.
  DXerEdit = Edit(page, "DXerEdit", 254, 0);
  Addr1Edit = Edit(page, "Addr1Edit", 254, 0);
  Addr2Edit = Edit(page, "Addr2Edit", 254, 0);
  RcvrEdit = Edit(page, "RcvrEdit", 254, 0);
  AntEdit = Edit(page, "AntEdit", 254, 0);
  CondxEdit = Edit(page, "CondxEdit", 254, 0);
  auto* form = new QFormLayout(page);
  form->addRow(Buddy(QStringLiteral("&DXer"), DXerEdit, page), DXerEdit);
  form->addRow(Buddy(QStringLiteral("Address &1"), Addr1Edit, page), Addr1Edit);
  form->addRow(Buddy(QStringLiteral("Address &2"), Addr2Edit, page), Addr2Edit);
  form->addRow(Buddy(QStringLiteral("&Receiver"), RcvrEdit, page), RcvrEdit);
  form->addRow(Buddy(QStringLiteral("&Antenna"), AntEdit, page), AntEdit);
  form->addRow(Buddy(QStringLiteral("Rx &Conditions"), CondxEdit, page), CondxEdit);
  return page;
}

QWidget* TOptions::BuildDisplayPage() {
  QWidget* page = Page(OptionPage, kPageDisplay);
  RadioTimeBtn = new QPushButton(QStringLiteral("Set &Radio Clocks"), page);
  RadioTimeBtn->setObjectName(QStringLiteral("RadioTimeBtn"));
  RadioTimeDisp = new TRadioGroup(QStringLiteral("Clock Display"),
                                  {QStringLiteral("&Local"), QStringLiteral("&UTC")}, 2, page);
  RadioTimeDisp->setObjectName(QStringLiteral("RadioTimeDisp"));
  RadioDisp = new TRadioGroup(QStringLiteral("Display Mode"),
                              {QStringLiteral("&Freq"), QStringLiteral("&Clock")}, 2, page);
  RadioDisp->setObjectName(QStringLiteral("RadioDisp"));
  RadioBrightBtn = new QPushButton(QStringLiteral("LCD &Brightness"), page);
  RadioBrightBtn->setObjectName(QStringLiteral("RadioBrightBtn"));
  StepBtn = new QPushButton(QStringLiteral("&Step Size"), page);
  StepBtn->setObjectName(QStringLiteral("StepBtn"));
  RadioNameDisp = new TRadioGroup(QStringLiteral("Name Mode Control"),
                                  {QStringLiteral("Off"), QStringLiteral("On")}, 2, page);
  RadioNameDisp->setObjectName(QStringLiteral("RadioNameDisp"));
  RadioBandDisp = new TRadioGroup(QStringLiteral("Band Display"),
                                  {QStringLiteral("&kHz"), QStringLiteral("&MHz")}, 2, page);
  RadioBandDisp->setObjectName(QStringLiteral("RadioBandDisp"));

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(RadioTimeBtn);
  buttons->addWidget(RadioBrightBtn);
  buttons->addWidget(StepBtn);
  buttons->addStretch(1);
  auto* groups = new QGridLayout;
  groups->addWidget(RadioTimeDisp, 0, 0);
  groups->addWidget(RadioDisp, 0, 1);
  groups->addWidget(RadioNameDisp, 1, 0);
  groups->addWidget(RadioBandDisp, 1, 1);
  auto* row = new QHBoxLayout;
  row->addLayout(groups, 1);
  row->addSpacing(fontMetrics().averageCharWidth() * 2);
  row->addLayout(buttons);
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(row);
  layout->addStretch(1);
  return page;
}

QWidget* TOptions::BuildGeneralPage() {
  QWidget* page = Page(OptionPage, kPageGeneral);
  MarkGrp = new QGroupBox(QStringLiteral("Marking Colors"), page);
  MarkGrp->setObjectName(QStringLiteral("MarkGrp"));
  MarkEdit = Edit(MarkGrp, "MarkEdit", 40, 22);
  MarkEdit->setText(QStringLiteral("Marked station"));
  MarkEdit->setReadOnly(true);
  MarkHighEdit = Edit(MarkGrp, "MarkHighEdit", 40, 22);
  MarkHighEdit->setText(QStringLiteral("Highlighted item"));
  MarkHighEdit->setReadOnly(true);
  ColorGrid = new TColorGrid(MarkGrp);
  auto* how = new QLabel(QStringLiteral("Right click a colour for marked stations (BG),\n"
                                        "left click one for highlighted items (FG)."),
                         MarkGrp);
  auto* samples = new QVBoxLayout;
  samples->addWidget(MarkEdit);
  samples->addWidget(MarkHighEdit);
  samples->addWidget(how);
  samples->addStretch(1);
  auto* mark = new QHBoxLayout(MarkGrp);
  mark->addLayout(samples);
  mark->addWidget(ColorGrid, 0, Qt::AlignTop);
  mark->addStretch(1);

  HintsBox = new QCheckBox(QStringLiteral("Show help hints on buttons / hypertext items "), page);
  HintsBox->setObjectName(QStringLiteral("HintsBox"));
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(MarkGrp);
  layout->addWidget(HintsBox);
  layout->addStretch(1);
  return page;
}

}  // namespace r8
