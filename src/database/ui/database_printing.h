// The schedule printout on the printer: DoPrint's print job for "PRN" drawn page by page through the
// print path, with the printing-status window.
#pragma once

#include "database/schedule_dump.h"

class QPrinter;
class QWidget;

namespace r8 {

// Prints job on printer with the status window over parent; a printer that fails is reported
// through prompts.
DumpOutcome PrintScheduleJob(QWidget* parent, QPrinter& printer, const PrintJob& job,
                             UserPrompts& prompts);

}  // namespace r8
