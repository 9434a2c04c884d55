#include "link/text_helpers.h"

#include <gtest/gtest.h>

namespace vtg {
namespace {

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
