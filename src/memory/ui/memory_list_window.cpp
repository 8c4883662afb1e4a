#include "memory/ui/memory_list_window.h"

#include <algorithm>
#include <cmath>

#include <QDropEvent>

#include <QLabel>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "common/ui/menu_items.h"
#include "memory/memory_commands.h"
#include "memory/memory_edit.h"
#include "memory/memory_print.h"
#include "memory/ui/memory_comment_dialog.h"
#include "memory/ui/memory_edit_dialog.h"

namespace r8 {
namespace {

// Tab stops (pixels at 96 dpi) and how each field sits on its stop: centred, ending at it, or
// starting at it.
constexpr int kStops[] = {18, 88, 92, 128, 154, 185, 217, 253, 292, 327, 358, 381};
constexpr char kAlign[] = "CRLCCCCCCCCL";

// The text before the first tab at the left edge, the field after the k-th tab on stop k.
void DrawTabbed(QPainter* p, const QRect& rect, const QString& text) {
  const QFontMetrics fm(p->font());
  // The stops were laid out for a digit 6 pixels wide; a wider font spreads them.
  const double scale = std::max(1.0, fm.horizontalAdvance(QLatin1Char('0')) / 6.0);
  const QStringList fields = text.split(QLatin1Char('\t'));
  for (int k = 0; k < fields.size(); ++k) {
    int x = rect.left() + 2;
    if (k > 0) {
      const int i = std::min(k - 1, 11);
      const int stop = rect.left() + static_cast<int>(std::lround(kStops[i] * scale));
      const int w = fm.horizontalAdvance(fields[k]);
      x = kAlign[i] == 'C' ? stop - w / 2 : kAlign[i] == 'R' ? stop - w : stop;
    }
    p->drawText(QRect(x, rect.top(), rect.right() - x, rect.height()),
                Qt::AlignVCenter | Qt::AlignLeft, fields[k]);
  }
}

class RowDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    p->save();
    p->fillRect(option.rect, selected ? QColor(0x48, 0x4c, 0x53) : QColor(0x1e, 0x20, 0x24));
    p->setPen(selected ? QColor(0xff, 0xd2, 0x6a) : QColor(0xdc, 0xdf, 0xe4));
    p->setFont(option.font);
    DrawTabbed(p, option.rect, index.data().toString());
    p->restore();
  }
};

// The column titles over the rows, on the rows' own stops.
class HeaderRow : public QWidget {
 public:
  HeaderRow(QWidget* parent, const QFont& font) : QWidget(parent) {
    setObjectName(QStringLiteral("HeaderControl1"));
    setFont(font);
    setFixedHeight(QFontMetrics(font).height() + 6);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(0x2b, 0x2d, 0x31));
    p.setPen(QColor(0x9a, 0xa0, 0xa8));
    DrawTabbed(
        &p, rect(),
        QStringLiteral("\tMem\tFrequency\t\tAnt\tRF\tAGC\tBW\tMode\tBlank\tNch\tSyn\tNotes:"));
  }
};

}  // namespace

TMemList::TMemList(AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::Window), ctx_(ctx) {
  setObjectName(QStringLiteral("MemList"));
  setWindowTitle(QStringLiteral("Memories"));
  setStyleSheet(
      QStringLiteral("QWidget#MemList { background: #2b2d31; }"
                     "QLabel { color: #dcdfe4; }"
                     "QMenuBar { background: #2b2d31; color: #dcdfe4; }"
                     "QMenuBar::item:selected { background: #484c53; }"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* bar = new QMenuBar(this);
  layout->setMenuBar(bar);

  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  AddItem(file, "New1", "&New", [this] { ctx_.commands().Post(AppCommand::kMemoryNew); });
  AddItem(file, "Open1", "&Open...", [this] { ctx_.commands().Post(AppCommand::kMemoryOpen); });
  Save1 =
      AddItem(file, "Save1", "&Save", [this] { ctx_.commands().Post(AppCommand::kMemorySave); });
  AddItem(file, "SaveAs1", "Save &as...",
          [this] { ctx_.commands().Post(AppCommand::kMemorySaveAs); });
  file->addSeparator();
  AddItem(file, "Print1", "&Print", [this] { ctx_.commands().Post(AppCommand::kMemoryPrint); });
  AddItem(file, "PrintPreview1", "Print pre&view",
          [this] { ctx_.commands().Post(AppCommand::kMemoryPrint, kMemoryPrintPreview); });
  QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
  Modify1 = AddItem(edit, "Modify1", "&Modify",
                    [this] { SetMemory(static_cast<int>(EditAction::kModify)); });
  Modify1->setShortcut(QKeySequence(Qt::Key_Insert));
  Move1 =
      AddItem(edit, "Move1", "Mo&ve", [this] { SetMemory(static_cast<int>(EditAction::kMove)); });
  Move1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_V));
  Insert1 = AddItem(edit, "Insert1", "&Insert",
                    [this] { ctx_.commands().Post(AppCommand::kTuningChInsert); });
  Insert1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
  Clear1 = AddItem(edit, "Clear1", "&Clear", [this] { CMEditDelete(); });
  Clear1->setShortcut(QKeySequence(Qt::Key_Delete));
  QMenu* tools = bar->addMenu(QStringLiteral("&Tools"));
  Capture1 = AddItem(tools, "Capture1", "&Capture",
                     [this] { ctx_.commands().Post(AppCommand::kMemoryCapture); });
  Capture1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
  Fill1 =
      AddItem(tools, "Fill1", "&Fill", [this] { ctx_.commands().Post(AppCommand::kMemoryFill); });
  Fill1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
  tools->addSeparator();
  AddItem(tools, "Editcomment1", "&Edit comment", [this] { Editcomment1Click(); });
  for (QMenu* m : {file, edit, tools})
    connect(m, &QMenu::aboutToShow, this, [this] { EditClick(); });

  MemLst = new QListWidget(this);
  MemLst->setObjectName(QStringLiteral("MemLst"));
  MemLst->setItemDelegate(new RowDelegate(MemLst));
  MemLst->setStyleSheet(QStringLiteral("QListWidget { background: #1e2024; border: none; }"));
  QFont mono = MemLst->font();
  mono.setStyleHint(QFont::TypeWriter);
  MemLst->setFont(mono);
  MemLst->setUniformItemSizes(true);
  MemLst->setContextMenuPolicy(Qt::ActionsContextMenu);
  MemLst->addActions({Modify1, Move1, Insert1, Clear1});
  layout->addWidget(new HeaderRow(this, mono));
  layout->addWidget(MemLst);
  StatusLbl = new QLabel(this);
  StatusLbl->setObjectName(QStringLiteral("StatusLbl"));
  layout->addWidget(StatusLbl);
  MemLst->viewport()->setAcceptDrops(true);
  MemLst->viewport()->installEventFilter(this);
  MemLst->installEventFilter(this);
  connect(MemLst, &QListWidget::itemActivated, this, [this] { HandleInput(); });
  connect(MemLst, &QListWidget::currentRowChanged, this, [this] { EditClick(); });

  on_changed_ = ctx_.events().memory_table_changed.Subscribe([this] { FillMemList(); });
  const int dpi = logicalDpiX();
  resize(ctx_.profile().ReadInt("WINDOWS", "MEMLISTX", static_cast<int>(std::lround(dpi * 6.667))),
         ctx_.profile().ReadInt("WINDOWS", "MEMLISTY", static_cast<int>(std::lround(dpi * 2.052))));
  FillMemList();
}

TMemList::~TMemList() {
  WriteIntSetting(ctx_.profile(), "WINDOWS", "MEMLISTX", width(), 0);
  WriteIntSetting(ctx_.profile(), "WINDOWS", "MEMLISTY", height(), 0);
}

void TMemList::FillMemList() {
  const MemoryDocument& doc = ctx_.memory();
  setWindowTitle(QString::fromLatin1(MemTitle(doc).c_str()));
  const int model = ctx_.settings().RadioModel;
  const int count = MemoryChannelCount(model);
  const int keep = MemLst->currentRow();
  MemLst->setUpdatesEnabled(false);
  if (MemLst->count() != count) {
    MemLst->clear();
    for (int c = 0; c < count; ++c) MemLst->addItem(QString());
  }
  for (int c = 0; c < count; ++c) {
    MemLst->item(c)->setText(QString::fromLatin1(MemDisplayLine(c, doc.slot(c), model).c_str()));
  }
  MemLst->setUpdatesEnabled(true);
  if (keep >= 0 && keep < count) MemLst->setCurrentRow(keep);
  EditClick();
}

void TMemList::SelectChannel(int channel) {
  if (channel >= 0 && channel < MemLst->count()) MemLst->setCurrentRow(channel);
}

int TMemList::SelectedChannel() const { return MemLst->currentRow(); }

void TMemList::EditClick() {
  const bool idle = !ctx_.scan().active;
  const bool connected = ctx_.link().PortError() == 0;
  Clear1->setEnabled(SelectedChannel() >= 0 && idle);
  Modify1->setEnabled(SelectedChannel() >= 0 && idle);
  Move1->setEnabled(ctx_.memory().Occupied(SelectedChannel()) && idle);
  Insert1->setEnabled(connected && idle);
  Save1->setEnabled(ctx_.memory().modified == 1);
  Capture1->setEnabled(connected && idle);
  Fill1->setEnabled(connected && idle);
  const int c = SelectedChannel();
  StatusLbl->setText(c >= 0 ? QStringLiteral(" Double-click to tune to memory #%1").arg(c)
                            : QString());
}

void TMemList::HandleInput() {
  const int c = SelectedChannel();
  if (c >= 0) RecallMemory(ctx_, c);
}

void TMemList::CMEditDelete() {
  const int c = SelectedChannel();
  if (c < 0 || ctx_.scan().active) return;
  MessageRequest r;
  r.kind = MessageKind::kConfirmation;
  r.buttons = MessageButtons::kYesNo;
  r.text = ClearChannelQuestion(ctx_.settings().RadioModel, c);
  if (ctx_.prompts().Message(r) == Answer::kYes) DoDelete(ctx_, c);
}

void TMemList::SetMemory(int action) {
  const int c = SelectedChannel();
  if (c < 0 || ctx_.scan().active) return;
  const auto a = static_cast<EditAction>(action);
  if (a == EditAction::kMove && !ctx_.memory().Occupied(c)) return;
  TMemEditDlg dialog(ctx_, OpenForEdit(ctx_, a, c), this);
  if (dialog.exec() == QDialog::Accepted) ApplyEdit(ctx_, dialog.record(), c);
}

bool TMemList::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  // "." typed here goes to the faceplate's frequency entry.
  if (watched == MemLst && type == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->text() == QStringLiteral(".")) {
    ctx_.commands().Post(AppCommand::kKeypadChar, '.');
    return true;
  }
  if (watched != MemLst->viewport() ||
      (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)) {
    return QWidget::eventFilter(watched, event);
  }
  auto* drop = static_cast<QDropEvent*>(event);
  auto* source = qobject_cast<QListWidget*>(drop->source());
  if (!source || source->objectName() != QStringLiteral("FreqLst")) return false;
  drop->acceptProposedAction();
  if (type == QEvent::Drop) MemLstDropFreq(source);
  return true;
}

void TMemList::MemLstDropFreq(QListWidget* source) {
  QList<QListWidgetItem*> items = source->selectedItems();
  std::sort(items.begin(), items.end(), [source](QListWidgetItem* a, QListWidgetItem* b) {
    return source->row(a) < source->row(b);
  });
  std::vector<std::string> rows;
  for (QListWidgetItem* item : items) rows.push_back(item->text().toLatin1().toStdString());
  DropFreqInsert(ctx_, rows, source->window()->windowTitle().toLatin1().toStdString(),
                 [this](MemEditRecord& rec) {
                   TMemEditDlg dialog(ctx_, rec, this);
                   if (dialog.exec() != QDialog::Accepted) return false;
                   rec = dialog.record();
                   return true;
                 });
}

void TMemList::Editcomment1Click() {
  TMemCmtDlg dialog(ctx_.memory().comment, this);
  if (dialog.exec() == QDialog::Accepted) ApplyComment(ctx_, dialog.Lines());
}

}  // namespace r8
