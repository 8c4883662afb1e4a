#include "app/ui/instance_lock.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "support/temp_dir.h"

namespace r8 {
namespace {

QString Q(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

TEST(InstanceLock, OneCopyPerWorkingFolderAndAFailureIsNotARunningCopy) {
  testing::TempDir dir;
  QDir().mkpath(Q(dir / "a"));
  QDir().mkpath(Q(dir / "b"));
  const QString locks = Q(dir.path());

  InstanceLock first = TakeInstanceLock(locks, Q(dir / "a"));
  EXPECT_EQ(first.state, InstanceLockState::kTaken);
  EXPECT_EQ(TakeInstanceLock(locks, Q(dir / "a")).state, InstanceLockState::kRunning);
  // The same folder named another way is the same folder.
  EXPECT_EQ(TakeInstanceLock(locks, Q(dir / "a" / ".." / "a")).state, InstanceLockState::kRunning);
  EXPECT_EQ(TakeInstanceLock(locks, Q(dir / "b")).state, InstanceLockState::kTaken);

  // A lock file left by a copy that died is taken over.
  const QString stale = InstanceLockPath(locks, Q(dir / "b"));
  QFile f(stale);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("999999999\nr8control\n\n");
  f.close();
  EXPECT_EQ(TakeInstanceLock(locks, Q(dir / "b")).state, InstanceLockState::kTaken);

  // A lock folder that cannot exist (a file stands in its way) is a failure, not a running copy.
  QFile blocker(Q(dir / "file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  EXPECT_EQ(TakeInstanceLock(Q(dir / "file"), Q(dir / "a")).state, InstanceLockState::kFailed);

  first.file.reset();  // released when the program ends
  EXPECT_EQ(TakeInstanceLock(locks, Q(dir / "a")).state, InstanceLockState::kTaken);
}

}  // namespace
}  // namespace r8
