#include "link/link.h"

#include <string>

#include "link/text_helpers.h"

namespace vtg {

namespace {
// Prefix, command and terminator together fit a 600-byte buffer.
constexpr std::size_t kMaxCommand = 597;
}  // namespace

Link::Link(ControllerState& state, Messages& messages)
    : state_(state), messages_(messages), context_{state, messages, {}} {}

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
  if (serial_) serial_->send(line);
}

void Link::SocketSendLine(std::string_view text) {
  text = text.substr(0, kMaxCommand);
  std::string line = AddressPrefix();
  line.append(text);
  const bool broadcast = state_.selection.slave_index >= kBroadcast;
  if (!LinkReady() || !socket_) {
    // Leaving step_pending set here would stall a running sequence for good.
    state_.flags.abort_flag = 1;
    messages_.ErrorBox(text::kNotConnected);
    return;
  }
  if (awaiting_ == Awaiting::Broadcast) {
    EndSocketWait();
  } else if (awaiting_ == Awaiting::Addressed) {
    // One command in flight at a time: its reply must not be taken for this one's.
    state_.flags.abort_flag = 1;
    messages_.ErrorBox(kBusyText);
    return;
  }
  socket_lines_.Clear();
  context_.read_into = read_into_;
  if (!socket_->send(line)) {
    FailSocketCommand(text::kSendFailed);
    return;
  }
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

void Link::OnSerialBytes(std::string_view bytes) {
  serial_lines_.Feed(bytes, [this](std::string_view line, bool overlong) {
    if (overlong) return;
    Tell(line, InterpretSerialReply(context_, line));
  });
}

void Link::OnSocketBytes(std::string_view bytes) {
  // Outside a reply wait nothing is expected; what arrives is read and thrown away.
  if (awaiting_ == Awaiting::Nothing) return;
  bool interpreted = false;
  socket_lines_.Feed(bytes, [&](std::string_view line, bool overlong) {
    if (overlong) return;
    if (!interpreted) EndSocketWait();
    interpreted = true;
    Tell(line, InterpretSocketReply(context_, line));
  });
}

void Link::OnSocketPeerLost() {
  socket_lines_.Clear();
  if (awaiting_ == Awaiting::Nothing) return;
  EndSocketWait();
  state_.flags.announce_success = 0;
  state_.glyph.glyph_read_pending = 0;
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
  if (!broadcast) {
    state_.flags.announce_success = 0;
    FailSocketCommand(text::kNoAnswer);
  }
  Tell({}, false);
}

}  // namespace vtg
