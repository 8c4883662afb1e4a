// The log's export and report on Qt: the printing-status window, and the print dialog and the
// printer through the program's one print path.
#pragma once

#include <memory>

#include "log/log_export.h"

class QWidget;

namespace r8 {

class PrintPath;
class TPrintStatusDlg;

class QtLogPrintPort : public LogPrintPort {
 public:
  QtLogPrintPort(PrintPath& path, QWidget* parent);
  ~QtLogPrintPort() override;

  void ShowStatus(const std::string& page, const std::string& source,
                  const std::string& destination) override;
  void HideStatus() override;
  // The print dialog; its "print to file" gives kFile, and the report then asks for a text file
  // of its own (a report is mailed as text).
  ReportOutput ChoosePrinter() override;
  bool Print(const TextPrintout& printout) override;

 private:
  PrintPath& path_;
  QWidget* parent_;
  bool aborted_ = false;
  std::unique_ptr<TPrintStatusDlg> status_;
};

}  // namespace r8
