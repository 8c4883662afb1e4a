#include "log/ui/log_print_port.h"

#include <QApplication>
#include <QLabel>
#include <QPrinter>

#include "common/ui/print_status_dialog.h"
#include "common/ui/qt_user_prompts.h"
#include "printing/ui/print_path.h"

namespace r8 {

QtLogPrintPort::QtLogPrintPort(PrintPath& path, QWidget* parent) : path_(path), parent_(parent) {}

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

ReportOutput QtLogPrintPort::ChoosePrinter() {
  if (!path_.Ask(PrintOffer{1, false, false})) return ReportOutput::kCancel;
  QPrinter& printer = path_.printer();
  if (printer.outputFormat() != QPrinter::PdfFormat) return ReportOutput::kPrinter;
  printer.setOutputFileName(QString());
  return ReportOutput::kFile;
}

bool QtLogPrintPort::Print(const TextPrintout& printout) {
  TextPages job(printout);
  return path_.Print(job, PrintDocument{printout.title, printout.title}).error.empty();
}

}  // namespace r8
