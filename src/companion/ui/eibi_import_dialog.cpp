#include "companion/ui/eibi_import_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "common/format.h"

namespace r8 {
namespace {

QString RangesText(const std::vector<FreqRange>& ranges) {
  QStringList parts;
  for (const FreqRange& r : ranges) {
    parts << QString::fromLatin1(FormatFixed(r.low, r.low == static_cast<int>(r.low) ? 0 : 1) +
                                 "-" +
                                 FormatFixed(r.high, r.high == static_cast<int>(r.high) ? 0 : 1));
  }
  return parts.join(QStringLiteral(", "));
}

}  // namespace

TEibiImportDlg::TEibiImportDlg(const EibiImportOptions& options, QWidget* parent)
    : QDialog(parent), options_(options) {
  setWindowTitle(QStringLiteral("Import EiBi schedule"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  BroadcastCB = new QCheckBox(QStringLiteral("&Broadcast stations"), this);
  BroadcastCB->setChecked(options.broadcast);
  UtilityCB = new QCheckBox(QStringLiteral("&Utility stations"), this);
  UtilityCB->setChecked(options.utility);
  JammersCB = new QCheckBox(QStringLiteral("&Jammers"), this);
  JammersCB->setChecked(options.jammers);
  DigitalCB = new QCheckBox(QStringLiteral("&Digital (DRM) transmissions"), this);
  DigitalCB->setChecked(options.digital);
  RangesEdit = new QLineEdit(RangesText(options.ranges), this);
  RangesEdit->setToolTip(QStringLiteral("kHz ranges or bands, e.g. 5900-6200, 31m, mw. Bands: ") +
                         QString::fromLatin1(BandNames().c_str()));
  TargetEdit = new QLineEdit(QString::fromLatin1(AreasText(options.areas).c_str()), this);
  TargetEdit->setToolTip(
      QStringLiteral("The areas you listen in; their broadcasts are filled first. \"all\" or "
                     "some of: ") +
      QString::fromLatin1(AreaNames().c_str()));
  MaxRecordsEdit = new QSpinBox(this);
  MaxRecordsEdit->setRange(1, kMaxRecords);
  MaxRecordsEdit->setValue(options.max_records);
  form->addRow(BroadcastCB);
  form->addRow(UtilityCB);
  form->addRow(JammersCB);
  form->addRow(DigitalCB);
  form->addRow(QStringLiteral("&Frequencies (kHz):"), RangesEdit);
  form->addRow(QStringLiteral("&Target areas:"), TargetEdit);
  form->addRow(QStringLiteral("&Records at most:"), MaxRecordsEdit);
  layout->addLayout(form);
  auto* note = new QLabel(
      QStringLiteral("The station database is replaced by the schedule. Schedules: EiBi, by "
                     "Eike Bierwirth (www.eibispace.de)."),
      this);
  note->setWordWrap(true);
  layout->addWidget(note);
  ErrorLbl = new QLabel(this);
  ErrorLbl->setWordWrap(true);
  layout->addWidget(ErrorLbl);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TEibiImportDlg::OkBtnClick);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

bool TEibiImportDlg::Read(EibiImportOptions& options) {
  std::string error;
  const QByteArray text = RangesEdit->text().toLatin1();
  const auto ranges = ParseFreqRanges(std::string_view(text.constData(), text.size()), error);
  if (!ranges) {
    ErrorLbl->setText(QString::fromLatin1(error.c_str()));
    return false;
  }
  const QByteArray target = TargetEdit->text().toLatin1();
  const auto areas = ParseEibiAreas(std::string_view(target.constData(), target.size()), error);
  if (!areas) {
    ErrorLbl->setText(QString::fromLatin1(error.c_str()));
    return false;
  }
  if (!BroadcastCB->isChecked() && !UtilityCB->isChecked()) {
    ErrorLbl->setText(QStringLiteral("Choose broadcast stations, utility stations or both."));
    return false;
  }
  options.broadcast = BroadcastCB->isChecked();
  options.utility = UtilityCB->isChecked();
  options.jammers = JammersCB->isChecked();
  options.digital = DigitalCB->isChecked();
  options.ranges = *ranges;
  options.areas = *areas;
  options.max_records = MaxRecordsEdit->value();
  return true;
}

void TEibiImportDlg::OkBtnClick() {
  if (Read(options_)) accept();
}

bool ChooseEibiImportOptions(QWidget* parent, EibiImportOptions& options) {
  TEibiImportDlg dialog(options, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  return dialog.Read(options);
}

CommandOutcome ImportEibiSchedule(QWidget* parent, const std::filesystem::path& folder,
                                  StationDatabase& db, DatabasePorts& ports) {
  return CMImportEibi(folder, db, ports, [parent](EibiImportOptions& options) {
    return ChooseEibiImportOptions(parent, options);
  });
}

}  // namespace r8
