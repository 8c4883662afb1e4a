// TMemCmtDlg: the memory file's comment in a memo.
#pragma once

#include <string>
#include <vector>

#include <QDialog>

class QPlainTextEdit;

namespace r8 {

class TMemCmtDlg : public QDialog {
 public:
  TMemCmtDlg(const std::string& comment, QWidget* parent = nullptr);
  // The memo's lines as typed; none when the memo is empty.
  std::vector<std::string> Lines() const;

  QPlainTextEdit* CommentEdit = nullptr;
};

}  // namespace r8
