#pragma once
// Simulated units that accept the controller's TCP connections, as units do when the
// controller is a client. Every connection reaches all the units, like one serial line.
//
//   vtg::sim::SimulatedUnit unit(0);
//   vtg::sim::SimulatedUnitServer server({&unit});
//   server.start(QHostAddress::LocalHost, 0);   // then connect to server.port()
#include <QHostAddress>
#include <QObject>
#include <QTcpServer>

#include "sim/unit_link.h"

namespace vtg::sim {

class SimulatedUnitServer : public QObject {
  Q_OBJECT

 public:
  // The units and the log (which may be null) must outlive the server.
  explicit SimulatedUnitServer(std::vector<SimulatedUnit*> units, LinkSettings settings = {},
                               SimLog* log = nullptr, QObject* parent = nullptr);
  ~SimulatedUnitServer() override;

  // Port 0 picks a free port. Returns false with errorString() when it cannot listen.
  bool start(const QHostAddress& address, quint16 port);
  QString errorString() const { return server_.errorString(); }
  QHostAddress address() const { return server_.serverAddress(); }
  quint16 port() const { return server_.serverPort(); }

  // Connections beyond this many are closed as soon as they are accepted.
  static constexpr int kMaxConnections = 16;

 signals:
  void unitsChanged();

 private:
  void acceptConnections();

  std::vector<SimulatedUnit*> units_;
  LinkSettings settings_;
  SimLog* log_;
  QTcpServer server_;
  int connections_ = 0;
};

}  // namespace vtg::sim
