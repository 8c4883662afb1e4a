// TTimerEditDlg: one timed event modified, cleared, created from a dropped programme, or moved to
// another number. The fields' meaning is the core's (timers/timer_edit.h).
#pragma once

#include <vector>

#include <QDialog>

#include "timers/timer_edit.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace r8 {

class TTimerEditDlg : public QDialog {
 public:
  // freq_choices: mode 3's frequencies (FillFreq); prefill: mode 3's programme.
  TTimerEditDlg(TimerEditMode mode, int index, const TimerRecord& record,
                const std::vector<std::string>& freq_choices, const TimerPrefill* prefill,
                QWidget* parent);

  // What OK makes of the fields (SetTimerData / ClearTimerData).
  TimerEditResult Result() const;
  TimerDialogFields Fields() const;

  QLineEdit* TimerNo = nullptr;
  QComboBox* TimerNoBox = nullptr;
  QCheckBox* SetBox = nullptr;
  QLineEdit* TimeEdit = nullptr;
  QLineEdit* FreqEdit = nullptr;
  QComboBox* FreqBox = nullptr;
  QRadioButton* KBtn = nullptr;
  QRadioButton* MBtn = nullptr;
  QCheckBox* DayBox[7] = {};
  QCheckBox* DailyBox = nullptr;
  QLineEdit* NotesEdit = nullptr;

 private:
  TimerEditMode mode_;
  int index_;
  TimerRecord record_;
};

}  // namespace r8
