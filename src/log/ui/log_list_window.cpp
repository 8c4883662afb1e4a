#include "log/ui/log_list_window.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>

#include <QAbstractTableModel>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "common/format.h"
#include "common/ui/menu_items.h"
#include "freqlist/list_tuning.h"
#include "help/help_topics.h"
#include "log/adif_export.h"
#include "log/log_export.h"
#include "log/log_file.h"
#include "log/ui/format_edit_dialog.h"
#include "log/ui/log_entry_dialog.h"

namespace r8 {

namespace {

QString L1(const std::string& s) {
  return QString::fromLatin1(s.data(), static_cast<int>(s.size()));
}

// Column widths in inches; the notes and index columns are all but hidden. A wider font than
// the widths were made for widens a column to its longest usual text.
constexpr double kWidths[] = {0.885, 0.521, 0.677, 0.448, 0.729, 0.521, 0.75, 2.125, 0.0, 0.0};
constexpr const char* kSamples[] = {"174.0000 MHz", "2359w", "30 Sep 26", "RTTY",
                                    "850/170 Hz",   "55555", "WWWWWWW"};

}  // namespace

// The table model the view shows: the core grid's data rows, its heading row as the header.
class LogTableModel : public QAbstractTableModel {
 public:
  LogTableModel(LogTable& table, QObject* parent) : QAbstractTableModel(parent), table_(table) {}
  void Reset() {
    beginResetModel();
    endResetModel();
  }
  void RowChanged(int row) { emit dataChanged(index(row, 0), index(row, kLogColumnCount - 1)); }
  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : table_.grid().DataRowCount();
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : kLogColumnCount;
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return L1(table_.grid().Cell(index.column(), index.row() + 1));
    if (role == Qt::TextAlignmentRole) {
      const int c = index.column();
      const Qt::Alignment h = c == 0 ? Qt::AlignRight : c <= 6 ? Qt::AlignHCenter : Qt::AlignLeft;
      return QVariant::fromValue(h | Qt::AlignVCenter);
    }
    return {};
  }
  QVariant headerData(int section, Qt::Orientation o, int role) const override {
    if (o != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return L1(table_.grid().Cell(section, 0));
    if (role == Qt::TextAlignmentRole) {
      return QVariant::fromValue((section >= 7 ? Qt::AlignLeft : Qt::AlignHCenter) |
                                 Qt::AlignVCenter);
    }
    if (role == Qt::FontRole) {
      const int sorted = table_.sort_column() < 0 ? kLogCellIndex : table_.sort_column();
      QFont f;
      f.setBold(section == sorted);
      return f;
    }
    return {};
  }

 private:
  LogTable& table_;
};

TLogList::TLogList(AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::Window), ctx_(ctx) {
  setObjectName(QStringLiteral("LogList"));
  setWindowTitle(QStringLiteral("Log Display"));
  SetHelpContext(this, kHelpLogging);
  setStyleSheet(
      QStringLiteral("QWidget#LogList { background: #2b2d31; }"
                     "QLabel { color: #dcdfe4; }"
                     "QMenuBar { background: #2b2d31; color: #dcdfe4; }"
                     "QMenuBar::item:selected { background: #484c53; }"
                     "QTableView { background: #1e2024; color: #dcdfe4; gridline-color: #3a3d43;"
                     " selection-background-color: #484c53; selection-color: #ffd26a; }"
                     "QHeaderView::section { background: #2b2d31; color: #9aa0a8;"
                     " border: 1px solid #3a3d43; padding: 2px; }"
                     "QPlainTextEdit { background: #1e2024; color: #dcdfe4; border: none; }"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  LogLst2 = new QTableView(this);
  LogLst2->setObjectName(QStringLiteral("LogLst2"));
  model_ = new LogTableModel(table_, LogLst2);
  LogLst2->setModel(model_);
  LogLst2->setSelectionBehavior(QAbstractItemView::SelectRows);
  LogLst2->setSelectionMode(QAbstractItemView::ExtendedSelection);
  LogLst2->setEditTriggers(QAbstractItemView::NoEditTriggers);
  LogLst2->setWordWrap(false);
  LogLst2->setShowGrid(true);
  LogLst2->verticalHeader()->hide();
  LogLst2->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  LogLst2->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  LogLst2->horizontalHeader()->setHighlightSections(false);
  LogLst2->horizontalHeader()->setSectionsClickable(true);
  LogLst2->setContextMenuPolicy(Qt::CustomContextMenu);
  LogLst2->viewport()->installEventFilter(this);
  LogLst2->installEventFilter(this);

  LogDetails = new QPlainTextEdit(this);
  LogDetails->setObjectName(QStringLiteral("LogDetails"));
  LogDetails->setReadOnly(true);
  auto* splitter = new QSplitter(Qt::Vertical, this);
  splitter->setObjectName(QStringLiteral("Splitter1"));
  splitter->addWidget(LogLst2);
  splitter->addWidget(LogDetails);
  splitter->setStretchFactor(0, 4);
  splitter->setStretchFactor(1, 1);
  StatusBar1 = new QLabel(this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setContentsMargins(4, 2, 4, 2);
  BuildMenus();
  layout->addWidget(splitter);
  layout->addWidget(StatusBar1);

  connect(LogLst2, &QTableView::activated, this, [this] { HandleInput(); });
  connect(LogLst2->horizontalHeader(), &QHeaderView::sectionClicked, this,
          [this](int section) { SortClick(section); });
  connect(LogLst2->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { PullSelection(); });
  connect(LogLst2->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this] { PullSelection(); });

  const int dpi = logicalDpiX();
  resize(ctx_.profile().ReadInt("WINDOWS", "LOGLISTX", static_cast<int>(std::lround(dpi * 6.667))),
         ctx_.profile().ReadInt("WINDOWS", "LOGLISTY", static_cast<int>(std::lround(dpi * 2.052))));
  // Never so small that the headings and a few entries cannot show.
  setMinimumSize(static_cast<int>(std::lround(dpi * 4.0)),
                 static_cast<int>(std::lround(dpi * 2.0)));
  resize(std::max(width(), fontMetrics().horizontalAdvance(QStringLiteral("W")) * 70),
         std::max(height(), LogLst2->verticalHeader()->defaultSectionSize() * 14));
  SizeColumns();
  CheckSortItems();
  EditClick();
}

TLogList::~TLogList() {
  WriteIntSetting(ctx_.profile(), "WINDOWS", "LOGLISTX", width(), 0);
  WriteIntSetting(ctx_.profile(), "WINDOWS", "LOGLISTY", height(), 0);
  // The view goes before the table it shows, and tells this window nothing on its way.
  LogLst2->selectionModel()->disconnect(this);
  delete LogLst2;
}

QMenu* TLogList::BuildSortMenu(QWidget* parent, std::vector<QAction*>& items, const char* suffix) {
  auto* menu = new QMenu(QStringLiteral("&Sort"), parent);
  static constexpr const char* kItems[] = {"&Frequency", "&Time",       "&Date",
                                           "&Mode",      "&Rate/Shift", "S&INPO",
                                           "&Call",      "&Station",    "&Original order"};
  static constexpr const char* kNames[] = {"SortFreq", "SortTime",    "SortDate",
                                           "SortMode", "SortRate",    "SortSINPO",
                                           "SortCall", "SortStation", "SortOriginal"};
  auto* group = new QActionGroup(menu);
  for (int i = 0; i < 9; ++i) {
    if (i == 8) menu->addSeparator();
    const int column = i == 8 ? kLogCellIndex : i;
    const std::string name = std::string(kNames[i]) + suffix;
    QAction* a = AddItem(
        menu, name.c_str(), kItems[i], [this, column] { SortClick(column); }, true);
    group->addAction(a);
    items.push_back(a);
  }
  return menu;
}

void TLogList::BuildMenus() {
  auto* bar = new QMenuBar(this);
  layout()->setMenuBar(bar);
  auto post = [this](AppCommand c) { return [this, c] { ctx_.commands().Post(c); }; };

  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  AddItem(file, "Open1", "&Open...", post(AppCommand::kLogOpen))
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
  AddItem(file, "MarrowbyParser1", "Marrowby Parser", [this] { RunParser(); });
  file->addSeparator();
  AddItem(file, "ExportAll1", "&Export all", [this] {
    ExportAll();
  })->setShortcut(QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_F4));
  AddItem(file, "ExportSelected1", "Export &selected", [this] {
    ExportSelected();
  })->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F4));
  file->addSeparator();
  AddItem(file, "Print1", "&Print", [this] {
    PrintLog();
  })->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F4));
  AddItem(file, "PrintPreview1", "Print pre&view", [this] { PrintLog(true); });
  AddItem(file, "PrintReport1", "Print &report", [this] { PrintReport(); });
  file->addSeparator();
  AddItem(file, "ExportAdif1", "Export &ADIF...", [this] { ExportAdif(false); });
  AddItem(file, "ExportAdifSelected1", "Export selected as A&DIF...", [this] { ExportAdif(true); });

  QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
  Modify1 = AddItem(edit, "Modify1", "&Modify", [this] { CMEditChange(); });
  Modify1->setShortcut(QKeySequence(Qt::Key_Insert));
  AddItem(edit, "AddEntry1", "&Add entry", post(AppCommand::kLogEntry))
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  Delete1 = AddItem(edit, "Delete1", "D&elete", [this] { CMEditDelete(); });
  Delete1->setShortcut(QKeySequence(Qt::Key_Delete));

  QMenu* format = bar->addMenu(QStringLiteral("F&ormat"));
  format->addMenu(BuildSortMenu(format, sort_items, "1"));
  format->addSeparator();
  AddItem(format, "FormatExport1", "&Export...", [this] { EditFormat(FormatKind::kExport); });
  AddItem(format, "FormatReport1", "&Report...", [this] { EditFormat(FormatKind::kReport); });
  for (QMenu* m : {file, edit, format})
    connect(m, &QMenu::aboutToShow, this, [this] { EditClick(); });

  // The popup: the same handlers; its items carry no shortcuts of their own.
  auto* popup = new QMenu(this);
  popup->setObjectName(QStringLiteral("PopupMenu1"));
  Modify2 = AddItem(popup, "Modify2", "&Modify", [this] { CMEditChange(); });
  Delete2 = AddItem(popup, "Delete2", "D&elete", [this] { CMEditDelete(); });
  popup->addSeparator();
  AddItem(popup, "ExportSelected2", "E&xport selected", [this] { ExportSelected(); });
  AddItem(popup, "PrintReport2", "Print &report", [this] { PrintReport(); });
  popup->addSeparator();
  popup->addMenu(BuildSortMenu(popup, sort_items2, "2"));
  connect(LogLst2, &QWidget::customContextMenuRequested, this, [this, popup](const QPoint& at) {
    if (!LogLst2->indexAt(at).isValid()) return;
    EditClick();
    popup->popup(LogLst2->viewport()->mapToGlobal(at));
  });
}

bool TLogList::CMToolsLog() {
  const LogFile log(LogFilePath(ctx_.data_folder(), ctx_.settings().log_file));
  std::string error;
  LogLines lines;
  if (!log.Read(lines, error)) {
    ShowMessage(ctx_.prompts(), MessageKind::kError, error);
    return false;
  }
  file_ = std::move(lines);
  const std::string name = log.path().filename().string();
  setWindowTitle(L1("Log Display - [" + name + "]"));
  table_.Load(file_);
  ShowTable();
  if (table_.unreadable() > 0 &&
      (table_.unreadable() != warned_unreadable_ || log.path().string() != warned_file_)) {
    warned_unreadable_ = table_.unreadable();
    warned_file_ = log.path().string();
    Warn(std::to_string(table_.unreadable()) + " line(s) of " + name +
         " could not be read as log entries (the first is line " +
         std::to_string(table_.first_unreadable()) +
         "). They are not shown and are kept in the file unchanged.");
  }
  return true;
}

void TLogList::Warn(const std::string& text) {
  ShowMessage(ctx_.prompts(), MessageKind::kWarning, text);
}

void TLogList::ShowTable() {
  model_->Reset();
  PushSelection();
  CheckSortItems();
  FormActivate();
}

void TLogList::PushSelection() {
  pushing_ = true;
  QItemSelection sel;
  for (int r : table_.grid().SelectedRows()) {
    sel.select(model_->index(r - 1, 0), model_->index(r - 1, kLogColumnCount - 1));
  }
  QItemSelectionModel* s = LogLst2->selectionModel();
  const int focus = table_.grid().ItemIndex();
  if (focus >= 1) {
    s->setCurrentIndex(model_->index(focus - 1, 0), QItemSelectionModel::NoUpdate);
    LogLst2->scrollTo(model_->index(focus - 1, 0));
  }
  s->select(sel, QItemSelectionModel::ClearAndSelect);
  pushing_ = false;
}

void TLogList::PullSelection() {
  if (pushing_) return;
  std::vector<int> rows;
  for (const QModelIndex& i : LogLst2->selectionModel()->selectedRows())
    rows.push_back(i.row() + 1);
  const QModelIndex current = LogLst2->selectionModel()->currentIndex();
  table_.grid().SetSelection(rows, current.isValid() ? current.row() + 1 : -1);
  FormActivate();
}

void TLogList::CheckSortItems() {
  const int sorted = table_.sort_column() < 0 ? 8 : table_.sort_column();
  for (auto* items : {&sort_items, &sort_items2}) {
    if (static_cast<int>(items->size()) > sorted)
      (*items)[static_cast<std::size_t>(sorted)]->setChecked(true);
  }
  model_->headerDataChanged(Qt::Horizontal, 0, kLogColumnCount - 1);
}

void TLogList::SortClick(int column) {
  if (column < 0 || column > kLogCellIndex) return;
  table_.SortClick(column);
  ShowTable();
}

void TLogList::EditClick() {
  const bool one = table_.CanEdit();
  for (QAction* a : {Modify1, Delete1, Modify2, Delete2}) a->setEnabled(one);
}

void TLogList::FormActivate() {
  StatusBar1->setText(L1(table_.StatusText()));
  LogDetails->setPlainText(L1(table_.NotesText()));
  EditClick();
}

bool TLogList::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) FormActivate();
  if (e->type() == QEvent::WindowDeactivate) StatusBar1->clear();
  return QWidget::event(e);
}

bool TLogList::eventFilter(QObject* watched, QEvent* e) {
  // "." typed here goes to the faceplate's frequency entry.
  if (watched == LogLst2 && e->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(e)->text() == QStringLiteral(".")) {
    ctx_.commands().Post(AppCommand::kKeypadChar, '.');
    return true;
  }
  // "Station Name" follows the view's width.
  if (watched == LogLst2->viewport() && e->type() == QEvent::Resize) SizeColumns();
  return QWidget::eventFilter(watched, e);
}

void TLogList::SizeColumns() {
  const int dpi = logicalDpiX();
  const QFontMetrics fm(LogLst2->font());
  int used = 0;
  for (int c = 0; c < 7; ++c) {
    const int w = std::max(static_cast<int>(std::lround(dpi * kWidths[c])),
                           fm.horizontalAdvance(QString::fromLatin1(kSamples[c])) + 14);
    LogLst2->setColumnWidth(c, w);
    used += w;
  }
  LogLst2->setColumnHidden(kLogCellNotes, true);
  LogLst2->setColumnHidden(kLogCellIndex, true);
  // "Station Name" takes what is left, never less than a long name.
  const int station = LogLst2->viewport()->width() - used;
  LogLst2->setColumnWidth(
      7, std::max(station, fm.horizontalAdvance(QStringLiteral("Radio Station Name"))));
}

void TLogList::HandleInput() {
  const RadioState& r = ctx_.radio();
  if (!r.PowerOn || r.ScanState == ScanStateCode::kReceiverScan) return;
  const std::string row = table_.TuneRow();
  if (!row.empty()) TuneToListRow(ctx_, ListWindow::kLogList, row, true);
}

void TLogList::Edit(bool remove) {
  // The file may have changed since it was shown: the entry is found in what it holds now.
  const LogFile log(LogFilePath(ctx_.data_folder(), ctx_.settings().log_file));
  std::string error;
  LogLines now;
  if (!log.Read(now, error)) {
    ShowMessage(ctx_.prompts(), MessageKind::kError, error);
    return;
  }
  const std::optional<LogEditRequest> q = table_.DoEdit(file_);
  if (!q) return;
  TLogEDlg dialog(ctx_, this);
  dialog.show_help = show_help;
  dialog.SetMode(remove ? LogEntryMode::kDelete : LogEntryMode::kModify, &*q);
  if (dialog.exec() != QDialog::Accepted) return;
  const int row = table_.grid().ItemIndex();
  LogLines after;
  if (!log.Read(after, error)) return;
  file_ = std::move(after);
  if (remove) {
    table_.RowDeleted(q->line);
    model_->Reset();
    PushSelection();
  } else {
    table_.RowModified(q->line, dialog.last_written());
    if (row >= 1) model_->RowChanged(row - 1);
  }
  FormActivate();
}

void TLogList::RunParser() {
  const std::filesystem::path parser = ctx_.data_folder() / "Marrowby Parser.exe";
  std::error_code ec;
  if (!std::filesystem::is_regular_file(parser, ec) ||
      !ctx_.launcher().Start(parser, {}, ctx_.data_folder())) {
    ShowLaunchError(ctx_.prompts(), parser);
  }
}

void TLogList::CMEditChange() { Edit(false); }
void TLogList::CMEditDelete() { Edit(true); }

std::vector<std::string> TLogList::AllEntryLines() {
  std::string error;
  return LogFile(LogFilePath(ctx_.data_folder(), ctx_.settings().log_file)).AllEntryLines(error);
}

// The export, the report and the printout belong to the log menu, which owns this window.
void TLogList::ExportAll() { ctx_.commands().Post(AppCommand::kLogExport); }
void TLogList::ExportSelected() { ctx_.commands().Post(AppCommand::kLogExport2); }
void TLogList::PrintReport() { ctx_.commands().Post(AppCommand::kLogReport); }
void TLogList::PrintLog(bool preview) {
  ctx_.commands().Post(AppCommand::kLogPrint, preview ? 1 : 0);
}

void TLogList::ExportAdif(bool selected) {
  std::vector<std::string> lines;
  if (selected) {
    lines = SelectedEntryLines();
  } else {
    std::string error;
    lines = LogFile(LogFilePath(ctx_.data_folder(), ctx_.settings().log_file)).AllEntryLines(error);
    if (!error.empty()) {
      ShowMessage(ctx_.prompts(), MessageKind::kError, error);
      return;
    }
  }
  const std::optional<std::filesystem::path> out = AskOutputFile(ctx_, "ADIF", ".adi");
  if (!out) return;
  const ClockReading utc = GetClock(ctx_.clock(), UtcOffsetHours(ctx_.settings()), 0);
  const AdifExportResult r = ExportAdifFile(lines, *out, AdifTime(utc), R8_VERSION);
  if (!r.error.empty()) {
    ShowMessage(ctx_.prompts(), MessageKind::kError, out->string() + " could not be written: " + r.error);
  } else if (r.skipped > 0) {
    ShowMessage(ctx_.prompts(), MessageKind::kInformation,
                std::to_string(r.written) + " entries were written to " + out->string() + "; " +
                    std::to_string(r.skipped) + " lines of the log are no entries and were left out.");
  }
}

void TLogList::EditFormat(FormatKind kind) {
  TFormEdit editor(ctx_, kind, this, show_help);
  editor.exec();
}


}  // namespace r8
