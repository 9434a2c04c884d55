#include "socket_controller.h"

#include <QSignalSpy>

#include "event_waits.h"

namespace vtg::testing {

SocketController::SocketController() {
  link.AttachSocket(&tcp, &reply_timer);
  state.link.interface_setting = kTcpIp;
  context.tcp = &tcp;
}

void SocketController::UsePort(quint16 port) { state.link.tcp_port_text = std::to_string(port); }

bool SocketController::ConnectToUnit(quint16 port) {
  state.link.host_list = {{127, 0, 0, 1}};
  state.link.selected_peer = 0;
  UsePort(port);
  QSignalSpy connected(&tcp, &TcpTransport::connected);
  if (!tcp.ConnectToHost() || !connected.wait(kWaitMs)) return false;
  messages.shown.clear();
  return true;
}

}  // namespace vtg::testing
