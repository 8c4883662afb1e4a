// The log's export and report on Qt: the printing-status window, the print dialog and the printer
// as a text device (through the program's text printing).
#pragma once

#include <memory>

#include <QPrinter>

#include "log/log_export.h"

class QWidget;

namespace r8 {

class TPrintStatusDlg;

class QtLogPrintPort : public LogPrintPort {
 public:
  explicit QtLogPrintPort(QWidget* parent);
  ~QtLogPrintPort() override;

  void ShowStatus(const std::string& page, const std::string& source,
                  const std::string& destination) override;
  void HideStatus() override;
  // Qt's print dialog; its "print to file" gives kFile, and the report then asks for a text
  // file of its own.
  PrintChoice ChoosePrinter() override;
  std::string Print(const TextPrintout& printout) override;

 private:
  QWidget* parent_;
  QPrinter printer_;
  bool aborted_ = false;
  std::unique_ptr<TPrintStatusDlg> status_;
};

}  // namespace r8
