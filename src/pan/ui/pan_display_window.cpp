#include "pan/ui/pan_display_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "common/ui/menu_items.h"
#include "common/ui/qt_user_prompts.h"
#include "settings/settings.h"

namespace r8 {
namespace {

const QColor kTrace(0, 255, 0);
const QColor kGrid(128, 128, 128);
const QColor kScaleText(200, 200, 200);
const QColor kLabelText(255, 215, 95);

QPainter::RenderHints kNoHints = {};

}  // namespace

PanGraph::PanGraph(AppContext& ctx, PanDisplay& core, QWidget* parent)
    : QWidget(parent), core_(core), stations_(ctx) {
  setObjectName(QStringLiteral("GraphDsp"));
  setCursor(Qt::CrossCursor);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(60, 40);
}

void PanGraph::Redraw() {
  const int w = width(), h = height();
  picture_ = QPixmap(std::max(1, w), std::max(1, h));
  picture_.fill(Qt::black);
  QPainter p(&picture_);
  p.setRenderHints(kNoHints);
  const PanPicture pic = ComputePanPicture(core_.sweep(), w, h);
  for (const PanLine& l : pic.grid) {
    p.setPen(QPen(kGrid, l.width));
    p.drawLine(l.x1, l.y1, l.x2, l.y2);
  }
  p.setPen(QPen(kTrace, 1));
  for (const std::vector<PanPixel>& run : pic.trace_runs) {
    std::vector<QPoint> pts;
    pts.reserve(run.size());
    for (const PanPixel& px : run) pts.emplace_back(px.x, px.y);
    p.drawPolyline(pts.data(), static_cast<int>(pts.size()));
  }
  if (labels_) {
    const QFontMetrics fm = p.fontMetrics();
    const auto peaks = stations_.ForPeaks(FindPeaks(core_.sweep()));
    const auto boxes = LayoutPeakLabels(
        core_.sweep(), peaks, w, h,
        [&fm](std::string_view t) { return fm.horizontalAdvance(ToQt(std::string(t))); },
        fm.height());
    for (const PanLabel& l : boxes) {
      p.fillRect(l.x, l.y, l.w, l.h, Qt::black);
      p.setPen(kLabelText);
      p.drawText(QRect(l.x, l.y, l.w, l.h), Qt::AlignCenter, ToQt(l.text));
    }
  }
  update();
}

void PanGraph::DrawSegment(const PanSegment& seg) {
  if (picture_.isNull()) return;
  const int w = width(), h = height();
  const QPoint a(core_.sweep().Freq2ScreenX(seg.from.freq, w),
                 Y2ScreenY(seg.from.level, kPanLevelMax, h));
  const QPoint b(core_.sweep().Freq2ScreenX(seg.to.freq, w),
                 Y2ScreenY(seg.to.level, kPanLevelMax, h));
  QPainter p(&picture_);
  p.setPen(QPen(kTrace, 1));
  p.drawLine(a, b);
  update(QRect(a, b).normalized().adjusted(-1, -1, 1, 1));
}

void PanGraph::paintEvent(QPaintEvent*) {
  if (picture_.size() != size()) Redraw();
  QPainter p(this);
  p.drawPixmap(0, 0, picture_);
}

void PanGraph::resizeEvent(QResizeEvent*) { Redraw(); }

double PanGraph::CursorAt(int x) const { return core_.sweep().CursorFreq(x, width()); }

void PanGraph::mouseMoveEvent(QMouseEvent* e) {
  if (on_move) on_move(e->position().toPoint().x());
}

void PanGraph::mousePressEvent(QMouseEvent* e) {
  const int x = e->position().toPoint().x();
  if (on_move) on_move(x);
  if (e->button() == Qt::LeftButton) core_.GraphDspClick(CursorAt(x));
  if (e->button() == Qt::RightButton) core_.ZoomDown(CursorAt(x));
}

void PanGraph::mouseReleaseEvent(QMouseEvent* e) {
  const int x = e->position().toPoint().x();
  if (on_move) on_move(x);
  if (e->button() == Qt::RightButton) core_.ZoomUp(CursorAt(x));
}

PanScale::PanScale(QWidget* graph, QWidget* parent) : QWidget(parent), graph_(graph) {
  setObjectName(QStringLiteral("LabelDsp"));
}

QSize PanScale::sizeHint() const {
  // Wide enough for "40  " in the window's font; 18 pixels cannot hold it readably.
  return QSize(std::max(18, fontMetrics().horizontalAdvance(QStringLiteral("40  ")) + 2), 40);
}

void PanScale::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  p.setPen(kScaleText);
  const int h = graph_->height();
  // The scale's lines are the graph's, wherever the layout put the two.
  const int top = graph_->mapToGlobal(QPoint()).y() - mapToGlobal(QPoint()).y();
  const int fh = p.fontMetrics().height();
  for (const PanScaleText& s : ComputePanPicture(PanSweep(), 1, h).scale) {
    const int y0 = top + (s.top ? s.y : s.y - fh / 2);
    p.drawText(QRect(0, y0, width(), fh), Qt::AlignRight | Qt::AlignVCenter,
               ToQt(s.text));
  }
}

TPanDisp::TPanDisp(AppContext& ctx, PanDisplay& core, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), core_(core) {
  setObjectName(QStringLiteral("PanDisp"));
  setWindowFlag(Qt::Window);
  setStyleSheet(QStringLiteral(
      "QMenuBar { background: #2b2d31; color: #dcdfe4; }"
      "QMenuBar::item:selected { background: #484c53; }"
      "QStatusBar { background: #18191c; color: #c9ccd1; }"
      "#GraphPnl, #EditPnl, #LabelPnl { background: black; }"
      "#GraphPnl QLabel { color: #c9ccd1; }"
      "#GraphPnl QLineEdit { background: black; color: #00ff00; border: 1px solid #404040; }"));

  GraphPnl = new QWidget(this);
  GraphPnl->setObjectName(QStringLiteral("GraphPnl"));
  GraphPnl->setAutoFillBackground(true);
  auto* outer = new QVBoxLayout(GraphPnl);
  outer->setContentsMargins(10, 10, 10, 10);
  outer->setSpacing(4);
  EditPnl = new QWidget(GraphPnl);
  EditPnl->setObjectName(QStringLiteral("EditPnl"));
  auto* edits = new QHBoxLayout(EditPnl);
  edits->setContentsMargins(5, 0, 5, 0);
  auto pair = [this, edits](QLabel*& lbl, const char* lbl_name, const char* caption,
                            QLineEdit*& edit, const char* edit_name) {
    lbl = new QLabel(QString::fromLatin1(caption), EditPnl);
    lbl->setObjectName(QString::fromLatin1(lbl_name));
    edit = new QLineEdit(QStringLiteral("    0.00"), EditPnl);
    edit->setObjectName(QString::fromLatin1(edit_name));
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000.000")) + 8);
    edits->addWidget(lbl);
    edits->addWidget(edit);
  };
  pair(StartLbl, "StartLbl", "Start:  ", StartEdit, "StartEdit");
  edits->addStretch(1);
  pair(CursorLbl, "CursorLbl", "Cursor:  ", CursorEdit, "CursorEdit");
  edits->addStretch(1);
  pair(StopLbl, "StopLbl", "Stop: ", StopEdit, "StopEdit");
  outer->addWidget(EditPnl);

  auto* body = new QHBoxLayout;
  body->setSpacing(0);
  LabelPnl = new QWidget(GraphPnl);
  LabelPnl->setObjectName(QStringLiteral("LabelPnl"));
  GraphDsp = new PanGraph(ctx_, core_, GraphPnl);
  LabelDsp = new PanScale(GraphDsp, LabelPnl);
  auto* scale_box = new QVBoxLayout(LabelPnl);
  scale_box->setContentsMargins(0, 0, 0, 0);
  scale_box->addWidget(LabelDsp);
  LabelPnl->setFixedWidth(LabelDsp->sizeHint().width());
  body->addWidget(LabelPnl);
  body->addWidget(GraphDsp, 1);
  outer->addLayout(body, 1);
  setCentralWidget(GraphPnl);
  statusBar()->setObjectName(QStringLiteral("StatusBar1"));
  GraphDsp->on_move = [this](int x) {
    CursorEdit->setText(ToQt(PanFreqText(core_.sweep().CursorFreq(x, GraphDsp->width()))));
  };

  File1 = menuBar()->addMenu(QStringLiteral("&File"));
  File1->setObjectName(QStringLiteral("File1"));
  New1 = AddItem(File1, "New1", "&New", [this] { core_.New1Click(); });
  Open1 = AddItem(File1, "Open1", "&Open...",
                  [this] { ctx_.commands().Post(AppCommand::kPanFileOpen); });
  Save1 = AddItem(File1, "Save1", "&Save",
                  [this] { ctx_.commands().Post(AppCommand::kPanFileSave); });
  Saveas1 = AddItem(File1, "Saveas1", "Save &as...",
                    [this] { ctx_.commands().Post(AppCommand::kPanFileSaveAs); });
  Scan1 = menuBar()->addAction(QStringLiteral("&Rescan"));
  Scan1->setObjectName(QStringLiteral("Scan1"));
  connect(Scan1, &QAction::triggered, this, [this] { core_.Scan1Click(); });
  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
  Stations1 = AddItem(
      view, "Stations1", "&Stations on peaks",
      [this] {
        GraphDsp->set_labels(Stations1->isChecked());
        WriteIntSetting(ctx_.profile(), kPanOptionsSection, kPanStationsKey,
                        Stations1->isChecked() ? 1 : 0, 1);
        GraphDsp->Redraw();
      },
      true);
  Stations1->setChecked(ctx_.profile().ReadInt(kPanOptionsSection, kPanStationsKey, 0) == 1);
  GraphDsp->set_labels(Stations1->isChecked());

  const int dpi = logicalDpiX();
  const int w = ctx_.profile().ReadInt(kPanWindowsSection, "PANDISPX", 0);
  const int h = ctx_.profile().ReadInt(kPanWindowsSection, "PANDISPY", 0);
  resize(w > 0 ? w : PanRound(6.667 * dpi), h > 0 ? h : PanRound(2.052 * dpi));

  subscriptions_.push_back(core_.changed.Subscribe([this] { ShowState(); }));
  subscriptions_.push_back(
      core_.plotted.Subscribe([this](const PanSegment& s) { GraphDsp->DrawSegment(s); }));
  ShowState();
}

TPanDisp::~TPanDisp() {
  WriteIntSetting(ctx_.profile(), kPanWindowsSection, "PANDISPX", width(), 1);
  WriteIntSetting(ctx_.profile(), kPanWindowsSection, "PANDISPY", height(), 1);
}

void TPanDisp::ShowState() {
  setWindowTitle(ToQt(core_.caption()));
  StartEdit->setText(ToQt(PanFreqText(core_.sweep().lower())));
  StopEdit->setText(ToQt(PanFreqText(core_.sweep().upper())));
  statusBar()->showMessage(ToQt(core_.status()));
  const PanMenuState& m = core_.menu();
  File1->setEnabled(m.file);
  File1->menuAction()->setEnabled(m.file);
  Save1->setEnabled(m.save);
  Saveas1->setEnabled(m.save_as);
  Scan1->setEnabled(m.scan);
  GraphDsp->Redraw();
  LabelDsp->update();
}

void TPanDisp::keyPressEvent(QKeyEvent* e) {
  if (e->text() == QStringLiteral(".")) {
    core_.KeyChar('.');
    return;
  }
  QMainWindow::keyPressEvent(e);
}

void TPanDisp::changeEvent(QEvent* e) {
  if (e->type() == QEvent::ActivationChange) {
    if (isActiveWindow()) {
      core_.FormActivate();
    } else {
      core_.FormDeactivate();
    }
  }
  QMainWindow::changeEvent(e);
}

}  // namespace r8
