// Printing plain text lines on the printer: a fixed-pitch font, pages filled top to bottom, with
// the printing-status window and its Abort button.
#pragma once

#include <string>
#include <vector>

class QPrinter;

namespace r8 {

class TPrintStatusDlg;

struct TextPrintRequest {
  std::string title;  // shown in the status window and given to the print job
  std::string font_name = "Courier";
  int font_size = 10;
  std::vector<std::string> lines;
};

// Returns the number of pages printed (fewer than needed when aborted); status may be null.
int PrintTextLines(QPrinter& printer, const TextPrintRequest& request, TPrintStatusDlg* status,
                   const bool& aborted);

}  // namespace r8
