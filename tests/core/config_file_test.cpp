#include <gtest/gtest.h>

#include "link/host_list.h"
#include "memory_profile.h"
#include "recording_messages.h"
#include "settings/config_file.h"

namespace vtg {
namespace {

using testing::MemoryProfile;
using Writes = std::vector<std::pair<std::string, std::string>>;

TEST(ConfigFile, MissingFileGivesRs232cClientOnTheFirstPort) {
  MemoryProfile empty;
  LinkConfig link;
  link.host_list.push_back({1, 2, 3, 4});
  LoadConfiguration(link, empty);
  EXPECT_EQ(link.interface_setting, kRs232c);
  EXPECT_EQ(link.tcp_role, kClient);
  EXPECT_EQ(std::tuple(link.com_port_index, link.tcp_port_text, link.selected_peer), std::tuple(0, "09004", 0));
  EXPECT_TRUE(link.host_list.empty());
}

TEST(ConfigFile, ReadsHostsInOrderAfterTheCount) {
  MemoryProfile file{{"list_count", "2"},  {"ip00_0", "192"}, {"ip00_1", "168"}, {"ip00_2", "1"},
                     {"ip00_3", "3"},      {"ip01_0", "10"},  {"ip01_1", "0"},   {"ip01_2", "0"},
                     {"ip01_3", "7"},      {"ip02_0", "99"},  {"Interface", "1"}, {"ClientServer", "1"},
                     {"select_number", "1"}, {"com_port", "3"}, {"port_number", "10001"}};
  LinkConfig link;
  LoadConfiguration(link, file);
  EXPECT_EQ(link.host_list, (std::vector<IpBytes>{{192, 168, 1, 3}, {10, 0, 0, 7}}));
  EXPECT_EQ(link.interface_setting, kTcpIp);
  EXPECT_EQ(link.tcp_role, kServer);
  EXPECT_EQ(std::tuple(link.selected_peer, link.com_port_index, link.tcp_port_text), std::tuple(1, 3, "10001"));
}

TEST(ConfigFile, OddValuesReadAsTheFileAlwaysDid) {
  struct Case {
    std::string key, value;
    std::function<bool(const LinkConfig&)> holds;
  };
  const std::vector<Case> cases = {
      {"Interface", "7", [](auto& l) { return l.interface_setting == kTcpIp; }},
      {"Interface", "abc", [](auto& l) { return l.interface_setting == kRs232c; }},
      {"ClientServer", "2", [](auto& l) { return l.tcp_role == kClient; }},
      {"ClientServer", " 1x", [](auto& l) { return l.tcp_role == kServer; }},
      {"port_number", "1234567", [](auto& l) { return l.tcp_port_text == "12345"; }},
      {"com_port", "12345678901", [](auto& l) { return l.com_port_index == 123456789; }},
      {"select_number", "-1", [](auto& l) { return l.selected_peer == -1; }},
      {"list_count", "0", [](auto& l) { return l.host_list.empty(); }},
      {"list_count", "-4", [](auto& l) { return l.host_list.empty(); }},
      {"list_count", "250", [](auto& l) { return l.host_list.size() == 100u; }},
  };
  for (const Case& c : cases) {
    MemoryProfile file{{c.key, c.value}, {"ip00_0", "300"}, {"ip00_1", "7"}};
    LinkConfig link;
    LoadConfiguration(link, file);
    EXPECT_TRUE(c.holds(link)) << c.key << "=" << c.value;
    if (!link.host_list.empty()) {
      EXPECT_EQ(link.host_list[0], (IpBytes{0, 7, 0, 0})) << "a part above 255 reads as 0";
    }
  }
}

class HostListTest : public ::testing::Test {
 protected:
  void Add(IpBytes host) { ASSERT_TRUE(AddHost(link, host, file, messages)); }
  LinkConfig link;
  MemoryProfile file;
  testing::RecordingMessages messages;
};

TEST_F(HostListTest, AddingWritesTheCountAndTheNewEntry) {
  Add({192, 168, 1, 3});
  EXPECT_EQ(file.writes,
            (Writes{{"list_count", "1"}, {"ip00_0", "192"}, {"ip00_1", "168"}, {"ip00_2", "1"}, {"ip00_3", "3"}}));
  EXPECT_EQ(HostEntryText(link.host_list[0]), "192 .168 .001 .003");
}

TEST_F(HostListTest, DeletingMovesLaterEntriesDownAndLeavesTheOldLastKeys) {
  Add({1, 1, 1, 1});
  Add({2, 2, 2, 2});
  Add({3, 3, 3, 3});
  link.selected_peer = -1;  // nothing chosen: only the list's keys change
  file.writes.clear();
  DeleteHost(link, 0, file);
  EXPECT_EQ(link.host_list, (std::vector<IpBytes>{{2, 2, 2, 2}, {3, 3, 3, 3}}));
  EXPECT_EQ(file.writes, (Writes{{"list_count", "2"}, {"ip00_0", "2"}, {"ip00_1", "2"}, {"ip00_2", "2"}, {"ip00_3", "2"},
                                 {"ip01_0", "3"}, {"ip01_1", "3"}, {"ip01_2", "3"}, {"ip01_3", "3"}}));
  EXPECT_EQ(file.keys["ip02_0"], "3");

  file.writes.clear();
  DeleteHost(link, 5, file);
  EXPECT_TRUE(file.writes.empty()) << "no such entry: nothing changes";
}

TEST_F(HostListTest, DeletingAHostKeepsTheChoiceOnTheChosenHost) {
  struct Case { int chosen, deleted, chosen_after; };
  // Of three: the chosen host moves down with the others, or goes, and then none is chosen.
  for (const Case c : {Case{2, 0, 1}, Case{1, 1, -1}, Case{2, 2, -1}, Case{0, 2, 0}}) {
    link = LinkConfig{};
    for (std::uint8_t h = 1; h <= 3; ++h) Add({h, h, h, h});
    SelectHost(link, c.chosen, file);
    DeleteHost(link, c.deleted, file);
    EXPECT_EQ(link.selected_peer, c.chosen_after) << c.chosen << " chosen, " << c.deleted << " deleted";
    EXPECT_EQ(file.keys["select_number"], std::to_string(c.chosen_after)) << c.chosen << " chosen";
  }
  SelectHost(link, 4, file);
  EXPECT_EQ(link.selected_peer, 0) << "no such entry: nothing changes";
}

TEST_F(HostListTest, AHundredAndFirstHostIsRefused) {
  for (int i = 0; i < kMaxHosts; ++i) Add({10, 0, 0, static_cast<std::uint8_t>(i)});
  EXPECT_EQ(file.keys["ip99_3"], "99");
  file.writes.clear();
  EXPECT_FALSE(AddHost(link, {1, 2, 3, 4}, file, messages));
  EXPECT_EQ(link.host_list.size(), 100u);
  EXPECT_TRUE(file.writes.empty());
  EXPECT_EQ(messages.shown, (std::vector<testing::Shown>{{Box::Error, std::string(kHostListFullText)}}));
}

}  // namespace
}  // namespace vtg
