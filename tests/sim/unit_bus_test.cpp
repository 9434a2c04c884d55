// Several units on one line: routing by address, Broadcast, and the fault plan.
#include <gtest/gtest.h>

#include "sim/unit_bus.h"

namespace vtg::sim {
namespace {

struct TwoUnits {
  SimulatedUnit first{0};
  SimulatedUnit second{1};
  UnitBus Bus(FaultPlan faults = {}) { return UnitBus({&first, &second}, std::move(faults)); }
};

std::vector<std::string> Replies(UnitBus& bus, std::string_view text, bool overlong = false) {
  return bus.Deliver({std::string(text), overlong}).replies;
}

using Lines = std::vector<std::string>;

struct Routing {
  std::string_view line;
  Lines replies;
};

const Routing kRouting[] = {
    {"01RCEL", {"01CEL1\r\n"}},
    {"00RCWL", {"00CWL3\r\n"}},
    {"05RCEL", {}},                    // nobody has address 05
    {"FFCWL0", {}},                    // Broadcast is never answered
    {"RAA", {"AA192.168.001.003\r\n"}},  // network read without address: the first unit
    {"CWL0", {"E3\r\n"}},              // display commands need an address
    {"01", {"01E3\r\n"}},
    {"0", {"E3\r\n"}},
    {"", {}},
    {"\x01\x02garbage", {"E3\r\n"}},
};

TEST(UnitBus, RoutesEachLineToTheUnitsItAddresses) {
  for (const auto& [line, replies] : kRouting) {
    TwoUnits units;
    UnitBus bus = units.Bus();
    EXPECT_EQ(Replies(bus, line), replies) << line;
  }
}

TEST(UnitBus, BroadcastIsExecutedByEveryUnit) {
  TwoUnits units;
  UnitBus bus = units.Bus();
  const Delivery delivery = bus.Deliver({"FFCEL2"});
  EXPECT_TRUE(delivery.replies.empty());
  EXPECT_TRUE(delivery.changed);
  EXPECT_EQ(units.first.state().edge_level, 2);
  EXPECT_EQ(units.second.state().edge_level, 2);
}

TEST(UnitBus, SlaveAddressChangeTakesEffectForTheNextLine) {
  TwoUnits units;
  UnitBus bus = units.Bus();
  EXPECT_EQ(Replies(bus, "SA09"), Lines{"GO\r\n"});
  EXPECT_EQ(Replies(bus, "00RCEL"), Lines{});
  EXPECT_EQ(Replies(bus, "09RCEL"), Lines{"09CEL1\r\n"});
}

TEST(UnitBus, OverlongLinesAreAnsweredE3Unexecuted) {
  TwoUnits units;
  UnitBus bus = units.Bus();
  EXPECT_EQ(Replies(bus, "01CWL0", true), Lines{"01E3\r\n"});
  EXPECT_EQ(Replies(bus, "FFCWL0", true), Lines{});
  EXPECT_EQ(units.second.state().white_level, 3);
}

TEST(UnitBus, DropFaultSwallowsEveryNthReply) {
  TwoUnits units;
  UnitBus bus = units.Bus({.drop_every = 2});
  EXPECT_EQ(Replies(bus, "00RCEL").size(), 1u);
  const Delivery second = bus.Deliver({"00CWL1"});
  EXPECT_TRUE(second.replies.empty());
  EXPECT_EQ(second.dropped, Lines{"00GO\r\n"});
  EXPECT_EQ(units.first.state().white_level, 1);  // executed all the same
  EXPECT_EQ(Replies(bus, "00RCEL").size(), 1u);
}

TEST(UnitBus, ErrorFaultRefusesEveryNthAddressedLine) {
  TwoUnits units;
  UnitBus bus = units.Bus({.error_every = 2, .error_code = "GN"});
  EXPECT_EQ(Replies(bus, "00CWL1"), Lines{"00GO\r\n"});
  EXPECT_EQ(Replies(bus, "FFCWL0"), Lines{});  // not counted: nothing answers it
  EXPECT_EQ(Replies(bus, "01CWL2"), Lines{"01GN\r\n"});
  EXPECT_EQ(units.second.state().white_level, 0);  // from the Broadcast only
}

TEST(UnitBus, CloseFaultExecutesTheNthLineAndWithholdsItsReply) {
  TwoUnits units;
  UnitBus bus = units.Bus({.close_after = 3});
  EXPECT_FALSE(bus.Deliver({"00CWL1"}).close_link);
  EXPECT_FALSE(bus.Deliver({""}).close_link);  // nothing taken: not counted
  EXPECT_EQ(Replies(bus, "05RCEL"), Lines{});  // counted, though nobody answers it
  const Delivery third = bus.Deliver({"01CWL2"});
  EXPECT_TRUE(third.close_link);
  EXPECT_EQ(std::tie(third.replies, third.dropped), std::tuple(Lines{}, Lines{"01GO\r\n"}));
  EXPECT_EQ(units.second.state().white_level, 2);
}

}  // namespace
}  // namespace vtg::sim
