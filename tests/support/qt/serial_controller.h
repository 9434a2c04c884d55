#pragma once
// A TestApp on the program's own serial link (SerialTransport): the test opens `port` on a
// pseudo-terminal, whose other end it plays itself or vtg7300-sim does.
#include "link/serial_transport.h"
#include "test_app.h"

namespace vtg::testing {

struct SerialController : TestApp {
  SerialController() { link.AttachSerial(&port); }
  SerialTransport port{link, messages};
};

}  // namespace vtg::testing
