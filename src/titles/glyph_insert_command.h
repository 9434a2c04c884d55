#pragma once
// Places one of the unit's own glyphs into a title held in the unit: "G…C…I…".
#include <array>
#include <string>

#include "glyphs/glyph_class.h"

namespace vtg {

// Character positions a title offers for glyphs of each size class.
inline constexpr std::array<int, 3> kInsertPositions{14, 21, 28};
inline constexpr int InsertPositions(GlyphClass c) { return kInsertPositions[static_cast<int>(c)]; }

// "G" + glyph number + "C" + line + page + "I" + position (all indexes 0-based).
std::string GlyphInsertCommand(int glyph_index, int line, int page, int position);

// A glyph number or position the class does not offer goes back to the first one.
void KeepInsertChoiceInClass(GlyphClass c, int& glyph_index, int& position);

}  // namespace vtg
