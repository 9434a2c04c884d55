#pragma once
// The dots of a glyph held as glyph text: rows from the top, each row W / 4 digits from the
// left, each digit four dots with the leftmost under mask 8.
#include <functional>
#include <string>
#include <string_view>

#include "glyphs/glyph_class.h"

namespace vtg {

// Dots outside the glyph, or beyond the end of a short text, read as clear.
bool DotAt(std::string_view text, GlyphClass c, int x, int y);

// Both return true when the digit changed; dots outside the glyph change nothing.
bool SetDot(std::string& text, GlyphClass c, int x, int y);
bool ClearDot(std::string& text, GlyphClass c, int x, int y);

// The dots the operator paints: all but the outermost ring, which changes only through a
// clear, a read or a file.
bool InsideRing(GlyphClass c, int x, int y);

// The first D digits of `base` with every dot inside the ring set where `dot` says so and
// cleared elsewhere; the ring stays as in `base`.
std::string WithInsideDots(GlyphClass c, std::string_view base, const std::function<bool(int x, int y)>& dot);

}  // namespace vtg
