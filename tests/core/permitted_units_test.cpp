#include <gtest/gtest.h>

#include "link/permitted_units.h"

namespace vtg {
namespace {

TEST(PermittedUnits, EntriesReadAsRulesOrNotAtAll) {
  const std::pair<const char*, const char*> cases[] = {
      {"192.168.1.20", "192.168.1.20"}, {"192.168.1.7/24", "192.168.1.0/24"}, {"0.0.0.0/0", "0.0.0.0/0"},
      {"1.2.3.4/32", "1.2.3.4"},        {"256.1.1.1", nullptr},               {"1.2.3", nullptr},
      {"1.2.3.4.5", nullptr},           {"1.2.3.4/33", nullptr},              {"1.2.3.4/", nullptr},
      {"1.2.3.4 ", nullptr},            {"0001.2.3.4", nullptr},              {"", nullptr},
  };
  for (const auto& [text, expected] : cases) {
    const auto rule = ParseAddressRule(text);
    EXPECT_EQ(rule ? RuleText(*rule) : "(none)", expected ? expected : "(none)") << text;
  }
}

TEST(PermittedUnits, OnlyUnitsOnTheListGetIn) {
  struct Case {
    std::vector<std::string> entries;
    const char* address;
    bool admitted;
  };
  const Case cases[] = {
      {{}, "203.0.113.9", true},  // no list: any unit, as before
      {{"192.168.1.20"}, "192.168.1.21", false},
      {{"172.16.0.0/12"}, "172.31.255.1", true},
      {{"172.16.0.0/12"}, "172.32.0.1", false},
      {{"10.0.0.1", "127.0.0.0/8"}, "127.0.0.1", true},
      {{"192.168.1.0/24"}, "::ffff:192.168.1.5", true},
      {{"192.168.1.0/24"}, "::1", false},
      {{"garbled"}, "192.168.1.5", false},  // a damaged list lets nobody in
  };
  for (const Case& c : cases) EXPECT_EQ(RefusalOf(c.entries, c.address).empty(), c.admitted) << c.address;
}

}  // namespace
}  // namespace vtg
