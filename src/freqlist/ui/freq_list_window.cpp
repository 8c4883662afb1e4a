#include "freqlist/ui/freq_list_window.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "common/ui/menu_items.h"
#include "common/ui/qt_user_prompts.h"
#include "freqlist/list_tuning.h"

namespace r8 {

namespace {
std::string Trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return std::string(s);
}
}  // namespace

TFreqList::TFreqList(AppContext& ctx, QWidget* main_window)
    : StationWindowBase(ctx, StationWindow::kFind, main_window), scan_(ctx) {
  setObjectName(QStringLiteral("FreqList"));
  auto* body = new QWidget(this);
  auto* column = new QVBoxLayout(body);
  column->setContentsMargins(2, 2, 2, 2);
  auto* header = new QHeaderView(Qt::Horizontal, body);
  header->setObjectName(QStringLiteral("HeaderControl1"));
  FreqLst = new QListWidget(body);
  FreqLst->setObjectName(QStringLiteral("FreqLst"));
  FreqLst->setSelectionMode(QAbstractItemView::ExtendedSelection);
  FreqLst->setDragEnabled(true);
  // Time at the left, the days centred on 86, the frequency right on 159, the code from 163.
  FreqLst->setItemDelegate(
      new TabbedRowDelegate(ctx, {{"LCRL", {0, 86, 159, 163}, false}}, FreqLst));
  FreqLst->installEventFilter(this);
  column->addWidget(FreqLst);
  setCentralWidget(body);
  BuildEditMenu();
  QMenu* scan = menuBar()->addMenu(QStringLiteral("&Scan"));
  AddItem(scan, "ScanSelected1", "&Scan selected", [this] { ScanSelected1Click(); });
  AddItem(scan, "Scanstop1", "S&top", [this] { Scanstop1Click(); });

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(10);
  connect(Timer1, &QTimer::timeout, this, [this] {
    const std::optional<int> row = scan_.Step(Selected(), Rows());
    if (row) FreqLst->setCurrentRow(*row, QItemSelectionModel::Current);
    if (!scan_.active()) Timer1->stop();
  });
  connect(FreqLst, &QListWidget::currentRowChanged, this, [this](int r) {
    if (filling_) return;
    set_.Select(which_, r);
    ShowStatus();
  });
  connect(FreqLst, &QListWidget::itemDoubleClicked, this, [this] { HandleInput(); });
  resize(static_cast<int>(2.125 * logicalDpiX() + 0.5),
         static_cast<int>(4.969 * logicalDpiY() + 0.5));
}

TFreqList::~TFreqList() {
  if (scan_.active()) scan_.Stop();
}

void TFreqList::ShowState() {
  const StationWindowState& s = set_.state(which_);
  filling_ = true;
  setWindowTitle(ToQt(s.caption));
  FreqLst->clear();
  for (int i = 0; i < static_cast<int>(s.lines.size()); ++i) {
    auto* item = new QListWidgetItem(FreqLst);
    item->setData(Qt::UserRole, set_.RowFlagged(which_, i));
    item->setData(Qt::UserRole + 1,
                  QByteArray::fromStdString(s.lines[static_cast<std::size_t>(i)]));
    // The text too, for the rows dragged to the memory list.
    item->setText(QString::fromLatin1(s.lines[static_cast<std::size_t>(i)].c_str()));
  }
  if (s.selected >= 0 && s.selected < FreqLst->count()) FreqLst->setCurrentRow(s.selected);
  filling_ = false;
  ShowStatus();
}

std::vector<bool> TFreqList::Selected() const {
  std::vector<bool> selected(static_cast<std::size_t>(FreqLst->count()), false);
  for (int i = 0; i < FreqLst->count(); ++i)
    selected[static_cast<std::size_t>(i)] = FreqLst->item(i)->isSelected();
  return selected;
}

std::vector<std::string> TFreqList::Rows() const {
  const std::vector<std::string>& lines = set_.state(which_).lines;
  return lines;
}

void TFreqList::ShowStatus() {
  const int row = FreqLst->currentRow();
  const std::vector<std::string>& lines = set_.state(which_).lines;
  std::string text;
  if (row >= 0 && row < static_cast<int>(lines.size())) {
    const std::string& line = lines[static_cast<std::size_t>(row)];
    text = "Double-click to tune to " +
           Trim(line.size() > 18 ? std::string_view(line).substr(18, 7) : std::string_view());
  }
  statusBar()->showMessage(ToQt(text));
  ShowEditMenu();
}

void TFreqList::HandleInput() {
  const int row = FreqLst->currentRow();
  const std::vector<std::string>& lines = set_.state(which_).lines;
  if (!ctx_.radio().PowerOn || row < 0 || row >= static_cast<int>(lines.size()) ||
      FreqLst->selectedItems().isEmpty()) {
    return;
  }
  TuneToListRow(ctx_, ListWindow::kFrequencyList, lines[static_cast<std::size_t>(row)], true);
}

bool TFreqList::ScanSelected1Click() {
  if (scan_.StartOrStop(Selected(), std::max(0, FreqLst->currentRow()))) {
    Timer1->start();
  } else {
    Timer1->stop();
  }
  return true;
}

void TFreqList::Scanstop1Click() {
  Timer1->stop();
  scan_.Stop();
}

void TFreqList::closeEvent(QCloseEvent* event) {
  // A list scan ends with its window.
  if (scan_.active()) Scanstop1Click();
  StationWindowBase::closeEvent(event);
}

bool TFreqList::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FreqLst && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      HandleInput();
      return true;
    }
    if (HandleKey(key->key(), key->modifiers(), key->text())) return true;
  }
  return StationWindowBase::eventFilter(watched, event);
}

}  // namespace r8
