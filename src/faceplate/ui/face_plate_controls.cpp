// The faceplate's handlers: what each key, button, selector and clickable label does. Each reads
// its control, calls one operation of the faceplate core and shows the result.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "app/app_context.h"
#include "common/ui/qt_user_prompts.h"
#include "faceplate/ui/face_plate_panel.h"
#include "faceplate/ui/zel_switch_button.h"
#include "radio/radio_model.h"
#include "radio/radio_protocol.h"

namespace r8 {

FacePlatePanel::FacePlatePanel(AppContext& ctx, QWidget* parent)
    : QWidget(parent), ctx_(ctx), core_(ctx) {
  BuildPanel();
  BuildHiddenKeys();
  CommandTable& commands = ctx_.commands();
  subscriptions_.push_back(
      commands.Register(AppCommand::kTuneUp, [this](int) { CMRightCursor(); }));
  subscriptions_.push_back(
      commands.Register(AppCommand::kTuneDown, [this](int) { CMLeftCursor(); }));
  subscriptions_.push_back(
      commands.Register(AppCommand::kTuneDownSmall, [this](int) { CMCLeftCursor(); }));
  subscriptions_.push_back(
      commands.Register(AppCommand::kTuneUpSmall, [this](int) { CMCRightCursor(); }));
  subscriptions_.push_back(commands.Register(AppCommand::kKeypadChar,
                                             [this](int c) { SetTuner(static_cast<char>(c)); }));
  AppEvents& events = ctx_.events();
  subscriptions_.push_back(
      events.display_refreshed.Subscribe([this](const RadioState&) { ShowCurrentView(); }));
  subscriptions_.push_back(
      events.database_changed.Subscribe([this](const DatabaseChange&) { ShowCurrentView(); }));
  // The view says whether the port is usable (the Comms button's state).
  subscriptions_.push_back(
      events.port_changed.Subscribe([this](const bool&) { ShowCurrentView(); }));
  // Until the first refresh the panel shows a receiver that is off.
  ShowCurrentView();
}

void FacePlatePanel::FillLists() {
  FillCombo(StepLst, core_.steps().items);
  FillCombo(OffsetLst, core_.offsets().items);
}

void FacePlatePanel::Disconnect1Click() { core_.Connect(); }

void FacePlatePanel::ToggleNoiseBlanker() {
  if (!NoiseBtn->isEnabled()) return;
  NoiseBtn->setChecked(!NoiseBtn->isChecked());
  NoiseBtnClick();
}

void FacePlatePanel::FlashKey(char c) {
  QPushButton* b = nullptr;
  if (c >= '0' && c <= '9') b = Btn[c - '0'];
  if (c == '.') b = BtnDec;
  if (c == '\r') b = BtnEnter;
  if (c == '\b') b = BtnBS;
  if (b && b->isEnabled()) b->setFocus();
}

void FacePlatePanel::SetTuner(char c) {
  if (!keys_active_ || !digits_active_) return;
  const KeypadOutcome o = core_.SetTuner(c);
  if (!o.accepted_char) return;
  if (o.entry_started) SetKeys3(true);
  if (o.entry_ended) SetKeys3(false);
  const KeypadEntry& e = core_.entry();
  if (!e.EntryIdle) FreqLbl->setText(QString::fromLatin1(e.EntryText.c_str()));
  FlashKey(c);
  if (e.EntryIdle) UpdateDisplay();
}

void FacePlatePanel::NumpadClick(int tag) {
  if (tag >= 500 && tag <= 509) {
    if (keys_active_ && digits_active_) SetTuner(static_cast<char>('0' + tag - 500));
  } else if (tag == 513) {
    if (keys_active_ && digits_active_) SetTuner('\r');
  } else if (tag == 512) {
    SetTuner('.');
  } else if (tag == 514) {
    if (!core_.entry().EntryIdle) SetTuner('\b');
  }
}

void FacePlatePanel::SetKeys1(bool on) {
  for (QAction* a : keys1_) a->setEnabled(on);
}

void FacePlatePanel::SetKeys2(bool on) {
  for (QAction* a : keys2_) a->setEnabled(on);
}

void FacePlatePanel::SetKeys3(bool on) {
  if (on) {
    addAction(enter1_);
  } else {
    removeAction(enter1_);
  }
}

void FacePlatePanel::CMLeftCursor() {
  if (!core_.entry().EntryIdle || !keys_active_) return;
  if (core_.TuneUpDown(false, false)) SetKeys3(false);
}

void FacePlatePanel::CMRightCursor() {
  if (!core_.entry().EntryIdle || !keys_active_) return;
  if (core_.TuneUpDown(true, false)) SetKeys3(false);
}

void FacePlatePanel::CMCLeftCursor() {
  const bool interrupted = !core_.entry().EntryIdle;
  core_.TuneUpDown(false, true);
  if (interrupted) SetKeys3(false);
}

void FacePlatePanel::CMCRightCursor() {
  const bool interrupted = !core_.entry().EntryIdle;
  core_.TuneUpDown(true, true);
  if (interrupted) SetKeys3(false);
}

void FacePlatePanel::CBNSelChange(QComboBox* combo) {
  if (applying_) return;
  const int tag = combo->property("Tag").toInt();
  const int index = combo->currentIndex();
  if (!core_.SelectCombo(tag, index)) {
    ApplyView(core_.View());  // refused: the old choice comes back
    return;
  }
  // A choice from the offset list changes what the receiver's frequency is shown as.
  if (tag == kTagOffsetList) UpdateDisplay();
  if (tag == kTagStepList) ApplyView(core_.View());
}

void FacePlatePanel::CBNShowDropdown(int tag) {
  const auto it = combos_.find(tag);
  if (it == combos_.end() || !it->second->isEnabled()) return;
  it->second->setFocus();
  it->second->showPopup();
}

void FacePlatePanel::ComboDropEdit(QComboBox* combo) {
  const int tag = combo->property("Tag").toInt();
  if (core_.ComboDropEdit(tag, combo->currentText().toLatin1().toStdString())) {
    FillCombo(combo, tag == kTagStepList ? core_.steps().items : core_.offsets().items);
    if (tag == kTagOffsetList) UpdateDisplay();
  }
  combo->hidePopup();
  ApplyView(core_.View());
}

void FacePlatePanel::ComboDropDelete(QComboBox* combo) {
  const int tag = combo->property("Tag").toInt();
  if (core_.ComboDropDelete(tag)) {
    FillCombo(combo, tag == kTagStepList ? core_.steps().items : core_.offsets().items);
    ApplyView(core_.View());
  }
}

void FacePlatePanel::BNClicked(int id, QWidget* focus) {
  if (focus) focus->setFocus();
  ctx_.control().RadioCommand(id, true);
}

void FacePlatePanel::VFOBtnClick() { BNClicked(kCmdVfo, nullptr); }

void FacePlatePanel::VFOEqBtnClick() {
  VFOEqBtn->setDown(true);
  core_.VFOEqBtnClick();
  VFOEqBtn->setDown(false);
}

void FacePlatePanel::SyncBtnClick() { BNClicked(kCmdSync, nullptr); }

void FacePlatePanel::NotchBtnClick() { BNClicked(kCmdNotch, nullptr); }

void FacePlatePanel::NoiseBtnClick() {
  const bool on = NoiseBtn->isEnabled() && NoiseBtn->isChecked();
  NoiseGrp->setVisible(on);
  core_.SetNoiseBlanker(on ? noise_width_ : 0);
  ApplyView(core_.View());
}

void FacePlatePanel::NoiseBoxClick(QCheckBox* box) {
  // One width at a time; unchecking the only box leaves the blanker off.
  const bool narrow = box == NoiseNCB;
  int width = 0;
  if (box->isChecked()) width = narrow ? 1 : 2;
  if (width != 0) noise_width_ = width;
  core_.SetNoiseBlanker(width);
  ApplyView(core_.View());
}

void FacePlatePanel::TapeBtnClick() {
  core_.TapeBtnClick();
  ApplyView(core_.View());
}

void FacePlatePanel::MemBtnClick() {
  if (ctx_.radio().PowerOn) ctx_.control().RadioCommand(kCmdMemoryMode, true);
  ApplyView(core_.View());
}

void FacePlatePanel::MemTuneBtnClick() {
  core_.MemTuneBtnClick();
  ApplyView(core_.View());
}

void FacePlatePanel::FreqLbl2BtnClick() { core_.UnitsClick(); }

void FacePlatePanel::PowerBtnClick() {
  if (!core_.entry().EntryIdle) {
    PowerBtn->SetIsOn(view_.power_lit);  // the click already inverted the lamp
    return;
  }
  core_.PowerBtnClick();
}

bool FacePlatePanel::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::MouseButtonRelease) {
    if (watched == TimePnl) ApplyClock(core_.TimePnlClick());
    if (watched == ScanTypeLbl && on_scan_type_click) on_scan_type_click();
    if (watched == ScanLbl && on_scan_lbl_click) on_scan_lbl_click();
    if (watched == TimerLbl && on_timer_lbl_click) on_timer_lbl_click();
    if (watched == FreqLbl) on_freq_click ? on_freq_click() : UpdateDisplay();
    const int model = ctx_.settings().RadioModel;
    const bool r8ab = model == kModelR8A || model == kModelR8B;
    if (watched == FreqLbl2 && r8ab) FreqLbl2BtnClick();
    if (watched == MemLbl && r8ab) MemTuneBtnClick();
  }
  auto* combo = qobject_cast<QComboBox*>(watched);
  if (!combo) {
    if (auto* edit = qobject_cast<QLineEdit*>(watched))
      combo = qobject_cast<QComboBox*>(edit->parentWidget());
  }
  if (combo) {
    const int tag = combo->property("Tag").toInt();
    const bool editable = tag == kTagStepList || tag == kTagOffsetList;
    if (type == QEvent::FocusIn) {
      // The combo takes the keys it needs for typing or choosing.
      if (editable) {
        keys_active_ = false;
        SetKeys1(false);
      } else {
        digits_active_ = false;
      }
      SetKeys2(false);
    } else if (type == QEvent::FocusOut) {
      keys_active_ = digits_active_ = true;
      SetKeys1(true);
      SetKeys2(true);
    } else if (type == QEvent::KeyPress && editable) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Delete && key->modifiers().testFlag(Qt::ControlModifier)) {
        ComboDropDelete(combo);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void FacePlatePanel::ApplyClock(const ClockView& c) {
  TimeLbl->setText(ToQt(c.time_lbl));
  ClockLbl->setText(ToQt(c.clock_lbl));
}

void FacePlatePanel::UpdateDisplay() { core_.UpdateDisplay(); }

}  // namespace r8
