#include <gtest/gtest.h>

#include "link/unit_network.h"

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

}  // namespace
}  // namespace vtg
