#include "sim/simulated_unit_server.h"

#include <QTcpSocket>

#include "sim/sim_log.h"

namespace vtg::sim {

SimulatedUnitServer::SimulatedUnitServer(std::vector<SimulatedUnit*> units, LinkSettings settings, SimLog* log,
                                         QObject* parent)
    : QObject(parent), units_(std::move(units)), settings_(std::move(settings)), log_(log) {
  connect(&server_, &QTcpServer::newConnection, this, &SimulatedUnitServer::acceptConnections);
}

SimulatedUnitServer::~SimulatedUnitServer() {
  // Closing the connections must not call back into a server that is going away.
  for (QTcpSocket* socket : server_.findChildren<QTcpSocket*>()) socket->disconnect(this);
}

bool SimulatedUnitServer::start(const QHostAddress& address, quint16 port) {
  return server_.listen(address, port);
}

void SimulatedUnitServer::acceptConnections() {
  while (QTcpSocket* socket = server_.nextPendingConnection()) {
    const QString name = QStringLiteral("tcp %1:%2").arg(socket->peerAddress().toString()).arg(socket->peerPort());
    if (connections_ >= kMaxConnections) {
      if (log_) log_->record(name, Traffic::Event, {}, "refused: too many connections");
      socket->abort();
      socket->deleteLater();
      continue;
    }
    ++connections_;
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    if (log_) log_->record(name, Traffic::Event, {}, "connected");
    // Flushed at once: a peer that half-closes after its last line still gets the reply.
    auto* link = new UnitLink(
        name, units_, settings_, log_,
        [socket](const QByteArray& bytes) {
          socket->write(bytes);
          socket->flush();
        },
        socket);
    connect(link, &UnitLink::unitsChanged, this, &SimulatedUnitServer::unitsChanged);
    connect(link, &UnitLink::closedByFault, socket, &QTcpSocket::disconnectFromHost);
    connect(socket, &QTcpSocket::readyRead, link, [socket, link] { link->receive(socket->readAll()); });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket, name] {
      if (log_) log_->record(name, Traffic::Event, {}, "closed");
      --connections_;
      socket->deleteLater();
    });
  }
}

}  // namespace vtg::sim
