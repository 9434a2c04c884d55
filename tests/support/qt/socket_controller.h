#pragma once
// A TestApp on the program's own TCP/IP link (TcpTransport and its reply timer on the event
// loop), in the client role until a test says otherwise: for tests against units on
// loopback, played by the test, an in-process simulated unit or vtg7300-sim.
#include "link/qt_reply_timer.h"
#include "link/tcp_transport.h"
#include "test_app.h"

namespace vtg::testing {

struct SocketController : TestApp {
  SocketController();
  void UsePort(quint16 port);
  // As the operator connects in "TCP/IPの設定", to a unit listening on loopback `port`; the
  // connection's own box is cleared.
  bool ConnectToUnit(quint16 port);

  QtReplyTimer reply_timer{link};
  TcpTransport tcp{state, link, messages};
};

}  // namespace vtg::testing
