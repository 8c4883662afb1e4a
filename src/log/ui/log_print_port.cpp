#include "log/ui/log_print_port.h"

#include <QApplication>
#include <QLabel>
#include <QPrintDialog>

#include "common/ui/print_status_dialog.h"
#include "common/ui/qt_user_prompts.h"
#include "common/ui/text_printer.h"

namespace r8 {

QtLogPrintPort::QtLogPrintPort(QWidget* parent) : parent_(parent) {}

QtLogPrintPort::~QtLogPrintPort() = default;

void QtLogPrintPort::ShowStatus(const std::string& page, const std::string& source,
                                const std::string& destination) {
  if (!status_) status_ = std::make_unique<TPrintStatusDlg>(aborted_, parent_);
  status_->SetSource(source, destination);
  status_->PageNo->setText(ToQt(page));
  status_->show();
  QApplication::processEvents();
}

void QtLogPrintPort::HideStatus() {
  if (status_) status_->hide();
}

PrintChoice QtLogPrintPort::ChoosePrinter() {
  printer_.setOutputFileName(QString());
  QPrintDialog dialog(&printer_, parent_);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  if (dialog.exec() != QDialog::Accepted) return PrintChoice::kCancel;
  if (printer_.outputFileName().isEmpty()) return PrintChoice::kPrinter;
  printer_.setOutputFileName(QString());
  return PrintChoice::kFile;
}

std::string QtLogPrintPort::Print(const TextPrintout& printout) {
  bool aborted = false;
  TPrintStatusDlg status(aborted, parent_);
  return PrintTextLines(printer_, printout, &status, aborted).error;
}

}  // namespace r8
