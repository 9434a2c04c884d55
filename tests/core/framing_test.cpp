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

TEST_F(SocketLink, NotConnectedSendsNothingAndEndsTheRun) {
  state.link.tcp_connected = 0;
  state.flags.step_pending = 1;
  link.SendCommandLine("RCEL\r\n");
  EXPECT_TRUE(socket.lines.empty());
  EXPECT_EQ(messages.shown, (std::vector<Shown>{{Box::Error, "Socket が接続されていません"}}));
  EXPECT_EQ(state.flags.abort_flag, 1);
}

TEST_F(SocketLink, FailedSendAbortsAndZeroesTheStep) {
  socket.refuse = true;
  state.flags.sequence_step = 40;
  link.SendCommandLine("RCEL\r\n");
  EXPECT_EQ(messages.shown, (std::vector<Shown>{{Box::Error, "Socket 送信"}}));
  EXPECT_EQ(state.flags.abort_flag, 1);
  EXPECT_EQ(state.flags.sequence_step, 0);
  EXPECT_FALSE(link.AwaitingSocketReply());
}

TEST_F(SocketLink, AddressedWaitTimesOutWithItsMessageAndFlags) {
  state.flags.announce_success = 1;
  state.glyph.glyph_read_pending = 1;
  state.flags.sequence_step = 9;
  link.SendCommandLine("RCEL\r\n");
  EXPECT_EQ(timer.armed_ms, 6000);
  link.OnReplyTimeout();
  EXPECT_EQ(messages.shown, (std::vector<Shown>{{Box::Error, "Answer が､きません"}}));
  EXPECT_EQ(state.flags.abort_flag, 1);
  EXPECT_EQ(state.flags.sequence_step, 0);
  EXPECT_EQ(state.flags.announce_success, 0);
  EXPECT_EQ(state.glyph.glyph_read_pending, 0);
}

TEST_F(SocketLink, BroadcastWaitEndsQuietly) {
  state.selection.slave_index = kBroadcast;
  state.glyph.glyph_read_pending = 1;
  link.SendCommandLine("CWL3\r\n");
  EXPECT_EQ(timer.armed_ms, 300);
  link.OnReplyTimeout();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(state.flags.abort_flag, 0);
  EXPECT_EQ(state.glyph.glyph_read_pending, 0);
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

TEST_F(SocketLink, ReplySplitOverTwoReceptionsIsOneReply) {
  state.flags.step_pending = 1;
  link.SendCommandLine("CWL3\r\n");
  link.OnSocketBytes("05G");
  EXPECT_TRUE(link.AwaitingSocketReply());
  EXPECT_EQ(state.flags.step_pending, 1);
  link.OnSocketBytes("O\r\n");
  EXPECT_FALSE(link.AwaitingSocketReply());
  EXPECT_EQ(timer.armed_ms, 0);
  EXPECT_EQ(messages.shown, (std::vector<Shown>{{Box::Success, "Socket ＯＫ"}}));
}

TEST_F(SocketLink, TwoRepliesInOneChunkAreBothInterpreted) {
  link.SendCommandLine("RCEL\r\n");
  link.OnSocketBytes("00CEL2\r\n00CWL0\r\n");
  EXPECT_EQ(state.image.edge_level, 2);
  EXPECT_EQ(state.image.white_level, 0);
}

TEST_F(SocketLink, NothingIsInterpretedOutsideAWait) {
  link.OnSocketBytes("00E3\r\n");
  EXPECT_EQ(state.flags.abort_flag, 0);
  EXPECT_TRUE(messages.shown.empty());
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

class SerialLink : public ::testing::Test, public WiredController {};

TEST_F(SerialLink, SplitAndJoinedReceptions) {
  state.flags.address_prefix = 1;
  state.flags.sequence_step = 3;  // a run is going: no success box for "GO"
  link.OnSerialBytes("05CE");
  EXPECT_EQ(state.image.edge_level, 1);
  link.OnSerialBytes("L0\r\n05CWL2\r\n05E");
  EXPECT_EQ(state.image.edge_level, 0);
  EXPECT_EQ(state.image.white_level, 2);
  std::string heard;
  link.SetReplyListener([&](std::string_view line, bool) { heard = line; });
  link.OnSerialBytes("3\r\n");
  EXPECT_EQ(messages.shown, (std::vector<Shown>{{Box::Error, "Command Error"}}));
  EXPECT_EQ(state.flags.abort_flag, 1);
  EXPECT_EQ(heard, "05E3\r\n");
}

}  // namespace
}  // namespace vtg
