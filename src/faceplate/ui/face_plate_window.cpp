#include "faceplate/ui/face_plate_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "app/app_context.h"
#include "common/ui/qt_user_prompts.h"
#include "faceplate/ui/zel_meter_widget.h"
#include "faceplate/ui/zel_switch_button.h"
#include "help/ui/about_dialog.h"
#include "help/ui/help_desk.h"
#include "help/help_topics.h"
#include "options/ui/options_dialog.h"
#include "radio/radio_model.h"
#include "radio/radio_protocol.h"

namespace r8 {

TFacePlate::TFacePlate(AppContext& ctx, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), core_(ctx) {
  setObjectName(QStringLiteral("FacePlate"));
  setWindowTitle(QStringLiteral("Veltrix R8 Control 32"));
  setStyleSheet(
      QStringLiteral("QMenuBar { background: #2b2d31; color: #dcdfe4; }"
                     "QMenuBar::item:selected { background: #484c53; }"
                     "QStatusBar { background: #18191c; color: #c9ccd1; }"
                     "QToolBar { background: #2b2d31; border: none; spacing: 4px; }"
                     "QToolBar QToolButton { color: #dcdfe4; padding: 2px 6px; }"
                     "QToolBar QToolButton:disabled { color: #6a6d72; }"
                     "QStatusBar QLabel:disabled { color: #55585e; }"));
  BuildPanel();
  BuildMenus();
  BuildHiddenKeys();
  help_ = new HelpDesk(this);
  SetHelpContext(this, kHelpFaceplate);
  AddHelpMenu(menuBar(), *help_, [this] {
    const StationDatabase& db = ctx_.database();
    const std::optional<DatabaseCounts> counts =
        db.empty()
            ? std::nullopt
            : std::optional<DatabaseCounts>({db.count(), static_cast<int>(db.stations().size())});
    ShowAboutBox(this, counts, help_->Shower());
  });

  ctx_.control().on_update_display = [this] { Command(1964); };
  core_.on_refreshed = [this](const FacePlateView& v) { ApplyView(v); };

  commands_ = {
      {1216, [this](int) { CMRightCursor(); }},
      {1217, [this](int) { CMLeftCursor(); }},
      {1218, [this](int) { CMCLeftCursor(); }},
      {1219, [this](int) { CMCRightCursor(); }},
      {1220, [this](int c) { SetTuner(static_cast<char>(c)); }},
      {1345, [this](int) { VFOBtnClick(); }},
      {1964, [this](int) { UpdateDisplay(); }},
      {2005, [this](int) { UpdateAll(); }},
  };

  tick_ = new QTimer(this);
  tick_->setInterval(100);
  connect(tick_, &QTimer::timeout, this, &TFacePlate::TimerTick);

  SetCaptionFromFiles();
  // Until the first refresh the panel shows a receiver that is off.
  ApplyView(core_.View());
  if (ctx_.settings_file_existed()) move(ctx_.settings().x_pos, ctx_.settings().y_pos);
}

TFacePlate::~TFacePlate() { ctx_.control().on_update_display = nullptr; }

void TFacePlate::Command(int id, int param) {
  const auto it = commands_.find(id);
  if (it != commands_.end()) it->second(param);
}

void TFacePlate::FormShow() {
  if (shown_) return;
  shown_ = true;
  // First start: the receiver and its port are chosen before anything is opened.
  if (auto first = RunFirstStart(ctx_, this, help_->Shower()); first && first->ok) {
    ctx_.scan_banks = first->scan_banks;
  }
  LoadDatabase();
  core_.LoadLists();
  FillCombo(StepLst, core_.steps().items);
  FillCombo(OffsetLst, core_.offsets().items);
  SetHints(ctx_.settings().hints == 1);
  ctx_.link().CommOpen();
  SetConnMenu();
  tick_->start();
  const int model = ctx_.settings().RadioModel;
  if (model == kModelR8A || model == kModelR8B) {
    ctx_.radio().MemTune = 0;
    ctx_.control().SetRadioMemTune();
  }
  UpdateClock();
  // The first minute's work polls the receiver; make sure the panel shows it at once.
  ApplyView(core_.View());
}

void TFacePlate::UpdateDisplay() { core_.UpdateDisplay(); }

void TFacePlate::ApplyClock(const ClockView& c) {
  TimeLbl->setText(ToQt(c.time_lbl));
  ClockLbl->setText(ToQt(c.clock_lbl));
}

void TFacePlate::UpdateClock() { ApplyClock(core_.UpdateClock()); }

void TFacePlate::TimerTick() {
  const TickResult t = core_.Tick();
  ApplyClock(t.clock);
  if (t.dsr_changed) CommsLbl->setEnabled(t.comms_lbl_enabled);
  if (t.port_closed) {
    SetConnMenu();
    ApplyView(core_.View());
  }
}

void TFacePlate::TimePnlClick() { ApplyClock(core_.TimePnlClick()); }

void TFacePlate::Disconnect1Click() {
  core_.Connect();
  SetConnMenu();
}

void TFacePlate::SetConnMenu() {
  const bool usable = ctx_.link().PortError() == 0;
  Disconnect1->setText(usable ? QStringLiteral("Disc&onnect") : QStringLiteral("C&onnect"));
  CommsBtn->setChecked(!usable);
}

bool TFacePlate::FormCloseQuery() {
  if (ctx_.radio().ScanState == ScanStateCode::kReceiverScan) return false;
  if (!AskToSaveDatabase("exiting")) return false;
  tick_->stop();
  ctx_.link().CommClose();
  return true;
}

void TFacePlate::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  RadioState& r = ctx_.radio();
  if (r.TapeVOX == TapeVoxCode::kCarrier && r.Tape) ctx_.control().RadioCommand(kCmdTape, false);
  Settings& s = ctx_.settings();
  s.x_pos = std::max(0, x());
  s.y_pos = std::max(0, y());
  core_.SaveLists();
  WriteExitSettings(ctx_.profile(), s, isMinimized());
  help_->Quit();
}

void TFacePlate::RunOptions(int page) {
  SetKeys1(false);
  SetKeys2(false);
  const OptionsOutcome out = ShowOptions(ctx_, this, page, help_->Shower());
  SetKeys1(true);
  SetKeys2(true);
  last_options_page_ = out.page;
  if (out.ok) {
    ctx_.scan_banks = out.scan_banks;
    SetConnMenu();
    if (ctx_.link().PortError() == 0) {
      UpdateDisplay();
      SetHints(ctx_.settings().hints == 1);
    }
  }
  // The clock's settings may have changed either way.
  ApplyClock(core_.RedrawClock());
  ApplyView(core_.View());
}

void TFacePlate::ScanTypeBtnClick() {
  if (ctx_.radio().ScanState == ScanStateCode::kReceiverScan) return;
  RunOptions(kPageScan);
  if (ctx_.radio().PowerOn) UpdateDisplay();
}

void TFacePlate::SmallStepsize1Click() {
  if (ctx_.radio().ScanState != ScanStateCode::kReceiverScan) RunOptions(kPageRadio);
}

void TFacePlate::Other1Click() {
  if (ctx_.radio().PowerOn && ctx_.radio().ScanState != ScanStateCode::kReceiverScan) {
    RunOptions(kPageDisplay);
  }
}

void TFacePlate::closeEvent(QCloseEvent* event) {
  if (!destroyed_ && !FormCloseQuery()) {
    event->ignore();
    return;
  }
  FormDestroy();
  event->accept();
}

void TFacePlate::FlashKey(char c) {
  QPushButton* b = nullptr;
  if (c >= '0' && c <= '9') b = Btn[c - '0'];
  if (c == '.') b = BtnDec;
  if (c == '\r') b = BtnEnter;
  if (c == '\b') b = BtnBS;
  if (b && b->isEnabled()) b->setFocus();
}

void TFacePlate::SetTuner(char c) {
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

void TFacePlate::NumpadClick(int tag) {
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

void TFacePlate::SetKeys1(bool on) {
  for (QAction* a : keys1_) a->setEnabled(on);
}

void TFacePlate::SetKeys2(bool on) {
  for (QAction* a : keys2_) a->setEnabled(on);
}

void TFacePlate::SetKeys3(bool on) {
  if (on) {
    addAction(enter1_);
  } else {
    removeAction(enter1_);
  }
}

void TFacePlate::CMLeftCursor() {
  if (!core_.entry().EntryIdle || !keys_active_) return;
  if (core_.TuneUpDown(false, false)) SetKeys3(false);
}

void TFacePlate::CMRightCursor() {
  if (!core_.entry().EntryIdle || !keys_active_) return;
  if (core_.TuneUpDown(true, false)) SetKeys3(false);
}

void TFacePlate::CMCLeftCursor() {
  const bool interrupted = !core_.entry().EntryIdle;
  core_.TuneUpDown(false, true);
  if (interrupted) SetKeys3(false);
}

void TFacePlate::CMCRightCursor() {
  const bool interrupted = !core_.entry().EntryIdle;
  core_.TuneUpDown(true, true);
  if (interrupted) SetKeys3(false);
}

void TFacePlate::CBNSelChange(QComboBox* combo) {
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

void TFacePlate::CBNShowDropdown(int tag) {
  const auto it = combos_.find(tag);
  if (it == combos_.end() || !it->second->isEnabled()) return;
  it->second->setFocus();
  it->second->showPopup();
}

void TFacePlate::ComboDropEdit(QComboBox* combo) {
  const int tag = combo->property("Tag").toInt();
  if (core_.ComboDropEdit(tag, combo->currentText().toLatin1().toStdString())) {
    FillCombo(combo, tag == kTagStepList ? core_.steps().items : core_.offsets().items);
    if (tag == kTagOffsetList) UpdateDisplay();
  }
  combo->hidePopup();
  ApplyView(core_.View());
}

void TFacePlate::ComboDropDelete(QComboBox* combo) {
  const int tag = combo->property("Tag").toInt();
  if (core_.ComboDropDelete(tag)) {
    FillCombo(combo, tag == kTagStepList ? core_.steps().items : core_.offsets().items);
    ApplyView(core_.View());
  }
}

void TFacePlate::BNClicked(int id, QWidget* focus) {
  if (focus) focus->setFocus();
  ctx_.control().RadioCommand(id, true);
}

void TFacePlate::VFOBtnClick() { BNClicked(kCmdVfo, nullptr); }

void TFacePlate::VFOEqBtnClick() {
  VFOEqBtn->setDown(true);
  core_.VFOEqBtnClick();
  VFOEqBtn->setDown(false);
}

void TFacePlate::SyncBtnClick() { BNClicked(kCmdSync, nullptr); }

void TFacePlate::NotchBtnClick() { BNClicked(kCmdNotch, nullptr); }

void TFacePlate::NoiseBtnClick() {
  const bool on = NoiseBtn->isEnabled() && NoiseBtn->isChecked();
  NoiseGrp->setVisible(on);
  core_.SetNoiseBlanker(on ? noise_width_ : 0);
  ApplyView(core_.View());
}

void TFacePlate::NoiseBoxClick(QCheckBox* box) {
  // One width at a time; unchecking the only box leaves the blanker off.
  const bool narrow = box == NoiseNCB;
  int width = 0;
  if (box->isChecked()) width = narrow ? 1 : 2;
  if (width != 0) noise_width_ = width;
  core_.SetNoiseBlanker(width);
  ApplyView(core_.View());
}

void TFacePlate::TapeBtnClick() {
  core_.TapeBtnClick();
  ApplyView(core_.View());
}

void TFacePlate::MemBtnClick() {
  if (ctx_.radio().PowerOn) ctx_.control().RadioCommand(kCmdMemoryMode, true);
  ApplyView(core_.View());
}

void TFacePlate::MemTuneBtnClick() {
  core_.MemTuneBtnClick();
  ApplyView(core_.View());
}

void TFacePlate::FreqLbl2BtnClick() { core_.UnitsClick(); }

void TFacePlate::PowerBtnClick() {
  if (!core_.entry().EntryIdle) {
    PowerBtn->SetIsOn(view_.power_lit);  // the click already inverted the lamp
    return;
  }
  core_.PowerBtnClick();
}

bool TFacePlate::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::MouseButtonRelease) {
    if (watched == TimePnl) TimePnlClick();
    if (watched == ScanTypeLbl) ScanTypeBtnClick();
    if (watched == FreqLbl) UpdateDisplay();
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
  return QMainWindow::eventFilter(watched, event);
}

void TFacePlate::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  if (keys_active_ && text.size() == 1 && (text[0].isDigit() || text[0] == QLatin1Char('.'))) {
    SetTuner(static_cast<char>(text[0].toLatin1()));
    return;
  }
  QMainWindow::keyPressEvent(event);
}

}  // namespace r8
