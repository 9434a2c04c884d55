#pragma once
// Fixed-width text and number helpers shared by every command builder and reply reader.
#include <string>
#include <string_view>

namespace vtg {

// Write exactly two (three) decimal digits; no terminator.
void FormatDec2(int n, char* out);
void FormatDec3(int n, char* out);
std::string Dec2(int n);
std::string Dec3(int n);

// Arithmetic on the digit characters; callers validate with IsDigits first.
int ParseDec2(const char* p);
int ParseDec3(const char* p);
int ParseHexByte(const char* p);

bool IsDigits(std::string_view s);
bool IsUpperHex(std::string_view s);
int IsBottomLetter(char c);

// True when `ext` (such as ".dat") does not occur in `name` from position 1 on,
// so a file dialog should append it.
bool HasExtension(std::string_view name, std::string_view ext);

// Hit test of the glyph list: 0..7 upper row, 8..15 lower row, 300 = no cell.
int GlyphCellAt(int x, int y);
inline constexpr int kNoGlyphCell = 300;

// Four upper-case hexadecimal digits, most significant first.
std::string Hex4(unsigned code);

}  // namespace vtg
