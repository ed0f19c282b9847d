// The console's waits: they block until the next event, never spin, and end when their
// condition holds, the links are dropped, the window closes or their time is up.
#include <QCoreApplication>
#include <QTimer>

#include "core/Form1.h"

Form1::WaitEnd Form1::wait_until(const std::function<bool()>& done, int timeout_ms,
                                 bool stop_on_links_down) {
  bool timed_out = false;
  QTimer deadline;  // wakes the blocking event wait when the time is up
  if (timeout_ms >= 0) {
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    connect(&deadline, &QTimer::timeout, this, [&timed_out] { timed_out = true; });
    deadline.start(timeout_ms);
  }
  for (;;) {
    if (done()) return WaitEnd::Done;
    if (window_closing) return WaitEnd::Closing;
    if (stop_on_links_down && links_down == 1) return WaitEnd::LinksDown;
    if (timed_out) return WaitEnd::TimedOut;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
}

bool Form1::wait_reply(const std::function<bool()>& arrived) {
  const WaitEnd end = wait_until(arrived, reply_timeout_ms, true);
  if (end == WaitEnd::TimedOut) report_link_loss();
  return end == WaitEnd::Done;
}

void Form1::wait_step(const uint8_t& step_var, uint8_t target) {
  wait_reply([&step_var, target] { return step_var == target; });
}
