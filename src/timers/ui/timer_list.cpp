#include "timers/ui/timer_list.h"

#include <QAction>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "common/ui/menu_items.h"
#include "timers/timer_edit.h"
#include "timers/timer_table.h"
#include "timers/ui/timer_edit_dialog.h"

namespace r8 {

namespace {
constexpr int kWidths[13] = {56, 28, 96, 48, 26, 26, 26, 26, 26, 26, 26, 26, 250};
const char* const kHeadings[13] = {"Timer#", "Set", "Frequency", "Time", "Su", "Mo",   "Tu",
                                   "We",     "Th",  "Fr",        "Sa",   "Dy", "Notes"};
}  // namespace

TTimerList::TTimerList(AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::Window), ctx_(ctx) {
  setObjectName(QStringLiteral("TimerList"));
  setWindowTitle(QStringLiteral("Available Timers"));
  auto* bar = new QMenuBar(this);
  QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
  Set1 = AddItem(edit, "Set1", "&Set", [this] { SetClick(); });
  Set1->setShortcut(QKeySequence(Qt::Key_Return));
  QAction* modify = AddItem(edit, "Modify1", "&Modify", [this] { DoEdit(TimerEditMode::kModify); });
  modify->setShortcut(QKeySequence(Qt::Key_Insert));
  QAction* move = AddItem(edit, "Move1", "Mo&ve", [this] { MoveClick(); });
  move->setShortcut(QKeySequence(Qt::ALT | Qt::Key_V));
  QAction* clear = AddItem(edit, "Clear1", "&Clear", [this] { DoEdit(TimerEditMode::kClear); });
  clear->setShortcut(QKeySequence(Qt::Key_Delete));

  TimerLst = new QTableWidget(kTimerCount, 13, this);
  TimerLst->setObjectName(QStringLiteral("TimerLst"));
  TimerLst->setSelectionBehavior(QAbstractItemView::SelectRows);
  TimerLst->setSelectionMode(QAbstractItemView::SingleSelection);
  TimerLst->setEditTriggers(QAbstractItemView::NoEditTriggers);
  TimerLst->verticalHeader()->hide();
  TimerLst->verticalHeader()->setDefaultSectionSize(TimerLst->fontMetrics().height() + 6);
  TimerLst->horizontalHeader()->setStretchLastSection(true);
  for (int c = 0; c < 13; ++c) {
    TimerLst->setHorizontalHeaderItem(c, new QTableWidgetItem(QString::fromLatin1(kHeadings[c])));
    TimerLst->setColumnWidth(c, kWidths[c]);
  }
  TimerLst->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(TimerLst, &QWidget::customContextMenuRequested, this,
          [edit, this](const QPoint& p) { edit->exec(TimerLst->viewport()->mapToGlobal(p)); });
  connect(TimerLst, &QTableWidget::cellDoubleClicked, this, [this] { SetClick(); });
  connect(TimerLst, &QTableWidget::itemSelectionChanged, this, [this] { UpdateStatus(); });
  // Programmes dragged from the SWBC programmes list become timers.
  TimerLst->setAcceptDrops(true);
  TimerLst->viewport()->setAcceptDrops(true);
  TimerLst->viewport()->installEventFilter(this);
  StatusBar1 = new QLabel(this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setMenuBar(bar);
  layout->addWidget(TimerLst);
  layout->addWidget(StatusBar1);

  ProfileFile& profile = ctx_.profile();
  const int w = profile.ReadInt("WINDOWS", "TIMERLISTX", 0);
  const int h = profile.ReadInt("WINDOWS", "TIMERLISTY", 0);
  resize(w > 200 && w < 4000 ? w : 760, h > 150 && h < 3000 ? h : 420);
  run_dialog = [](TTimerEditDlg& dlg) { return dlg.exec(); };
  Fill();
}

TTimerList::~TTimerList() {
  ProfileFile& profile = ctx_.profile();
  ProfileFile::Batch batch(profile);
  profile.WriteString("WINDOWS", "TIMERLISTX", std::to_string(width()));
  profile.WriteString("WINDOWS", "TIMERLISTY", std::to_string(height()));
}

void TTimerList::Fill() {
  for (int i = 0; i < kTimerCount; ++i) SetLine(i);
  TimerLst->selectRow(0);
  UpdateStatus();
}

void TTimerList::SetLine(int index) {
  const std::array<std::string, 13> row = TimerRow(ctx_.timers(), index);
  for (int c = 0; c < 13; ++c) {
    auto* item =
        new QTableWidgetItem(QString::fromLatin1(row[static_cast<std::size_t>(c)].c_str()));
    const Qt::Alignment h = c == 2 ? Qt::AlignRight : c == 12 ? Qt::AlignLeft : Qt::AlignHCenter;
    item->setTextAlignment(h | Qt::AlignVCenter);
    TimerLst->setItem(index, c, item);
  }
}

int TTimerList::SelectedIndex() const {
  const int row = TimerLst->currentRow();
  return row >= 0 && row < kTimerCount ? row : -1;
}

void TTimerList::UpdateStatus() {
  const int i = SelectedIndex();
  if (i < 0 || ctx_.timers()[static_cast<std::size_t>(i)].frequency == 0.0) {
    StatusBar1->clear();
    return;
  }
  const bool set = ctx_.timers()[static_cast<std::size_t>(i)].set;
  StatusBar1->setText(QStringLiteral("Double-click to ") +
                      (set ? QStringLiteral("un") : QString()) + QStringLiteral("set timer #") +
                      QString::number(i + 1));
  Set1->setText(set ? QStringLiteral("Un&Set") : QStringLiteral("&Set"));
}

void TTimerList::SetClick() {
  const int i = SelectedIndex();
  if (i < 0) return;
  TimerRecord& r = ctx_.timers()[static_cast<std::size_t>(i)];
  if (r.frequency != 0.0) {
    r.set = !r.set;
    SetLine(i);
  }
  UpdateStatus();
}

void TTimerList::DoEdit(TimerEditMode mode) {
  const int i = SelectedIndex();
  if (i < 0) return;
  TTimerEditDlg dlg(mode, i, ctx_.timers()[static_cast<std::size_t>(i)], {}, nullptr, this);
  if (run_dialog(dlg) != QDialog::Accepted) return;
  const TimerEditResult result = dlg.Result();
  if (!result.index) return;
  ctx_.timers()[static_cast<std::size_t>(*result.index)] = result.record;
  SetLine(*result.index);
  // A move leaves its old number cleared.
  if (mode == TimerEditMode::kMove && *result.index != i) {
    ctx_.timers()[static_cast<std::size_t>(i)] = TimerRecord{};
    SetLine(i);
  }
  UpdateStatus();
}

void TTimerList::MoveClick() { DoEdit(TimerEditMode::kMove); }

void TTimerList::DropProgramme(int row, const std::string& line) {
  if (row < 0 || row >= kTimerCount) return;
  const std::optional<TimerPrefill> prefill = PrefillFromProgrammeLine(line);
  if (!prefill) return;
  TimerLst->selectRow(row);
  TTimerEditDlg dlg(TimerEditMode::kCreate, row, ctx_.timers()[static_cast<std::size_t>(row)],
                    FillFreq(ctx_.database(), *prefill), &*prefill, this);
  if (run_dialog(dlg) != QDialog::Accepted) return;
  const TimerEditResult result = dlg.Result();
  if (!result.index) return;
  ctx_.timers()[static_cast<std::size_t>(*result.index)] = result.record;
  SetLine(*result.index);
  UpdateStatus();
}

bool TTimerList::eventFilter(QObject* watched, QEvent* event) {
  if (watched != TimerLst->viewport()) return QWidget::eventFilter(watched, event);
  const auto type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
    return QWidget::eventFilter(watched, event);
  auto* drop = static_cast<QDropEvent*>(event);
  auto* source = qobject_cast<QTreeWidget*>(drop->source());
  // Only the programmes list's rows, and not its day headings, make timers.
  if (!source || source->objectName() != QStringLiteral("DXLst") || !source->currentItem()) {
    drop->ignore();
    return true;
  }
  const std::string line = source->currentItem()->data(0, Qt::UserRole).toByteArray().toStdString();
  if (line.empty() || line.front() == '[') {
    drop->ignore();
    return true;
  }
  drop->acceptProposedAction();
  if (type == QEvent::Drop) DropProgramme(TimerLst->rowAt(drop->position().toPoint().y()), line);
  return true;
}

}  // namespace r8
