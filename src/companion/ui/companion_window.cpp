#include "companion/ui/companion_window.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace r8 {

CompanionWindow::CompanionWindow(const CompanionReport& report, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("QUORNUTE - ") + QString::fromLatin1(report.title.c_str()));
  auto* layout = new QVBoxLayout(this);
  auto* status = new QLabel(report.ok() ? QStringLiteral("Done.") : QStringLiteral("Failed."));
  status->setObjectName(QStringLiteral("StatusLbl"));
  layout->addWidget(status);
  ReportBox = new QPlainTextEdit(this);
  ReportBox->setObjectName(QStringLiteral("ReportBox"));
  ReportBox->setReadOnly(true);
  ReportBox->setLineWrapMode(QPlainTextEdit::NoWrap);
  ReportBox->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  ReportBox->setPlainText(
      QString::fromLatin1(report.text.data(), static_cast<qsizetype>(report.text.size())));
  layout->addWidget(ReportBox);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(720, 420);
}

}  // namespace r8
