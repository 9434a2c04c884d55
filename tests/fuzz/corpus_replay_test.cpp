// Replays every file of a fuzz target's corpus through it, so that the corpus is a test in
// every build. A broken rule stops the program; the last name printed is the input.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include <gtest/gtest.h>

#include "fuzz_input.h"
#include "scratch_folder.h"

namespace {

TEST(FuzzCorpus, EveryInputKeepsTheRules) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(VTG_FUZZ_CORPUS))
    if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  ASSERT_FALSE(files.empty()) << "no corpus in " << VTG_FUZZ_CORPUS;
  for (const auto& file : files) {
    std::printf("%s\n", file.filename().c_str());
    std::fflush(stdout);
    const std::string bytes = vtg::testing::ReadFile(file);
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
}

}  // namespace
