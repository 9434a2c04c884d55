// Cutting the byte stream into lines, and the bound on one line.
#include <gtest/gtest.h>

#include "sim/line_assembler.h"

namespace vtg::sim {
namespace {

std::vector<std::string> Texts(const std::vector<AssembledLine>& lines) {
  std::vector<std::string> texts;
  for (const auto& line : lines) texts.push_back(line.text + (line.overlong ? " [overlong]" : ""));
  return texts;
}

struct Stream {
  std::vector<std::string> chunks;
  std::vector<std::string> lines;
};

const Stream kStreams[] = {
    {{"05RCEL\r\n"}, {"05RCEL"}},
    {{"05R", "CEL\r", "\n"}, {"05RCEL"}},
    {{"05RCEL\r\n06RCWL\r\n"}, {"05RCEL", "06RCWL"}},
    {{"05RCEL\n"}, {"05RCEL"}},
    {{"\r\n"}, {""}},
    {{"05RC", "EL"}, {}},
    {{std::string(599, 'A') + "\r\n"}, {std::string(599, 'A') + " [overlong]"}},
    {{std::string(599, 'A') + "\n"}, {std::string(599, 'A')}},
    {{std::string(400, 'A'), std::string(400, 'B') + "\n00RCEL\n"},
     {std::string(400, 'A') + std::string(199, 'B') + " [overlong]", "00RCEL"}},
    {{std::string("\0\xff\x80\n", 4)}, {std::string("\0\xff\x80", 3)}},
};

TEST(LineAssembler, CutsLinesAtLineFeed) {
  for (const auto& [chunks, lines] : kStreams) {
    LineAssembler assembler;
    std::vector<std::string> got;
    for (const auto& chunk : chunks)
      for (auto& text : Texts(assembler.Feed(chunk))) got.push_back(text);
    EXPECT_EQ(got, lines) << chunks.front().substr(0, 20);
  }
}

TEST(LineAssembler, EndlessLineNeverGrowsPastTheBound) {
  LineAssembler assembler;
  for (int i = 0; i < 1000; ++i) ASSERT_TRUE(assembler.Feed(std::string(1000, 'x')).empty());
  const auto lines = assembler.Feed("\n");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].text.size(), LineAssembler::kMaxLine);
  EXPECT_TRUE(lines[0].overlong);
}

}  // namespace
}  // namespace vtg::sim
