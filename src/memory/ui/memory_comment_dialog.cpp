#include "memory/ui/memory_comment_dialog.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace r8 {

TMemCmtDlg::TMemCmtDlg(const std::string& comment, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("MemCmtDlg"));
  setWindowTitle(QStringLiteral("Memory File Comment"));
  auto* layout = new QVBoxLayout(this);
  CommentEdit = new QPlainTextEdit(this);
  CommentEdit->setObjectName(QStringLiteral("CommentEdit"));
  CommentEdit->setPlainText(QString::fromLatin1(comment.c_str()));
  layout->addWidget(CommentEdit);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->setObjectName(QStringLiteral("Buttons"));
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  resize(420, 160);
}

std::vector<std::string> TMemCmtDlg::Lines() const {
  std::vector<std::string> lines;
  const QString text = CommentEdit->toPlainText();
  if (text.isEmpty()) return lines;
  for (const QString& l : text.split(QLatin1Char('\n')))
    lines.push_back(l.toLatin1().toStdString());
  return lines;
}

}  // namespace r8
