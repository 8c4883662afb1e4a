#include "recordedit/ui/record_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "common/ui/qt_user_prompts.h"

namespace r8 {

namespace {

std::string Latin1(const QLineEdit* e) { return e->text().toLatin1().toStdString(); }

}  // namespace

TDBQuery::TDBQuery(AppContext& ctx, EditMode mode, const RecordForm& shown,
                   std::function<void(int)> help, QWidget* parent)
    : QDialog(parent), result(shown), ctx_(ctx), mode_(mode) {
  const ModeRules rules = RulesOf(mode);
  setObjectName(QStringLiteral("DBQuery"));
  setWindowTitle(ToQt(rules.caption));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  auto* column = new QVBoxLayout(this);
  auto* form = new QFormLayout();
  column->addLayout(form);
  const auto field = [&](const char* name, const char* label, int width, const std::string& text,
                         bool editable) {
    auto* e = new QLineEdit(ToQt(text), this);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(width);
    e->setReadOnly(!editable);
    e->setEnabled(editable);
    e->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('W')) * std::min(width, 14));
    form->addRow(QString::fromLatin1(label), e);
    return e;
  };
  TimeStartEdit = field("TimeStartEdit", "&Start", 4, shown.start, false);
  TimeStopEdit = field("TimeStopEdit", "S&top", 4, shown.stop, rules.Editable(EditField::kStop));
  DaysEdit = field("DaysEdit", "&Days", 7, shown.days, false);
  StationEdit =
      field("StationEdit", "St&ation", 25, shown.station, rules.Editable(EditField::kStation));
  FreqEdit = field("FreqEdit", "&Frequency", 8, shown.freq, rules.Editable(EditField::kFreq));
  TargetEdit = field("TargetEdit", "Ta&rget", 2, shown.target, rules.Editable(EditField::kTarget));
  HeardBox = new QCheckBox(QStringLiteral("H&eard"), this);
  HeardBox->setObjectName(QStringLiteral("HeardBox"));
  HeardBox->setChecked(shown.heard);
  HeardBox->setEnabled(rules.Editable(EditField::kHeard));
  form->addRow(QString(), HeardBox);

  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  const int context = rules.help_context;
  connect(buttons, &QDialogButtonBox::helpRequested, this, [help, context] {
    if (help) help(context);
  });
  column->addWidget(buttons);

  switch (rules.focus) {
    case EditField::kStop:
      TimeStopEdit->setFocus();
      break;
    case EditField::kStation:
      StationEdit->setFocus();
      break;
    case EditField::kFreq:
      FreqEdit->setFocus();
      break;
    default:
      buttons->button(QDialogButtonBox::Ok)->setFocus();
      break;
  }
}

void TDBQuery::accept() {
  RecordForm typed = result;
  typed.stop = Latin1(TimeStopEdit);
  typed.station = Latin1(StationEdit);
  typed.freq = Latin1(FreqEdit);
  typed.target = Latin1(TargetEdit);
  typed.heard = HeardBox->isChecked();
  const std::optional<RecordForm> checked = CheckForm(typed, mode_, ctx_.prompts());
  if (!checked) return;  // the error box was shown; the dialog stays
  result = *checked;
  QDialog::accept();
}

RecordEditMenu::RecordEditMenu(AppContext& ctx, ProgressBox* progress,
                               std::function<void(int)> help, QWidget* main_window)
    : QObject(main_window),
      ctx_(ctx),
      main_(main_window),
      help_(std::move(help)),
      editor_(ctx, *this, progress) {
  setObjectName(QStringLiteral("RecordEditMenu"));
}

std::optional<RecordForm> RecordEditMenu::Run(EditMode mode, const RecordForm& shown) {
  TDBQuery dialog(ctx_, mode, shown, help_, main_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.result;
}

RecordEditMenu::Handler RecordEditMenu::handler() {
  return [this](StationWindow w, const std::string& action, int record) {
    editor_.Edit(w, action, record);
  };
}

}  // namespace r8
