#pragma once
// The controller as the program wires it, on fakes: the shared state after start-up, the
// message boxes, the link with a serial port and a socket attached, the socket's reply
// timer, the sequence engine with its view, the file dialogs; and a unit double at the far
// end of the wire, all in virtual time. A test picks the interface through state.link as the
// operator does, hands replies to the link itself or lets `unit` answer (Tick, Answer).
// The Qt tests build their TestApp on it; the fuzz targets keep their state elsewhere.
#include <memory>
#include <string>
#include <vector>

#include "default_state.h"
#include "fake_reply_timer.h"
#include "link/link.h"
#include "link/sequence_engine.h"
#include "recording_messages.h"
#include "recording_transport.h"
#include "recording_view.h"
#include "scripted_file_dialogs.h"
#include "unit_behaviours.h"

namespace vtg::testing {

class WiredController {
 public:
  WiredController() : WiredController(nullptr, nullptr) {}
  // Its boxes shown by a program's own messages instead of `messages`.
  explicit WiredController(Messages& boxes) : WiredController(nullptr, &boxes) {}
  // On a state the caller keeps (the fuzz targets reuse one from input to input).
  explicit WiredController(ControllerState& kept) : WiredController(&kept, nullptr) {}
  WiredController(const WiredController&) = delete;
  WiredController& operator=(const WiredController&) = delete;

  // The socket link, connected as after "接続", to the unit at `slave_index`.
  void UseSocketLink(int slave_index = 0);
  // One timer period of the running dialog passes: a reply wait due by then ends, the engine
  // ticks, then the unit answers what it received.
  void Tick();
  // Ticks while the engine runs; the number of ticks it took.
  int RunToEnd(int max_ticks = 2000);
  // The unit answers every line it has not answered yet, on both transports; its replies
  // reach the link at once.
  void Answer();

 private:
  WiredController(ControllerState* kept, Messages* boxes);

  std::unique_ptr<ControllerState> owned_state_;

 public:
  long now_ms = 0;
  ControllerState& state;
  RecordingMessages messages;
  RecordingTransport serial = SerialPort();
  RecordingTransport socket = SocketPeer();
  FakeReplyTimer timer{now_ms};
  RecordingView view;
  ScriptedFileDialogs dialogs;
  Link link;
  SequenceEngine engine;
  UnitBehaviour unit = AnsweringUnit();

 private:
  void AnswerLines(const RecordingTransport& wire, std::size_t& answered, void (Link::*deliver)(std::string_view));

  std::size_t serial_answered_ = 0;
  std::size_t socket_answered_ = 0;
};

// The lines as the unit read them: without their two-character address.
std::vector<std::string> WithoutAddress(const std::vector<std::string>& lines);

}  // namespace vtg::testing
