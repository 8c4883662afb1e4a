// The companion's small window: what it did, in a read-only text box, and a Close button.
#pragma once

#include <QDialog>

#include "companion/companion_report.h"

class QPlainTextEdit;

namespace r8 {

class CompanionWindow : public QDialog {
  Q_OBJECT

 public:
  explicit CompanionWindow(const CompanionReport& report, QWidget* parent = nullptr);

  QPlainTextEdit* ReportBox = nullptr;
};

}  // namespace r8
