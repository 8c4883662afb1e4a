#include "programmes/ui/dx_list_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "common/ui/menu_items.h"
#include "common/ui/qt_user_prompts.h"
#include "programmes/ui/dx_dialogs.h"

namespace r8 {

namespace {

constexpr char kSection[] = "WINDOWS";

// The settings hold Windows colours: red in the low byte.
QColor FromColorRef(int c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

}  // namespace

TDXList::TDXList(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx), programs_(ctx) {
  setObjectName(QStringLiteral("DXList"));
  setWindowTitle(QStringLiteral("Today's SWBC Programs"));
  setStyleSheet(QStringLiteral(
      "QWidget#DXList { background: #2b2d31; }"
      "QTreeWidget { background: #18191c; color: #dcdfe4; border: none; font-family: monospace; }"
      "QTreeWidget::item:selected { background: #484c53; }"
      "QHeaderView::section { background: #2b2d31; color: #c9ccd1; border: 0; padding: 2px; }"
      "QMenuBar { background: #2b2d31; color: #dcdfe4; }"
      "QLabel#StatusBar1 { background: #18191c; color: #c9ccd1; padding: 2px; }"));
  auto* bar = new QMenuBar(this);
  edit_ = bar->addMenu(QStringLiteral("&Edit"));
  Mark1 = AddItem(edit_, "Mark1", "&Mark", [this] { MarkClick(); });
  Mark1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
  Modify1 = AddItem(edit_, "Modify1", "M&odify", [this] { ModifyClick(); });
  Modify1->setShortcut(QKeySequence(Qt::Key_Insert));
  InsertBefore1 = AddItem(edit_, "InsertBefore1", "Insert &before", [this] { InsertClick(false); });
  InsertBefore1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
  InsertAfter1 = AddItem(edit_, "InsertAfter1", "Insert &after", [this] { InsertClick(true); });
  InsertAfter1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
  Delete1 = AddItem(edit_, "Delete1", "D&elete", [this] { DeleteClick(); });
  Delete1->setShortcut(QKeySequence(Qt::Key_Delete));
  edit_->addSeparator();
  Preview1 = AddItem(edit_, "Preview1", "Preview &mode", [this] { PreviewClick(); }, true);
  Filter1 = AddItem(edit_, "Filter1", "&Set filter", [this] { FilterClick(); });
  for (QAction* a : edit_->actions()) {
    a->setShortcutContext(Qt::WindowShortcut);
    addAction(a);
  }

  DXLst = new QTreeWidget(this);
  DXLst->setObjectName(QStringLiteral("DXLst"));
  DXLst->setHeaderLabels({QStringLiteral("Time"), QStringLiteral("Show"),
                          QStringLiteral("Station Name"), QStringLiteral("Notes")});
  DXLst->setRootIsDecorated(false);
  DXLst->setUniformRowHeights(true);
  DXLst->setDragEnabled(true);
  DXLst->setDragDropMode(QAbstractItemView::DragOnly);
  DXLst->setContextMenuPolicy(Qt::CustomContextMenu);
  DXLst->installEventFilter(this);
  connect(DXLst, &QTreeWidget::itemDoubleClicked, this, [this] { DXLstDblClick(); });
  connect(DXLst, &QTreeWidget::currentItemChanged, this, [this] { SelectionChanged(); });
  connect(DXLst, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { edit_->popup(DXLst->viewport()->mapToGlobal(p)); });
  StatusBar1 = new QLabel(this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(bar);
  layout->addWidget(DXLst);
  layout->addWidget(StatusBar1);

  const int dpi = logicalDpiX();
  QSize size(dpi * 15 / 2, dpi * 4);
  if (ctx_.settings_file_existed()) {
    size.setWidth(ctx_.profile().ReadInt(kSection, "DXLISTX", size.width()));
    size.setHeight(ctx_.profile().ReadInt(kSection, "DXLISTY", size.height()));
  }
  resize(size.expandedTo(QSize(200, 120)));
  DXLst->setColumnWidth(0, dpi * 5 / 8);
  DXLst->setColumnWidth(1, dpi * 2);
  DXLst->setColumnWidth(2, dpi * 5 / 2);

  update_command_ = ctx_.commands().Register(AppCommand::kDxPrograms, [this](int) {
    if (isVisible()) CMDXPrograms2();
  });
  // A database reload refills the window when it is open (the on-air names change with it).
  database_ = ctx_.events().database_changed.Subscribe([this](const DatabaseChange&) {
    if (isVisible()) CMDXPrograms2();
  });
  SelectionChanged();
}

TDXList::~TDXList() { SaveSize(); }

void TDXList::SaveSize() {
  WriteLongSetting(ctx_.profile(), kSection, "DXLISTX", width());
  WriteLongSetting(ctx_.profile(), kSection, "DXLISTY", height());
}

void TDXList::closeEvent(QCloseEvent* event) {
  SaveSize();
  QWidget::closeEvent(event);
}

void TDXList::CMDXPrograms2() {
  programs_.Fill();
  ShowView();
}

void TDXList::ShowView() {
  const DxListView& v = programs_.view();
  setWindowTitle(ToQt(v.caption));
  DXLst->clear();
  const QColor mark = FromColorRef(ctx_.settings().high_color);
  QList<QTreeWidgetItem*> items;
  for (const DxRow& r : v.rows) {
    auto* item = new QTreeWidgetItem;
    if (r.heading) {
      item->setText(0, ToQt(r.text));
      item->setForeground(0, mark);
    } else {
      // A programme dragged onto the timer list takes its file line along.
      item->setData(0, Qt::UserRole, QByteArray::fromStdString(r.file_line));
      const QStringList fields = ToQt(r.text).split(QLatin1Char('\t'));
      for (int c = 0; c < fields.size() && c < 4; ++c) {
        item->setText(c, fields[c]);
        if (r.heard) item->setForeground(c, mark);
        if (r.on_air) {
          item->setBackground(c, QColor(0x1f, 0x4d, 0x2b));
          QFont f = item->font(c);
          f.setBold(true);
          item->setFont(c, f);
        }
      }
    }
    items.append(item);
  }
  DXLst->addTopLevelItems(items);
  // A heading runs across the columns (spanning only holds once the row is in the list).
  for (std::size_t i = 0; i < v.rows.size(); ++i) {
    if (v.rows[i].heading) items[static_cast<int>(i)]->setFirstColumnSpanned(true);
  }
  if (v.selected >= 0) {
    // The row to show stands four rows below the top where the list allows.
    DXLst->scrollToItem(DXLst->topLevelItem(std::max(0, v.selected - 4)),
                        QAbstractItemView::PositionAtTop);
    DXLst->setCurrentItem(DXLst->topLevelItem(v.selected));
  }
  SelectionChanged();
}

int TDXList::SelectedRow() const {
  QTreeWidgetItem* item = DXLst->currentItem();
  return item ? DXLst->indexOfTopLevelItem(item) : -1;
}

void TDXList::SelectionChanged() {
  const int row = SelectedRow();
  const bool program = programs_.IsProgramRow(row);
  for (QAction* a : {Mark1, Modify1, Delete1}) a->setEnabled(program);
  for (QAction* a : {InsertBefore1, InsertAfter1}) a->setEnabled(programs_.CanInsert(row));
  Mark1->setText(program && programs_.view().rows[static_cast<std::size_t>(row)].heard
                     ? QStringLiteral("&Unmark")
                     : QStringLiteral("&Mark"));
  Preview1->setChecked(programs_.filter().preview);
  StatusBar1->setText(ToQt(programs_.StatusText(row)));
}

void TDXList::MarkClick() {
  if (programs_.Mark(SelectedRow())) ShowView();
}

void TDXList::ModifyClick() {
  const int row = SelectedRow();
  if (!programs_.IsProgramRow(row)) return;
  TDXEditDlg dlg(ctx_, programs_.EntryOf(row), this);
  if (dlg.exec() == QDialog::Accepted && programs_.Modify(row, dlg.entry())) ShowView();
}

void TDXList::InsertClick(bool after) {
  const int row = SelectedRow();
  if (!programs_.CanInsert(row)) return;
  TDXEditDlg dlg(ctx_, DxEntry{}, this);
  if (dlg.exec() == QDialog::Accepted && programs_.Insert(row, after, dlg.entry())) ShowView();
}

void TDXList::DeleteClick() {
  if (programs_.Delete(SelectedRow())) ShowView();
}

void TDXList::PreviewClick() {
  programs_.filter().preview = !programs_.filter().preview;
  CMDXPrograms2();
}

void TDXList::FilterClick() {
  TDXFilterDlg dlg(ctx_, programs_.filter(), this);
  if (dlg.exec() != QDialog::Accepted) return;
  programs_.filter() = dlg.filter();
  programs_.filter().preview = true;
  CMDXPrograms2();
}

void TDXList::DXLstDblClick() { programs_.FindFrequencies(SelectedRow()); }

bool TDXList::eventFilter(QObject* watched, QEvent* event) {
  if (watched == DXLst && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        key->modifiers() == Qt::NoModifier) {
      DXLstDblClick();
      return true;
    }
    // The keypad's decimal point belongs to the main window's frequency entry.
    if (key->text() == QStringLiteral(".")) {
      ctx_.commands().Post(AppCommand::kKeypadChar, '.');
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace r8
