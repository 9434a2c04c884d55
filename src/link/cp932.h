#pragma once
// The code page 932 rule between Shift-JIS pairs and JIS X 0208 codes, both ways.
#include <optional>

namespace vtg {

// Both bytes in 0x21..0x7E: a code of the JIS X 0208 table.
bool IsJisCode(unsigned code);

// IBM extensions (0xFA40..0xFC4B) moved to their NEC-selected equivalents; other codes
// pass unchanged. Codes at or above 0xFA5C with no equivalent become 0, which then fails.
unsigned MoveIbmExtension(unsigned sjis);

// Shift-JIS pair (lead byte * 256 + trail byte) to its JIS code 0x2121..0x7E7E, or none.
std::optional<unsigned> ShiftJisToJis(unsigned sjis);

// JIS code with both bytes in 0x21..0x7E to its Shift-JIS pair, or none.
std::optional<unsigned> JisToShiftJis(unsigned jis);

// Input methods and pasted texts give seven characters of the code page in their JIS form
// ("〜" for "～" and the like): the code page's own character for each; any other is itself.
char16_t Cp932FormOf(char16_t ch);

}  // namespace vtg
