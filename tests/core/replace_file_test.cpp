// A save names a place, not always a plain file: a link keeps linking, and a pipe or a
// device (a script's /dev/stdout) takes the bytes instead of being replaced by a file.
#include "settings/replace_file.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "scratch_folder.h"

namespace vtg {
namespace {

namespace fs = std::filesystem;

TEST(ReplaceFile, ALinkStaysAndTheFileItNamesIsReplaced) {
  testing::ScratchFolder dir;
  testing::WriteFile(dir / "real.dat", "old");
  fs::create_symlink("real.dat", dir / "link.dat");
  EXPECT_EQ(ReplaceFile(dir / "link.dat", "new"), std::nullopt);
  EXPECT_TRUE(fs::is_symlink(dir / "link.dat"));
  EXPECT_EQ(testing::ReadFile(dir / "real.dat"), "new");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

TEST(ReplaceFile, APipeTakesTheBytesAndStaysAPipe) {
  testing::ScratchFolder dir;
  const std::string pipe = dir / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  // Opened for reading first, so the write does not wait for a reader.
  const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_EQ(ReplaceFile(pipe, "bytes"), std::nullopt);
  char got[16] = {};
  EXPECT_EQ(::read(reader, got, sizeof got), 5);
  ::close(reader);
  EXPECT_STREQ(got, "bytes");
  EXPECT_EQ(fs::status(pipe).type(), fs::file_type::fifo);
}

}  // namespace
}  // namespace vtg
