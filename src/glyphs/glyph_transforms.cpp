#include "glyphs/glyph_transforms.h"

#include <array>

#include "glyphs/glyph_text.h"

namespace vtg {
namespace {

// Where each dot takes its new state from.
struct SourceRule {
  int dx, dy;  // the dot this far back along the shift
  bool mirror_x, mirror_y;
  bool invert;
};

// In the order of GlyphTransform.
constexpr std::array<SourceRule, 7> kSourceRules{{
    {0, 0, false, false, true},
    {-1, 0, false, false, false},
    {1, 0, false, false, false},
    {0, -1, false, false, false},
    {0, 1, false, false, false},
    {0, 0, true, false, false},
    {0, 0, false, true, false},
}};

}  // namespace

std::string Transformed(GlyphClass c, std::string_view text, GlyphTransform transform) {
  const SourceRule& rule = kSourceRules[static_cast<std::size_t>(transform)];
  const int last = Info(c).width - 1;
  return WithInsideDots(c, text, [&](int x, int y) {
    const int sx = rule.mirror_x ? last - x : x - rule.dx;
    const int sy = rule.mirror_y ? last - y : y - rule.dy;
    // What comes in across the ring is clear, never the ring's own dots.
    const bool dot = InsideRing(c, sx, sy) && DotAt(text, c, sx, sy);
    return dot != rule.invert;
  });
}

}  // namespace vtg
