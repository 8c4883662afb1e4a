#include "stations/ui/stat_list_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "common/ui/menu_items.h"
#include "common/ui/qt_user_prompts.h"
#include "help/ui/help_desk.h"
#include "stations/ui/station_dialogs.h"

namespace r8 {
namespace {

const char* ListName(StationWindow w) {
  return w == StationWindow::kSwbc ? "StatList1"
                                   : (w == StationWindow::kUtility ? "StatList2" : "StatList3");
}

}  // namespace

TStatList::TStatList(AppContext& ctx, StationWindow which, QWidget* main_window)
    : StationWindowBase(ctx, which, main_window) {
  setObjectName(QString::fromLatin1(ListName(which)));
  SetHelpContext(this, which == StationWindow::kSwbc      ? 521
                       : which == StationWindow::kUtility ? 522
                                                          : 523);
  auto* body = new QWidget(this);
  auto* column = new QVBoxLayout(body);
  column->setContentsMargins(2, 2, 2, 2);
  StatLst = new QListWidget(body);
  StatLst->setObjectName(QStringLiteral("StatLst"));
  StatLst->setFlow(QListView::TopToBottom);
  StatLst->setWrapping(true);
  StatLst->setResizeMode(QListView::Adjust);
  StatLst->setUniformItemSizes(true);
  StatLst->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // Names centred in their column, except the BCB/CB list, whose call signs read from the left.
  StatLst->setItemDelegate(
      new TabbedRowDelegate(ctx, {{"", {}, which != StationWindow::kBcb}}, StatLst));
  StatLst->installEventFilter(this);
  StatLst->viewport()->installEventFilter(this);
  column->addWidget(StatLst);

  PreviewPnl = new QWidget(body);
  PreviewPnl->setObjectName(QStringLiteral("PreviewPnl"));
  auto* row = new QHBoxLayout(PreviewPnl);
  row->setContentsMargins(0, 0, 0, 0);
  TrackBar = new QSlider(Qt::Horizontal, PreviewPnl);
  TrackBar->setObjectName(QStringLiteral("TrackBar"));
  TrackBar->setRange(0, 1440);
  TrackBar->setPageStep(60);
  TrackBar->setTickInterval(60);
  TrackBar->setTickPosition(QSlider::TicksBelow);
  TimeLbl = new QLabel(QStringLiteral("Time:"), PreviewPnl);
  TrackBtn = new QPushButton(PreviewPnl);
  TrackBtn->setObjectName(QStringLiteral("TrackBtn"));
  row->addWidget(TrackBar, 1);
  row->addWidget(TimeLbl);
  row->addWidget(TrackBtn);
  column->addWidget(PreviewPnl);
  PreviewPnl->hide();
  setCentralWidget(body);

  BuildEditMenu();
  if (which == StationWindow::kSwbc) {
    QMenu* preview = menuBar()->addMenu(QStringLiteral("&Preview"));
    Previewmode1 = AddItem(
        preview, "Previewmode1", "Preview &mode", [this] { Previewmode1Click(); }, true);
    Setfilter1 = AddItem(preview, "Setfilter1", "&Set filter", [this] { Setfilter1Click(); });
  }

  connect(StatLst, &QListWidget::currentRowChanged, this, [this](int r) {
    if (filling_) return;
    set_.Select(which_, r);
    ShowStatus();
  });
  connect(StatLst, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { StatLstDblClick(StatLst->row(item)); });
  connect(TrackBar, &QSlider::valueChanged, this, [this](int m) {
    if (!filling_) set_.SetTrackMinutes(m);
  });
  connect(TrackBtn, &QPushButton::clicked, this, &TStatList::TrackBtnClick);
  FitColumns();
}

void TStatList::ShowState() {
  const StationWindowState& s = set_.state(which_);
  filling_ = true;
  setWindowTitle(ToQt(s.caption));
  {
    StatLst->clear();
    for (int i = 0; i < static_cast<int>(s.lines.size()); ++i) {
      auto* item = new QListWidgetItem(StatLst);
      const std::string& line = s.lines[static_cast<std::size_t>(i)];
      item->setData(Qt::UserRole, set_.RowFlagged(which_, i));
      item->setData(Qt::UserRole + 1, QByteArray::fromStdString(line));
      item->setToolTip(ToQt(line));
    }
  }
  if (s.selected >= 0) {
    StatLst->setCurrentRow(s.selected);
    StatLst->scrollToItem(StatLst->item(s.selected));
  }
  if (Previewmode1) {
    Previewmode1->setChecked(s.preview);
    PreviewPnl->setVisible(s.preview);
    statusBar()->setVisible(!s.preview);
    TrackBar->setValue(s.track_minutes);
    TrackBtn->setText(ToQt(MinutesToTime4(s.track_minutes)));
  }
  filling_ = false;
  ShowStatus();
}

void TStatList::ShowStatus() {
  const StationWindowState& s = set_.state(which_);
  statusBar()->showMessage(ToQt(set_.StatusText(which_, s.selected, 0)));
  ShowEditMenu();
}

void TStatList::StatLstDblClick(int row) { set_.DoubleClick(which_, row, 0); }

void TStatList::Previewmode1Click() { set_.SetPreview(!set_.state(which_).preview); }

void TStatList::Setfilter1Click() { RunStatFilterDialog(this, ctx_); }

void TStatList::TrackBtnClick() { set_.TrackBtnClick(); }

void TStatList::FitColumns() {
  const int width = StatLst->viewport()->width();
  const int columns = StationListColumns(width, logicalDpiX());
  const int height = StatLst->fontMetrics().height() + 4;
  StatLst->setGridSize(QSize(std::max(40, width / columns), height));
}

void TStatList::resizeEvent(QResizeEvent* event) {
  StationWindowBase::resizeEvent(event);
  FitColumns();
}

bool TStatList::eventFilter(QObject* watched, QEvent* event) {
  if (watched == StatLst->viewport() && event->type() == QEvent::Resize) FitColumns();
  if (watched == StatLst && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      if (key->modifiers() & Qt::ControlModifier) return false;
      StatLstDblClick(StatLst->currentRow());
      return true;
    }
    if (HandleKey(key->key(), key->modifiers(), key->text())) return true;
  }
  return StationWindowBase::eventFilter(watched, event);
}

}  // namespace r8
