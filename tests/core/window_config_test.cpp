#include <gtest/gtest.h>

#include "memory_profile.h"
#include "recording_messages.h"
#include "settings/window_config.h"

namespace vtg {
namespace {

using testing::MemoryProfile;

// A missing or odd value keeps what the program did before the key existed.
TEST(WindowConfig, ReadsTheKeysOfOursWithSafeFallbacks) {
  struct Case {
    std::optional<std::string> run_pace;
    int expected_pace;
  };
  const Case cases[] = {{std::nullopt, 0}, {"1", 1}, {"0", 0}, {"2", 0}, {"-1", 0}, {"yes", 0}};
  for (const Case& c : cases) {
    MemoryProfile file;
    if (c.run_pace) file.keys[std::string(kRunPaceKey)] = *c.run_pace;
    LinkConfig link;
    link.run_pace = 1;
    LoadWindowConfiguration(link, file);
    EXPECT_EQ(link.run_pace, c.expected_pace) << c.run_pace.value_or("(missing)");
  }
}

TEST(WindowConfig, PermittedListIsBoundedAndKeepsBadEntriesAsTheyAre) {
  struct Case {
    const char* count;
    std::size_t expected;
  };
  for (const Case& c : {Case{"2", 2}, Case{"-3", 0}, Case{"250", 100}, Case{"x", 0}}) {
    MemoryProfile file{{"permit_count", c.count}, {"permit00", "10.0.0.0/8"}, {"permit01", "10.0.0.0/8 and more text"}};
    LinkConfig link;
    LoadWindowConfiguration(link, file);
    ASSERT_EQ(link.permitted_units.size(), c.expected) << c.count;
    // Cut, never made right: a long entry stays one that lets nobody in.
    if (c.expected >= 2) EXPECT_EQ(link.permitted_units[1], "10.0.0.0/8 and more");
    if (c.expected > 2) EXPECT_EQ(link.permitted_units[2], "");
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
  EXPECT_EQ(read.run_pace, written.run_pace);
  EXPECT_EQ(read.permitted_units, written.permitted_units);
  EXPECT_EQ(read.listen_address, written.listen_address);
}

}  // namespace
}  // namespace vtg
