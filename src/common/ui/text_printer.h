// Printing plain text lines on the printer through the page canvas, with the printing-status
// window and its Abort button.
#pragma once

#include "common/page_printing.h"

class QPrinter;

namespace r8 {

class TPrintStatusDlg;

// An empty printout starts no print job. The result's error is set when the printer's page has no
// room for a line, or when the printer cannot start. status may be null.
TextPagesResult PrintTextLines(QPrinter& printer, const TextPrintout& printout,
                               TPrintStatusDlg* status, const bool& aborted);

}  // namespace r8
