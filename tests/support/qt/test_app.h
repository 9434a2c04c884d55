#pragma once
// The program's AppContext around a WiredController, as the application object hands it to
// every window: a dialog under test opens on `context`. The configuration file is in memory;
// the serial ports offered are `serial_ports`.
#include <QStringList>

#include "memory_profile.h"
#include "ui/app_context.h"
#include "wired_controller.h"

namespace vtg::testing {

struct TestApp : WiredController {
  MemoryProfile profile;
  QStringList serial_ports;
  ui::AppContext context{state, messages, link, profile, serial_ports};
};

}  // namespace vtg::testing
