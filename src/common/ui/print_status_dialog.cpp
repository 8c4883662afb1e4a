#include "common/ui/print_status_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/print_status.h"
#include "common/ui/qt_user_prompts.h"

namespace r8 {

TPrintStatusDlg::TPrintStatusDlg(bool& aborted, QWidget* parent)
    : QDialog(parent), aborted_(aborted) {
  setObjectName(QStringLiteral("PrintStatusDlg"));
  setWindowTitle(QStringLiteral("Printing..."));
  Label1 = new QLabel(QStringLiteral("Printing"), this);
  PageNo = new QLabel(QStringLiteral("Page 0 of 0 from"), this);
  FileName = new QLabel(this);
  PrintPort = new QLabel(this);
  AbortBtn = new QPushButton(QStringLiteral("Abort"), this);
  for (QLabel* l : {Label1, PageNo, FileName, PrintPort}) l->setAlignment(Qt::AlignCenter);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(PageNo);
  layout->addWidget(FileName);
  layout->addWidget(PrintPort);
  layout->addWidget(AbortBtn, 0, Qt::AlignHCenter);
  layout->setSpacing(fontMetrics().height() / 3);
  setMinimumWidth(fontMetrics().averageCharWidth() * 40);
  connect(AbortBtn, &QPushButton::clicked, this, &TPrintStatusDlg::AbortBtnClick);
}

void TPrintStatusDlg::SetPage(int page, int pages) {
  PageNo->setText(ToQt(PrintPageText(page, pages)));
}

void TPrintStatusDlg::SetSource(const std::string& file_name, const std::string& destination) {
  FileName->setText(FileNameToQt(file_name));
  PrintPort->setText(ToQt(destination));
}

void TPrintStatusDlg::AbortBtnClick() { aborted_ = true; }

void TPrintStatusDlg::showEvent(QShowEvent* event) {
  aborted_ = false;
  QDialog::showEvent(event);
}

}  // namespace r8
