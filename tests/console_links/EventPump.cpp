#include "EventPump.h"

#include <QCoreApplication>
#include <QTimer>

bool pump_until(const std::function<bool()>& done, int guard_ms) {
  bool expired = false;
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&expired] { expired = true; });
  guard.start(guard_ms);
  // Wake now and then too: some conditions (a log file growing) raise no event here.
  QTimer tick;
  tick.start(20);
  while (!done()) {
    if (expired) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}

void pump_for(int ms) {
  bool over = false;
  QTimer::singleShot(ms, Qt::PreciseTimer, [&over] { over = true; });
  while (!over) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
