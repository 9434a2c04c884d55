#pragma once
// The unit's three glyph stores and the codes by which a title or a read names a glyph.
#include <array>
#include <optional>
#include <string_view>

namespace vtg::sim {

struct GlyphClass {
  char letter;        // on the wire: "L", "M", "S"
  int dots;           // width and height
  int digits;         // hex digits of one glyph
  int count;          // glyphs in the store, numbered from 1
  int title_columns;  // characters a title line of this size shows
};

inline constexpr std::array<GlyphClass, 3> kGlyphClasses{{
    {'L', 48, 576, 70, 14},
    {'M', 32, 256, 160, 21},
    {'S', 24, 144, 256, 28},
}};

// Index into kGlyphClasses for a class letter, or nullopt.
std::optional<int> GlyphClassOfLetter(char letter);

inline constexpr int kGlyphCodeCount = 256;

// Glyph index 0..255 to its code (0xA365..0xA64A, cells 0x21..0x7E of rows 0xA3..0xA6).
unsigned GlyphCode(int index);

// The glyph index a code names, or nullopt when it is no glyph code.
std::optional<int> GlyphIndexOfCode(unsigned code);

// A JIS X 0208 code: both bytes in 0x21..0x7E.
bool IsJisCode(unsigned code);

}  // namespace vtg::sim
