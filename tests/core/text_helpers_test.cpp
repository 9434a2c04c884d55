#include "link/text_helpers.h"

#include <gtest/gtest.h>

namespace vtg {
namespace {

TEST(TextHelpers, FixedWidthDecimal) {
  struct Case { int n; const char* two; const char* three; } cases[] = {
      {0, "00", "000"}, {7, "07", "007"}, {31, "31", "031"}, {99, "99", "099"}, {255, "55", "255"}};
  for (const auto& c : cases) {
    if (c.n < 100) {
      EXPECT_EQ(Dec2(c.n), c.two) << c.n;
    }
    EXPECT_EQ(Dec3(c.n), c.three) << c.n;
  }
}

TEST(TextHelpers, ParseDigitsAndHex) {
  EXPECT_EQ(ParseDec2("07"), 7);
  EXPECT_EQ(ParseDec2("64"), 64);
  EXPECT_EQ(ParseDec3("192"), 192);
  EXPECT_EQ(ParseHexByte("7F"), 127);
  EXPECT_EQ(ParseHexByte("A0"), 160);
  EXPECT_EQ(ParseHexByte("FF"), 255);
  EXPECT_EQ(Hex4(0xA365), "A365");
  EXPECT_EQ(Hex4(0x0021), "0021");
}

TEST(TextHelpers, HasExtensionLooksFromTheSecondCharacter) {
  struct Case { const char* name; bool append; } cases[] = {
      {"a.dat", false}, {".dat", true}, {"a", true}, {"a.data", false}, {"a.DAT", true}, {"", true}, {"x.dat.bak", false}};
  for (const auto& c : cases) EXPECT_EQ(HasExtension(c.name, ".dat"), c.append) << c.name;
}

TEST(TextHelpers, GlyphCellHitTest) {
  struct Case { int x, y, cell; } cases[] = {
      {12, 11, 0},   {106, 105, 0}, {107, 50, 300}, {125, 50, 300}, {126, 50, 1},
      {12, 158, 8},  {810, 252, 15}, {12, 10, 300}, {12, 106, 300}, {12, 253, 300}, {905, 50, 300}};
  for (const auto& c : cases) EXPECT_EQ(GlyphCellAt(c.x, c.y), c.cell) << c.x << "," << c.y;
}

}  // namespace
}  // namespace vtg
