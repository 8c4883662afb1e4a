#include "common/ui/qt_user_prompts.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "settings/settings.h"

namespace r8 {

QString ToQt(const std::string& latin1) {
  QString s = QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
  s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

QString FileNameToQt(const std::string& name) {
  return QFile::decodeName(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
}

std::string FileNameFromQt(const QString& name) { return QFile::encodeName(name).toStdString(); }

QString ToQtNameFilter(const std::string& filter) {
  const std::size_t bar = filter.find('|');
  const QString text = QString::fromLatin1(filter.substr(0, bar).c_str());
  if (bar == std::string::npos) return text;
  const QString pattern = QString::fromLatin1(filter.substr(bar + 1).c_str());
  const QString label = text.left(text.indexOf(QLatin1Char('('))).trimmed();
  QStringList patterns{pattern};
  if (pattern.toLower() != pattern) patterns << pattern.toLower();
  return QStringLiteral("%1 (%2)").arg(label.isEmpty() ? text : label,
                                       patterns.join(QLatin1Char(' ')));
}

QtUserPrompts::QtUserPrompts(std::function<QWidget*()> parent, std::function<bool()> busy_allowed)
    : parent_(std::move(parent)), busy_allowed_(std::move(busy_allowed)) {}

QtUserPrompts::~QtUserPrompts() {
  if (cursor_set_) QApplication::restoreOverrideCursor();
}

Answer QtUserPrompts::Message(const MessageRequest& r) {
  QWidget* parent = parent_ ? parent_() : nullptr;
  QMessageBox box(parent);
  switch (r.kind) {
    case MessageKind::kInformation:
      box.setIcon(QMessageBox::Information);
      break;
    case MessageKind::kWarning:
      box.setIcon(QMessageBox::Warning);
      break;
    case MessageKind::kError:
      box.setIcon(QMessageBox::Critical);
      break;
    case MessageKind::kConfirmation:
      box.setIcon(QMessageBox::Question);
      break;
  }
  box.setWindowTitle(ToQt(r.caption.empty() ? std::string(kProgramTitle) : r.caption));
  box.setText(ToQt(r.text));
  box.setTextFormat(Qt::PlainText);
  using B = QMessageBox;
  switch (r.buttons) {
    case MessageButtons::kOk:
      box.setStandardButtons(B::Ok);
      break;
    case MessageButtons::kOkCancel:
      box.setStandardButtons(B::Ok | B::Cancel);
      break;
    case MessageButtons::kYesNo:
      box.setStandardButtons(B::Yes | B::No);
      break;
    case MessageButtons::kYesNoCancel:
      box.setStandardButtons(B::Yes | B::No | B::Cancel);
      break;
    case MessageButtons::kRetryCancel:
      box.setStandardButtons(B::Retry | B::Cancel);
      break;
    case MessageButtons::kAbortRetryIgnore:
      box.setStandardButtons(B::Abort | B::Retry | B::Ignore);
      break;
  }
  if (r.top_left) box.move(r.top_left->x, r.top_left->y);
  switch (box.exec()) {
    case B::Ok:
      return Answer::kOk;
    case B::Yes:
      return Answer::kYes;
    case B::No:
      return Answer::kNo;
    case B::Retry:
      return Answer::kRetry;
    case B::Abort:
      return Answer::kAbort;
    case B::Ignore:
      return Answer::kIgnore;
    default:
      return Answer::kCancel;
  }
}

void QtUserPrompts::Beep(BeepKind) { QApplication::beep(); }

void QtUserPrompts::BusyCursor(bool on) {
  if (on) {
    if (busy_depth_++ == 0 && (!busy_allowed_ || busy_allowed_())) {
      QApplication::setOverrideCursor(Qt::WaitCursor);
      cursor_set_ = true;
    }
  } else if (busy_depth_ > 0 && --busy_depth_ == 0 && cursor_set_) {
    QApplication::restoreOverrideCursor();
    cursor_set_ = false;
  }
}

FileDialogResult QtUserPrompts::FileDialog(const FileDialogRequest& r) {
  QFileDialog dialog(parent_ ? parent_() : nullptr, ToQt(r.title), FileNameToQt(r.initial_dir));
  QStringList filters;
  for (const std::string& f : r.filters) filters << ToQtNameFilter(f);
  dialog.setNameFilters(filters);
  if (r.filter_index >= 1 && r.filter_index <= filters.size()) {
    dialog.selectNameFilter(filters[r.filter_index - 1]);
  }
  dialog.setAcceptMode(r.for_open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(r.for_open && r.file_must_exist ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !r.overwrite_prompt);
  if (!r.initial_name.empty()) dialog.selectFile(FileNameToQt(r.initial_name));

  FileDialogResult result;
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return result;
  result.accepted = true;
  result.name = FileNameFromQt(dialog.selectedFiles().first());
  result.filter_index = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
  if (result.filter_index < 1) result.filter_index = r.filter_index;
  return result;
}

}  // namespace r8
