#include "stations/ui/station_window_base.h"

#include <QCloseEvent>
#include <QEvent>
#include <QMenuBar>
#include <QPainter>

#include "app/app_context.h"
#include "common/ui/menu_items.h"
#include "common/ui/qt_text_canvas.h"
#include "common/ui/qt_user_prompts.h"

namespace r8 {
namespace {

QColor SettingColor(int bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

constexpr const char* kListStyle =
    "QMainWindow { background: #2b2d31; }"
    "QMenuBar { background: #2b2d31; color: #dcdfe4; }"
    "QMenuBar::item:selected { background: #484c53; }"
    "QStatusBar { background: #18191c; color: #c9ccd1; }"
    "QListWidget, QTableWidget { background: #f3f0e4; color: #101010; border: 2px solid #050505;"
    " selection-background-color: #2f5d8a; selection-color: #ffffff; gridline-color: #c9c4b2; }"
    "QLabel { color: #dcdfe4; }";

}  // namespace

TabbedRowDelegate::TabbedRowDelegate(const AppContext& ctx, std::vector<Layout> columns,
                                     QObject* parent)
    : QStyledItemDelegate(parent), ctx_(ctx), columns_(std::move(columns)) {}

void TabbedRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
  const Layout& layout = columns_[std::min<std::size_t>(static_cast<std::size_t>(index.column()),
                                                        columns_.size() - 1)];
  const bool selected = option.state.testFlag(QStyle::State_Selected);
  const bool flagged = index.data(Qt::UserRole).toBool();
  painter->save();
  painter->setClipRect(option.rect);  // a long name stays in its column
  if (selected) painter->fillRect(option.rect, option.palette.highlight());
  QColor text = selected ? option.palette.highlightedText().color() : option.palette.text().color();
  if (flagged) {
    const Settings& s = ctx_.settings();
    text = SettingColor(selected ? s.high_color : s.mark_color);
  }
  painter->setPen(text);
  painter->setFont(option.font);
  const std::string row = index.data(Qt::UserRole + 1).toByteArray().toStdString();
  QPainterTextCanvas canvas(*painter);
  const int top = option.rect.top() + (option.rect.height() - option.fontMetrics.height()) / 2;
  int left = option.rect.left() + 2;
  if (layout.centred) left = option.rect.center().x() - canvas.TextWidth(row) / 2;
  const double scale = option.widget ? option.widget->logicalDpiX() / 96.0 : 1.0;
  std::vector<int> stops;
  for (int s : layout.stops) stops.push_back(left + static_cast<int>(s * scale + 0.5));
  TextOutTabbed(canvas, {left, top, option.rect.right(), option.rect.bottom()}, row, layout.align,
                stops);
  painter->restore();
}

QSize TabbedRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
  QSize s = QStyledItemDelegate::sizeHint(option, index);
  s.setHeight(option.fontMetrics.height() + 4);
  return s;
}

StationWindowBase::StationWindowBase(AppContext& ctx, StationWindow which, QWidget* main_window)
    : QMainWindow(main_window, Qt::Tool), ctx_(ctx), set_(ctx.station_windows()), which_(which) {
  setAttribute(Qt::WA_DeleteOnClose);
  setStyleSheet(QString::fromLatin1(kListStyle));
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPointSize(8);
  f.setStyleHint(QFont::SansSerif);
  setFont(f);
  const double dpi = logicalDpiX();
  const WindowSize size = ReadWindowSize(ctx.profile(), ctx.profile().Exists(), which, dpi);
  resize(size.width, size.height);
  if (main_window) {
    // Directly below the main window, left edges aligned.
    const QRect frame = main_window->frameGeometry();
    move(frame.left(), frame.top() + frame.height() + 1);
  }
}

StationWindowBase::~StationWindowBase() = default;

void StationWindowBase::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) set_.Activated(which_);
  QMainWindow::changeEvent(event);
}

void StationWindowBase::closeEvent(QCloseEvent* event) {
  WriteWindowSize(ctx_.profile(), which_, {width(), height()});
  set_.Closed(which_);
  QMainWindow::closeEvent(event);
}

bool StationWindowBase::HandleKey(int key, Qt::KeyboardModifiers mods, const QString& text) {
  if (text == QStringLiteral(".")) {
    ctx_.commands().Post(AppCommand::kKeypadChar, '.');
    return true;
  }
  if (key == Qt::Key_Backtab || (key == Qt::Key_Tab && mods.testFlag(Qt::ShiftModifier))) {
    set_.CMShTabWindow(false);
    return true;
  }
  if (key == Qt::Key_Tab) {
    set_.CMTabWindow(false);
    return true;
  }
  return false;
}

void StationWindowBase::BuildEditMenu() {
  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  // The station lists say "&Modify", the others "M&odify"; the full schedule inserts before and
  // after a cell, the lists above and below a row.
  const bool lists = IsStationList(which_);
  const bool cells = which_ == StationWindow::kFullSchedule;
  const struct {
    const char* name;
    const char* caption;
    const char* action;
    QKeySequence key;
  } items[] = {
      {"Mark1", "&Mark", "mark", QKeySequence(Qt::CTRL | Qt::Key_Return)},
      {"Modify1", lists ? "&Modify" : "M&odify", "modify", QKeySequence(Qt::Key_Insert)},
      {"InsertBefore1", cells ? "Insert &before" : "Insert &above", "insert_before",
       QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
      {"InsertAfter1", cells ? "Insert &after" : "Insert &below", "insert_after",
       QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
      {"Delete1", "D&elete", "delete", QKeySequence(Qt::Key_Delete)},
  };
  for (const auto& i : items) {
    const std::string action = i.action;
    QAction* a = AddItem(edit, i.name, i.caption, [this, action] {
      const EditMenuState e = set_.EditMenu(which_);
      if (e.insert_above_only && action != "insert_before") return;
      if (e.enabled && on_edit) on_edit(which_, action, e.record);
    });
    a->setShortcut(i.key);
    edit_items_.emplace_back(a, action);
  }
  Mark1 = edit_items_.front().first;
  // The same items pop up on a right click in the list.
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this, [this, edit](const QPoint& at) {
    ShowEditMenu();
    edit->exec(mapToGlobal(at));
  });
}

void StationWindowBase::ShowEditMenu() {
  const EditMenuState e = set_.EditMenu(which_);
  // The items work once record editing has joined the window.
  for (auto& [item, action] : edit_items_) {
    item->setEnabled(e.enabled && bool(on_edit) &&
                     (!e.insert_above_only || action == "insert_before"));
  }
  Mark1->setText(ToQt(e.mark_caption));
}

}  // namespace r8
