#include "timers/ui/timer_edit_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/format.h"
#include "help/ui/help_desk.h"

namespace r8 {

namespace {
QString Latin(const std::string& s) { return QString::fromLatin1(s.c_str()); }
std::string Text(const QLineEdit* e) { return e->text().toLatin1().toStdString(); }
}  // namespace

TTimerEditDlg::TTimerEditDlg(TimerEditMode mode, int index, const TimerRecord& record,
                             const std::vector<std::string>& freq_choices,
                             const TimerPrefill* prefill, QWidget* parent)
    : QDialog(parent), mode_(mode), index_(index), record_(record) {
  const TimerEditCaption caption = TimerEditCaptionOf(mode);
  setObjectName(QStringLiteral("TimerEditDlg"));
  setWindowTitle(QString::fromLatin1(caption.caption));
  SetHelpContext(this, caption.help_context);
  const bool choose_number = mode == TimerEditMode::kCreate || mode == TimerEditMode::kMove;

  TimerNo = new QLineEdit(this);
  TimerNo->setObjectName(QStringLiteral("TimerNo"));
  TimerNo->setReadOnly(true);
  TimerNoBox = new QComboBox(this);
  TimerNoBox->setObjectName(QStringLiteral("TimerNoBox"));
  for (int i = 1; i <= kTimerCount; ++i) TimerNoBox->addItem(Latin(IntToStr2Z(i)));
  TimerNo->setVisible(!choose_number);
  TimerNoBox->setVisible(choose_number);
  SetBox = new QCheckBox(QStringLiteral("&Set"), this);
  SetBox->setObjectName(QStringLiteral("SetBox"));
  TimeEdit = new QLineEdit(this);
  TimeEdit->setObjectName(QStringLiteral("TimeEdit"));
  TimeEdit->setMaxLength(4);
  FreqEdit = new QLineEdit(this);
  FreqEdit->setObjectName(QStringLiteral("FreqEdit"));
  FreqBox = new QComboBox(this);
  FreqBox->setObjectName(QStringLiteral("FreqBox"));
  FreqBox->setEditable(true);
  FreqEdit->setVisible(mode != TimerEditMode::kCreate);
  FreqBox->setVisible(mode == TimerEditMode::kCreate);
  KBtn = new QRadioButton(QStringLiteral("&k"), this);
  KBtn->setObjectName(QStringLiteral("KBtn"));
  MBtn = new QRadioButton(QStringLiteral("&M"), this);
  MBtn->setObjectName(QStringLiteral("MBtn"));
  auto* units = new QButtonGroup(this);
  units->addButton(KBtn);
  units->addButton(MBtn);
  static const char* kDays[7] = {"Sun", "Mon", "Tues", "Wed", "Thurs", "Fri", "Sat"};
  auto* days = new QGroupBox(QStringLiteral("Days"), this);
  auto* day_grid = new QGridLayout(days);
  for (int d = 0; d < 7; ++d) {
    DayBox[d] = new QCheckBox(QString::fromLatin1(kDays[d]), days);
    DayBox[d]->setObjectName(QString::fromLatin1(kDays[d]) + QStringLiteral("Box"));
    day_grid->addWidget(DayBox[d], d / 4, d % 4);
  }
  DailyBox = new QCheckBox(QStringLiteral("Daily"), days);
  DailyBox->setObjectName(QStringLiteral("DailyBox"));
  day_grid->addWidget(DailyBox, 1, 3);
  NotesEdit = new QLineEdit(this);
  NotesEdit->setObjectName(QStringLiteral("NotesEdit"));
  NotesEdit->setMaxLength(static_cast<int>(kTimerNotesLength));

  auto* number = new QHBoxLayout;
  number->addWidget(TimerNo);
  number->addWidget(TimerNoBox);
  auto* freq = new QHBoxLayout;
  freq->addWidget(FreqEdit, 1);
  freq->addWidget(FreqBox, 1);
  freq->addWidget(KBtn);
  freq->addWidget(MBtn);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Timer #"), number);
  form->addRow(QString(), SetBox);
  form->addRow(QStringLiteral("Time (UTC)"), TimeEdit);
  form->addRow(QStringLiteral("Frequency"), freq);
  form->addRow(days);
  form->addRow(QStringLiteral("Notes"), NotesEdit);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->setObjectName(QStringLiteral("Buttons"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);

  if (mode == TimerEditMode::kCreate && prefill) {
    TimerNoBox->setCurrentIndex(index);
    SetBox->setChecked(true);
    TimeEdit->setText(Latin(prefill->time));
    for (const std::string& f : freq_choices) FreqBox->addItem(Latin(f));
    KBtn->setChecked(true);
    for (int d = 0; d < 7; ++d) DayBox[d]->setChecked(prefill->day_bit == DayBit(d + 1));
    NotesEdit->setText(Latin(prefill->notes));
  } else {
    const TimerDialogFields f = FieldsOf(record, index);
    TimerNo->setText(Latin(f.number_text));
    TimerNoBox->setCurrentIndex(index);
    SetBox->setChecked(f.set);
    TimeEdit->setText(Latin(f.time_text));
    FreqEdit->setText(Latin(f.freq_text));
    KBtn->setChecked(f.khz);
    MBtn->setChecked(f.mhz);
    for (int d = 0; d < 7; ++d) DayBox[d]->setChecked(f.day[d]);
    DailyBox->setChecked(f.daily);
    NotesEdit->setText(Latin(f.notes_text));
  }
  // Clearing only asks for a confirmation.
  if (mode == TimerEditMode::kClear) {
    for (QWidget* w : std::initializer_list<QWidget*>{TimerNo, SetBox, TimeEdit, FreqEdit, KBtn,
                                                      MBtn, days, NotesEdit}) {
      w->setEnabled(false);
    }
  }
}

TimerDialogFields TTimerEditDlg::Fields() const {
  TimerDialogFields f;
  f.number_text = TimerNoBox->currentText().toLatin1().toStdString();
  f.set = SetBox->isChecked();
  f.time_text = Text(TimeEdit);
  f.freq_text = mode_ == TimerEditMode::kCreate ? FreqBox->currentText().toLatin1().toStdString()
                                                : Text(FreqEdit);
  f.khz = KBtn->isChecked();
  f.mhz = MBtn->isChecked();
  f.daily = DailyBox->isChecked();
  for (int d = 0; d < 7; ++d) f.day[d] = DayBox[d]->isChecked();
  f.notes_text = Text(NotesEdit);
  return f;
}

TimerEditResult TTimerEditDlg::Result() const {
  return SetTimerData(mode_, index_, record_, Fields());
}

}  // namespace r8
