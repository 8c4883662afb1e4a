#include "database/ui/database_printing.h"

#include "printing/ui/print_path.h"

namespace r8 {

DumpOutcome PrintScheduleJob(QWidget* parent, QPrinter& printer, const PrintJob& job,
                             UserPrompts& prompts) {
  // Nothing to print starts no print job.
  if (job.lines.empty()) return DumpOutcome::kWritten;
  TextPrintout printout;
  printout.title = job.title;
  printout.font = {job.font_name, job.font_size, false, job.fixed_pitch};
  printout.lines = job.lines;
  TextPages pages(printout);
  PrintPath path(printer, parent, prompts);
  const PageRunResult printed = path.Print(pages, {job.title, job.title});
  return printed.error.empty() ? DumpOutcome::kWritten : DumpOutcome::kFailed;
}

}  // namespace r8
