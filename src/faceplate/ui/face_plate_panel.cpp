// The faceplate's look: the panel's controls, their layout and colours, the hidden keyboard items,
// and applying a computed view to all of them.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "common/ui/qt_text_canvas.h"
#include "common/ui/qt_user_prompts.h"
#include "faceplate/ui/face_plate_panel.h"
#include "faceplate/ui/zel_meter_widget.h"
#include "faceplate/ui/zel_switch_button.h"
#include "radio/radio_model.h"
#include "radio/radio_protocol.h"

namespace r8 {
namespace {

const char kPanelStyle[] = R"(
#Panel { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3a3d42, stop:0.04 #2b2d31,
                                     stop:0.96 #1f2124, stop:1 #141517); }
#Panel QLabel { color: #c9ccd1; }
#Panel QLabel[caption="true"] { color: #9aa0a8; font-size: 7pt; font-weight: bold; }
#Lcd { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #0d1710, stop:1 #0a120c);
       border: 2px solid #050806; border-radius: 6px; }
#Lcd QLabel { color: #ffb238; font-family: 'DejaVu Sans Mono', monospace; }
#Lcd QLabel:disabled { color: #4d3a1a; }
#FreqLbl { font-size: 30pt; font-weight: bold; }
#FreqLbl2 { font-size: 12pt; font-weight: bold; }
#BandLbl, #ClockLbl { font-size: 10pt; }
#TimeLbl { font-size: 7pt; color: #c08a30; }
#MemLbl, #NotchLbl, #TapeLbl, #ScanLbl, #ScanTypeLbl, #VFOLbl, #MemNoLbl {
  font-size: 8pt; font-weight: bold; }
#Panel QPushButton { color: #e6e6e6; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,
                       stop:0 #4a4e55, stop:1 #2c2f33);
  border: 1px solid #111; border-radius: 4px; padding: 3px 6px; min-width: 22px; font-weight: bold; }
#Panel QPushButton:pressed, #Panel QPushButton:focus { background: #5c6169; }
#Panel QPushButton:disabled { color: #6a6d72; }
#Panel QToolButton { color: #e6e6e6; background: #34373c; border: 1px solid #111; border-radius: 3px;
  padding: 3px 5px; font-size: 8pt; font-weight: bold; }
#Panel QToolButton:checked { background: #1d5a2a; color: #b9ffb9; }
#Panel QToolButton:disabled { color: #66696e; }
#Panel QComboBox { color: #f0f0f0; background: #202226; border: 1px solid #0c0c0c;
  border-radius: 3px; padding: 1px 4px; font-family: 'DejaVu Sans Mono', monospace; }
#Panel QComboBox:disabled { color: #5e6166; }
#Panel QComboBox QAbstractItemView { color: #f0f0f0; background: #202226;
  selection-background-color: #40464e; }
#Panel QGroupBox { color: #9aa0a8; border: 1px solid #44484e; border-radius: 3px; margin-top: 0px; }
#Panel QCheckBox { color: #d0d3d8; font-size: 8pt; }
#StationLst { color: #101010; background: #f3f0e4; border: 2px solid #050505; border-radius: 3px; }
#StationLst:disabled { background: #8d8b83; }
)";

QLabel* LcdLabel(QWidget* parent, const char* name, const char* text = "") {
  auto* l = new QLabel(QString::fromLatin1(text), parent);
  l->setObjectName(QString::fromLatin1(name));
  return l;
}

QLabel* Caption(QWidget* parent, const char* text) {
  auto* l = new QLabel(QString::fromLatin1(text), parent);
  l->setProperty("caption", true);
  l->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
  return l;
}

QToolButton* PanelToolButton(QWidget* parent, const char* name, const char* text) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setText(QString::fromLatin1(text));
  b->setCheckable(true);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

QPushButton* PanelButton(QWidget* parent, const char* name, const QString& text) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  return b;
}

void SetControl(QWidget* w, const ControlState& s) {
  w->setEnabled(s.enabled);
  w->setVisible(s.visible);
  if (auto* b = qobject_cast<QToolButton*>(w)) b->setChecked(s.down);
}

// Colours in the settings are stored with red in the low byte.
QColor SettingColor(int bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

// Draws a station line's TAB-separated fields at the list's tab stops; marked entries in the
// marking colours.
class StationLineDelegate : public QStyledItemDelegate {
 public:
  StationLineDelegate(const Settings& settings, QObject* parent)
      : QStyledItemDelegate(parent), settings_(settings) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const bool flagged = index.data(Qt::UserRole).toBool();
    painter->save();
    if (selected) painter->fillRect(option.rect, option.palette.highlight());
    QColor text =
        selected ? option.palette.highlightedText().color() : option.palette.text().color();
    if (flagged) text = SettingColor(selected ? settings_.high_color : settings_.mark_color);
    painter->setPen(text);
    painter->setFont(option.font);
    // The stops are laid out for a 96 dpi screen and follow the screen's scale.
    const double scale = option.widget ? option.widget->logicalDpiX() / 96.0 : 1.0;
    const std::vector<int> stops = {option.rect.left() + static_cast<int>(86 * scale + 0.5),
                                    option.rect.left() + static_cast<int>(115 * scale + 0.5),
                                    option.rect.left() + static_cast<int>(294 * scale + 0.5)};
    QPainterTextCanvas canvas(*painter);
    const int top = option.rect.top() + (option.rect.height() - option.fontMetrics.height()) / 2;
    TextOutTabbed(canvas, {option.rect.left() + 2, top, option.rect.right(), option.rect.bottom()},
                  index.data(Qt::UserRole + 1).toByteArray().toStdString(), "CLL", stops);
    painter->restore();
  }

 private:
  const Settings& settings_;
};

}  // namespace

void FacePlatePanel::FillCombo(QComboBox* combo, const std::vector<std::string>& items) {
  const QSignalBlocker block(combo);
  combo->clear();
  for (const std::string& item : items) combo->addItem(ToQt(item));
}

void FacePlatePanel::BuildPanel() {
  QWidget* panel = this;
  setObjectName(QStringLiteral("Panel"));
  setAttribute(Qt::WA_StyledBackground);
  setStyleSheet(QString::fromLatin1(kPanelStyle));

  // The display: annunciators over the frequency, band and clock beneath.
  auto* lcd = new QFrame(panel);
  lcd->setObjectName(QStringLiteral("Lcd"));
  VFOLbl = LcdLabel(lcd, "VFOLbl", "A");
  MemLbl = LcdLabel(lcd, "MemLbl", "MEM");
  MemNoLbl = LcdLabel(lcd, "MemNoLbl", "00");
  NotchLbl = LcdLabel(lcd, "NotchLbl", "NOTCH");
  TapeLbl = LcdLabel(lcd, "TapeLbl", "TAPE");
  ScanLbl = LcdLabel(lcd, "ScanLbl", "SCAN");
  ScanTypeLbl = LcdLabel(lcd, "ScanTypeLbl", "??");
  TimerLbl = LcdLabel(lcd, "TimerLbl", "TIMER");
  FreqLbl = LcdLabel(lcd, "FreqLbl", "O  F  F ");
  FreqLbl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  FreqLbl2 = LcdLabel(lcd, "FreqLbl2", "kHz");
  FreqLbl2->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  BandLbl = LcdLabel(lcd, "BandLbl");
  TimePnl = new QFrame(lcd);
  TimePnl->setObjectName(QStringLiteral("TimePnl"));
  TimeLbl = LcdLabel(TimePnl, "TimeLbl", "UTC");
  ClockLbl = LcdLabel(TimePnl, "ClockLbl", "00:00 s");
  auto* time_box = new QHBoxLayout(TimePnl);
  time_box->setContentsMargins(0, 0, 0, 0);
  time_box->addWidget(TimeLbl, 0, Qt::AlignBottom);
  time_box->addWidget(ClockLbl, 0, Qt::AlignBottom);
  // The clickable parts of the display.
  for (QWidget* w : std::initializer_list<QWidget*>{FreqLbl, FreqLbl2, MemNoLbl, MemLbl, TimePnl,
                                                    ScanLbl, ScanTypeLbl, TimerLbl}) {
    w->setCursor(Qt::PointingHandCursor);
    w->installEventFilter(this);
  }

  auto* lcd_grid = new QGridLayout(lcd);
  lcd_grid->setContentsMargins(12, 6, 12, 6);
  lcd_grid->setHorizontalSpacing(10);
  auto* annunciators = new QHBoxLayout;
  annunciators->setSpacing(12);
  for (QLabel* l : {VFOLbl, MemLbl, MemNoLbl, NotchLbl, TapeLbl, ScanLbl, ScanTypeLbl, TimerLbl})
    annunciators->addWidget(l);
  annunciators->addStretch(1);
  lcd_grid->addLayout(annunciators, 0, 0, 1, 2);
  lcd_grid->addWidget(FreqLbl, 1, 0);
  lcd_grid->addWidget(FreqLbl2, 1, 1);
  lcd_grid->addWidget(BandLbl, 2, 0, Qt::AlignLeft);
  lcd_grid->addWidget(TimePnl, 2, 0, 1, 2, Qt::AlignRight);
  lcd_grid->setColumnStretch(0, 1);

  // Meter and lamps on the left, as on the receiver.
  ZelMeter1 = new TZelMeter(panel);
  ZelMeter1->setObjectName(QStringLiteral("ZelMeter1"));
  ZelMeter1->SetScale(2);
  connect(ZelMeter1, &TZelMeter::clicked, this, &FacePlatePanel::UpdateDisplay);
  SyncLite = new TZelSwitchButton(panel);
  SyncLite->setObjectName(QStringLiteral("SyncLite"));
  SyncLite->SetCaption(QStringLiteral("SYNCH"));
  VFOEqLite = new TZelSwitchButton(panel);
  VFOEqLite->setObjectName(QStringLiteral("VFOEqLite"));
  VFOEqLite->SetCaption(QStringLiteral("A=B"));
  PowerBtn = new TZelSwitchButton(panel);
  PowerBtn->setObjectName(QStringLiteral("PowerBtn"));
  PowerBtn->SetCaption(QStringLiteral("POWER"));
  PowerBtn->SetIsButton(true);
  PowerBtn->SetOnColor(QColor(0xff, 0x40, 0x30));
  PowerBtn->SetOffColor(QColor(0x50, 0x10, 0x10));
  connect(PowerBtn, &TZelSwitchButton::clicked, this, &FacePlatePanel::PowerBtnClick);
  auto* lamps = new QHBoxLayout;
  lamps->addWidget(SyncLite);
  lamps->addWidget(VFOEqLite);
  auto* left = new QVBoxLayout;
  left->addWidget(ZelMeter1, 0, Qt::AlignHCenter);
  left->addLayout(lamps);
  left->addWidget(PowerBtn, 0, Qt::AlignHCenter);

  // Keypad.
  auto* keypad = new QGridLayout;
  keypad->setSpacing(4);
  static constexpr const char* kKeyNames[10] = {"Btn0", "Btn1", "Btn2", "Btn3", "Btn4",
                                                "Btn5", "Btn6", "Btn7", "Btn8", "Btn9"};
  for (int d = 0; d <= 9; ++d) {
    Btn[d] = PanelButton(panel, kKeyNames[d], QString::number(d));
    connect(Btn[d], &QPushButton::clicked, this, [this, d] { NumpadClick(500 + d); });
  }
  BtnDec = PanelButton(panel, "BtnDec", QStringLiteral("."));
  BtnEnter = PanelButton(panel, "BtnEnter", QStringLiteral("E"));
  BtnBS = PanelButton(panel, "BtnBS", QStringLiteral("\u2190"));
  connect(BtnDec, &QPushButton::clicked, this, [this] { NumpadClick(512); });
  connect(BtnEnter, &QPushButton::clicked, this, [this] { NumpadClick(513); });
  connect(BtnBS, &QPushButton::clicked, this, [this] { NumpadClick(514); });
  for (int d = 1; d <= 9; ++d) keypad->addWidget(Btn[d], 2 - (d - 1) / 3, (d - 1) % 3);
  keypad->addWidget(BtnDec, 3, 0);
  keypad->addWidget(Btn[0], 3, 1);
  keypad->addWidget(BtnEnter, 3, 2);
  keypad->addWidget(BtnBS, 0, 3, 2, 1);

  // Tuning and front-panel buttons.
  DownBtn = PanelButton(panel, "DownBtn", QStringLiteral("\u25c0\u25c0"));
  DownLBtn = PanelButton(panel, "DownLBtn", QStringLiteral("\u25c0"));
  UpLBtn = PanelButton(panel, "UpLBtn", QStringLiteral("\u25b6"));
  UpBtn = PanelButton(panel, "UpBtn", QStringLiteral("\u25b6\u25b6"));
  connect(DownBtn, &QPushButton::clicked, this, &FacePlatePanel::CMLeftCursor);
  connect(UpBtn, &QPushButton::clicked, this, &FacePlatePanel::CMRightCursor);
  connect(DownLBtn, &QPushButton::clicked, this, &FacePlatePanel::CMCLeftCursor);
  connect(UpLBtn, &QPushButton::clicked, this, &FacePlatePanel::CMCRightCursor);
  keypad->addWidget(DownBtn, 4, 0);
  keypad->addWidget(DownLBtn, 4, 1);
  keypad->addWidget(UpLBtn, 4, 2);
  keypad->addWidget(UpBtn, 4, 3);

  VFOBtn = PanelButton(panel, "VFOBtn", QStringLiteral("VFO"));
  VFOEqBtn = PanelButton(panel, "VFOEqBtn", QStringLiteral("A=B"));
  SyncBtn = PanelButton(panel, "SyncBtn", QStringLiteral("SYNC"));
  connect(VFOBtn, &QPushButton::clicked, this, &FacePlatePanel::VFOBtnClick);
  connect(VFOEqBtn, &QPushButton::clicked, this, &FacePlatePanel::VFOEqBtnClick);
  connect(SyncBtn, &QPushButton::clicked, this, &FacePlatePanel::SyncBtnClick);

  NoiseBtn = PanelToolButton(panel, "NoiseBtn", "NB");
  NotchBtn = PanelToolButton(panel, "NotchBtn", "NOTCH");
  TapeBtn = PanelToolButton(panel, "TapeBtn", "TAPE");
  MemBtn = PanelToolButton(panel, "MemBtn", "MEM");
  ScanBtn = PanelToolButton(panel, "ScanBtn", "SCAN");
  TimerBtn = PanelToolButton(panel, "TimerBtn", "TIMER");
  CommsBtn = PanelToolButton(panel, "CommsBtn", "COMMS");
  connect(NoiseBtn, &QToolButton::clicked, this, &FacePlatePanel::NoiseBtnClick);
  connect(NotchBtn, &QToolButton::clicked, this, &FacePlatePanel::NotchBtnClick);
  connect(TapeBtn, &QToolButton::clicked, this, &FacePlatePanel::TapeBtnClick);
  connect(MemBtn, &QToolButton::clicked, this, &FacePlatePanel::MemBtnClick);
  // The scan's own controller decides; the button shows what the view says after it.
  connect(ScanBtn, &QToolButton::clicked, this, [this] {
    if (on_scan_click) on_scan_click();
    ApplyView(core_.View());
  });
  connect(TimerBtn, &QToolButton::clicked, this, [this] {
    if (on_timer_click) on_timer_click();
    ApplyView(core_.View());
  });
  connect(CommsBtn, &QToolButton::clicked, this, &FacePlatePanel::Disconnect1Click);
  NoiseGrp = new QGroupBox(panel);
  NoiseGrp->setObjectName(QStringLiteral("NoiseGrp"));
  // The blanker's width boxes keep their room while hidden, so switching the blanker on never
  // squeezes the buttons beside it or widens the window.
  QSizePolicy keep = NoiseGrp->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  NoiseGrp->setSizePolicy(keep);
  NoiseNCB = new QCheckBox(QStringLiteral("&N"), NoiseGrp);
  NoiseNCB->setObjectName(QStringLiteral("NoiseNCB"));
  NoiseWCB = new QCheckBox(QStringLiteral("&W"), NoiseGrp);
  NoiseWCB->setObjectName(QStringLiteral("NoiseWCB"));
  auto* noise_box = new QHBoxLayout(NoiseGrp);
  noise_box->setContentsMargins(4, 1, 4, 1);
  noise_box->addWidget(NoiseNCB);
  noise_box->addWidget(NoiseWCB);
  connect(NoiseNCB, &QCheckBox::clicked, this, [this] { NoiseBoxClick(NoiseNCB); });
  connect(NoiseWCB, &QCheckBox::clicked, this, [this] { NoiseBoxClick(NoiseWCB); });

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(6);
  for (QWidget* w : std::initializer_list<QWidget*>{VFOBtn, VFOEqBtn, SyncBtn, NoiseBtn, NoiseGrp,
                                                    NotchBtn, TapeBtn, MemBtn, ScanBtn, TimerBtn,
                                                    CommsBtn}) {
    buttons->addWidget(w);
  }
  buttons->addStretch(1);
  // The style sheet's min-width would let a narrow window squeeze these to "VFC" and "YN": each
  // keeps room for its whole caption.
  for (QWidget* w : std::initializer_list<QWidget*>{VFOBtn, VFOEqBtn, SyncBtn, NoiseBtn, NotchBtn,
                                                    TapeBtn, MemBtn, ScanBtn, TimerBtn, CommsBtn}) {
    w->ensurePolished();
    w->setMinimumWidth(w->sizeHint().width());
  }

  // The receiver's selectors.
  struct ComboDef {
    QComboBox** field;
    const char* name;
    const char* caption;
    int tag;
    std::vector<std::string> items;
  };
  const std::vector<ComboDef> defs = {
      {&AntLst, "AntLst", "ANT", kCmdAntenna, {"1", "2", "C", ""}},
      {&RFLst, "RFLst", "RF", kCmdRf, {"Att", "Off", "Pre", ""}},
      {&AGCLst, "AGCLst", "AGC", kCmdAgc, {"Off", "Slow", "Fast", ""}},
      {&BWLst, "BWLst", "BW", kCmdBandwidth, {"12.", "6.0", "4.0", "2.3", "1.8", "0.5", ""}},
      {&ModeLst, "ModeLst", "MODE", kCmdMode, {"AM", "FM", "CW", "RTTY", "LSB", "USB", ""}},
      {&StepLst, "StepLst", "STEP", kTagStepList, core_.steps().items},
      {&OffsetLst, "OffsetLst", "OFFSET", kTagOffsetList, core_.offsets().items},
  };
  auto* selectors = new QGridLayout;
  selectors->setHorizontalSpacing(8);
  selectors->setVerticalSpacing(1);
  int col = 0;
  for (const ComboDef& d : defs) {
    auto* combo = new QComboBox(panel);
    combo->setObjectName(QString::fromLatin1(d.name));
    combo->setProperty("Tag", d.tag);
    FillCombo(combo, d.items);
    if (d.tag == kTagStepList || d.tag == kTagOffsetList) {
      combo->setEditable(true);
      combo->setInsertPolicy(QComboBox::NoInsert);
      combo->lineEdit()->installEventFilter(this);
      connect(combo->lineEdit(), &QLineEdit::returnPressed, this,
              [this, combo] { ComboDropEdit(combo); });
    }
    combo->installEventFilter(this);
    connect(combo, &QComboBox::activated, this, [this, combo] { CBNSelChange(combo); });
    *d.field = combo;
    combos_[d.tag] = combo;
    selectors->addWidget(Caption(panel, d.caption), 0, col);
    selectors->addWidget(combo, 1, col);
    ++col;
  }

  StationLst = new QListWidget(panel);
  StationLst->setObjectName(QStringLiteral("StationLst"));
  StationLst->setFocusPolicy(Qt::NoFocus);
  StationLst->setMinimumHeight(fontMetrics().height() * 4);

  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(14, 12, 14, 12);
  grid->setHorizontalSpacing(14);
  grid->setVerticalSpacing(8);
  grid->addLayout(left, 0, 0, 2, 1);
  grid->addWidget(lcd, 0, 1);
  grid->addLayout(keypad, 0, 2, 2, 1);
  grid->addLayout(buttons, 1, 1);
  grid->addLayout(selectors, 2, 0, 1, 3);
  grid->addWidget(StationLst, 3, 0, 1, 3);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(3, 1);

  StationLst->setItemDelegate(new StationLineDelegate(ctx_.settings(), StationLst));
  StationLst->setSelectionMode(QAbstractItemView::SingleSelection);
}

void FacePlatePanel::AddKey(int tag, const QKeySequence& key, std::function<void()> run,
                            int group) {
  auto* a = new QAction(this);
  a->setShortcut(key);
  a->setShortcutContext(Qt::WindowShortcut);
  a->setData(tag);
  connect(a, &QAction::triggered, this, std::move(run));
  addAction(a);
  if (group == 1) keys1_.push_back(a);
  if (group == 2) keys2_.push_back(a);
}

void FacePlatePanel::BuildHiddenKeys() {
  for (int d = 0; d <= 9; ++d) {
    AddKey(
        500 + d, QKeySequence(Qt::Key_0 + d), [this, d] { NumpadClick(500 + d); }, 2);
    AddKey(
        500 + d, QKeySequence(Qt::KeypadModifier | (Qt::Key_0 + d)),
        [this, d] { NumpadClick(500 + d); }, 2);
  }
  AddKey(
      512, QKeySequence(Qt::Key_Delete), [this] { NumpadClick(512); }, 2);
  AddKey(
      512, QKeySequence(Qt::Key_Period), [this] { NumpadClick(512); }, 2);
  AddKey(
      514, QKeySequence(Qt::Key_Backspace), [this] { NumpadClick(514); }, 1);
  AddKey(
      0, QKeySequence(Qt::Key_Left), [this] { CMLeftCursor(); }, 1);
  AddKey(
      0, QKeySequence(Qt::Key_Right), [this] { CMRightCursor(); }, 1);
  AddKey(
      0, QKeySequence(Qt::CTRL | Qt::Key_Left), [this] { CMCLeftCursor(); }, 1);
  AddKey(
      0, QKeySequence(Qt::CTRL | Qt::Key_Right), [this] { CMCRightCursor(); }, 1);
  enter1_ = new QAction(this);
  enter1_->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
  enter1_->setData(513);
  connect(enter1_, &QAction::triggered, this, [this] { NumpadClick(513); });
  SetKeys3(false);
}

void FacePlatePanel::ApplyView(const FacePlateView& v) {
  applying_ = true;
  view_ = v;
  if (v.show_freq_text) FreqLbl->setText(ToQt(v.freq_text));
  FreqLbl->repaint();
  FreqLbl2->setText(ToQt(v.units));
  FreqLbl2->setVisible(v.units_visible);
  BandLbl->setText(ToQt(v.band_text));
  BandLbl->setVisible(v.band_visible);
  MemNoLbl->setText(ToQt(v.mem_no_text));
  MemLbl->setText(ToQt(v.mem_lbl_text));
  MemLbl->setVisible(v.mem_lbl_visible);
  NotchLbl->setVisible(v.notch_lbl_visible);
  TapeLbl->setVisible(v.tape_lbl_visible);
  ScanLbl->setVisible(v.scan_lbl_visible);
  ScanLbl->setText(ToQt(v.scan_lbl_text));
  TimerLbl->setVisible(v.timer_lbl_visible);
  ScanTypeLbl->setText(ToQt(v.scan_type_text));
  VFOLbl->setText(ToQt(v.vfo_lbl));
  VFOLbl->setEnabled(v.vfo_lbl_enabled);

  const std::pair<QComboBox*, const ComboView*> combos[] = {
      {AntLst, &v.ant},   {RFLst, &v.rf},     {AGCLst, &v.agc},      {BWLst, &v.bw},
      {ModeLst, &v.mode}, {StepLst, &v.step}, {OffsetLst, &v.offset}};
  for (auto [combo, cv] : combos) {
    const QSignalBlocker block(combo);
    combo->setCurrentIndex(cv->index);
    combo->setEnabled(cv->enabled);
  }

  for (int d = 0; d <= 9; ++d) Btn[d]->setEnabled(v.keypad.enabled);
  BtnDec->setEnabled(v.keypad.enabled);
  BtnEnter->setEnabled(v.keypad.enabled);
  BtnBS->setEnabled(v.keypad.enabled);
  SetControl(DownBtn, v.down_btn);
  SetControl(UpBtn, v.up_btn);
  SetControl(DownLBtn, v.down_l_btn);
  SetControl(UpLBtn, v.up_l_btn);
  SetControl(StationLst, v.station_lst);
  SetControl(VFOBtn, v.vfo_btn);
  SetControl(VFOEqBtn, v.vfo_eq_btn);
  SetControl(SyncBtn, v.sync_btn);
  SetControl(NoiseBtn, v.noise_btn);
  SetControl(NotchBtn, v.notch_btn);
  SetControl(TapeBtn, v.tape_btn);
  SetControl(MemBtn, v.mem_btn);
  SetControl(ScanBtn, v.scan_btn);
  SetControl(TimerBtn, v.timer_btn);
  SetControl(CommsBtn, v.comms_btn);
  NoiseGrp->setVisible(v.noise_grp_visible);
  NoiseNCB->setChecked(v.noise_n_checked);
  NoiseWCB->setChecked(v.noise_w_checked);
  if (v.noise_n_checked) noise_width_ = 1;
  if (v.noise_w_checked) noise_width_ = 2;

  SyncLite->SetIsOn(v.sync_lite);
  VFOEqLite->SetIsOn(v.vfo_eq_lite);
  PowerBtn->SetIsOn(v.power_lit);
  PowerBtn->setEnabled(v.power_btn.enabled);
  ZelMeter1->SetLevel(v.meter_level);
  ShowStations(v);

  applying_ = false;
  view_applied_.Emit(v);
}

void FacePlatePanel::ShowStations(const FacePlateView& v) {
  StationLst->clear();
  for (const StationLine& line : v.stations) {
    auto* item = new QListWidgetItem(StationLst);
    item->setText(ToQt(line.text).replace(QLatin1Char('\t'), QLatin1Char(' ')));
    item->setData(Qt::UserRole, line.flagged);
    item->setData(Qt::UserRole + 1,
                  QByteArray(line.text.data(), static_cast<qsizetype>(line.text.size())));
  }
}

void FacePlatePanel::SetHints(bool on) {
  const std::pair<QWidget*, const char*> hints[] = {{FreqLbl, "Who else..."},
                                                    {BandLbl, "Band Plan"},
                                                    {ZelMeter1, "Update display"},
                                                    {PowerBtn, "Power"},
                                                    {VFOBtn, "VFO A / B"},
                                                    {VFOEqBtn, "VFO A=B"},
                                                    {SyncBtn, "Synchro"},
                                                    {NoiseBtn, "Noise blanker"},
                                                    {NotchBtn, "Notch"},
                                                    {TapeBtn, "Tape VOX"},
                                                    {MemBtn, "Memory mode"},
                                                    {ScanBtn, "Scan"},
                                                    {ScanLbl, "Scan/Pause"},
                                                    {ScanTypeLbl, "Scan Params"},
                                                    {TimerBtn, "Timer"},
                                                    {TimerLbl, "Timer Params"},
                                                    {CommsBtn, "Connect / disconnect"},
                                                    {TimePnl, "UTC / local time"},
                                                    {DownBtn, "Step down"},
                                                    {UpBtn, "Step up"},
                                                    {DownLBtn, "Small step down"},
                                                    {UpLBtn, "Small step up"}};
  for (auto [w, text] : hints) w->setToolTip(on ? QString::fromLatin1(text) : QString());
  const int model = ctx_.settings().RadioModel;
  const bool r8ab = model == kModelR8A || model == kModelR8B;
  MemLbl->setToolTip(on && r8ab ? QStringLiteral("Mem / Tune") : QString());
  FreqLbl2->setToolTip(on && r8ab ? QStringLiteral("kHz / MHz") : QString());
}

}  // namespace r8
