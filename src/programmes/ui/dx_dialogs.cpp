#include "programmes/ui/dx_dialogs.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "common/format.h"
#include "common/ui/qt_user_prompts.h"

namespace r8 {

namespace {

std::string FromQt(const QString& s) { return s.toLatin1().toStdString(); }

// Every station name of the table, trimmed and sorted.
QComboBox* StationCombo(AppContext& ctx, const std::string& current, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QStringLiteral("StatLst"));
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->lineEdit()->setMaxLength(kDxStationWidth);
  std::vector<std::string> names;
  const StationTable& table = ctx.database().stations();
  for (std::size_t n = 1; n <= table.size(); ++n) {
    names.push_back(TrimStr(table.Name(static_cast<std::uint16_t>(n))));
  }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  for (const std::string& n : names) box->addItem(ToQt(n));
  box->setEditText(ToQt(current));
  return box;
}

QLineEdit* Edit(const char* name, int width, const std::string& text, QWidget* parent) {
  auto* e = new QLineEdit(ToQt(text), parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setMaxLength(width);
  return e;
}

QDialogButtonBox* Buttons(QDialog* d) {
  auto* b = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, d);
  QObject::connect(b, &QDialogButtonBox::accepted, d, &QDialog::accept);
  QObject::connect(b, &QDialogButtonBox::rejected, d, &QDialog::reject);
  return b;
}

}  // namespace

TDXEditDlg::TDXEditDlg(AppContext& ctx, const DxEntry& entry, QWidget* parent)
    : QDialog(parent), ctx_(ctx) {
  setObjectName(QStringLiteral("DXEditDlg"));
  setWindowTitle(QStringLiteral("DX Program Record"));
  auto* form = new QFormLayout;
  TimeEdit = Edit("TimeEdit", 4, entry.time, this);
  ProgEdit = Edit("ProgEdit", kDxProgramWidth, entry.program, this);
  StatLst = StationCombo(ctx, entry.station, this);
  NoteEdit = new QPlainTextEdit(ToQt(entry.notes), this);
  NoteEdit->setObjectName(QStringLiteral("NoteEdit"));
  NoteEdit->setFixedHeight(NoteEdit->fontMetrics().lineSpacing() * 3 + 12);
  HeardBox = new QCheckBox(QStringLiteral("H&eard"), this);
  HeardBox->setObjectName(QStringLiteral("HeardBox"));
  HeardBox->setChecked(entry.heard);
  form->addRow(QStringLiteral("&Time"), TimeEdit);
  form->addRow(QStringLiteral("&Program"), ProgEdit);
  form->addRow(QStringLiteral("&Station"), StatLst);
  form->addRow(QStringLiteral("&Notes"), NoteEdit);
  form->addRow(QString(), HeardBox);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(Buttons(this));
}

DxEntry TDXEditDlg::entry() const {
  DxEntry e;
  e.time = FromQt(TimeEdit->text());
  e.program = FromQt(ProgEdit->text());
  e.station = FromQt(StatLst->currentText());
  e.notes = FromQt(NoteEdit->toPlainText()).substr(0, 2 * kDxNotesWidth);
  e.heard = HeardBox->isChecked();
  return e;
}

void TDXEditDlg::accept() {
  if (const auto message = ValidateDxEntry(entry())) {
    ShowMessage(ctx_.prompts(), MessageKind::kError, *message);
    return;
  }
  QDialog::accept();
}

TDXFilterDlg::TDXFilterDlg(AppContext& ctx, const DxFilter& filter, QWidget* parent)
    : QDialog(parent), ctx_(ctx), filter_(filter) {
  setObjectName(QStringLiteral("DXFilterDlg"));
  setWindowTitle(QStringLiteral("DX Program Filter"));
  auto* form = new QFormLayout;
  TimeEdit = Edit("TimeEdit", 4, filter.time, this);
  ProgEdit = Edit("ProgEdit", kDxProgramWidth, filter.program, this);
  StatLst = StationCombo(ctx, filter.station, this);
  form->addRow(QStringLiteral("&Time"), TimeEdit);
  form->addRow(QStringLiteral("&Program"), ProgEdit);
  form->addRow(QStringLiteral("&Station"), StatLst);
  auto* days = new QGroupBox(QStringLiteral("Days"), this);
  days->setObjectName(QStringLiteral("DayGrp"));
  auto* grid = new QGridLayout(days);
  DayGrp = new QButtonGroup(this);
  const char* names[] = {"Daily", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  for (int i = 0; i < 8; ++i) {
    auto* b = new QRadioButton(QString::fromLatin1(names[i]), days);
    DayGrp->addButton(b, i);
    grid->addWidget(b, i % 2, i / 2);  // four columns
  }
  if (QAbstractButton* b = DayGrp->button(std::clamp(filter.day, 0, 7))) b->setChecked(true);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(days);
  layout->addWidget(Buttons(this));
}

DxFilter TDXFilterDlg::filter() const {
  DxFilter f = filter_;
  f.time = TrimStr(FromQt(TimeEdit->text()));
  f.program = TrimStr(FromQt(ProgEdit->text()));
  f.station = TrimStr(FromQt(StatLst->currentText()));
  f.day = std::max(0, DayGrp->checkedId());
  return f;
}

void TDXFilterDlg::accept() {
  // A time the list could not start at is refused here rather than read as midnight.
  if (!DxFilterStartTime(filter().time)) {
    ShowMessage(ctx_.prompts(), MessageKind::kError, "Illegal time entered.");
    return;
  }
  QDialog::accept();
}

}  // namespace r8
