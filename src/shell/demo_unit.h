#pragma once
// vtg7300 --demo: a simulated unit in the same process, answering on a loopback port, so
// that every dialog can be tried without hardware.
#include <QString>

#include "sim/simulated_unit.h"
#include "sim/simulated_unit_server.h"

namespace vtg::shell {

class DemoUnit {
 public:
  DemoUnit();
  // Listens on a free loopback port; false with the reason when it cannot.
  bool Start(QString& error);
  quint16 port() const { return server_.port(); }

 private:
  sim::SimulatedUnit unit_;
  sim::SimulatedUnitServer server_;
};

}  // namespace vtg::shell
