#include "link/link.h"

#include <string>

#include "link/text_helpers.h"
#include "link/watchdog.h"

namespace vtg {

namespace {
// Prefix, command and terminator together fit a 600-byte buffer.
constexpr std::size_t kMaxCommand = 597;

// What the traffic log says became of a line.
constexpr std::string_view kNotConnected = "not sent: not connected";
constexpr std::string_view kBusy = "not sent: a reply is still awaited";
constexpr std::string_view kRefused = "not sent: the link refused it";
constexpr std::string_view kOverlong = "ignored: overlong line dropped";
constexpr std::string_view kStray = "ignored: no command out";
constexpr std::string_view kBytesDropped = "bytes dropped: receive buffer full";
constexpr std::string_view kTimeOut = "time-out, no reply";
constexpr std::string_view kBroadcastWaitOver = "broadcast wait over";
constexpr std::string_view kPeerLost = "peer lost, no reply";

std::string OutcomeText(const ReplyOutcome& outcome) {
  switch (outcome.kind) {
    case ReplyOutcome::Kind::Unknown: return "ignored: unknown reply";
    case ReplyOutcome::Kind::Malformed: return "ignored: malformed " + std::string(outcome.row);
    case ReplyOutcome::Kind::Applied:
    case ReplyOutcome::Kind::Refused: break;
  }
  std::string text = "matched " + std::string(outcome.row);
  if (!outcome.message.empty()) text += "; box \"" + std::string(outcome.message) + '"';
  return text;
}

}  // namespace

Link::Link(ControllerState& state, Messages& messages)
    : state_(state), messages_(messages), context_{state, messages, {}} {}

void Link::SetTrafficLog(TrafficLog* log) {
  log_ = log;
  context_.on_outcome = nullptr;
  if (log)
    context_.on_outcome = [this](const ReplyOutcome& outcome) {
      Record(heard_link_, Traffic::Received, heard_line_, OutcomeText(outcome));
    };
}

void Link::Record(LinkKind link, Traffic direction, std::string_view bytes, std::string_view outcome) {
  if (!log_) return;
  const Transport* transport = link == LinkKind::Serial ? serial_ : socket_;
  std::string& name = link_names_[static_cast<int>(link)];
  if (std::string now = transport ? transport->description() : std::string{}; !now.empty()) name = std::move(now);
  log_->Record(direction, name.empty() ? (link == LinkKind::Serial ? "serial" : "tcp") : name, bytes, outcome);
}

bool Link::LinkReady() const {
  return state_.link.interface_setting == kRs232c || state_.link.tcp_connected == 1;
}

bool Link::ReplyAwaited() const { return awaiting_ == Awaiting::Addressed || state_.flags.reply_pending != 0; }

void Link::SendCommandLine(std::string_view text) {
  if (state_.link.interface_setting == kTcpIp)
    SocketSendLine(text);
  else
    SerialSendLine(text);
}

std::string Link::AddressPrefix() {
  if (state_.selection.slave_index >= kBroadcast) {
    state_.flags.step_pending = 0;
    state_.flags.reply_pending = 0;
    return "FF";
  }
  return Dec2(state_.selection.slave_index);
}

void Link::SerialSendLine(std::string_view text) {
  text = text.substr(0, kMaxCommand);
  context_.read_into = read_into_;
  state_.flags.reply_pending = 1;
  std::string line = state_.flags.address_prefix == 1 ? AddressPrefix() : std::string{};
  line.append(text);
  // The outcome is not awaited: a lost line shows as "No Connect" from the watchdog.
  const bool sent = serial_ && serial_->send(line);
  Record(LinkKind::Serial, sent ? Traffic::Sent : Traffic::Event, line, sent ? "" : kRefused);
}

void Link::SocketSendLine(std::string_view text) {
  text = text.substr(0, kMaxCommand);
  std::string line = AddressPrefix();
  line.append(text);
  const bool broadcast = state_.selection.slave_index >= kBroadcast;
  if (!LinkReady() || !socket_) {
    // Leaving step_pending set here would stall a running sequence for good.
    state_.flags.abort_flag = 1;
    Record(LinkKind::Socket, Traffic::Event, line, kNotConnected);
    messages_.ErrorBox(text::kNotConnected);
    return;
  }
  if (awaiting_ == Awaiting::Broadcast) {
    EndSocketWait();
  } else if (awaiting_ == Awaiting::Addressed) {
    // One command in flight at a time: its reply must not be taken for this one's.
    state_.flags.abort_flag = 1;
    Record(LinkKind::Socket, Traffic::Event, line, kBusy);
    messages_.ErrorBox(kBusyText);
    return;
  }
  socket_lines_.Clear();
  context_.read_into = read_into_;
  if (!socket_->send(line)) {
    Record(LinkKind::Socket, Traffic::Event, line, kRefused);
    FailSocketCommand(text::kSendFailed);
    return;
  }
  Record(LinkKind::Socket, Traffic::Sent, line);
  awaiting_ = broadcast ? Awaiting::Broadcast : Awaiting::Addressed;
  if (timer_) timer_->arm(broadcast ? timing_.broadcast_ms : timing_.addressed_ms);
}

void Link::FailSocketCommand(std::string_view text) {
  state_.flags.abort_flag = 1;
  state_.flags.sequence_step = 0;
  messages_.ErrorBox(text);
}

void Link::EndSocketWait() {
  awaiting_ = Awaiting::Nothing;
  if (timer_) timer_->cancel();
}

void Link::Interpret(LinkKind link, std::string_view line) {
  heard_link_ = link;
  heard_line_ = line;
  const ReplyOutcome outcome =
      link == LinkKind::Serial ? InterpretSerialReply(context_, line) : InterpretSocketReply(context_, line);
  Tell(line, outcome.understood());
}

void Link::OnSerialBytes(std::string_view bytes) {
  serial_lines_.Feed(bytes, [this](std::string_view line, bool overlong) {
    if (overlong) return Record(LinkKind::Serial, Traffic::Received, line, kOverlong);
    Interpret(LinkKind::Serial, line);
  });
}

void Link::OnSocketBytes(std::string_view bytes) {
  // Outside a reply wait nothing is expected; what arrives is read and thrown away.
  if (awaiting_ == Awaiting::Nothing) return Record(LinkKind::Socket, Traffic::Received, bytes, kStray);
  bool interpreted = false;
  socket_lines_.Feed(bytes, [&](std::string_view line, bool overlong) {
    if (overlong) return Record(LinkKind::Socket, Traffic::Received, line, kOverlong);
    if (!interpreted) EndSocketWait();
    interpreted = true;
    Interpret(LinkKind::Socket, line);
  });
}

void Link::OnSerialBytesDropped() {
  serial_lines_.DropPartialLine();
  Record(LinkKind::Serial, Traffic::Event, {}, kBytesDropped);
}

void Link::OnSocketBytesDropped() {
  socket_lines_.DropPartialLine();
  Record(LinkKind::Socket, Traffic::Event, {}, kBytesDropped);
}

void Link::OnSocketPeerLost() {
  socket_lines_.Clear();
  if (awaiting_ == Awaiting::Nothing) return;
  EndSocketWait();
  state_.flags.announce_success = 0;
  state_.glyph.glyph_read_pending = 0;
  Record(LinkKind::Socket, Traffic::Event, {}, kPeerLost);
  FailSocketCommand(kPeerLostText);
  Tell({}, false);
}

void Link::OnReplyTimeout() {
  if (awaiting_ == Awaiting::Nothing) return;
  const bool broadcast = awaiting_ == Awaiting::Broadcast;
  awaiting_ = Awaiting::Nothing;
  socket_lines_.Clear();
  state_.glyph.glyph_read_pending = 0;
  state_.flags.reply_pending = 0;
  state_.flags.watchdog_ticks = 0;
  Record(LinkKind::Socket, Traffic::Event, {}, broadcast ? kBroadcastWaitOver : kTimeOut);
  if (!broadcast) {
    state_.flags.announce_success = 0;
    FailSocketCommand(text::kNoAnswer);
  }
  Tell({}, false);
}

void Link::OnWatchdogTick() {
  if (!WatchdogExpired(state_)) return;
  Record(LinkKind::Serial, Traffic::Event, {}, kTimeOut);
  messages_.StopBox(text::kNoConnect);
}

}  // namespace vtg
