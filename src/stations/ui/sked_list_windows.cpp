#include "stations/ui/sked_list_windows.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStatusBar>
#include <QTableWidget>

#include "app/app_context.h"
#include "common/ui/qt_user_prompts.h"

namespace r8 {

TGridList::TGridList(AppContext& ctx, StationWindow which, QWidget* main_window,
                     const char* grid_name, std::vector<TabbedRowDelegate::Layout> columns,
                     std::vector<int> widths)
    : StationWindowBase(ctx, which, main_window) {
  grid_ = new QTableWidget(0, static_cast<int>(widths.size()), this);
  grid_->setObjectName(QString::fromLatin1(grid_name));
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setItemDelegate(new TabbedRowDelegate(ctx, std::move(columns), grid_));
  const double scale = logicalDpiX() / 96.0;
  for (int c = 0; c < static_cast<int>(widths.size()); ++c)
    grid_->setColumnWidth(c, static_cast<int>(widths[static_cast<std::size_t>(c)] * scale + 0.5));
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 4);
  grid_->installEventFilter(this);
  setCentralWidget(grid_);
  BuildEditMenu();
  connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int column, int, int) {
    if (filling_) return;
    set_.Select(which_, row, column);
    ShowStatus();
  });
  connect(grid_, &QTableWidget::cellDoubleClicked, this, &TGridList::GridDblClick);
}

void TGridList::ShowState() {
  const StationWindowState& s = set_.state(which_);
  filling_ = true;
  setWindowTitle(ToQt(s.caption));
  grid_->clearContents();
  // An empty grid keeps one blank row, as the grid cannot have none.
  grid_->setRowCount(std::max<int>(1, static_cast<int>(s.rows.size())));
  for (int r = 0; r < static_cast<int>(s.rows.size()); ++r) {
    const std::vector<std::string>& cells = s.rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < static_cast<int>(cells.size()) && c < grid_->columnCount(); ++c) {
      auto* item = new QTableWidgetItem;
      item->setData(Qt::UserRole, set_.RowFlagged(which_, r, c));
      item->setData(Qt::UserRole + 1, QByteArray::fromStdString(cells[static_cast<std::size_t>(c)]));
      grid_->setItem(r, c, item);
    }
  }
  if (s.selected >= 0) {
    grid_->setCurrentCell(s.selected, s.selected_column);
    grid_->scrollToItem(grid_->item(s.selected, 0));
  }
  filling_ = false;
  ShowStatus();
}

void TGridList::ShowStatus() {
  const StationWindowState& s = set_.state(which_);
  statusBar()->showMessage(ToQt(set_.StatusText(which_, s.selected, s.selected_column)));
  ShowEditMenu();
}

void TGridList::GridDblClick(int row, int column) { set_.DoubleClick(which_, row, column); }

bool TGridList::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        !(key->modifiers() & Qt::ControlModifier)) {
      GridDblClick(grid_->currentRow(), grid_->currentColumn());
      return true;
    }
    if (HandleKey(key->key(), key->modifiers(), key->text())) return true;
  }
  return StationWindowBase::eventFilter(watched, event);
}

// Column 0: time range, days centred, name; the frequency columns: the frequency right-aligned
// and its code beside it.
TFullList::TFullList(AppContext& ctx, QWidget* main_window)
    : TGridList(ctx, StationWindow::kFullSchedule, main_window, "FullLst",
                {{"CL", {86, 124}}, {"RL", {52, 56}}}, {300, 82, 82, 82, 82}) {
  setObjectName(QStringLiteral("FullList"));
  FullLst = grid();
}

TSkedList::TSkedList(AppContext& ctx, QWidget* main_window)
    : TGridList(ctx, StationWindow::kOtherStations, main_window, "SkedLst",
                {{"C", {86}}, {"L", {180}}}, {124, 210}) {
  setObjectName(QStringLiteral("SkedList"));
  SkedLst = grid();
}

}  // namespace r8
