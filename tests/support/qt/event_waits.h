#pragma once
// Waiting on the event loop for what a real link, process or window does, never for pacing.
#include <QIODevice>
#include <QTest>

namespace vtg::testing {

// Generous bound for every wait: the sanitizers make programs and exchanges slow.
inline constexpr int kWaitMs = 15000;

// Waits until `device` (the unit's end of a link) has delivered `count` lines ending in CR LF
// and returns them, CR LF included; less when they did not come in time.
inline QByteArray ReadLines(QIODevice& device, int count) {
  QByteArray received;
  // The caller checks what arrived; running out of time just returns less.
  static_cast<void>(QTest::qWaitFor(
      [&] {
        received += device.readAll();
        return received.count("\r\n") >= count;
      },
      kWaitMs));
  return received;
}

}  // namespace vtg::testing
