#include <gtest/gtest.h>

#include "memory_profile.h"
#include "recording_messages.h"
#include "settings/window_config.h"

namespace vtg {
namespace {

using testing::MemoryProfile;

// A missing or odd value reads as the program behaved before the key; a bad entry stays bad.
TEST(WindowConfig, OddValuesReadSafely) {
  struct Case {
    const char *pace, *count;
    int expected_pace;
    std::size_t expected_count;
  };
  for (const Case& c : {Case{"1", "2", 1, 2}, Case{"2", "-3", 0, 0}, Case{"yes", "250", 0, 100}}) {
    MemoryProfile file{{"run_pace", c.pace}, {"permit_count", c.count}, {"permit01", "10.0.0.0/8 and more text"}};
    LinkConfig link;
    LoadWindowConfiguration(link, file);
    EXPECT_EQ(link.run_pace, c.expected_pace) << c.pace;
    ASSERT_EQ(link.permitted_units.size(), c.expected_count) << c.count;
    if (c.expected_count >= 2) EXPECT_EQ(link.permitted_units[1], "10.0.0.0/8 and more");
  }
}

TEST(WindowConfig, WhatIsStoredReadsBack) {
  LinkConfig written;
  written.run_pace = 1;
  written.listen_address = "192.168.1.10";
  MemoryProfile file;
  testing::RecordingMessages boxes;
  StoreRunPace(written, file);
  StoreListenAddress(written, file);
  for (const char* entry : {"192.168.1.9/24", "10.0.0.7", "bad", "172.16.0.0/12"})
    AddPermittedUnit(written, entry, file, boxes);
  RemovePermittedUnit(written, 0, file);
  EXPECT_EQ(written.permitted_units, (std::vector<std::string>{"10.0.0.7", "172.16.0.0/12"}));
  EXPECT_EQ(boxes.shown, (std::vector<testing::Shown>{{Box::Error, std::string(kBadPermitText)}}));
  LinkConfig read;
  LoadWindowConfiguration(read, file);
  EXPECT_EQ(read.run_pace, 1);
  EXPECT_EQ(read.listen_address, written.listen_address);
  EXPECT_EQ(read.permitted_units, written.permitted_units);
}

}  // namespace
}  // namespace vtg
