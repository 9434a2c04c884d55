#pragma once
// A TestApp on the program's own serial link (SerialTransport): the test opens `port` on a
// pseudo-terminal, whose other end it plays itself or vtg7300-sim does.
#include <QTest>

#include "event_waits.h"
#include "link/serial_transport.h"
#include "test_app.h"

namespace vtg::testing {

struct SerialController : TestApp {
  SerialController() { link.AttachSerial(&port); }
  // Sends one line on the port and waits until its reply came.
  bool Exchange(std::string_view line) {
    link.SerialSendLine(line);
    return QTest::qWaitFor([this] { return state.flags.reply_pending == 0; }, kWaitMs);
  }

  SerialTransport port{link, messages};
};

}  // namespace vtg::testing
