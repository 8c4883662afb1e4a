#include "common/ui/qt_clock.h"

#include <QDateTime>
#include <QThread>

namespace r8 {

QtClock::QtClock() { timer_.start(); }

std::uint32_t QtClock::TickMs() { return static_cast<std::uint32_t>(timer_.elapsed()); }

LocalDateTime QtClock::Now() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate d = now.date();
  const QTime t = now.time();
  return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

void QtClock::PauseMs(std::uint32_t ms) { QThread::msleep(ms); }

}  // namespace r8
