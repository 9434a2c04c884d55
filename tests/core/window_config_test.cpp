#include <gtest/gtest.h>

#include "memory_profile.h"
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

TEST(WindowConfig, WhatIsStoredReadsBack) {
  LinkConfig written;
  written.run_pace = 1;
  MemoryProfile file;
  StoreRunPace(written, file);
  LinkConfig read;
  LoadWindowConfiguration(read, file);
  EXPECT_EQ(read.run_pace, written.run_pace);
}

}  // namespace
}  // namespace vtg
