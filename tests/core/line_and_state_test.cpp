#include <gtest/gtest.h>

#include "link/line_assembler.h"
#include "settings/controller_state.h"

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

TEST(SettingsImage, ResetToDefaults) {
  ControllerState state;
  state.selection = {9, 2, 30};
  state.doc = {"/tmp/a.dat", 1};
  state.image.title_text[255] = "x";
  state.flags.address_prefix = 1;
  ResetToDefaults(state);
  const SettingsImage& im = state.image;
  for (int i = 0; i < kTitles; ++i) {
    ASSERT_EQ(im.display_flag[i], 1);
    ASSERT_EQ(im.char_size[i], 0);
    ASSERT_EQ(im.auto_switch_time[i], 2);
    ASSERT_TRUE(im.title_text[i].empty());
  }
  EXPECT_EQ(im.startup_page, (std::array<int, 4>{0, 0, 0, 0}));
  EXPECT_EQ(im.display_position, (std::array<int, 4>{7, 7, 7, 7}));
  EXPECT_EQ(im.white_level, 3);
  EXPECT_EQ(im.edge_level, 1);
  EXPECT_EQ(state.selection.current_line, 2);  // New keeps the line
  EXPECT_EQ(state.selection.current_page, 0);
  EXPECT_EQ(state.selection.slave_index, 0);
  EXPECT_EQ(state.flags.address_prefix, 0);
  EXPECT_TRUE(state.doc.doc_file_name.empty());
  EXPECT_EQ(im.glyphStore(GlyphClass::Large).size(), 70u);
  EXPECT_EQ(im.glyphStore(GlyphClass::Medium).size(), 160u);
  EXPECT_EQ(im.glyphStore(GlyphClass::Small)[255], std::string(144, '0'));
  EXPECT_EQ(im.unit_port_number, "09004");
  EXPECT_EQ(im.unit_mac_address, "00-00-00-00-00-00");
  EXPECT_EQ(im.unit_time_register, 5);
  EXPECT_EQ(im.unit_subnet_class, 2);
}

}  // namespace
}  // namespace vtg
