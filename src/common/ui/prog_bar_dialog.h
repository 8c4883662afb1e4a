// TProgBar: the progress window every long operation shows (loading, saving, searching the
// database; capturing and filling memories).
#pragma once

#include <QDialog>
#include <QPointer>

#include "common/progress_box.h"

class QFrame;
class QLabel;
class QProgressBar;

namespace r8 {

class UserPrompts;

class TProgBar : public QDialog, public ProgressBox {
 public:
  TProgBar(UserPrompts& prompts, QWidget* parent = nullptr);

  // Caption and message line for the next operation, e.g. "Loading Database" and
  // "Wait....  Reading Database : ".
  void Prepare(const std::string& caption, const std::string& message);
  // The start-up banner; while it is visible the window sits just below it.
  void SetBanner(QWidget* banner) { banner_ = banner; }

  void ShowPercent(int percent) override;
  // The long operations' side: open with caption and message, change the message, close.
  void Open(std::string_view caption, std::string_view message) override;
  void SetMessage(std::string_view message) override;
  void Close() override;

  QLabel* BarLbl = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  QLabel* PctLbl = nullptr;
  QFrame* Bevel1 = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void FormShow();
  void FormClose();

  UserPrompts& prompts_;
  QPointer<QWidget> banner_;
  bool busy_ = false;
};

}  // namespace r8
