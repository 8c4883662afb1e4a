#include "log/ui/format_edit_dialog.h"

#include <filesystem>

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "common/ui/qt_user_prompts.h"
#include "help/help_topics.h"
#include "stations/ui/station_dialogs.h"

namespace r8 {
namespace {

struct TagButton {
  const char* name;
  const char* caption;
  const char* tag;
  const char* hint;
};

constexpr TagButton kExportButtons[] = {
    {"DateBtn", "&Date", "[date]", "The entry's date"},
    {"TimeBtn", "&Time", "[time]", "The entry's time"},
    {"FreqBtn", "&Freq.", "[freq]", "The frequency"},
    {"MultBtn", "&Mult", "[mult]", "The unit, kHz or MHz"},
    {"CallBtn", "&Call", "[call]", "The call sign"},
    {"StatBtn", "&Stat'n", "[stat]", "The station name"},
    {"SINPOBtn", "S&INPO", "[SINP]", "The SINPO code"},
    {"ModeBtn", "Mod&e", "[mode]", "The mode"},
    {"RateBtn", "&Rate", "[rate]", "The rate or shift"},
    {"NotesBtn", "&Notes", "[note]", "The notes, wrapped; on a line of their own"},
};
constexpr TagButton kReportButtons[] = {
    {"DXerBtn", "D&Xer", "[dxer]", "Your name"},
    {"Addr1Btn", "Addr&1", "[add1]", "Address line 1"},
    {"Addr2Btn", "Addr&2", "[add2]", "Address line 2"},
    {"RcvrBtn", "Rc&vr", "[rcvr]", "Your receiver"},
    {"AntBtn", "&Ant", "[ant]", "Your antenna"},
    {"CondxBtn", "C&ondx", "[cndx]", "Reception conditions"},
    {"LogBtn", "&Log", "[logE]", "The log entries; on a line of their own"},
};

QToolButton* ToolButton(QWidget* parent, const char* name, const char* caption, bool hints) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setText(QString::fromLatin1(caption));
  if (hints) b->setToolTip(QString::fromLatin1(caption));
  b->setToolButtonStyle(Qt::ToolButtonTextOnly);
  return b;
}

}  // namespace

TFormEdit::TFormEdit(AppContext& ctx, FormatKind kind, QWidget* parent, ShowHelpFn show_help)
    : QDialog(parent), ctx_(ctx), kind_(kind), name_(kUntitled) {
  setObjectName(QStringLiteral("FormEdit"));
  setWindowTitle(QStringLiteral("Format Editor"));
  const bool hints = ctx_.settings().hints != 0;

  auto* tools = new QHBoxLayout;
  NewBtn = ToolButton(this, "FmtNewBtn", "New", hints);
  OpenBtn = ToolButton(this, "FmtFileBtn", "Open", hints);
  CutBtn = ToolButton(this, "CutBtn", "Cut", hints);
  CopyBtn = ToolButton(this, "CopyBtn", "Copy", hints);
  PasteBtn = ToolButton(this, "PasteBtn", "Paste", hints);
  for (QToolButton* b : {NewBtn, OpenBtn}) tools->addWidget(b);
  tools->addSpacing(fontMetrics().averageCharWidth() * 2);
  for (QToolButton* b : {CutBtn, CopyBtn, PasteBtn}) tools->addWidget(b);
  tools->addStretch();

  FormMemo = new QPlainTextEdit(this);
  FormMemo->setObjectName(QStringLiteral("FormMemo"));
  // Columns matter in a format: the notes wrap by them.
  FormMemo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  FormMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
  FormMemo->setTabChangesFocus(true);
  const QFontMetrics memo_metrics(FormMemo->font());
  FormMemo->setMinimumSize(memo_metrics.horizontalAdvance(QLatin1Char('M')) * 82,
                           memo_metrics.lineSpacing() * 18);

  auto* tags = new QGroupBox(kind_ == FormatKind::kExport ? QStringLiteral("Entry fields")
                                                          : QStringLiteral("Report fields"),
                             this);
  tags->setObjectName(QStringLiteral("TagBox"));
  auto* tag_grid = new QGridLayout(tags);
  int row = 0;
  auto add_buttons = [&](const auto& table, bool visible) {
    for (const TagButton& t : table) {
      auto* b = new QPushButton(QString::fromLatin1(t.caption), tags);
      b->setObjectName(QString::fromLatin1(t.name));
      b->setAutoDefault(false);
      if (hints) b->setToolTip(QString::fromLatin1(t.hint));
      const std::string tag = t.tag;
      connect(b, &QPushButton::clicked, this, [this, tag] { FmtBtnClick(tag); });
      b->setVisible(visible);
      if (visible) {
        tag_grid->addWidget(b, row / 2, row % 2);
        ++row;
      }
      TagBtns.push_back(b);
    }
  };
  add_buttons(kExportButtons, kind_ == FormatKind::kExport);
  add_buttons(kReportButtons, kind_ == FormatKind::kReport);
  TabBtn = new QPushButton(QStringLiteral("Ta&b"), tags);
  TabBtn->setObjectName(QStringLiteral("TabBtn"));
  TabBtn->setAutoDefault(false);
  if (hints) TabBtn->setToolTip(QStringLiteral("A TAB character"));
  tag_grid->addWidget(TabBtn, row / 2 + (row % 2), 0, 1, 2);
  tag_grid->setRowStretch(row / 2 + 2, 1);

  auto* body = new QHBoxLayout;
  body->addWidget(FormMemo, 1);
  body->addWidget(tags);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->setObjectName(QStringLiteral("Buttons"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(tools);
  layout->addLayout(body, 1);
  layout->addWidget(buttons);

  SetHelpContext(this, kind_ == FormatKind::kExport ? kHelpExportFormat : kHelpReportFormat);
  AddHelpButton(this, show_help);

  connect(buttons, &QDialogButtonBox::accepted, this, &TFormEdit::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(TabBtn, &QPushButton::clicked, this, &TFormEdit::TabBtnClick);
  connect(NewBtn, &QToolButton::clicked, this, &TFormEdit::FmtNewBtnClick);
  connect(OpenBtn, &QToolButton::clicked, this, &TFormEdit::FmtFileBtnClick);
  connect(CutBtn, &QToolButton::clicked, this, &TFormEdit::CutBtnClick);
  connect(CopyBtn, &QToolButton::clicked, this, &TFormEdit::CopyBtnClick);
  connect(PasteBtn, &QToolButton::clicked, this, &TFormEdit::PasteBtnClick);
  connect(FormMemo, &QPlainTextEdit::textChanged, this, [this] { modified_ = true; });
  connect(FormMemo, &QPlainTextEdit::copyAvailable, this, [this](bool) { NotesEditChange(); });
  connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TFormEdit::NotesEditChange);
  NotesEditChange();
  SetCaption();
}

void TFormEdit::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TFormEdit::SetCaption() {
  const std::string shown =
      name_ == kUntitled ? name_ : std::filesystem::path(name_).filename().string();
  setWindowTitle(
      ToQt((kind_ == FormatKind::kExport ? "Log Export Format - [" : "Report Format - [") + shown +
           "]"));
}

void TFormEdit::SetFormatName(const std::string& name) {
  name_ = name;
  SetCaption();
  modified_ = false;
}

void TFormEdit::FormShow() {
  FormMemo->clear();
  const std::string current = CurrentFormatName(ctx_, kind_);
  // A format that cannot be read keeps its name: saving writes it anew.
  if (!current.empty() && current != kUntitled) Load(FormatPath(ctx_, current));
  SetFormatName(current.empty() ? std::string(kUntitled) : current);
  FormMemo->setFocus();
}

bool TFormEdit::Load(const std::filesystem::path& path) {
  const FormatFile f = ReadFormatFile(path, kind_);
  if (!f.ok) {
    ShowMessage(ctx_.prompts(), MessageKind::kError, f.error);
    return false;
  }
  QStringList lines;
  for (const std::string& l : f.lines) {
    lines << QString::fromLatin1(l.data(), static_cast<qsizetype>(l.size()));
  }
  FormMemo->setPlainText(lines.join(QLatin1Char('\n')));
  if (!f.warning.empty()) ShowMessage(ctx_.prompts(), MessageKind::kWarning, f.warning);
  return true;
}

bool TFormEdit::FormatOpen(const std::string& name) {
  const std::filesystem::path path = FormatPath(ctx_, name);
  if (!Load(path)) return false;
  SetFormatName(r8::SetFormatName(ctx_, kind_, path.string()));
  return true;
}

std::vector<std::string> TFormEdit::Lines() const {
  std::vector<std::string> lines;
  const QString text = FormMemo->toPlainText();
  if (text.isEmpty()) return lines;
  for (const QString& l : text.split(QLatin1Char('\n')))
    lines.push_back(l.toLatin1().toStdString());
  return lines;
}

bool TFormEdit::FormatSave() {
  std::string name = name_;
  if (!r8::FormatSave(ctx_, kind_, name, Lines())) return false;
  SetFormatName(name);
  return true;
}

void TFormEdit::accept() {
  if (modified_ && !FormatSave()) return;
  QDialog::accept();
}

void TFormEdit::FmtBtnClick(const std::string& tag) {
  // Straight into the memo: the user's clipboard keeps what they put there.
  FormMemo->insertPlainText(QString::fromLatin1(tag.c_str()));
  FormMemo->setFocus();
}

void TFormEdit::TabBtnClick() { FmtBtnClick("\t"); }

void TFormEdit::FmtNewBtnClick() {
  if (modified_ && !FormatSave()) return;
  FormMemo->clear();
  SetFormatName(std::string(kUntitled));
  FormMemo->setFocus();
}

void TFormEdit::FmtFileBtnClick() {
  if (modified_ && !FormatSave()) return;
  const std::string chosen = AskFormatToOpen(ctx_, kind_);
  if (!chosen.empty()) FormatOpen(chosen);
  FormMemo->setFocus();
}

void TFormEdit::CutBtnClick() {
  FormMemo->cut();
  NotesEditChange();
}

void TFormEdit::CopyBtnClick() {
  FormMemo->copy();
  NotesEditChange();
}

void TFormEdit::PasteBtnClick() {
  FormMemo->paste();
  NotesEditChange();
}

void TFormEdit::NotesEditChange() {
  const bool selected = FormMemo->textCursor().hasSelection();
  CutBtn->setEnabled(selected);
  CopyBtn->setEnabled(selected);
  PasteBtn->setEnabled(!QApplication::clipboard()->text().isEmpty());
}

}  // namespace r8
