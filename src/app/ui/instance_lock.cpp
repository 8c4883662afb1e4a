#include "app/ui/instance_lock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

#include <unistd.h>

namespace r8 {

QString InstanceLockPath(const QString& lock_folder, const QString& working_folder) {
  // The user id, not a name from the environment that may be unset or shared.
  const QString user = QString::number(static_cast<qulonglong>(::getuid()));
  const QByteArray folder = QDir(working_folder).canonicalPath().toUtf8();
  const QString tag = QString::fromLatin1(
      QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(12));
  return QDir(lock_folder).filePath(QStringLiteral("veltrix-r8-control-%1-%2.lock").arg(user, tag));
}

InstanceLock TakeInstanceLock(const QString& lock_folder, const QString& working_folder) {
  InstanceLock lock;
  lock.path = InstanceLockPath(lock_folder, working_folder);
  lock.file = std::make_unique<QLockFile>(lock.path);
  if (lock.file->tryLock(0)) {
    lock.state = InstanceLockState::kTaken;
  } else if (lock.file->error() == QLockFile::LockFailedError) {
    lock.state = InstanceLockState::kRunning;
  } else {
    lock.state = InstanceLockState::kFailed;
  }
  return lock;
}

QString DefaultLockFolder() {
  const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

}  // namespace r8
