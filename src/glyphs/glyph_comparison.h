#pragma once
// Where the glyphs of one class differ between two stores, such as a glyph list file and
// what the unit holds.
#include <string>
#include <vector>

#include "glyphs/glyph_class.h"
#include "settings/setting_comparison.h"

namespace vtg {

// Each glyph with a dot set in one store and clear in the other, by glyph number ("外字
// No.5"): its set dots in each, and in the unit's how many dots differ.
std::vector<Difference> CompareGlyphStores(GlyphClass c, const std::vector<std::string>& file,
                                           const std::vector<std::string>& unit);

}  // namespace vtg
