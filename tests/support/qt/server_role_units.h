#pragma once
// Simulated units connecting on loopback to a SocketController in the server role, one after
// another so that the i-th takes record i + 1; all share 127.0.0.1, so the window names them
// "127.0.0.1#1" and on.
#include <QSignalSpy>
#include <memory>
#include <vector>

#include "event_waits.h"
#include "free_tcp_port.h"
#include "shell/many_unit_dialog.h"
#include "sim/unit_client.h"
#include "socket_controller.h"

namespace vtg::testing {

struct ServerRoleUnits {
  // Listens at the reply pace and lets a unit in for each fault plan; false when one failed to.
  bool Connect(SocketController& c, const std::vector<sim::FaultPlan>& faults) {
    c.state.link.tcp_role = kServer;
    c.state.link.run_pace = 1;
    const quint16 port = FreeTcpPort();
    c.UsePort(port);
    if (!c.tcp.StartServer()) return false;
    for (const sim::FaultPlan& fault : faults) {
      units.push_back(std::make_unique<sim::SimulatedUnit>());
      clients.push_back(std::make_unique<sim::UnitClient>(units.back().get(), static_cast<int>(units.size()),
                                                          QStringLiteral("127.0.0.1"), port,
                                                          sim::LinkSettings{{}, fault}, nullptr));
      clients.back()->start();
      const int count = static_cast<int>(units.size());
      if (!QTest::qWaitFor([&] { return c.state.client_table.InUseCount() == count; }, kWaitMs)) return false;
    }
    return true;
  }

  std::vector<std::unique_ptr<sim::SimulatedUnit>> units;
  std::vector<std::unique_ptr<sim::UnitClient>> clients;
};

// Ticks the units listed `checked` and runs them to the end, on an event loop of its own:
// polling would pace the exchanges.
[[nodiscard]] inline bool RunUnits(shell::ManyUnitDialog& dialog, const std::vector<bool>& checked) {
  auto* list = dialog.findChild<QListWidget*>(ui::ControlName(shell::ManyUnitDialog::kUnitListId));
  if (!list || list->count() != static_cast<int>(checked.size())) return false;
  for (int i = 0; i < list->count(); ++i) list->item(i)->setCheckState(checked[i] ? Qt::Checked : Qt::Unchecked);
  QSignalSpy ended(&dialog, &shell::ManyUnitDialog::runsEnded);
  dialog.Start();
  return ended.wait(kWaitMs);
}

}  // namespace vtg::testing
