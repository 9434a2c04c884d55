#pragma once
// Runs a sequence in virtual time against a pretend unit on the socket link: each tick
// comes one timer period after the last, and the unit answers each line at once.
#include <functional>
#include <string>
#include <vector>

#include "fakes.h"
#include "link/link.h"
#include "link/sequence_engine.h"
#include "settings/controller_state.h"

namespace vtg::testing {

// The reply of the unit to the n-th line it received (1-based); empty: it stays silent.
using UnitBehaviour = std::function<std::string(int line_number)>;

inline UnitBehaviour AnsweringUnit() {
  return [](int) { return std::string("GO"); };
}
inline UnitBehaviour SilentUnit() {
  return [](int) { return std::string(); };
}
inline UnitBehaviour UnitAnsweringE3AtLine(int n) {
  return [n](int line) { return std::string(line == n ? "E3" : "GO"); };
}

// The bounded reply wait of the socket link, on the virtual clock.
class VirtualReplyTimer : public ReplyTimer {
 public:
  explicit VirtualReplyTimer(const long& now) : now_(now) {}
  void arm(int ms) override { deadline = now_ + ms; }
  void cancel() override { deadline = -1; }
  long deadline = -1;

 private:
  const long& now_;
};

class UnitDouble {
 public:
  UnitDouble() : timer(now_ms), link(state, messages), engine(state, link, messages, view) {
    ResetToDefaults(state);
    state.link.interface_setting = kTcpIp;
    state.link.tcp_connected = 1;
    state.selection.slave_index = 5;
    link.AttachSocket(&socket, &timer);
  }

  // One timer period passes: a due reply time-out fires, then the tick, then the unit answers.
  void Tick() {
    now_ms += view.periods.back();
    if (timer.deadline >= 0 && now_ms >= timer.deadline) link.OnReplyTimeout();
    engine.Tick();
    while (answered_ < socket.lines.size()) {
      ++answered_;
      const std::string reply = unit(static_cast<int>(answered_));
      if (!reply.empty()) link.OnSocketBytes(socket.lines[answered_ - 1].substr(0, 2) + reply + "\r\n");
    }
  }

  // Ticks until the run ends; the number of ticks it took.
  int RunToEnd(int max_ticks = 2000) {
    int ticks = 0;
    while (engine.Running() && ticks < max_ticks) {
      Tick();
      ++ticks;
    }
    return ticks;
  }

  // The lines the unit received, without the address.
  std::vector<std::string> Commands() const {
    std::vector<std::string> commands;
    for (const auto& line : socket.lines) commands.push_back(line.substr(2));
    return commands;
  }

  long now_ms = 0;
  ControllerState state;
  RecordingMessages messages;
  RecordingTransport socket = SocketPeer();
  VirtualReplyTimer timer;
  RecordingView view;
  Link link;
  SequenceEngine engine;
  UnitBehaviour unit = AnsweringUnit();

 private:
  std::size_t answered_ = 0;
};

}  // namespace vtg::testing
