// One copy of the program per user and working folder: a second copy would fight the first for
// the receiver's port and overwrite its data files.
#pragma once

#include <memory>

#include <QLockFile>
#include <QString>

namespace r8 {

enum class InstanceLockState {
  kTaken,    // this copy holds the lock
  kRunning,  // another live copy holds it
  kFailed,   // the lock could not be checked at all (folder missing or not writable)
};

struct InstanceLock {
  InstanceLockState state = InstanceLockState::kFailed;
  QString path;
  std::unique_ptr<QLockFile> file;  // held while the program runs
};

// The lock's file name for this user and working folder, in lock_folder.
QString InstanceLockPath(const QString& lock_folder, const QString& working_folder);
// Takes the lock at once or says why not; a lock left by a copy that died is taken over.
InstanceLock TakeInstanceLock(const QString& lock_folder, const QString& working_folder);
// The per-user folder for run-time files (the temporary folder where there is none).
QString DefaultLockFolder();

}  // namespace r8
