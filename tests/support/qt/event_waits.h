#pragma once
// Waiting on the event loop for what a real link, process or window does, never for pacing.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <functional>

namespace vtg::testing {

// Generous bound for every wait: the sanitizers make programs and exchanges slow.
inline constexpr int kWaitMs = 15000;

// Handles each event as it comes, without polling pauses, until `done`; false when `ms`
// passed first.
inline bool RunEventsUntil(const std::function<bool()>& done, int ms = kWaitMs) {
  const QDeadlineTimer deadline(ms);
  QTimer wake;  // a silent peer still lets the deadline be seen
  wake.start(20);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}

}  // namespace vtg::testing
