// The one way every printout leaves the program: the print dialog (page range, Selection, print
// to a PDF file), the printer or the PDF file, the printing-status window with its Abort button,
// and the preview. Printouts hand it a PageJob; the page loop is RunPageJob's.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "common/page_printing.h"

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace r8 {

class UserPrompts;

// What the print dialog offers.
struct PrintOffer {
  int pages = 1;           // pages 1..pages
  bool page_range = true;  // a range of them can be chosen
  bool selection = false;  // "Selection" can be chosen
};

// What the user chose: all pages is {1, 0}.
struct PrintChoice {
  PageRange range;
  bool selection = false;
};

// The print dialog over parent; nullopt when cancelled. Print to file is offered as a PDF file
// the user names.
std::optional<PrintChoice> RunPrintDialog(QPrinter& printer, const PrintOffer& offer,
                                          QWidget* parent);
using PrintDialogFn =
    std::function<std::optional<PrintChoice>(QPrinter&, const PrintOffer&, QWidget*)>;

// The document's name in the print queue and what the status window shows it printing.
struct PrintDocument {
  std::string title;
  std::string source;
};

class PrintPath {
 public:
  PrintPath(QPrinter& printer, QWidget* parent, UserPrompts& prompts,
            PrintDialogFn dialog = RunPrintDialog);

  std::optional<PrintChoice> Ask(const PrintOffer& offer);

  // Draws the range of job's pages with the status window ("to " + the printer or the PDF file).
  // A PDF is written beside its name and takes the name when the document has ended, so a run
  // that cannot start leaves no file and an earlier file of that name stays until the new one is
  // whole; an aborted run still ends a valid, shorter document. Failures are reported through
  // the prompts and in the result.
  PageRunResult Print(PageJob& job, const PrintDocument& doc, PageRange range = {});

  // The preview window of all of job's pages on the printer's paper, shown modal; job must
  // outlive the window.
  std::unique_ptr<QPrintPreviewDialog> PreviewDialog(PageJob& job, const std::string& title);
  void Preview(PageJob& job, const std::string& title);

  QPrinter& printer() { return printer_; }

 private:
  QPrinter& printer_;
  QWidget* parent_;
  UserPrompts& prompts_;
  PrintDialogFn dialog_;
};

// The printer's name, or the PDF file it writes to.
std::string PrintDestination(const QPrinter& printer);

}  // namespace r8
