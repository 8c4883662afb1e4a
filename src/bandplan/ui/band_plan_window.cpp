#include "bandplan/ui/band_plan_window.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "bandplan/band_plan.h"
#include "common/ui/qt_user_prompts.h"

namespace r8 {
namespace {

// The faceplate's dark panel around the paper of its lists.
const char kStyle[] = R"(
TBandPlan, QTabWidget::pane { background: #2b2d31; border: none; }
QTabBar::tab { background: #34373c; color: #c9ccd1; border: 1px solid #111; padding: 2px 4px;
               font-size: 7pt; font-weight: bold; }
QTabBar::tab:selected { background: #1f2124; color: #ffb238; }
QHeaderView::section:disabled { background: #1f2124; color: #9aa0a8; border: 1px solid #111;
                                font-size: 8pt; font-weight: bold; padding: 1px 4px; }
QTableWidget { background: #f3f0e4; color: #101010; border: 2px solid #050505; }
QStatusBar { background: #18191c; color: #c9ccd1; font-size: 7pt; }
)";

QColor SettingColor(int bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

// Edges right-aligned, name and type centred; broadcast and aeronautical rows in the marking
// colours; a rule between the name and the edges.
class BandCellDelegate : public QStyledItemDelegate {
 public:
  BandCellDelegate(const Settings& settings, QObject* parent)
      : QStyledItemDelegate(parent), settings_(settings) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const auto* grid = qobject_cast<const QTableWidget*>(option.widget);
    const bool current = grid && grid->currentIndex() == index;
    const QString type = index.siblingAtColumn(3).data().toString();
    const bool marked = type == QStringLiteral("B") || type == QStringLiteral("E");
    painter->save();
    if (current) painter->fillRect(option.rect, option.palette.highlight());
    QColor text =
        current ? option.palette.highlightedText().color() : option.palette.text().color();
    if (marked) text = SettingColor(current ? settings_.high_color : settings_.mark_color);
    painter->setPen(text);
    painter->setFont(option.font);
    const int column = index.column();
    const Qt::Alignment horizontal =
        column == 1 || column == 2 ? Qt::AlignRight : Qt::AlignHCenter;
    painter->drawText(option.rect.adjusted(3, 0, -3, 0), horizontal | Qt::AlignVCenter,
                      index.data().toString());
    if (column == 0) {
      painter->setPen(Qt::gray);
      painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
    } else if (column == 1) {
      painter->setPen(Qt::white);
      painter->drawLine(option.rect.topLeft(), option.rect.bottomLeft());
    }
    painter->restore();
  }

 private:
  const Settings& settings_;
};

}  // namespace

TBandPlan::TBandPlan(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx), rows1_(BandPageRows(0)), rows2_(BandPageRows(1)) {
  setObjectName(QStringLiteral("BandPlan"));
  setWindowTitle(QStringLiteral("Band Plan"));
  setAttribute(Qt::WA_StyledBackground);
  setStyleSheet(QString::fromLatin1(kStyle));

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  PageControl1->setTabPosition(QTabWidget::South);
  PageControl1->setDocumentMode(true);
  BCPage = MakePage(0, HeaderControl1, BandGrd1, "BCPage", "HeaderControl1", "BandGrd1");
  UtePage = MakePage(1, HeaderControl2, BandGrd2, "UtePage", "HeaderControl2", "BandGrd2");
  PageControl1->addTab(BCPage, QStringLiteral("Broadcast/Amateur"));
  PageControl1->addTab(UtePage, QStringLiteral("Aero/Maritime"));
  connect(PageControl1, &QTabWidget::currentChanged, this, [this] { ShowStatus(); });

  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setSizeGripEnabled(false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(PageControl1, 1);
  layout->addWidget(StatusBar1);

  const int ppi = logicalDpiY();
  const BandPlanGeometry g = BandPlanGeometryFor(ppi);
  const QScreen* s = screen();
  const int screen_height = s ? s->availableGeometry().height() : 0;
  setFixedWidth(g.width);
  resize(g.width, BandPlanHeight(ReadBandPlanHeight(ctx_.profile()), ppi, screen_height));
}

TBandPlan::~TBandPlan() { WriteBandPlanSize(ctx_.profile(), width(), height()); }

QWidget* TBandPlan::MakePage(int page, QHeaderView*& header, QTableWidget*& grid,
                             const char* page_name, const char* header_name,
                             const char* grid_name) {
  auto* w = new QWidget;
  w->setObjectName(QString::fromLatin1(page_name));
  const BandPlanGeometry g = BandPlanGeometryFor(logicalDpiX());

  header = new QHeaderView(Qt::Horizontal, w);
  header->setObjectName(QString::fromLatin1(header_name));
  auto* sections = new QStandardItemModel(0, 2, header);
  sections->setHorizontalHeaderLabels({QStringLiteral("Band"), QStringLiteral("Frequency Range")});
  header->setModel(sections);
  header->setStretchLastSection(true);
  header->setEnabled(false);
  header->setFixedHeight(g.row_height + 4);

  const std::vector<int>& rows = page == 0 ? rows1_ : rows2_;
  grid = new QTableWidget(static_cast<int>(rows.size()), 4, w);
  grid->setObjectName(QString::fromLatin1(grid_name));
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->horizontalHeader()->setStretchLastSection(true);
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->verticalHeader()->setDefaultSectionSize(g.row_height);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::NoSelection);
  grid->setShowGrid(false);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  grid->setItemDelegate(new BandCellDelegate(ctx_.settings(), grid));
  QPalette palette = grid->palette();
  palette.setColor(QPalette::Highlight, QColor(0x3a, 0x3d, 0x42));
  palette.setColor(QPalette::HighlightedText, QColor(0xff, 0xb2, 0x38));
  grid->setPalette(palette);
  for (int c = 0; c < 4; ++c) grid->setColumnWidth(c, g.columns[static_cast<std::size_t>(c)]);
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const std::array<std::string, 4> cells =
        BandCells(BandTable()[static_cast<std::size_t>(rows[static_cast<std::size_t>(r)])]);
    for (int c = 0; c < 4; ++c)
      grid->setItem(r, c, new QTableWidgetItem(ToQt(cells[static_cast<std::size_t>(c)])));
  }
  // The header's "Band" stands over the names, "Frequency Range" over the rest.
  header->resizeSection(0, g.columns[0] + grid->frameWidth());
  QTableWidget* g_ptr = grid;
  connect(grid, &QTableWidget::cellDoubleClicked, this, [this, g_ptr] { BandLstDblClick(g_ptr); });
  connect(grid, &QTableWidget::currentCellChanged, this, [this] { ShowStatus(); });
  connect(grid, &QTableWidget::cellClicked, this, [this] { ShowStatus(); });
  grid->installEventFilter(this);

  auto* box = new QVBoxLayout(w);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(0);
  box->addWidget(header);
  box->addWidget(grid, 1);
  return w;
}

QTableWidget* TBandPlan::ActiveGrid() const {
  return PageControl1->currentIndex() == 0 ? BandGrd1 : BandGrd2;
}

const std::vector<int>& TBandPlan::RowsOf(const QTableWidget* grid) const {
  return grid == BandGrd1 ? rows1_ : rows2_;
}

void TBandPlan::GoToStart() {
  for (QTableWidget* grid : {BandGrd1, BandGrd2}) grid->setCurrentCell(0, 0);
  ShowStatus();
}

void TBandPlan::BandLstDblClick(QTableWidget* grid) {
  const std::vector<int>& rows = RowsOf(grid);
  const int row = grid->currentRow();
  if (row < 0 || row >= static_cast<int>(rows.size())) return;
  r8::BandLstDblClick(ctx_, BandTable()[static_cast<std::size_t>(rows[static_cast<std::size_t>(row)])],
                      grid->currentColumn());
}

void TBandPlan::ShowStatus() {
  const QTableWidget* grid = ActiveGrid();
  const std::vector<int>& rows = RowsOf(grid);
  const int row = grid->currentRow();
  if (row < 0 || row >= static_cast<int>(rows.size())) return;
  StatusBar1->showMessage(ToQt(BandStatusText(
      BandTable()[static_cast<std::size_t>(rows[static_cast<std::size_t>(row)])],
      grid->currentColumn())));
}

bool TBandPlan::HandleKey(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    BandLstDblClick(ActiveGrid());
    return true;
  }
  if (event->text() == QStringLiteral(".") && keys_active && keys_active()) {
    ctx_.commands().Post(AppCommand::kKeypadChar, '.');
    return true;
  }
  return false;
}

bool TBandPlan::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && HandleKey(static_cast<QKeyEvent*>(event))) return true;
  return QWidget::eventFilter(watched, event);
}

void TBandPlan::keyPressEvent(QKeyEvent* event) {
  if (!HandleKey(event)) QWidget::keyPressEvent(event);
}

void TBandPlan::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange) {
    if (isActiveWindow()) {
      ShowStatus();  // FormActivate
    } else {
      StatusBar1->clearMessage();  // FormDeactivate
    }
  }
  QWidget::changeEvent(event);
}

}  // namespace r8
