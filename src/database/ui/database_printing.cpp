#include "database/ui/database_printing.h"

#include <QPrinter>

#include "common/ui/print_status_dialog.h"
#include "common/ui/text_printer.h"
#include "common/user_prompts.h"

namespace r8 {

DumpOutcome PrintScheduleJob(QWidget* parent, QPrinter& printer, const PrintJob& job,
                             UserPrompts& prompts) {
  TextPrintout printout;
  printout.title = job.title;
  printout.font = {job.font_name, job.font_size, false, job.fixed_pitch};
  printout.lines = job.lines;
  bool aborted = false;
  TPrintStatusDlg status(aborted, parent);
  const TextPagesResult printed = PrintTextLines(printer, printout, &status, aborted);
  if (!printed.error.empty()) {
    ShowMessage(prompts, MessageKind::kError, printed.error);
    return DumpOutcome::kFailed;
  }
  return DumpOutcome::kWritten;
}

}  // namespace r8
