// TPrintStatusDlg: shown while pages go to the printer, with the Abort button the page loops obey.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace r8 {

class TPrintStatusDlg : public QDialog {
 public:
  // aborted is the flag the page loop reads after each page.
  TPrintStatusDlg(bool& aborted, QWidget* parent = nullptr);

  void SetPage(int page, int pages);
  void SetSource(const std::string& file_name, const std::string& destination);
  void AbortBtnClick();

  QLabel* Label1 = nullptr;
  QLabel* PageNo = nullptr;
  QLabel* FileName = nullptr;
  QLabel* PrintPort = nullptr;
  QPushButton* AbortBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  bool& aborted_;
};

}  // namespace r8
