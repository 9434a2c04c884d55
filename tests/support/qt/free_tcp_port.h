#pragma once
// A TCP port nothing listens on just now: taken from the system, then given back. For a
// server role to listen on, or a connection to be refused.
#include <QTcpServer>

namespace vtg::testing {

inline quint16 FreeTcpPort() {
  QTcpServer probe;
  probe.listen(QHostAddress::AnyIPv4, 0);
  return probe.serverPort();
}

}  // namespace vtg::testing
