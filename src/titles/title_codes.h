#pragma once
// Between the Shift-JIS bytes of a title and the unit's 28 16-bit character codes.
#include <optional>
#include <string>
#include <string_view>

namespace vtg {

inline constexpr int kTitleChars = 28;
inline constexpr unsigned kFullWidthSpaceJis = 0x2121;
// A pair whose value is at most this stands for one of the unit's own glyphs.
inline constexpr unsigned kLastExternalPair = 0x1339;
inline constexpr unsigned kExternalOffset = 0x9345;
// Shift-JIS "〓", the conventional mark for a character that cannot be shown.
inline constexpr unsigned kUndecodableSjis = 0x81AC;

// The unit code of one title pair (first byte * 256 + second), or none when the unit
// cannot show it.
std::optional<unsigned> TitlePairToUnitCode(unsigned pair);

// The title pair of one unit code, the inverse of TitlePairToUnitCode: glyph codes
// 0xA365..0xA64A give their external-character pair, JIS codes their Shift-JIS pair;
// any other code gives "〓".
unsigned UnitCodeToTitlePair(unsigned code);

// 112 upper-case hex digits (28 codes) to title bytes, trailing full-width spaces dropped.
// None when the digits are not 112 hex digits.
std::optional<std::string> DecodeTitleDigits(std::string_view digits);

}  // namespace vtg
