#include "common/ui/text_printer.h"

#include <QApplication>
#include <QPrinter>

#include "common/ui/print_status_dialog.h"
#include "common/ui/qt_page_canvas.h"
#include "common/ui/qt_user_prompts.h"

namespace r8 {

TextPagesResult PrintTextLines(QPrinter& printer, const TextPrintout& printout,
                               TPrintStatusDlg* status, const bool& aborted) {
  if (printout.lines.empty()) return {};
  printer.setDocName(ToQt(printout.title));
  QtPageCanvas canvas(printer);
  if (!canvas.IsActive()) {
    TextPagesResult failed;
    failed.error =
        "The printer " + printer.printerName().toLatin1().toStdString() + " could not be started.";
    return failed;
  }
  if (status) {
    status->SetSource(printout.title, printer.printerName().toLatin1().toStdString());
    status->show();
  }
  PageHooks hooks;
  hooks.pump = [] { QApplication::processEvents(); };
  if (status) hooks.starting_page = [status](int page, int pages) { status->SetPage(page, pages); };
  const TextPagesResult result = PrintTextPages(canvas, printout, hooks, aborted);
  canvas.End();
  if (status) status->hide();
  return result;
}

}  // namespace r8
