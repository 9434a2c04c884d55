#include <gtest/gtest.h>

#include "link/line_assembler.h"
#include "default_state.h"

namespace vtg {
namespace {

std::vector<std::string> Feed(LineAssembler& a, std::initializer_list<std::string_view> chunks) {
  std::vector<std::string> lines;
  for (auto chunk : chunks)
    a.Feed(chunk, [&](std::string_view l, bool overlong) { lines.push_back(std::string(l) + (overlong ? "[overlong]" : "")); });
  return lines;
}

TEST(LineAssembler, EveryLfEndsALine) {
  LineAssembler a;
  EXPECT_EQ(Feed(a, {"05G", "O\r\n05E3\r", "\n\n"}), (std::vector<std::string>{"05GO\r\n", "05E3\r\n", "\n"}));
  EXPECT_FALSE(a.Partial());
}

TEST(LineAssembler, OverlongLinesKeepTheirStartAndAreFlagged) {
  LineAssembler a;
  const std::string longest(LineAssembler::kMaxLine, 'x');
  EXPECT_EQ(Feed(a, {longest, "\n"}), (std::vector<std::string>{longest + "\n"}));
  EXPECT_EQ(Feed(a, {std::string(400, 'y'), std::string(400, 'z'), "tail\n05GO\r\n"}),
            (std::vector<std::string>{std::string(400, 'y') + std::string(199, 'z') + "[overlong]", "05GO\r\n"}));
  EXPECT_EQ(a.OverlongLines(), 1u);
  for (int i = 0; i < 1000; ++i) Feed(a, {std::string(1000, 'w')});
  EXPECT_EQ(Feed(a, {"\n"}).front().size(), LineAssembler::kMaxLine + std::string("[overlong]").size());
}

TEST(LineAssembler, ALineThatLostBytesIsDroppedThroughItsEnd) {
  LineAssembler a;
  Feed(a, {"05CW"});
  a.DropPartialLine();
  EXPECT_EQ(Feed(a, {"L2\r\n05CEL1\r\n"}), (std::vector<std::string>{"05CW[overlong]", "05CEL1\r\n"}));
  a.DropPartialLine();  // the loss may have begun a line
  EXPECT_EQ(Feed(a, {"CEL0\r\n05GO\r\n"}), (std::vector<std::string>{"[overlong]", "05GO\r\n"}));
}

// New: every setting back to its default, the document and the selection forgotten, the line kept.
TEST(SettingsImage, ResetToDefaults) {
  ControllerState state = testing::DefaultState();
  state.selection = {9, 2, 30};
  state.doc = {"/tmp/a.dat", 1};
  state.image.title_text[255] = "x";
  state.image.glyphStore(GlyphClass::Small)[255] = std::string(144, 'F');
  state.image.unit_keep_alive = 1;
  state.flags.address_prefix = 1;
  ResetToDefaults(state);
  EXPECT_TRUE(state.image == testing::DefaultImage());
  // What the network dialog shows before the unit was read: class C, keep-alive off, the sixth time.
  EXPECT_EQ(std::tie(state.image.unit_subnet_class, state.image.unit_keep_alive, state.image.unit_time_register),
            std::tuple(2, 0, 5));
  EXPECT_EQ(std::tie(state.selection.current_line, state.selection.current_page, state.selection.slave_index,
                     state.flags.address_prefix, state.doc.doc_file_name, state.doc.doc_modified),
            std::tuple(2, 0, 0, 0, "", 0));
}

}  // namespace
}  // namespace vtg
