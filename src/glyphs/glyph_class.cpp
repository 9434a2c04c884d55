#include "glyphs/glyph_class.h"

#include "link/text_helpers.h"

namespace vtg {

unsigned GlyphCode(int index) {
  // Each unit row holds the 94 cells 0x21..0x7E; the first glyph sits at cell 0x65.
  const int cell = index + (0x65 - 0x21);
  return static_cast<unsigned>(((0xA3 + cell / 94) << 8) | (0x21 + cell % 94));
}

std::string BlankGlyph(GlyphClass c) { return std::string(static_cast<size_t>(Info(c).digits), '0'); }

std::string GlyphNumberText(GlyphClass c, int index) {
  return Info(c).number_digits == 2 ? Dec2(index + 1) : Dec3(index + 1);
}

}  // namespace vtg
