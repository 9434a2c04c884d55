#include <gtest/gtest.h>

#include "link/unit_network.h"
#include "wired_controller.h"

namespace vtg {
namespace {

TEST(UnitNetwork, DottedAddressSetsOnlyTheFieldsThatAreBytes) {
  struct Case {
    std::string_view text;
    IpBytes expected;
  };
  const Case cases[] = {
      {"192.168.1.3", {192, 168, 1, 3}},       {"192.168.001.003", {192, 168, 1, 3}},
      {"10..5.7", {10, 9, 5, 7}},              {"1.2.3.4567", {1, 2, 3, 9}},
      {"256.0.0.0", {9, 0, 0, 0}},             {"", {9, 9, 9, 9}},
      {"1.2", {1, 2, 9, 9}},                   {"12.34.56.78.90", {12, 34, 56, 78}},
      {"1x.2.3.4", {9, 2, 3, 4}},
  };
  for (const Case& c : cases) {
    IpBytes address{9, 9, 9, 9};
    ApplyDottedAddress(c.text, address);
    EXPECT_EQ(address, c.expected) << c.text;
  }
}

TEST(UnitNetwork, PortEntryIsPaddedOrRefused) {
  const std::pair<std::string_view, std::optional<std::string>> cases[] = {
      {"09004", "09004"}, {"9004", "09004"}, {"1", "00001"},          {"65535", "65535"},
      {"", std::nullopt}, {"0", std::nullopt}, {"65536", std::nullopt}, {"90 4", std::nullopt},
      {"123456", std::nullopt},
  };
  for (const auto& [entry, expected] : cases) EXPECT_EQ(UnitPortText(entry), expected) << entry;
}

class ReadBackTest : public ::testing::Test, public testing::WiredController {
 protected:
  ReadBackTest() {
    engine.OnEnd([this](SequenceEngine::End e) { ended = e; });
  }
  std::optional<SequenceEngine::End> ended;
};

TEST_F(ReadBackTest, NineReadsOnePerTickThenCompleteOnceTheLastIsAnswered) {
  state.link.interface_setting = kTcpIp;  // the reads go to the port whatever the interface
  ASSERT_EQ(engine.Begin(UnitNetworkReadBack(link)), SequenceEngine::Start::Started);
  EXPECT_EQ(view.periods, std::vector<int>{200});
  for (int tick = 1; tick <= 9; ++tick) {
    engine.Tick();
    if (tick < 9) link.OnSerialBytes("GO\r\n");
  }
  EXPECT_EQ(serial.lines, (std::vector<std::string>{"RAA\r\n", "RGA\r\n", "RIA\r\n", "RMA\r\n", "RPN\r\n", "RSM\r\n",
                                                    "RKA\r\n", "RTR\r\n", "RVN\r\n"}));
  engine.Tick();
  EXPECT_FALSE(ended);
  link.OnSerialBytes("GO\r\n");
  engine.Tick();
  EXPECT_EQ(ended, SequenceEngine::End::Completed);
  EXPECT_EQ(serial.lines.size(), 9u);
  EXPECT_TRUE(view.close_enabled);
}

TEST_F(ReadBackTest, AStaleAbortFlagDoesNotEndANewReadBack) {
  state.flags.abort_flag = 1;  // left by an earlier "No Connect"
  engine.Begin(UnitNetworkReadBack(link));
  engine.Tick();
  EXPECT_EQ(serial.lines, std::vector<std::string>{"RAA\r\n"});
  EXPECT_TRUE(engine.Running());
}

TEST_F(ReadBackTest, AnErrorReplyEndsItAtTheNextTick) {
  engine.Begin(UnitNetworkReadBack(link));
  engine.Tick();
  link.OnSerialBytes("AA192.168.000.010\r\n");
  engine.Tick();
  link.OnSerialBytes("E3\r\n");
  engine.Tick();
  EXPECT_EQ(ended, SequenceEngine::End::Aborted);
  EXPECT_EQ(serial.lines.size(), 2u);
  EXPECT_EQ(messages.shown.back().text, "Command Error");
}

}  // namespace
}  // namespace vtg
