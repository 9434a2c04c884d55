#pragma once
// The unit's three glyph size classes and what differs between them.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vtg {

enum class GlyphClass { Large = 0, Medium = 1, Small = 2 };

struct GlyphClassInfo {
  char letter;          // on the wire: "GRL…", "RFBML…"
  int width;            // dots per row and rows per glyph
  int digits;           // hex digits per glyph (D)
  int count;            // glyphs in the unit's store (N)
  std::string_view reply_head;
  int title_columns;    // characters a title line of this size shows
  int number_digits;    // the operator's glyph numbers: "01".."70", "001".."256"
};

inline constexpr std::array<GlyphClassInfo, 3> kGlyphClasses{{
    {'L', 48, 576, 70, "FBML", 14, 2},
    {'M', 32, 256, 160, "FBMM", 21, 3},
    {'S', 24, 144, 256, "FBMS", 28, 3},
}};

inline constexpr const GlyphClassInfo& Info(GlyphClass c) { return kGlyphClasses[static_cast<int>(c)]; }

inline constexpr std::array<GlyphClass, 3> kAllGlyphClasses{GlyphClass::Large, GlyphClass::Medium,
                                                            GlyphClass::Small};

std::optional<GlyphClass> GlyphClassOfLetter(char letter);

inline constexpr int kGlyphCodeCount = 256;

// The unit's 16-bit code of glyph index 0..255 (rows A3..A6, cells 21..7E from A365).
unsigned GlyphCode(int index);

// The glyph index a code names, or none when it is no glyph code.
std::optional<int> GlyphIndexOfCode(unsigned code);

// A blank glyph: D digits "0".
std::string BlankGlyph(GlyphClass c);

// Glyph number index + 1 as the operator sees it, with the class's leading zeros.
std::string GlyphNumberText(GlyphClass c, int index);

}  // namespace vtg
