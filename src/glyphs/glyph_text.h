#pragma once
// The dots of a glyph held as glyph text: rows from the top, each row W / 4 digits from the
// left, each digit four dots with the leftmost under mask 8.
#include <string>
#include <string_view>

#include "glyphs/glyph_class.h"

namespace vtg {

// Dots outside the glyph, or beyond the end of a short text, read as clear.
bool DotAt(std::string_view text, GlyphClass c, int x, int y);

// Both return true when the digit changed; dots outside the glyph change nothing.
bool SetDot(std::string& text, GlyphClass c, int x, int y);
bool ClearDot(std::string& text, GlyphClass c, int x, int y);

}  // namespace vtg
