#include <gtest/gtest.h>

#include "wired_controller.h"

namespace vtg {
namespace {

using testing::Shown;
using testing::WiredController;

struct FramingCase {
  const char* name;
  int interface_setting;
  int slave_index;
  int address_prefix;
  const char* sent;
  int reply_pending;
  int step_pending;
};

class Framing : public ::testing::TestWithParam<FramingCase> {};

TEST_P(Framing, PrefixAndFlags) {
  const FramingCase& c = GetParam();
  WiredController w;
  w.state.link.interface_setting = c.interface_setting;
  w.state.link.tcp_connected = 1;
  w.state.selection.slave_index = c.slave_index;
  w.state.flags.address_prefix = c.address_prefix;
  w.state.flags.step_pending = 1;

  w.link.SendCommandLine("RCEL\r\n");

  const auto& lines = c.interface_setting == kTcpIp ? w.socket.lines : w.serial.lines;
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], c.sent);
  EXPECT_EQ(w.state.flags.reply_pending, c.reply_pending);
  EXPECT_EQ(w.state.flags.step_pending, c.step_pending);
  EXPECT_TRUE(w.messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    BothLinks, Framing,
    ::testing::Values(FramingCase{"SerialFirst", kRs232c, 0, 1, "00RCEL\r\n", 1, 1},
                      FramingCase{"SerialFive", kRs232c, 5, 1, "05RCEL\r\n", 1, 1},
                      FramingCase{"SerialLast", kRs232c, 31, 1, "31RCEL\r\n", 1, 1},
                      FramingCase{"SerialBroadcast", kRs232c, 32, 1, "FFRCEL\r\n", 0, 0},
                      FramingCase{"SerialBare", kRs232c, 5, 0, "RCEL\r\n", 1, 1},
                      FramingCase{"SerialBareBroadcastStillWaits", kRs232c, 32, 0, "RCEL\r\n", 1, 1},
                      FramingCase{"SocketFive", kTcpIp, 5, 1, "05RCEL\r\n", 0, 1},
                      FramingCase{"SocketAlwaysPrefixed", kTcpIp, 5, 0, "05RCEL\r\n", 0, 1},
                      FramingCase{"SocketBroadcast", kTcpIp, 32, 0, "FFRCEL\r\n", 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

class SocketLink : public ::testing::Test, public WiredController {
 protected:
  SocketLink() { UseSocketLink(); }
};

TEST_F(SocketLink, FailedSendAbortsAndZeroesTheStep) {
  socket.refuse = true;
  state.flags.sequence_step = 40;
  link.SendCommandLine("RCEL\r\n");
  EXPECT_EQ(messages.shown, (std::vector<Shown>{{Box::Error, "Socket 送信"}}));
  EXPECT_EQ(state.flags.abort_flag, 1);
  EXPECT_EQ(state.flags.sequence_step, 0);
  EXPECT_FALSE(link.AwaitingSocketReply());
}

// The wait for an addressed line ends in the box and the end of the run; a Broadcast line's
// ends quietly. Either way nothing read stays awaited.
TEST_F(SocketLink, WaitsTimeOut) {
  struct Case { int slave; int armed_ms; std::vector<Shown> shown; int abort, step; } cases[] = {
      {5, 6000, {{Box::Error, "Answer が､きません"}}, 1, 0}, {kBroadcast, 300, {}, 0, 9}};
  for (const Case& c : cases) {
    state.selection.slave_index = c.slave;
    state.flags = {};
    state.flags.announce_success = 1;
    state.flags.sequence_step = 9;
    state.glyph.glyph_read_pending = 1;
    messages.shown.clear();
    link.SendCommandLine("RCEL\r\n");
    EXPECT_EQ(timer.armed_ms, c.armed_ms);
    link.OnReplyTimeout();
    EXPECT_EQ(messages.shown, c.shown);
    EXPECT_EQ(std::tie(state.flags.abort_flag, state.flags.sequence_step), std::tie(c.abort, c.step));
    EXPECT_EQ(state.flags.announce_success, c.abort ? 0 : 1);
    EXPECT_EQ(state.glyph.glyph_read_pending, 0);
  }
}

TEST_F(SocketLink, OneCommandInFlight) {
  link.SendCommandLine("RCEL\r\n");
  link.SendCommandLine("RCWL\r\n");
  EXPECT_EQ(socket.lines.size(), 1u);
  EXPECT_EQ(state.flags.abort_flag, 1);
  ASSERT_EQ(messages.shown.size(), 1u);
  // A Broadcast wait is only a courtesy: the next command ends it.
  link.OnSocketBytes("00GO\r\n");
  state.selection.slave_index = kBroadcast;
  link.SendCommandLine("CWL3\r\n");
  link.SendCommandLine("CEL1\r\n");
  EXPECT_EQ(socket.lines.size(), 3u);
}

TEST_F(SocketLink, PeerLostDuringAWaitEndsIt) {
  state.flags.step_pending = 1;
  link.SendCommandLine("RCEL\r\n");
  link.OnSocketBytes("00CE");
  link.OnSocketPeerLost();
  EXPECT_FALSE(link.AwaitingSocketReply());
  EXPECT_EQ(state.flags.abort_flag, 1);
  EXPECT_EQ(messages.shown.size(), 1u);
}

// Every way a wait ends tells the listener once: the reply line, or nothing.
TEST_F(SocketLink, ListenerHearsTheEndOfEveryWait) {
  std::vector<std::string> heard;
  link.SetReplyListener([&](std::string_view line, bool understood) {
    heard.push_back(std::string(line) + (understood ? "" : "?"));
  });
  link.SendCommandLine("RCEL\r\n");
  link.OnSocketBytes("00CE");
  link.OnSocketBytes("L2\r\n");
  link.SendCommandLine("RCEL\r\n");
  link.OnSocketBytes("00CEL9\r\n");
  link.SendCommandLine("RCWL\r\n");
  link.OnReplyTimeout();
  link.SendCommandLine("RCWL\r\n");
  link.OnSocketPeerLost();
  state.selection.slave_index = kBroadcast;
  link.SendCommandLine("CWL3\r\n");
  link.OnReplyTimeout();
  EXPECT_EQ(heard, (std::vector<std::string>{"00CEL2\r\n", "00CEL9\r\n?", "?", "?", "?"}));
}

// However the replies are cut into receptions, each is interpreted once, whole, and only
// then; on the socket the wait is over with the first.
TEST(Receptions, SplitAndJoinedRepliesAreEachInterpretedOnceWhole) {
  for (int interface : {kRs232c, kTcpIp}) {
    WiredController w;
    w.state.link.interface_setting = interface;
    w.state.link.tcp_connected = 1;
    w.state.flags.address_prefix = 1;
    w.state.selection.slave_index = 5;
    std::vector<std::string> heard;
    w.link.SetReplyListener([&](std::string_view line, bool) { heard.emplace_back(line); });
    const auto deliver = [&](std::string_view bytes) {
      interface == kTcpIp ? w.link.OnSocketBytes(bytes) : w.link.OnSerialBytes(bytes);
    };
    w.link.SendCommandLine("RCEL\r\n");
    deliver("05CE");
    EXPECT_TRUE(heard.empty());
    EXPECT_TRUE(w.link.ReplyAwaited());
    deliver("L2\r\n05CWL0\r\n");
    EXPECT_EQ(w.state.image.edge_level, 2);
    EXPECT_EQ(w.state.image.white_level, 0);
    EXPECT_FALSE(w.link.ReplyAwaited());
    EXPECT_EQ(w.timer.armed_ms, 0);
    EXPECT_EQ(heard, (std::vector<std::string>{"05CEL2\r\n", "05CWL0\r\n"}));
  }
}

}  // namespace
}  // namespace vtg
