#pragma once
// The editor's transforms of a whole drawing. They move the dots inside the ring among
// themselves: a dot shifted onto the ring is lost, and the ring stays as it was.
#include <string>
#include <string_view>

#include "glyphs/glyph_class.h"

namespace vtg {

enum class GlyphTransform { Invert, ShiftLeft, ShiftRight, ShiftUp, ShiftDown, FlipHorizontal, FlipVertical };

// The first D digits of `text`, transformed.
std::string Transformed(GlyphClass c, std::string_view text, GlyphTransform transform);

}  // namespace vtg
