#include "glyphs/glyph_class.h"

#include "link/text_helpers.h"

namespace vtg {
namespace {
// Each unit row holds the 94 cells 0x21..0x7E; the first glyph sits at row 0xA3, cell 0x65.
constexpr int kCellsPerRow = 94;
constexpr unsigned kFirstRow = 0xA3;
constexpr int kFirstCellOffset = 0x65 - 0x21;
}  // namespace

std::optional<GlyphClass> GlyphClassOfLetter(char letter) {
  for (GlyphClass c : kAllGlyphClasses)
    if (Info(c).letter == letter) return c;
  return std::nullopt;
}

unsigned GlyphCode(int index) {
  const int cell = index + kFirstCellOffset;
  return static_cast<unsigned>(((kFirstRow + cell / kCellsPerRow) << 8) | (0x21 + cell % kCellsPerRow));
}

std::optional<int> GlyphIndexOfCode(unsigned code) {
  const unsigned row = code >> 8, cell = code & 0xFF;
  if (row < kFirstRow || cell < 0x21 || cell > 0x7E) return std::nullopt;
  const int index = static_cast<int>(row - kFirstRow) * kCellsPerRow + static_cast<int>(cell - 0x21) - kFirstCellOffset;
  if (index < 0 || index >= kGlyphCodeCount) return std::nullopt;
  return index;
}

std::string BlankGlyph(GlyphClass c) { return std::string(static_cast<size_t>(Info(c).digits), '0'); }

std::string GlyphNumberText(GlyphClass c, int index) {
  return Info(c).number_digits == 2 ? Dec2(index + 1) : Dec3(index + 1);
}

}  // namespace vtg
