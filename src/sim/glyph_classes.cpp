#include "sim/glyph_classes.h"

namespace vtg::sim {

std::optional<int> GlyphClassOfLetter(char letter) {
  for (int i = 0; i < static_cast<int>(kGlyphClasses.size()); ++i)
    if (kGlyphClasses[i].letter == letter) return i;
  return std::nullopt;
}

// Glyph codes run through the 94 cells 0x21..0x7E of each row, starting at row 0xA3 cell 0x65.
static constexpr unsigned kFirstGlyphCode = 0xA365;
static constexpr int kCellsPerRow = 94;
static constexpr int kFirstCellOffset = 0x65 - 0x21;

unsigned GlyphCode(int index) {
  const int cell = kFirstCellOffset + index;
  return ((kFirstGlyphCode >> 8) + cell / kCellsPerRow) << 8 | (0x21 + cell % kCellsPerRow);
}

std::optional<int> GlyphIndexOfCode(unsigned code) {
  const unsigned row = code >> 8, cell = code & 0xFF;
  if (row < (kFirstGlyphCode >> 8) || cell < 0x21 || cell > 0x7E) return std::nullopt;
  const int index = static_cast<int>(row - (kFirstGlyphCode >> 8)) * kCellsPerRow +
                    static_cast<int>(cell - 0x21) - kFirstCellOffset;
  if (index < 0 || index >= kGlyphCodeCount) return std::nullopt;
  return index;
}

bool IsJisCode(unsigned code) {
  const unsigned hi = code >> 8, lo = code & 0xFF;
  return hi >= 0x21 && hi <= 0x7E && lo >= 0x21 && lo <= 0x7E;
}

}  // namespace vtg::sim
