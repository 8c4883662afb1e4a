#include "faceplate/ui/face_plate_window.h"
#include "recordedit/ui/record_dialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPrinter>
#include <QStatusBar>
#include <QTimer>

#include "app/app_context.h"
#include "bandplan/ui/band_menu.h"
#include "common/ui/menu_items.h"
#include "common/ui/prog_bar_dialog.h"
#include "common/ui/qt_user_prompts.h"
#include "database/database_files.h"
#include "database/ui/database_menu.h"
#include "faceplate/ui/controls_menu.h"
#include "faceplate/ui/face_plate_panel.h"
#include "faceplate/ui/radio_menu.h"
#include "freqlist/ui/freq_list_window.h"
#include "help/help_topics.h"
#include "help/ui/about_dialog.h"
#include "help/ui/help_desk.h"
#include "log/ui/log_menu.h"
#include "memory/ui/memory_menu.h"
#include "options/ui/options_dialog.h"
#include "pan/ui/pan_menu.h"
#include "programmes/ui/dx_programs_menu.h"
#include "radio/radio_model.h"
#include "radio/radio_protocol.h"
#include "scan/ui/scan_menu.h"
#include "stations/ui/station_menu.h"
#include "timers/ui/timers_menu.h"

namespace r8 {

TFacePlate::TFacePlate(AppContext& ctx, QWidget* parent) : QMainWindow(parent), ctx_(ctx) {
  setObjectName(QStringLiteral("FacePlate"));
  setWindowTitle(QStringLiteral("Veltrix R8 Control 32"));
  setStyleSheet(
      QStringLiteral("QMenuBar { background: #2b2d31; color: #dcdfe4; }"
                     "QMenuBar::item:selected { background: #484c53; }"
                     "QStatusBar { background: #18191c; color: #c9ccd1; }"
                     "QToolBar { background: #2b2d31; border: none; spacing: 4px; }"
                     "QToolBar QToolButton { color: #dcdfe4; padding: 2px 6px; }"
                     "QToolBar QToolButton:disabled { color: #6a6d72; }"
                     "QStatusBar QLabel { color: #c9ccd1; }"
                     "QStatusBar QLabel:disabled { color: #55585e; }"));
  panel_ = new FacePlatePanel(ctx_, this);
  setCentralWidget(panel_);
  panel_->on_scan_type_click = [this] { ScanTypeBtnClick(); };
  printer_ = std::make_unique<QPrinter>();
  prog_bar_ = new TProgBar(ctx_.prompts(), this);

  SaveLbl = new QLabel(QStringLiteral("Save"), this);
  SaveLbl->setObjectName(QStringLiteral("SaveLbl"));
  SaveLbl->setEnabled(false);
  statusBar()->addPermanentWidget(SaveLbl);
  CommsLbl = new QLabel(QStringLiteral("Comms"), this);
  CommsLbl->setObjectName(QStringLiteral("CommsLbl"));
  statusBar()->addPermanentWidget(CommsLbl);

  // Line settings the port could not take are said once, when it opens.
  subscriptions_.push_back(ctx_.events().port_changed.Subscribe([this](const bool& usable) {
    const std::string& warning = ctx_.link().line_warning();
    CommsLbl->setToolTip(ToQt(warning));
    if (usable && !warning.empty()) statusBar()->showMessage(ToQt(warning));
  }));

  help_ = new HelpDesk(this);
  SetHelpContext(this, kHelpFaceplate);
  BuildMenus();

  tick_ = new QTimer(this);
  tick_->setInterval(100);
  connect(tick_, &QTimer::timeout, this, &TFacePlate::TimerTick);
  if (ctx_.settings_file_existed()) move(ctx_.settings().x_pos, ctx_.settings().y_pos);
}

TFacePlate::~TFacePlate() = default;

void TFacePlate::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  database_menu_ = std::make_unique<DatabaseMenu>(ctx_, *this, *file, *prog_bar_, *printer_);
  QAction* exit = AddItem(file, "Exit1", "E&xit", [this] { close(); });
  radio_menu_ = std::make_unique<RadioMenu>(ctx_, *menuBar(), *panel_);
  controls_menu_ = std::make_unique<ControlsMenu>(ctx_, *menuBar(), *panel_,
                                                  [this](int page) { RunOptions(page); });
  scan_menu_ = std::make_unique<ScanMenu>(ctx_, *controls_menu_->menu(), *panel_,
                                          [this] { ScanTypeBtnClick(); });
  timers_menu_ = std::make_unique<TimersMenu>(ctx_, *controls_menu_->menu(), *panel_, *this);
  new BandMenu(ctx_, *this, *menuBar(), *panel_);  // a child of the window, it goes with it
  // An A-B scan on the R8A/R8B sweeps the pan display between its limits with its step.
  pan_menu_ =
      std::make_unique<PanMenu>(ctx_, *menuBar(), this, [this]() -> std::optional<PanSweepSetup> {
        const ScanStatus& scan = ctx_.scan();
        if (!scan.pan_sweep) return std::nullopt;
        return PanSweepSetup{scan.lower_khz, scan.upper_khz, scan.pan_step_khz};
      });
  station_menu_ = std::make_unique<StationMenu>(ctx_, *this, *menuBar(), *printer_);
  dx_programs_menu_ = std::make_unique<DxProgramsMenu>(ctx_, *menuBar(), *this);
  panel_->on_freq_click = [this] { station_menu_->FreqLblClick(); };
  station_menu_->show_help = help_->Shower();
  station_menu_->SetEditHandler(
      (new RecordEditMenu(ctx_, prog_bar_, help_->Shower(), this))->handler());
  // The find window is the frequency list; in scan mode "Freq" the scan button runs its scan.
  station_menu_->SetWindowMaker(StationWindow::kFind, [this](QWidget* main) {
    auto* list = new TFreqList(ctx_, main);
    QPointer<TFreqList> open(list);
    scan_menu_->controller().frequency_list_scan = [open] {
      return open && open->isVisible() && open->ScanSelected1Click();
    };
    return list;
  });
  memory_menu_ = std::make_unique<MemoryMenu>(ctx_, *menuBar(), *this, printer_.get());
  new LogMenu(ctx_, *this, *menuBar(), [this](int p) { RunOptions(p); }, help_->Shower(),
              printer_.get());
  AddHelpMenu(menuBar(), *help_, [this] {
    const StationDatabase& db = ctx_.database();
    const std::optional<DatabaseCounts> counts =
        db.empty()
            ? std::nullopt
            : std::optional<DatabaseCounts>({db.count(), static_cast<int>(db.stations().size())});
    ShowAboutBox(this, counts, help_->Shower());
  });
  // The window's own items follow the panel like the menus do.
  auto follow = [this, exit](const FacePlateView& v) {
    exit->setEnabled(v.exit_item.enabled);
    SaveLbl->setEnabled(v.save_lbl_enabled);
    link_failed_ = v.link_failed;
    ShowComms();
    database_menu_->ShowChanged(v.save_lbl_enabled);
  };
  subscriptions_.push_back(panel_->view_applied().Subscribe(follow));
  follow(panel_->view());
}

void TFacePlate::ShowComms() {
  // Lit while the receiver's DSR is off or it left the last command unanswered.
  CommsLbl->setEnabled(dsr_off_ || link_failed_);
}

void TFacePlate::Command(int id, int param) { ctx_.commands().Post(id, param); }

void TFacePlate::FormShow() {
  if (shown_) return;
  shown_ = true;
  // First start: the receiver and its port are chosen before anything is opened.
  if (auto first = RunFirstStart(ctx_, this, help_->Shower()); first && first->ok) {
    ctx_.scan().banks = first->scan_banks;
  }
  // A save or companion run killed half way is put right before the first load.
  RecoverDatabaseFolder(ctx_.data_folder());
  ctx_.timers() = ReadTimers(ctx_.profile());
  database_menu_->LoadDatabase();
  panel_->core().LoadLists();
  panel_->FillLists();
  panel_->SetHints(ctx_.settings().hints == 1);
  ctx_.link().CommOpen();
  tick_->start();
  const int model = ctx_.settings().RadioModel;
  if (model == kModelR8A || model == kModelR8B) {
    ctx_.radio().MemTune = 0;
    ctx_.control().SetRadioMemTune();
  }
  panel_->ApplyClock(panel_->core().UpdateClock());
  // The first minute's work polls the receiver; make sure the panel shows it at once.
  panel_->ShowCurrentView();
}

void TFacePlate::UpdateDisplay() { panel_->UpdateDisplay(); }

void TFacePlate::TimerTick() {
  const TickResult t = panel_->core().Tick();
  panel_->ApplyClock(t.clock);
  if (t.dsr_changed) {
    dsr_off_ = t.comms_lbl_enabled;
    ShowComms();
  }
}

bool TFacePlate::FormCloseQuery() {
  if (ctx_.radio().ScanState == ScanStateCode::kReceiverScan) return false;
  if (!database_menu_->AskToSaveDatabase("exiting")) return false;
  if (!memory_menu_->AskToSave("exiting")) return false;
  tick_->stop();
  // The tape relay is released while the port can still carry the command.
  RadioState& r = ctx_.radio();
  if (r.TapeVOX == TapeVoxCode::kCarrier && r.Tape) ctx_.control().RadioCommand(kCmdTape, false);
  ctx_.link().CommClose();
  return true;
}

void TFacePlate::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  Settings& s = ctx_.settings();
  s.x_pos = std::max(0, x());
  s.y_pos = std::max(0, y());
  panel_->core().SaveLists();
  WriteExitSettings(ctx_.profile(), s, isMinimized());
  WriteTimers(ctx_.profile(), ctx_.timers());
  help_->Quit();
}

void TFacePlate::RunOptions(int page) {
  panel_->SetKeys1(false);
  panel_->SetKeys2(false);
  const OptionsOutcome out = ShowOptions(ctx_, this, page, help_->Shower());
  panel_->SetKeys1(true);
  panel_->SetKeys2(true);
  controls_menu_->set_last_options_page(out.page);
  if (out.ok) {
    ctx_.scan().banks = out.scan_banks;
    if (ctx_.link().PortError() == 0) {
      UpdateDisplay();
      panel_->SetHints(ctx_.settings().hints == 1);
    }
  }
  // The clock's settings may have changed either way.
  panel_->ApplyClock(panel_->core().RedrawClock());
  panel_->ShowCurrentView();
}

void TFacePlate::ScanTypeBtnClick() {
  if (ctx_.radio().ScanState == ScanStateCode::kReceiverScan) return;
  RunOptions(kPageScan);
  if (ctx_.radio().PowerOn) UpdateDisplay();
}

void TFacePlate::closeEvent(QCloseEvent* event) {
  if (!destroyed_ && !FormCloseQuery()) {
    event->ignore();
    return;
  }
  FormDestroy();
  event->accept();
}

bool TFacePlate::focusNextPrevChild(bool next) {
  // Tab goes to the open station list or the find window, Shift+Tab to the programmes list;
  // with none of them open the keys move between the faceplate's controls.
  StationWindowSet& set = ctx_.station_windows();
  const TabMove move = next ? set.CMTabWindow(true) : set.CMShTabWindow(true);
  if (move == TabMove::kNextControl || move == TabMove::kPreviousControl)
    return QMainWindow::focusNextPrevChild(next);
  return true;
}

void TFacePlate::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  if (panel_->KeysActive() && text.size() == 1 &&
      (text[0].isDigit() || text[0] == QLatin1Char('.'))) {
    panel_->SetTuner(static_cast<char>(text[0].toLatin1()));
    return;
  }
  QMainWindow::keyPressEvent(event);
}

}  // namespace r8
