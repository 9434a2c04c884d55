#include "glyphs/glyph_text.h"

#include <optional>

namespace vtg {
namespace {

struct DotPlace {
  std::size_t digit;
  int mask;
};

std::optional<DotPlace> Place(std::size_t text_size, GlyphClass c, int x, int y) {
  const int w = Info(c).width;
  if (x < 0 || y < 0 || x >= w || y >= w) return std::nullopt;
  const auto digit = static_cast<std::size_t>(y * (w / 4) + x / 4);
  if (digit >= text_size) return std::nullopt;
  return DotPlace{digit, 8 >> (x % 4)};
}

// Any character reads as some digit; only its low four bits count.
int DigitValue(char ch) {
  const int code = static_cast<unsigned char>(ch);
  return (code < ':' ? code - '0' : code - '7') & 0xF;
}

bool ChangeDot(std::string& text, GlyphClass c, int x, int y, bool set) {
  const auto place = Place(text.size(), c, x, y);
  if (!place) return false;
  const int before = DigitValue(text[place->digit]);
  const int after = set ? (before | place->mask) : (before & ~place->mask);
  const char written = "0123456789ABCDEF"[after];
  if (written == text[place->digit]) return false;
  text[place->digit] = written;
  return true;
}

}  // namespace

bool DotAt(std::string_view text, GlyphClass c, int x, int y) {
  const auto place = Place(text.size(), c, x, y);
  return place && (DigitValue(text[place->digit]) & place->mask) != 0;
}

bool SetDot(std::string& text, GlyphClass c, int x, int y) { return ChangeDot(text, c, x, y, true); }

bool ClearDot(std::string& text, GlyphClass c, int x, int y) { return ChangeDot(text, c, x, y, false); }

bool InsideRing(GlyphClass c, int x, int y) {
  const int last = Info(c).width - 2;
  return x >= 1 && y >= 1 && x <= last && y <= last;
}

std::string WithInsideDots(GlyphClass c, std::string_view base, const std::function<bool(int x, int y)>& dot) {
  const auto digits = static_cast<std::size_t>(Info(c).digits);
  std::string text(base.substr(0, digits));
  text.resize(digits, '0');
  const int w = Info(c).width;
  for (int y = 1; y < w - 1; ++y)
    for (int x = 1; x < w - 1; ++x) ChangeDot(text, c, x, y, dot(x, y));
  return text;
}

}  // namespace vtg
