#include "titles/readable_title.h"

#include "glyphs/glyph_class.h"
#include "link/text_helpers.h"
#include "titles/title_codes.h"

namespace vtg {

std::string ReadableTitle(std::string_view title, const ShiftJisDecoder& decode) {
  std::string text, plain;
  for (std::size_t at = 0; at < title.size(); at += 2) {
    const auto high = static_cast<unsigned char>(title[at]);
    if (at + 1 >= title.size() || high >= 0x20) {
      plain.append(title.substr(at, 2));
      continue;
    }
    const unsigned pair = high * 256u + static_cast<unsigned char>(title[at + 1]);
    text += decode(plain);
    plain.clear();
    const auto glyph = pair <= kLastExternalPair ? GlyphIndexOfCode(pair + kExternalOffset) : std::nullopt;
    text += glyph ? "[外字" + std::to_string(*glyph + 1) + "]" : "[" + Hex4(pair) + "]";
  }
  return text + decode(plain);
}

}  // namespace vtg
