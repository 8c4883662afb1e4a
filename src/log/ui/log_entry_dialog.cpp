#include "log/ui/log_entry_dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "common/format.h"
#include "help/help_topics.h"

namespace r8 {
namespace {

QString L1(const std::string& s) {
  return QString::fromLatin1(s.data(), static_cast<int>(s.size()));
}
std::string Text(const QString& s) { return s.toLatin1().toStdString(); }

QLineEdit* Edit(QWidget* parent, const char* name, int max) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setMaxLength(max);
  return e;
}

QToolButton* Speed(QWidget* parent, const char* name, const char* word) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setText(QString::fromLatin1(word));
  b->setToolTip(QString::fromLatin1(word));
  return b;
}

}  // namespace

TLogEDlg::TLogEDlg(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
  setObjectName(QStringLiteral("LogEDlg"));
  setWindowTitle(QStringLiteral("Log Entry"));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  SetHelpContext(this, kHelpLogging);

  DateEdit = Edit(this, "DateEdit", 9);
  TimeEdit = Edit(this, "TimeEdit", 5);
  FreqEdit = Edit(this, "FreqEdit", 8);
  SINPOEdit = Edit(this, "SINPOEdit", 5);
  ModeEdit = Edit(this, "ModeEdit", 4);
  CallEdit = Edit(this, "CallEdit", 10);
  RateEdit = Edit(this, "RateEdit", 11);
  StatLst = new QComboBox(this);
  StatLst->setObjectName(QStringLiteral("StatLst"));
  StatLst->setEditable(true);
  StatLst->setInsertPolicy(QComboBox::NoInsert);
  StatLst->lineEdit()->setMaxLength(static_cast<int>(kLogFieldLimits[8]));
  StatLst->setMinimumContentsLength(25);

  auto* mult = new QGroupBox(this);
  mult->setObjectName(QStringLiteral("MultGrp"));
  KHzBtn = new QRadioButton(QStringLiteral("&kHz"), mult);
  KHzBtn->setObjectName(QStringLiteral("KHzBtn"));
  MHzBtn = new QRadioButton(QStringLiteral("&MHz"), mult);
  MHzBtn->setObjectName(QStringLiteral("MHzBtn"));
  auto* units = new QButtonGroup(this);
  units->addButton(KHzBtn);
  units->addButton(MHzBtn);
  auto* mult_row = new QHBoxLayout(mult);
  mult_row->setContentsMargins(6, 2, 6, 2);
  mult_row->addWidget(KHzBtn);
  mult_row->addWidget(MHzBtn);

  auto* grid = new QGridLayout;
  auto label = [this](const char* caption, QWidget* buddy) {
    auto* l = new QLabel(QString::fromLatin1(caption), this);
    l->setBuddy(buddy);
    return l;
  };
  grid->addWidget(label("&Date", DateEdit), 0, 0);
  grid->addWidget(DateEdit, 0, 1);
  grid->addWidget(label("&Time", TimeEdit), 0, 2);
  grid->addWidget(TimeEdit, 0, 3);
  grid->addWidget(label("&Freq.", FreqEdit), 1, 0);
  grid->addWidget(FreqEdit, 1, 1);
  grid->addWidget(mult, 1, 2, 1, 2);
  grid->addWidget(label("&Station", StatLst), 2, 0);
  grid->addWidget(StatLst, 2, 1, 1, 3);
  grid->addWidget(label("S&INPO", SINPOEdit), 3, 0);
  grid->addWidget(SINPOEdit, 3, 1);
  grid->addWidget(label("Mod&e", ModeEdit), 3, 2);
  grid->addWidget(ModeEdit, 3, 3);
  grid->addWidget(label("C&all", CallEdit), 4, 0);
  grid->addWidget(CallEdit, 4, 1);
  grid->addWidget(label("&Rate/Shift", RateEdit), 4, 2);
  grid->addWidget(RateEdit, 4, 3);

  NotesEdit = new QPlainTextEdit(this);
  NotesEdit->setObjectName(QStringLiteral("NotesEdit"));
  NotesEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  NotesEdit->setMinimumHeight(90);
  CutBtn = Speed(this, "CutBtn", "Cut");
  CopyBtn = Speed(this, "CopyBtn", "Copy");
  PasteBtn = Speed(this, "PasteBtn", "Paste");
  DateBtn = Speed(this, "DateBtn", "Date");
  TimeBtn = Speed(this, "TimeBtn", "Time");
  auto* speed = new QHBoxLayout;
  speed->addWidget(label("&Notes:", NotesEdit));
  speed->addStretch();
  for (QToolButton* b : {CutBtn, CopyBtn, PasteBtn, DateBtn, TimeBtn}) speed->addWidget(b);

  OKBtn = new QPushButton(QStringLiteral("&OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("&Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  HelpBtn = new QPushButton(QStringLiteral("&Help"), this);
  HelpBtn->setObjectName(QStringLiteral("HelpBtn"));
  LogFileBtn = new QPushButton(QStringLiteral("&Log file"), this);
  LogFileBtn->setObjectName(QStringLiteral("LogFileBtn"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(LogFileBtn);
  buttons->addStretch();
  for (QPushButton* b : {OKBtn, CancelBtn, HelpBtn}) buttons->addWidget(b);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(speed);
  layout->addWidget(NotesEdit);
  layout->addLayout(buttons);

  connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(HelpBtn, &QPushButton::clicked, this, [this] { HelpBtnClick(); });
  connect(LogFileBtn, &QPushButton::clicked, this, [this] { LogFileBtnClick(); });
  connect(CutBtn, &QToolButton::clicked, this, [this] { CutBtnClick(); });
  connect(CopyBtn, &QToolButton::clicked, this, [this] { CopyBtnClick(); });
  connect(PasteBtn, &QToolButton::clicked, this, [this] { PasteBtnClick(); });
  connect(DateBtn, &QToolButton::clicked, this, [this] { DateBtnClick(); });
  connect(TimeBtn, &QToolButton::clicked, this, [this] { TimeBtnClick(); });
  connect(NotesEdit, &QPlainTextEdit::selectionChanged, this, [this] { NotesEditChange(); });
  connect(NotesEdit, &QPlainTextEdit::textChanged, this, [this] { NotesEditChange(); });
  SetDlgTitle();
}

ClockReading TLogEDlg::Utc() const {
  return GetClock(ctx_.clock(), UtcOffsetHours(ctx_.settings()), 0);
}

void TLogEDlg::SetMode(LogEntryMode mode, const LogEditRequest* request) {
  mode_ = request || mode == LogEntryMode::kAdd ? mode : LogEntryMode::kAdd;
  request_.reset();
  if (request) request_ = *request;
  FormShow();
}

void TLogEDlg::SetDlgTitle() {
  static constexpr const char* kPrefix[] = {"Add ", "Modify ", "Delete "};
  const std::string name =
      LogFilePath(ctx_.data_folder(), ctx_.settings().log_file).filename().string();
  setWindowTitle(
      L1(std::string(kPrefix[static_cast<int>(mode_) - 1]) + "Log Entry - [" + name + "]"));
}

void TLogEDlg::FormShow() {
  SetDlgTitle();
  LogEntry e;
  int unit = 0;
  if (mode_ == LogEntryMode::kAdd) {
    const bool connected = ctx_.link().PortError() == 0 && ctx_.radio().PowerOn;
    std::string& pending = ctx_.station_windows().handover().name;
    const LogPrefill p = PrefillAddEntry(Utc(), connected ? &ctx_.radio() : nullptr,
                                         ctx_.settings().RadioModel, TrimStr(pending));
    pending.clear();
    e = p.entry;
    unit = p.unit_choice;
    const bool hints = ctx_.settings().hints == 1;
    for (QToolButton* b : {CutBtn, CopyBtn, PasteBtn, DateBtn, TimeBtn})
      b->setToolTip(hints ? b->text() : QString());
    StatLst->clear();
    const StationTable& names = ctx_.database().stations();
    QStringList list;
    for (std::size_t n = 1; n <= names.size(); ++n)
      list << L1(TrimStr(names.Name(static_cast<std::uint16_t>(n))));
    list.sort(Qt::CaseInsensitive);
    list.removeDuplicates();
    StatLst->addItems(list);
  } else {
    e = request_->entry;
    unit = request_->unit_choice;
  }
  DateEdit->setText(L1(e.date));
  TimeEdit->setText(L1(e.time));
  FreqEdit->setText(L1(TrimStr(e.freq)));
  ModeEdit->setText(L1(e.mode));
  RateEdit->setText(L1(e.rate));
  SINPOEdit->setText(L1(e.sinpo));
  CallEdit->setText(L1(e.call));
  StatLst->setEditText(L1(e.station));
  KHzBtn->setAutoExclusive(false);
  MHzBtn->setAutoExclusive(false);
  KHzBtn->setChecked(unit == kUnitKHz);
  MHzBtn->setChecked(unit == kUnitMHz);
  KHzBtn->setAutoExclusive(true);
  MHzBtn->setAutoExclusive(true);
  QString notes;
  for (std::size_t i = 0; i < e.notes.size(); ++i)
    notes += (i ? QStringLiteral("\n") : QString()) + L1(e.notes[i]);
  NotesEdit->setPlainText(notes);

  const bool editable = mode_ != LogEntryMode::kDelete;
  for (QWidget* w :
       std::initializer_list<QWidget*>{DateEdit, TimeEdit, FreqEdit, KHzBtn, MHzBtn, StatLst,
                                       SINPOEdit, ModeEdit, CallEdit, RateEdit, NotesEdit}) {
    w->setEnabled(editable);
  }
  for (QToolButton* b : {CutBtn, CopyBtn, PasteBtn, DateBtn, TimeBtn}) b->setVisible(editable);
  LogFileBtn->setVisible(mode_ == LogEntryMode::kAdd);
  NotesEditChange();
  if (editable) {
    NotesEdit->setFocus();
  } else {
    OKBtn->setFocus();
  }
}

int TLogEDlg::UnitChoice() const {
  return KHzBtn->isChecked() ? kUnitKHz : MHzBtn->isChecked() ? kUnitMHz : 0;
}

void TLogEDlg::OKBtnClick() {
  const LogFile log(LogFilePath(ctx_.data_folder(), ctx_.settings().log_file));
  std::string error;
  if (mode_ == LogEntryMode::kDelete) {
    if (!log.Delete(request_->line, error, request_->original)) {
      ShowMessage(ctx_.prompts(), MessageKind::kError, error);
      return;
    }
    accept();
    return;
  }
  const int model = ctx_.settings().RadioModel;
  const std::string typed = Text(FreqEdit->text());
  const std::string wrong = ValidateLogEntry(typed, UnitChoice(), model);
  if (!wrong.empty()) {
    ShowMessage(ctx_.prompts(), MessageKind::kWarning, wrong);
    FreqEdit->setFocus();
    return;
  }
  LogEntry e;
  const LogFreq f = NormaliseLogFreq(typed, UnitChoice(), model);
  e.freq = f.text;
  e.unit = f.unit;
  e.time = Text(TimeEdit->text());
  e.date = Text(DateEdit->text());
  e.mode = Text(ModeEdit->text());
  e.rate = Text(RateEdit->text());
  e.sinpo = Text(SINPOEdit->text());
  e.call = Text(CallEdit->text());
  e.station = Text(StatLst->currentText());
  for (const QString& line : NotesEdit->toPlainText().split(QLatin1Char('\n')))
    e.notes.push_back(Text(line));
  const bool ok = mode_ == LogEntryMode::kAdd
                      ? log.Append(e, error)
                      : log.Replace(request_->line, e, error, request_->original);
  if (!ok) {
    // The entry stays in the dialog; the file is as it was.
    ShowMessage(ctx_.prompts(), MessageKind::kError, error);
    return;
  }
  last_written_ = ParseLogRecord(FormatLogRecord(e)).value_or(e);
  accept();
}

void TLogEDlg::InsertText(const std::string& text) {
  NotesEdit->insertPlainText(L1(text));
  NotesEdit->setFocus();
}

void TLogEDlg::TimeBtnClick() { InsertText(Utc().time4 + " "); }
void TLogEDlg::DateBtnClick() { InsertText(Utc().date + " "); }

void TLogEDlg::CutBtnClick() {
  NotesEdit->cut();
  NotesEditChange();
}

void TLogEDlg::CopyBtnClick() {
  NotesEdit->copy();
  NotesEditChange();
}

void TLogEDlg::PasteBtnClick() {
  NotesEdit->paste();
  QApplication::clipboard()->clear();
  NotesEditChange();
}

void TLogEDlg::NotesEditChange() {
  const bool selection = NotesEdit->textCursor().hasSelection();
  CutBtn->setEnabled(selection);
  CopyBtn->setEnabled(selection);
  PasteBtn->setEnabled(!QApplication::clipboard()->text().isEmpty());
}

void TLogEDlg::LogFileBtnClick() {
  if (open_log_file) open_log_file();
  SetDlgTitle();
}

void TLogEDlg::HelpBtnClick() {
  // The three modes share the logging topic of the help.
  if (show_help) show_help(kHelpLogging);
}

}  // namespace r8
