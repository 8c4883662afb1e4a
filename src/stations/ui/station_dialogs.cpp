#include "stations/ui/station_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "common/format.h"
#include "common/ui/qt_user_prompts.h"
#include "help/ui/help_desk.h"

namespace r8 {
namespace {

QDialogButtonBox* Buttons(QDialog* d) {
  auto* b = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, d);
  QObject::connect(b, &QDialogButtonBox::accepted, d, &QDialog::accept);
  QObject::connect(b, &QDialogButtonBox::rejected, d, &QDialog::reject);
  return b;
}

}  // namespace

void AddHelpButton(QDialog* dialog, const ShowHelpFn& show_help) {
  auto* box = dialog->findChild<QDialogButtonBox*>();
  if (!box || !show_help) return;
  box->addButton(QDialogButtonBox::Help)->setObjectName(QStringLiteral("HelpBtn"));
  QObject::connect(box, &QDialogButtonBox::helpRequested, dialog,
                   [dialog, show_help] { show_help(HelpContextOf(dialog)); });
}

namespace {

void Decorate(QDialog* d, const char* name, const char* caption) {
  d->setObjectName(QString::fromLatin1(name));
  d->setWindowTitle(QString::fromLatin1(caption));
  d->setWindowFlag(Qt::WindowStaysOnTopHint);
}

const char* QueryCaption(int mode) {
  switch (mode) {
    case 2:
      return "When is Station On";
    case 3:
      return "Print Schedule";
    case 4:
      return "Find Station Freq Usage";
    default:
      return "Find Current Station Freqs";
  }
}

}  // namespace

TQuerySDlg::TQuerySDlg(AppContext& ctx, int mode, QWidget* parent) : QDialog(parent) {
  SetHelpContext(this, mode == 1 ? 531 : mode == 2 ? 532 : mode == 3 ? 534 : 535);
  Decorate(this, "QuerySDlg", QueryCaption(mode));
  auto* column = new QVBoxLayout(this);
  column->addWidget(new QLabel(QStringLiteral("Enter Station Name..."), this));
  NameBox = new QComboBox(this);
  NameBox->setObjectName(QStringLiteral("NameBox"));
  NameBox->setEditable(true);
  NameBox->setInsertPolicy(QComboBox::NoInsert);
  NameBox->setMaxVisibleItems(4);
  const StationTable& stations = ctx.database().stations();
  QStringList names;
  for (std::size_t n = 1; n <= stations.size(); ++n)
    names << ToQt(stations.Name(static_cast<std::uint16_t>(n)));
  names.sort();
  NameBox->addItems(names);
  NameBox->setEditText(QString());
  column->addWidget(NameBox);
  PrintFileCB = new QCheckBox(QStringLiteral("&Print to File"), this);
  PrintFileCB->setObjectName(QStringLiteral("PrintFileCB"));
  PrintFileCB->setChecked(mode == 3);
  PrintFileCB->setEnabled(mode == 3);
  column->addWidget(PrintFileCB);
  column->addWidget(Buttons(this));
}

std::optional<std::string> TQuerySDlg::Entry() const {
  const std::string text = NameBox->currentText().toLatin1().toStdString().substr(0, 25);
  if (TrimStr(text).empty()) return std::nullopt;
  return text;
}

TQueryDlg::TQueryDlg(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
  Decorate(this, "QueryDlg", "Who Else Uses Freq");
  auto* column = new QVBoxLayout(this);
  column->addWidget(new QLabel(QStringLiteral("Enter Frequency..."), this));
  FreqEdit = new QLineEdit(this);
  FreqEdit->setObjectName(QStringLiteral("FreqEdit"));
  const RadioState& r = ctx.radio();
  if (r.PowerOn) {
    const int decimals = r.BandUnits == BandUnitsCode::kKHz ? 2 : 1;
    FreqEdit->setText(ToQt(FormatFixed(r.RadioFreq, decimals)));
  }
  column->addWidget(FreqEdit);
  column->addWidget(Buttons(this));
}

void TQueryDlg::accept() {
  const std::string text = FreqEdit->text().toLatin1().toStdString().substr(0, 25);
  if (TrimStr(text).empty()) return reject();
  const std::optional<std::string> freq = ValidateFreq(text, ctx_.prompts());
  if (!freq) return;  // the error box was shown; the dialog stays
  freq_text = *freq;
  QDialog::accept();
}

TStatFilterDlg::TStatFilterDlg(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
  Decorate(this, "StatFilterDlg", "SWBC Stations Filter");
  auto* column = new QVBoxLayout(this);
  column->addWidget(new QLabel(QStringLiteral("Enter Time..."), this));
  TimeEdit = new QLineEdit(this);
  TimeEdit->setObjectName(QStringLiteral("TimeEdit"));
  TimeEdit->setMaxLength(4);
  TimeEdit->setText(ToQt(ctx.station_windows().state(StationWindow::kSwbc).filter_time));
  column->addWidget(TimeEdit);
  column->addWidget(Buttons(this));
}

void TStatFilterDlg::accept() {
  const std::string entry = TimeEdit->text().toLatin1().toStdString();
  if (!ctx_.station_windows().SetFilter(entry)) {
    ShowMessage(ctx_.prompts(), MessageKind::kError,
                TrimStr(entry) + " is not a time of day.\r\rEnter the time as hhmm, 0000 to 2359.");
    return;
  }
  QDialog::accept();
}

void RunStatFilterDialog(QWidget* parent, AppContext& ctx) {
  TStatFilterDlg dialog(ctx, parent);
  dialog.exec();
}

}  // namespace r8
