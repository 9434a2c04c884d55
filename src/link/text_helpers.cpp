#include "link/text_helpers.h"

namespace vtg {

void FormatDec2(int n, char* out) {
  out[0] = static_cast<char>(n / 10 + '0');
  out[1] = static_cast<char>(n % 10 + '0');
}

void FormatDec3(int n, char* out) {
  out[0] = static_cast<char>(n / 100 + '0');
  out[1] = static_cast<char>((n % 100) / 10 + '0');
  out[2] = static_cast<char>(n % 10 + '0');
}

std::string Dec2(int n) {
  std::string s(2, '0');
  FormatDec2(n, s.data());
  return s;
}

std::string Dec3(int n) {
  std::string s(3, '0');
  FormatDec3(n, s.data());
  return s;
}

int ParseDec2(const char* p) { return (p[0] - '0') * 10 + (p[1] - '0'); }

int ParseDec3(const char* p) { return (p[0] - '0') * 100 + (p[1] - '0') * 10 + (p[2] - '0'); }

static int HexValue(char c) { return c > '9' ? c - '7' : c - '0'; }

int ParseHexByte(const char* p) { return 16 * HexValue(p[0]) + HexValue(p[1]); }

bool IsDigits(std::string_view s) {
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

bool IsUpperHex(std::string_view s) {
  for (char c : s)
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
  return true;
}

int IsBottomLetter(char c) { return c == 'B' ? 1 : 0; }

bool HasExtension(std::string_view name, std::string_view ext) {
  return name.size() < 2 || name.find(ext, 1) == std::string_view::npos;
}

int GlyphCellAt(int x, int y) {
  for (int c = 0; c < 8; ++c) {
    if (114 * c + 12 <= x && x <= 114 * c + 106) {
      if (y >= 11 && y <= 105) return c;
      if (y >= 158 && y <= 252) return c + 8;
      return kNoGlyphCell;
    }
  }
  return kNoGlyphCell;
}

std::string Hex4(unsigned code) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string s(4, '0');
  for (int i = 0; i < 4; ++i) s[i] = kDigits[(code >> (12 - 4 * i)) & 0xF];
  return s;
}

}  // namespace vtg
