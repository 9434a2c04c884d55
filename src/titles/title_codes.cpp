#include "titles/title_codes.h"

#include "glyphs/glyph_class.h"
#include "link/cp932.h"
#include "link/text_helpers.h"

namespace vtg {

std::optional<unsigned> TitlePairToUnitCode(unsigned pair) {
  if (pair <= kLastExternalPair) return pair + kExternalOffset;
  return ShiftJisToJis(MoveIbmExtension(pair));
}

unsigned UnitCodeToTitlePair(unsigned code) {
  if (code >= GlyphCode(0) && code <= GlyphCode(255)) return code - kExternalOffset;
  return JisToShiftJis(code).value_or(kUndecodableSjis);
}

std::optional<std::string> DecodeTitleDigits(std::string_view digits) {
  if (digits.size() != 4 * kTitleChars || !IsUpperHex(digits)) return std::nullopt;
  unsigned codes[kTitleChars];
  for (int i = 0; i < kTitleChars; ++i)
    codes[i] = static_cast<unsigned>(ParseHexByte(&digits[4 * i]) * 256 + ParseHexByte(&digits[4 * i + 2]));
  int used = kTitleChars;
  while (used > 0 && codes[used - 1] == kFullWidthSpaceJis) --used;
  std::string title;
  for (int i = 0; i < used; ++i) {
    const unsigned pair = UnitCodeToTitlePair(codes[i]);
    title.push_back(static_cast<char>(pair >> 8));
    title.push_back(static_cast<char>(pair & 0xFF));
  }
  return title;
}

}  // namespace vtg
