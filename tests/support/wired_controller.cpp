#include "wired_controller.h"

namespace vtg::testing {

WiredController::WiredController(ControllerState* kept, Messages* boxes)
    : owned_state_(kept ? nullptr : std::make_unique<ControllerState>(DefaultState())),
      state(kept ? *kept : *owned_state_),
      link(state, boxes ? *boxes : messages),
      engine(state, link, boxes ? *boxes : messages, view) {
  serial.clock = socket.clock = &now_ms;
  link.AttachSerial(&serial);
  link.AttachSocket(&socket, &timer);
}

void WiredController::UseSocketLink(int slave_index) {
  state.link.interface_setting = kTcpIp;
  state.link.tcp_connected = 1;
  state.selection.slave_index = slave_index;
}

void WiredController::Tick() {
  now_ms += view.Period();
  if (timer.Due()) link.OnReplyTimeout();
  engine.Tick();
  Answer();
}

int WiredController::RunToEnd(int max_ticks) {
  int ticks = 0;
  for (; engine.Running() && ticks < max_ticks; ++ticks) Tick();
  return ticks;
}

void WiredController::Answer() {
  AnswerLines(serial, serial_answered_, &Link::OnSerialBytes);
  AnswerLines(socket, socket_answered_, &Link::OnSocketBytes);
}

void WiredController::AnswerLines(const RecordingTransport& wire, std::size_t& answered,
                                  void (Link::*deliver)(std::string_view)) {
  if (answered > wire.lines.size()) answered = 0;  // the test cleared the lines it had looked at
  while (answered < wire.lines.size()) {
    ++answered;
    const std::string reply = unit(static_cast<int>(answered), wire.lines[answered - 1]);
    if (!reply.empty()) (link.*deliver)(reply);
  }
}

std::vector<std::string> WithoutAddress(const std::vector<std::string>& lines) {
  std::vector<std::string> commands;
  for (const auto& line : lines) commands.push_back(line.substr(2));
  return commands;
}

}  // namespace vtg::testing
