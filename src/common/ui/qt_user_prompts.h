// The UserPrompts port on Qt: QMessageBox, QFileDialog, the override cursor.
#pragma once

#include <functional>

#include <QString>

#include "common/user_prompts.h"

class QWidget;

namespace r8 {

// The program's single-byte texts as Qt shows them: Latin-1, with CR and CR LF as line breaks.
QString ToQt(const std::string& latin1);
// File names are passed in the file system's own encoding.
QString FileNameToQt(const std::string& name);
std::string FileNameFromQt(const QString& name);
// "Memory Files (*.MEM)|*.MEM" as a Qt name filter; matches either letter case.
QString ToQtNameFilter(const std::string& filter);

class QtUserPrompts : public UserPrompts {
 public:
  // parent gives the window boxes belong to; busy_allowed says whether the busy cursor may show
  // now (start-up finished, main window not minimised).
  QtUserPrompts(std::function<QWidget*()> parent, std::function<bool()> busy_allowed);
  ~QtUserPrompts() override;

  Answer Message(const MessageRequest& request) override;
  void Beep(BeepKind kind) override;
  void BusyCursor(bool on) override;
  FileDialogResult FileDialog(const FileDialogRequest& request) override;

 private:
  std::function<QWidget*()> parent_;
  std::function<bool()> busy_allowed_;
  int busy_depth_ = 0;
  bool cursor_set_ = false;
};

}  // namespace r8
