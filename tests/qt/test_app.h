#pragma once
// An AppContext around fakes: recorded messages, a recording serial port, a configuration
// file in memory.
#include <string>
#include <vector>

#include "wired_controller.h"
#include "link/link.h"
#include "memory_profile.h"
#include "settings/controller_state.h"
#include "ui/app_context.h"

namespace vtg::testing {

struct TestApp {
  TestApp() {
    ResetToDefaults(state);
    link.AttachSerial(&serial);
  }

  ControllerState state;
  RecordingMessages messages;
  Link link{state, messages};
  RecordingTransport serial = SerialPort();
  MemoryProfile profile;
  QStringList serial_ports;
  ui::AppContext context{state, messages, link, profile, serial_ports};
};

}  // namespace vtg::testing
