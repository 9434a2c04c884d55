// The traffic log: its line format, its ring, and what the link tells it.
#include <gtest/gtest.h>

#include "link/traffic_log.h"
#include "wired_controller.h"

namespace vtg {
namespace {

using namespace std::string_literals;

TEST(TrafficLine, TimeDirectionLinkEscapedBytesAndOutcome) {
  EXPECT_EQ(FormatTrafficLine(1796638502117, Traffic::Sent, "serial /dev/ttyS0", "05RCEL\r\n", ""),
            R"(2026-12-07 10:15:02.117 sent     serial /dev/ttyS0 "05RCEL\r\n")");
  EXPECT_EQ(FormatTrafficLine(0, Traffic::Received, "tcp", "05G\x82\xA0\x7F\t\"\\\0\n"s, "ignored: unknown reply"),
            R"(1970-01-01 00:00:00.000 received tcp "05G\x82\xA0\x7F\x09\"\\\x00\n" ignored: unknown reply)");
  EXPECT_EQ(FormatTrafficLine(951782400999, Traffic::Event, "tcp", "", "time-out, no reply"),
            "2000-02-29 00:00:00.999 event    tcp time-out, no reply");
}

TEST(TrafficLog, KeepsTheLastLinesInOrderCountsTheDroppedAndTellsTheSinkEveryOne) {
  TrafficLog log([] { return 0; });
  std::size_t sunk = 0;
  log.SetSink([&](std::string_view) { ++sunk; });
  const std::size_t total = TrafficLog::kKeptLines + 3;
  for (std::size_t i = 1; i <= total; ++i) log.Record(Traffic::Sent, "l", std::to_string(i));
  EXPECT_EQ(sunk, total);
  EXPECT_EQ(log.Dropped(), 3u);
  EXPECT_TRUE(log.Line(0).ends_with(" \"4\""));
  EXPECT_TRUE(log.Text().ends_with(" \"10002\"\n" + log.Line(TrafficLog::kKeptLines - 1) + '\n'));
  log.Clear();
  EXPECT_EQ(log.Kept() + log.Dropped(), 0u);
  EXPECT_EQ(log.Recorded(), total);
}

// A peer that names itself as the TCP/IP link does, and no longer once it is gone.
struct NamedPeer : testing::RecordingTransport {
  NamedPeer() : RecordingTransport(testing::SocketPeer()) {}
  std::string description() const override { return name; }
  std::string name = "tcp 10.0.0.20:9004 record 3";
};

class LinkToLog : public ::testing::Test {
 protected:
  LinkToLog() {
    c.state.flags.address_prefix = 1;
    c.link.AttachSocket(&peer, &c.timer);
    c.link.SetTrafficLog(&log);
  }
  // The log's lines without their time.
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < log.Kept(); ++i) lines.push_back(log.Line(i).substr(24));
    return lines;
  }
  testing::WiredController c;
  Link& link = c.link;
  NamedPeer peer;
  TrafficLog log{[] { return 0; }};
};

TEST_F(LinkToLog, SerialLinesRepliesAndTheWatchdog) {
  link.SendCommandLine("CEL2\r\n");
  link.OnSerialBytes("00GO\r\n00CEL9\r\n00XYZ\r\n" + std::string(700, 'A') + "\r\n");
  link.SendCommandLine("CWL1\r\n");
  for (int tick = 0; tick < 12; ++tick) link.OnWatchdogTick();
  EXPECT_EQ(Lines(), (std::vector<std::string>{
                         R"(sent     serial "00CEL2\r\n")",
                         R"(received serial "00GO\r\n" matched GO; box "Success")",
                         R"(received serial "00CEL9\r\n" ignored: malformed CEL)",
                         R"(received serial "00XYZ\r\n" ignored: unknown reply)",
                         "received serial \"" + std::string(599, 'A') + "\" ignored: overlong line dropped",
                         R"(sent     serial "00CWL1\r\n")",
                         "event    serial time-out, no reply",
                     }));
}

TEST_F(LinkToLog, SocketLinesRepliesAndWaitsThatEnded) {
  c.UseSocketLink();
  link.SendCommandLine("CEL2\r\n");
  link.OnSocketBytes("00E3\r\n");
  link.OnSocketBytes("00G");
  link.SendCommandLine("CEL2\r\n");
  link.OnReplyTimeout();
  link.SendCommandLine("CEL2\r\n");
  peer.name.clear();
  link.OnSocketPeerLost();
  c.state.link.tcp_connected = 0;
  link.SendCommandLine("CWL1\r\n");
  const std::string sent = R"(sent     tcp 10.0.0.20:9004 record 3 "00CEL2\r\n")";
  EXPECT_EQ(Lines(), (std::vector<std::string>{
                         sent,
                         R"(received tcp 10.0.0.20:9004 record 3 "00E3\r\n" matched E3; box "Socket Command")",
                         R"(received tcp 10.0.0.20:9004 record 3 "00G" ignored: no command out)",
                         sent,
                         "event    tcp 10.0.0.20:9004 record 3 time-out, no reply",
                         sent,
                         "event    tcp 10.0.0.20:9004 record 3 peer lost, no reply",
                         R"(event    tcp 10.0.0.20:9004 record 3 "00CWL1\r\n" not sent: not connected)",
                     }));
}

}  // namespace
}  // namespace vtg
