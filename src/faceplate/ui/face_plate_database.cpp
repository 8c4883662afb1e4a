// The faceplate's database side: the file menu's database commands, loading behind the banner,
// the station list of the tuned frequency, and the save prompt.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStyledItemDelegate>
#include <QToolBar>

#include "app/app_context.h"
#include "app/ui/banner_window.h"
#include "common/confirm_save.h"
#include "common/ui/prog_bar_dialog.h"
#include "common/ui/qt_text_canvas.h"
#include "common/ui/qt_user_prompts.h"
#include "companion/ui/eibi_import_dialog.h"
#include "database/database_commands.h"
#include "faceplate/ui/face_plate_window.h"

namespace r8 {
namespace {

// Colours in the settings are stored with red in the low byte.
QColor SettingColor(int bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

// Draws a station line's TAB-separated fields at the list's tab stops; marked entries in the
// marking colours.
class StationLineDelegate : public QStyledItemDelegate {
 public:
  StationLineDelegate(const Settings& settings, QObject* parent)
      : QStyledItemDelegate(parent), settings_(settings) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const bool flagged = index.data(Qt::UserRole).toBool();
    painter->save();
    if (selected) painter->fillRect(option.rect, option.palette.highlight());
    QColor text =
        selected ? option.palette.highlightedText().color() : option.palette.text().color();
    if (flagged) text = SettingColor(selected ? settings_.high_color : settings_.mark_color);
    painter->setPen(text);
    painter->setFont(option.font);
    // The stops are laid out for a 96 dpi screen and follow the screen's scale.
    const double scale = option.widget ? option.widget->logicalDpiX() / 96.0 : 1.0;
    const std::vector<int> stops = {option.rect.left() + static_cast<int>(86 * scale + 0.5),
                                    option.rect.left() + static_cast<int>(115 * scale + 0.5),
                                    option.rect.left() + static_cast<int>(294 * scale + 0.5)};
    QPainterTextCanvas canvas(*painter);
    const int top = option.rect.top() + (option.rect.height() - option.fontMetrics.height()) / 2;
    TextOutTabbed(canvas, {option.rect.left() + 2, top, option.rect.right(), option.rect.bottom()},
                  index.data(Qt::UserRole + 1).toByteArray().toStdString(), "CLL", stops);
    painter->restore();
  }

 private:
  const Settings& settings_;
};

}  // namespace

void TFacePlate::BuildDatabaseMenu(QMenu* file) {
  OpenDatabase1 = file->addAction(QStringLiteral("&Open database"), this, &TFacePlate::UpdateAll);
  OpenDatabase1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F9));
  SaveDatabase1 = file->addAction(QStringLiteral("&Save database"), this, &TFacePlate::CMFileSave);
  SaveDatabase1->setShortcut(QKeySequence(Qt::Key_F9));
  DumpDatabase1 = file->addAction(QStringLiteral("&Dump database"), this, &TFacePlate::CMAllPrint);
  DumpDatabase1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F9));
  ImportDatabase1 =
      file->addAction(QStringLiteral("&Import database"), this, &TFacePlate::CMFileImport);
  ImportDatabase1->setShortcut(QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_F9));
  ImportEibi1 =
      file->addAction(QString::fromLatin1(kEibiImportCaption), this, &TFacePlate::CMImportEibi);
  SwapDatabase1 =
      file->addAction(QStringLiteral("S&wap database..."), this, &TFacePlate::CMSwapDatabase);
  SwapDatabase1->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F9));
  PublishDatabase1 =
      file->addAction(QStringLiteral("P&ublish database"), this, &TFacePlate::CMFilePublish);
  PublishDatabase1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
  file->addSeparator();
  PrinterSetup1 =
      file->addAction(QStringLiteral("P&rinter setup..."), this, &TFacePlate::Printersetup1Click);
  file->addSeparator();

  QToolBar* tools = addToolBar(QStringLiteral("Database"));
  tools->setObjectName(QStringLiteral("ToolBar"));
  tools->setMovable(false);
  OpenDBBtn = tools->addAction(QStringLiteral("Open DB"), this, &TFacePlate::UpdateAll);
  OpenDBBtn->setToolTip(QStringLiteral("Open database"));
  SaveDBBtn = tools->addAction(QStringLiteral("Save DB"), this, &TFacePlate::CMFileSave);
  SaveDBBtn->setToolTip(QStringLiteral("Save database"));
  SaveDatabase1->setEnabled(false);
  SaveDBBtn->setEnabled(false);

  StationLst->setItemDelegate(new StationLineDelegate(ctx_.settings(), StationLst));
  StationLst->setSelectionMode(QAbstractItemView::SingleSelection);

  prog_bar_ = new TProgBar(ctx_.prompts(), this);
  ctx_.progress = prog_bar_;
  printer_ = std::make_unique<QPrinter>();
}

void TFacePlate::ShowStations(const FacePlateView& v) {
  StationLst->clear();
  for (const StationLine& line : v.stations) {
    auto* item = new QListWidgetItem(StationLst);
    item->setText(ToQt(line.text).replace(QLatin1Char('\t'), QLatin1Char(' ')));
    item->setData(Qt::UserRole, line.flagged);
    item->setData(Qt::UserRole + 1,
                  QByteArray(line.text.data(), static_cast<qsizetype>(line.text.size())));
  }
  SaveLbl->setEnabled(v.save_lbl_enabled);
  SaveDatabase1->setEnabled(v.save_lbl_enabled);
  SaveDBBtn->setEnabled(v.save_lbl_enabled);
}

void TFacePlate::SetCaptionFromFiles() {
  setWindowTitle(ToQt(MainWindowCaption(ctx_.data_folder())));
}

void TFacePlate::LoadDatabase() {
  if (!banner_) banner_ = new TBanner(this);
  banner_->ShowOver();
  prog_bar_->SetBanner(banner_);
  DatabasePorts ports = ctx_.database_ports();
  ReadDB(ctx_.data_folder(), ctx_.database(), ports);
  ctx_.query_results().ResetAll();
  banner_->hide();
  prog_bar_->SetBanner(nullptr);
}

void TFacePlate::UpdateAll() {
  DatabasePorts ports = ctx_.database_ports();
  const UpdateAllResult r = r8::UpdateAll(ctx_.data_folder(), ctx_.database(), ports);
  if (r.outcome == CommandOutcome::kDone) {
    ctx_.query_results().ResetAll();
    setWindowTitle(ToQt(r.caption));
  }
  UpdateDisplay();
}

void TFacePlate::CMFileSave() {
  DatabasePorts ports = ctx_.database_ports();
  if (r8::CMFileSave(ctx_.data_folder(), ctx_.database(), ports) == CommandOutcome::kDone)
    UpdateDisplay();
  ApplyView(core_.View());
}

void TFacePlate::CMAllPrint() {
  DatabasePorts ports = ctx_.database_ports();
  r8::CMAllPrint(ctx_.data_folder(), ctx_.database(), ports);
  ApplyView(core_.View());
}

void TFacePlate::CMFileImport() {
  DatabasePorts ports = ctx_.database_ports();
  r8::CMFileImport(ctx_.data_folder(), ctx_.database(), ports);
  ApplyView(core_.View());
}

void TFacePlate::CMSwapDatabase() {
  DatabasePorts ports = ctx_.database_ports();
  r8::CMSwapDatabase(ctx_.data_folder(), ctx_.database(), ports);
  ApplyView(core_.View());
}

void TFacePlate::CMFilePublish() {
  DatabasePorts ports = ctx_.database_ports();
  r8::CMFilePublish(ctx_.data_folder(), ctx_.database(), ports);
  ApplyView(core_.View());
}

void TFacePlate::CMImportEibi() {
  DatabasePorts ports = ctx_.database_ports();
  if (ImportEibiSchedule(this, ctx_.data_folder(), ctx_.database(), ports) == CommandOutcome::kDone)
    UpdateAll();
  ApplyView(core_.View());
}

void TFacePlate::Printersetup1Click() {
  QPrintDialog dialog(printer_.get(), this);
  dialog.setWindowTitle(QStringLiteral("Printer Setup"));
  dialog.exec();
}

bool TFacePlate::AskToSaveDatabase(const char* action) {
  StationDatabase& db = ctx_.database();
  switch (ConfirmSaveChanges(ctx_.prompts(), "Database", action, db.DatabaseChanged())) {
    case Answer::kYes: {
      DatabasePorts ports = ctx_.database_ports();
      // A save that fails keeps the program open: the changes exist only in memory.
      return r8::CMFileSave(ctx_.data_folder(), db, ports) == CommandOutcome::kDone;
    }
    case Answer::kNo:
      db.SetDatabaseChanged(0);
      return true;
    default:
      return false;
  }
}

}  // namespace r8
