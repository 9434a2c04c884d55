#pragma once
// The controller's side of a link test: the shared state, a recording message fake, the link
// and the real transport, wired as the program wires them.
#include <functional>
#include <utility>

#include "link/qt_reply_timer.h"
#include "link/serial_transport.h"
#include "link/tcp_transport.h"
#include "shown_texts.h"

namespace vtg::testing {

// Shows boxes as the window layer does, modal: the first one runs the event loop while
// `during_first_box` plays what happens behind it.
class ModalMessages : public RecordingMessages {
 public:
  void Show(Box box, std::string_view text) override {
    RecordingMessages::Show(box, text);
    if (auto behind = std::exchange(during_first_box, nullptr)) behind();
  }
  std::function<void()> during_first_box;
};

struct SocketController {
  SocketController() {
    ResetToDefaults(state);
    link.AttachSocket(&tcp, &timer);
    state.link.interface_setting = kTcpIp;
  }
  void UsePort(quint16 port) { state.link.tcp_port_text = std::to_string(port); }

  ControllerState state;
  ModalMessages messages;
  Link link{state, messages};
  QtReplyTimer timer{link};
  TcpTransport tcp{state, link, messages};
};

struct SerialController {
  SerialController() {
    ResetToDefaults(state);
    link.AttachSerial(&serial);
  }

  ControllerState state;
  RecordingMessages messages;
  Link link{state, messages};
  SerialTransport serial{link, messages};
};

}  // namespace vtg::testing
