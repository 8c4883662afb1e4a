#include "common/ui/qt_program_launcher.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include "common/ui/qt_user_prompts.h"

namespace r8 {

bool QtProgramLauncher::Start(const std::filesystem::path& program,
                              const std::vector<std::string>& arguments,
                              const std::filesystem::path& working_dir) {
  const QString path = FileNameToQt(program.string());
  // A program named by a relative path is found in its working folder, not on the search path.
  const QString resolved =
      QFileInfo(path).isRelative()
          ? QFileInfo(QDir(FileNameToQt(working_dir.string())), path).absoluteFilePath()
          : path;
  if (!QFileInfo(resolved).isExecutable()) return false;
  QStringList args;
  for (const std::string& a : arguments) args << QString::fromLocal8Bit(a.c_str());
  return QProcess::startDetached(resolved, args, FileNameToQt(working_dir.string()));
}

}  // namespace r8
