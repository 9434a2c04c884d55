#pragma once
// Frames command lines with the slave address, hands them to the chosen transport and
// routes what comes back to the reply interpreter.
#include <functional>
#include <memory>
#include <string_view>

#include "link/line_assembler.h"
#include "link/messages.h"
#include "link/reply_interpreter.h"
#include "link/traffic_log.h"
#include "link/transport.h"
#include "settings/controller_state.h"

namespace vtg {

struct ReplyWaitTiming {
  int addressed_ms = 6000;
  int broadcast_ms = 300;
};

class Link {
 public:
  Link(ControllerState& state, Messages& messages);

  void AttachSerial(Transport* serial) { serial_ = serial; }
  void AttachSocket(Transport* socket, ReplyTimer* timer) {
    socket_ = socket;
    timer_ = timer;
  }
  void SetTiming(ReplyWaitTiming timing) { timing_ = timing; }
  // The program's traffic log, told every line and what became of it; none: nothing is told.
  void SetTrafficLog(TrafficLog* log);
  // The dialog that waits for a glyph repaints when one arrives.
  void SetGlyphRepaint(std::function<void()> repaint) { context_.repaint_reply_target = std::move(repaint); }
  // Told when a reply wait is over: after each interpreted reply, with the line as it came
  // (address and line end included) and whether the interpreter understood it, and with an
  // empty line when a socket wait ended without one (time-out, peer lost).
  using ReplyListener = std::function<void(std::string_view line, bool understood)>;
  void SetReplyListener(ReplyListener listener) { listener_ = std::move(listener); }
  // The running sequence, told the same; an empty listener when none runs.
  void SetRunListener(ReplyListener listener) { run_listener_ = std::move(listener); }
  // The replies to the lines sent from now on fill `image` instead of the settings image;
  // none: the settings image again. A reply belongs to the line it answers, late or not.
  void ReadInto(std::shared_ptr<SettingsImage> image) { read_into_ = std::move(image); }

  bool LinkReady() const;
  void SendCommandLine(std::string_view text);
  // The unit network and slave address dialogs talk to the port whatever the interface.
  void SerialSendLine(std::string_view text);
  void SocketSendLine(std::string_view text);

  // Bytes from the serial port, in any pieces.
  void OnSerialBytes(std::string_view bytes);
  // Bytes from the unit that receives commands on the socket link.
  void OnSocketBytes(std::string_view bytes);
  // The port or socket dropped bytes unread (see DrainDevice).
  void OnSerialBytesDropped();
  void OnSocketBytesDropped();
  // That unit's connection ended.
  void OnSocketPeerLost();
  void OnReplyTimeout();
  // One tick of the serial link's reply watchdog: "No Connect" when it gives up.
  void OnWatchdogTick();
  bool AwaitingSocketReply() const { return awaiting_ != Awaiting::Nothing; }
  // The unit owes an answer: to an addressed socket line still in its wait, or to a serial
  // line the watchdog still counts for. Broadcast lines are owed none.
  bool ReplyAwaited() const;

  static constexpr std::string_view kBusyText = "Answer を待っています";
  static constexpr std::string_view kPeerLostText = "Socket 接続が切れました";

 private:
  enum class Awaiting { Nothing, Addressed, Broadcast };

  // The prefix for the current slave address; a Broadcast clears the reply flags.
  std::string AddressPrefix();
  void EndSocketWait();
  void FailSocketCommand(std::string_view text);
  void Interpret(LinkKind link, std::string_view line);
  void Record(LinkKind link, Traffic direction, std::string_view bytes, std::string_view outcome = {});
  void Tell(std::string_view line, bool understood) {
    if (listener_) listener_(line, understood);
    if (run_listener_) run_listener_(line, understood);
  }

  ControllerState& state_;
  Messages& messages_;
  ReplyContext context_;
  ReplyListener listener_;
  ReplyListener run_listener_;
  std::shared_ptr<SettingsImage> read_into_;
  Transport* serial_ = nullptr;
  Transport* socket_ = nullptr;
  ReplyTimer* timer_ = nullptr;
  ReplyWaitTiming timing_;
  LineAssembler serial_lines_;
  LineAssembler socket_lines_;
  Awaiting awaiting_ = Awaiting::Nothing;
  TrafficLog* log_ = nullptr;
  // The reply being interpreted, for the log.
  LinkKind heard_link_ = LinkKind::Serial;
  std::string_view heard_line_;
  // The last name each transport gave: a peer that is gone is still named by it.
  std::string link_names_[2];
};

}  // namespace vtg
