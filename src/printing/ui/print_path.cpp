#include "printing/ui/print_path.h"

#include <filesystem>
#include <system_error>

#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "common/ui/print_status_dialog.h"
#include "common/ui/qt_page_canvas.h"
#include "common/ui/qt_user_prompts.h"
#include "common/user_prompts.h"

namespace r8 {

namespace {

std::filesystem::path PathOf(const QString& name) {
  return std::filesystem::path(name.toStdString());
}

}  // namespace

std::optional<PrintChoice> RunPrintDialog(QPrinter& printer, const PrintOffer& offer,
                                          QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile;
  if (offer.page_range) options |= QAbstractPrintDialog::PrintPageRange;
  if (offer.selection) options |= QAbstractPrintDialog::PrintSelection;
  dialog.setOptions(options);
  dialog.setMinMax(1, std::max(1, offer.pages));
  dialog.setFromTo(1, std::max(1, offer.pages));
  printer.setPrintRange(QPrinter::AllPages);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  PrintChoice choice;
  if (printer.printRange() == QPrinter::Selection && offer.selection) choice.selection = true;
  if (printer.printRange() == QPrinter::PageRange && offer.page_range) {
    choice.range = {printer.fromPage(), printer.toPage()};
  }
  return choice;
}

std::string PrintDestination(const QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat) {
    return printer.outputFileName().toStdString();
  }
  return printer.printerName().toLatin1().toStdString();
}

PrintPath::PrintPath(QPrinter& printer, QWidget* parent, UserPrompts& prompts, PrintDialogFn dialog)
    : printer_(printer), parent_(parent), prompts_(prompts), dialog_(std::move(dialog)) {}

std::optional<PrintChoice> PrintPath::Ask(const PrintOffer& offer) {
  return dialog_(printer_, offer, parent_);
}

PageRunResult PrintPath::Print(PageJob& job, const PrintDocument& doc, PageRange range) {
  const std::string destination = PrintDestination(printer_);
  const QString pdf =
      printer_.outputFormat() == QPrinter::PdfFormat ? printer_.outputFileName() : QString();
  const QString part = pdf.isEmpty() ? QString() : pdf + QStringLiteral(".part");
  if (!part.isEmpty()) printer_.setOutputFileName(part);
  printer_.setDocName(ToQt(doc.title));

  PageRunResult result;
  bool aborted = false;
  {
    QtPageCanvas canvas(printer_);
    if (!canvas.IsActive()) {
      result.error = "The printer " + destination + " could not be started.";
    } else {
      TPrintStatusDlg status(aborted, parent_);
      status.SetSource(doc.source, "to " + destination);
      // The pages let events through for the Abort button; the other windows keep still, so no
      // second printout starts on the printer in use.
      status.setWindowModality(Qt::ApplicationModal);
      status.show();
      PageHooks hooks;
      hooks.pump = [] { QApplication::processEvents(); };
      hooks.starting_page = [&status](int page, int pages) { status.SetPage(page, pages); };
      result = RunPageJob(canvas, job, range, hooks, aborted);
      canvas.End();
      status.hide();
    }
  }
  if (!part.isEmpty()) {
    printer_.setOutputFileName(pdf);
    std::error_code ec;
    if (result.printed > 0) {
      std::filesystem::rename(PathOf(part), PathOf(pdf), ec);
      if (ec) result.error = "The file " + destination + " could not be written: " + ec.message();
    }
    std::filesystem::remove(PathOf(part), ec);
  }
  if (!result.error.empty()) ShowMessage(prompts_, MessageKind::kError, result.error);
  return result;
}

std::unique_ptr<QPrintPreviewDialog> PrintPath::PreviewDialog(PageJob& job,
                                                              const std::string& title) {
  auto dialog = std::make_unique<QPrintPreviewDialog>(&printer_, parent_);
  dialog->setObjectName(QStringLiteral("PrintPreview"));
  dialog->setWindowTitle(QStringLiteral("Print Preview - ") + ToQt(title));
  QObject::connect(dialog.get(), &QPrintPreviewDialog::paintRequested, dialog.get(),
                   [&job](QPrinter* p) {
                     QtPageCanvas canvas(*p);
                     if (!canvas.IsActive()) return;
                     const bool never = false;
                     RunPageJob(canvas, job, {}, {}, never);
                   });
  return dialog;
}

void PrintPath::Preview(PageJob& job, const std::string& title) {
  PreviewDialog(job, title)->exec();
}

}  // namespace r8
