#include "memory/ui/memory_edit_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "app/app_context.h"
#include "common/format.h"
#include "memory/memory_commands.h"
#include "radio/radio_model.h"

namespace r8 {
namespace {

QComboBox* List(QWidget* parent, const char* name, std::initializer_list<const char*> items) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  for (const char* i : items) box->addItem(QString::fromLatin1(i));
  box->addItem(QString());  // not applicable
  return box;
}

}  // namespace

TMemEditDlg::TMemEditDlg(AppContext& ctx, const MemEditRecord& record, QWidget* parent)
    : QDialog(parent, Qt::WindowStaysOnTopHint), ctx_(ctx), record_(record) {
  setObjectName(QStringLiteral("MemEditDlg"));
  const EditFormView view = ComputeEditForm(record.action, ctx.memory().file_name);
  setWindowTitle(QString::fromLatin1(view.caption.c_str()));
  const int model = ctx.settings().RadioModel;
  auto* form = new QFormLayout(this);

  MemLst = new QComboBox(this);
  MemLst->setObjectName(QStringLiteral("MemLst"));
  for (int c = 0; c < MemoryChannelCount(model); ++c) {
    MemLst->addItem(
        QString::fromLatin1((model == kModelR8 ? IntToStr2Z(c) : IntToStr3Z(c)).c_str()));
  }
  MemLst->setCurrentIndex(record.line.channel);
  MemLst->setEnabled(view.channel_enabled);
  form->addRow(QStringLiteral("Channel"), MemLst);

  // The R8 shows the frequency in the unit that suits it; the others in the line's own unit.
  int unit = record.line.unit;
  std::string text;
  if (model == kModelR8) {
    const FreqText f = FreqToDisplay(record.line.freq_khz);
    text = f.text;
    unit = f.unit;
  } else {
    text = FreqToText(record.line.freq_khz, unit);
  }
  record_.line.unit = unit;
  FreqEdit = new QLineEdit(QString::fromLatin1(TrimStr(text).c_str()), this);
  FreqEdit->setObjectName(QStringLiteral("FreqEdit"));
  KHzBtn = new QRadioButton(QStringLiteral("&kHz"), this);
  MHzBtn = new QRadioButton(QStringLiteral("&MHz"), this);
  (unit == kUnitMHz ? MHzBtn : KHzBtn)->setChecked(true);
  auto* freq_row = new QHBoxLayout;
  freq_row->addWidget(FreqEdit);
  freq_row->addWidget(KHzBtn);
  freq_row->addWidget(MHzBtn);
  for (QWidget* w : {static_cast<QWidget*>(FreqEdit), static_cast<QWidget*>(KHzBtn),
                     static_cast<QWidget*>(MHzBtn)}) {
    w->setEnabled(view.frequency_enabled);
  }
  form->addRow(QStringLiteral("Frequency"), freq_row);

  AntLst = List(this, "AntLst", {"1", "2", "C"});
  RFLst = List(this, "RFLst", {"Att", "Off", "Pre"});
  AGCLst = List(this, "AGCLst", {"Off", "Slow", "Fast"});
  BWLst = List(this, "BWLst", {"12.", "6.0", "4.0", "2.3", "1.8", "0.5"});
  ModeLst = List(this, "ModeLst", {"AM", "FM", "CW", "RTTY", "LSB", "USB"});
  BlankerLst = List(this, "BlankerLst", {"Off", "Narr", "Wide"});
  form->addRow(QStringLiteral("Antenna"), AntLst);
  form->addRow(QStringLiteral("RF"), RFLst);
  form->addRow(QStringLiteral("AGC"), AGCLst);
  form->addRow(QStringLiteral("Bandwidth"), BWLst);
  form->addRow(QStringLiteral("Mode"), ModeLst);
  form->addRow(QStringLiteral("Blanker"), BlankerLst);
  NotchBox = new QCheckBox(QStringLiteral("Notch"), this);
  NotchBox->setObjectName(QStringLiteral("NotchBox"));
  SyncBox = new QCheckBox(QStringLiteral("Sync"), this);
  SyncBox->setObjectName(QStringLiteral("SyncBox"));
  auto* boxes = new QHBoxLayout;
  boxes->addWidget(NotchBox);
  boxes->addWidget(SyncBox);
  form->addRow(boxes);
  NotesEdit = new QPlainTextEdit(QString::fromLatin1(record.line.notes.c_str()), this);
  NotesEdit->setObjectName(QStringLiteral("NotesEdit"));
  NotesEdit->setMaximumHeight(60);
  form->addRow(QStringLiteral("Notes"), NotesEdit);
  AddBox = new QCheckBox(QStringLiteral("A&dd to Memory List"), this);
  AddBox->setObjectName(QStringLiteral("AddBox"));
  AddBox->setChecked(true);
  AddBox->setEnabled(view.add_enabled);
  FillBox = new QCheckBox(QStringLiteral("F&ill Memory Channel"), this);
  FillBox->setObjectName(QStringLiteral("FillBox"));
  FillBox->setChecked(ctx.link().PortError() == 0);
  FillBox->setEnabled(view.fill_enabled);
  form->addRow(AddBox);
  form->addRow(FillBox);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &TMemEditDlg::OKBtnClicked);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(AddBox, &QCheckBox::toggled, NotesEdit, &QWidget::setEnabled);

  const std::pair<QComboBox*, SettingList> lists[] = {
      {AntLst, SettingList::kAntenna}, {RFLst, SettingList::kRf},
      {AGCLst, SettingList::kAgc},     {BWLst, SettingList::kBandwidth},
      {ModeLst, SettingList::kMode},   {BlankerLst, SettingList::kBlanker}};
  for (const auto& [box, list] : lists) {
    connect(box, &QComboBox::activated, this,
            [this, list = list](int index) { CBNSelChange(list, index); });
  }
  if (view.settings_enabled) {
    SetDisplay();
  } else {
    enabled_ = SettingsEnabled{false, false, false, false, false, false, false, false};
    ShowSettings();
  }
}

void TMemEditDlg::SetDisplay() {
  const int antenna = ctx_.settings().primary_antenna == 2 ? 1 : 0;
  const std::optional<double> khz =
      CheckFrequency(FreqEdit->text().toLatin1().toStdString(), MHzBtn->isChecked() ? 2 : 1).khz;
  enabled_ = r8::SetDisplay(record_.line.settings, khz.value_or(record_.line.freq_khz),
                            ctx_.settings().RadioModel, antenna);
  ShowSettings();
}

void TMemEditDlg::ShowSettings() {
  const MemorySettings& s = record_.line.settings;
  const std::tuple<QComboBox*, int, bool> lists[] = {
      {AntLst, s.antenna, enabled_.antenna}, {RFLst, s.rf, enabled_.rf},
      {AGCLst, s.agc, enabled_.agc},         {BWLst, s.bandwidth, enabled_.bandwidth},
      {ModeLst, s.mode, enabled_.mode},      {BlankerLst, s.blanker, enabled_.blanker}};
  for (const auto& [box, index, enabled] : lists) {
    box->setCurrentIndex(index);
    box->setEnabled(enabled);
  }
  NotchBox->setChecked(s.notch == kNotchOn);
  NotchBox->setEnabled(enabled_.notch);
  SyncBox->setChecked(s.sync);
  SyncBox->setEnabled(enabled_.sync);
}

void TMemEditDlg::CBNSelChange(SettingList list, int index) {
  ChooseItem(record_.line.settings, list, index);
  if (record_.action != EditAction::kInsert) {
    SetDisplay();
  } else {
    ShowSettings();
  }
}

void TMemEditDlg::OKBtnClicked() {
  const int unit = MHzBtn->isChecked() ? kUnitMHz : kUnitKHz;
  const FrequencyCheck check = CheckFrequency(FreqEdit->text().toLatin1().toStdString(), unit);
  if (!check.khz) {
    ShowMessage(ctx_.prompts(), MessageKind::kError, check.error);
    return;
  }
  MemoryLine& m = record_.line;
  m.freq_khz = *check.khz;
  m.unit = unit;
  m.channel = MemLst->currentIndex();
  m.settings.notch = NotchBox->isChecked() ? kNotchOn : kNotchOff;
  m.settings.sync = SyncBox->isChecked();
  std::string notes = NotesEdit->toPlainText().remove(QLatin1Char('\n')).toLatin1().toStdString();
  if (notes.size() > kCommentLength) notes.resize(kCommentLength);
  m.notes = notes;
  record_.add = AddBox->isChecked();
  record_.fill = FillBox->isChecked();
  accept();
}

}  // namespace r8
