#include "glyphs/glyph_commands.h"

#include <gtest/gtest.h>

#include "glyphs/glyph_text.h"
#include "wired_controller.h"

namespace vtg {
namespace {

using testing::Shown;

TEST(GlyphCommands, ReadLinesCarryTheCodeAtTheRowBoundaries) {
  struct Case { GlyphClass c; int number; const char* line; } cases[] = {
      {GlyphClass::Large, 1, "RFBMLA365"},   {GlyphClass::Large, 26, "RFBMLA37E"},
      {GlyphClass::Large, 27, "RFBMLA421"},  {GlyphClass::Large, 70, "RFBMLA44C"},
      {GlyphClass::Medium, 27, "RFBMMA421"}, {GlyphClass::Medium, 120, "RFBMMA47E"},
      {GlyphClass::Medium, 121, "RFBMMA521"}, {GlyphClass::Medium, 160, "RFBMMA548"},
      {GlyphClass::Small, 214, "RFBMSA57E"}, {GlyphClass::Small, 215, "RFBMSA621"},
      {GlyphClass::Small, 256, "RFBMSA64A"},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadGlyphLine(c.c, c.number - 1), std::string(c.line) + "\r\n") << c.line;
}

TEST(GlyphCommands, RegisterLinesHaveTheirHeadAndLength) {
  struct Case { GlyphClass c; int number; const char* head; std::size_t length; } cases[] = {
      {GlyphClass::Large, 1, "GRL001", 584}, {GlyphClass::Medium, 7, "GRM007", 264}, {GlyphClass::Small, 256, "GRS256", 152}};
  const std::string digits(1000, 'C');
  for (const auto& c : cases) {
    EXPECT_EQ(SendGlyphLine(c.c, c.number, digits), c.head + digits.substr(0, c.length - 8) + "\r\n");
    // A short text still makes a whole line.
    EXPECT_EQ(SendGlyphLine(c.c, c.number, "F").size(), c.length);
  }
}

TEST(GlyphCommands, SampleCodeFollowsTheCodePage932Rule) {
  struct Case { std::string sample; unsigned code; } cases[] = {
      {"\x88\x9F", 0x3021},  // 亜
      {"\xFA\x40", 0x7C71},  // IBM small roman numeral one, moved to its NEC-selected twin
      {"\xFA\x4A", 0x2121},  // an IBM code without a twin
      {"AB", 0x2121},        {"A", 0x2121}, {"", 0x2121},
  };
  for (const auto& c : cases) EXPECT_EQ(SampleGlyphCode(c.sample), c.code) << c.sample;
  EXPECT_EQ(ReadSampleGlyphLine(GlyphClass::Large, "\x88\x9F"), "RFBML3021\r\n");
}

// Dot (x, y) and the digit and character it sets in a blank glyph.
TEST(GlyphText, DotsLiveInTheirDigitUnderTheirMask) {
  struct Case { GlyphClass c; int x, y; std::size_t digit; char ch; } cases[] = {
      {GlyphClass::Large, 0, 0, 0, '8'},      {GlyphClass::Large, 1, 0, 0, '4'},
      {GlyphClass::Large, 2, 0, 0, '2'},      {GlyphClass::Large, 3, 0, 0, '1'},
      {GlyphClass::Large, 4, 0, 1, '8'},      {GlyphClass::Large, 0, 1, 12, '8'},
      {GlyphClass::Large, 47, 47, 575, '1'},  {GlyphClass::Medium, 0, 1, 8, '8'},
      {GlyphClass::Medium, 31, 31, 255, '1'}, {GlyphClass::Small, 5, 1, 7, '4'},
      {GlyphClass::Small, 23, 23, 143, '1'},
  };
  for (const auto& c : cases) {
    std::string text = BlankGlyph(c.c);
    EXPECT_TRUE(SetDot(text, c.c, c.x, c.y));
    std::string expected = BlankGlyph(c.c);
    expected[c.digit] = c.ch;
    EXPECT_EQ(text, expected) << c.x << "," << c.y;
    EXPECT_TRUE(DotAt(text, c.c, c.x, c.y));
    EXPECT_FALSE(SetDot(text, c.c, c.x, c.y));
    EXPECT_TRUE(ClearDot(text, c.c, c.x, c.y));
    EXPECT_EQ(text, BlankGlyph(c.c));
    EXPECT_FALSE(ClearDot(text, c.c, c.x, c.y));
  }
}

TEST(GlyphText, NeighboursInADigitStayAndOutsideDotsChangeNothing) {
  std::string text = BlankGlyph(GlyphClass::Small);
  text[0] = 'F';
  EXPECT_TRUE(ClearDot(text, GlyphClass::Small, 1, 0));
  EXPECT_EQ(text[0], 'B');
  const std::string before = text;
  for (auto [x, y] : {std::pair{24, 0}, {0, 24}, {-1, 0}, {0, -1}}) {
    EXPECT_FALSE(SetDot(text, GlyphClass::Small, x, y));
    EXPECT_FALSE(DotAt(text, GlyphClass::Small, x, y));
  }
  EXPECT_EQ(text, before);
  std::string shorter = "8";
  EXPECT_FALSE(SetDot(shorter, GlyphClass::Small, 23, 23));
  EXPECT_EQ(shorter, "8");
}

class GlyphReads : public ::testing::Test, public testing::WiredController {
 protected:
  GlyphReads() {
    state.flags.address_prefix = 1;
    state.selection.slave_index = 5;
  }
  bool Read() { return ReadGlyph(state, link, messages, GlyphClass::Medium, 26); }
};

TEST_F(GlyphReads, OneReadAtATimeAndNoneWithoutALink) {
  state.link.interface_setting = kTcpIp;
  EXPECT_FALSE(Read());
  EXPECT_EQ(messages.shown, (std::vector<Shown>{{Box::Stop, "Socket が接続されていません"}}));
  state.link.interface_setting = kRs232c;
  EXPECT_TRUE(Read());
  EXPECT_EQ(state.glyph.glyph_read_pending, 1);
  EXPECT_FALSE(Read());
  EXPECT_FALSE(ReadSampleGlyph(state, link, messages, GlyphClass::Medium, ""));
  EXPECT_EQ(serial.lines, (std::vector<std::string>{"05RFBMMA421\r\n"}));
  EXPECT_EQ(messages.shown.size(), 1u);
  link.OnSerialBytes("05E3\r\n");
  EXPECT_EQ(state.glyph.glyph_read_pending, 0);
  EXPECT_TRUE(ReadSampleGlyph(state, link, messages, GlyphClass::Medium, "A"));
  EXPECT_EQ(serial.lines.back(), "05RFBMM2121\r\n");
}

}  // namespace
}  // namespace vtg
