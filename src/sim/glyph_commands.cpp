// Registering glyphs ("GR") and reading them, or the unit's own characters ("RFBM").
#include "sim/command_table.h"
#include "glyphs/glyph_class.h"
#include "link/cp932.h"
#include "sim/wire_fields.h"
#include "link/text_helpers.h"

namespace vtg::sim {
namespace {

// "L001" + digits: class letter, three-digit glyph number, the glyph's hex digits.
bool RegisterGlyph(UnitState& unit, std::string_view fields) {
  if (fields.empty()) return false;
  const auto size = GlyphClassOfLetter(fields[0]);
  if (!size) return false;
  const GlyphClassInfo& glyphs = Info(*size);
  if (fields.size() != 4 + static_cast<std::size_t>(glyphs.digits)) return false;
  const auto number = ReadNumber(fields.substr(1, 3), 1, glyphs.count);
  const std::string_view digits = fields.substr(4);
  if (!number || !IsUpperHex(digits)) return false;
  unit.glyphs[static_cast<int>(*size)][*number - 1] = std::string(digits);
  return true;
}

// The simulated unit has no font: a built-in character reads as a frame around the
// sixteen bits of its code, so that different characters at least look different.
std::string BuiltInCharacter(const GlyphClassInfo& size, unsigned code) {
  const int row_digits = size.width / 4;
  std::string nibbles(size.digits, 0);
  auto set_dot = [&](int x, int y) { nibbles[y * row_digits + x / 4] |= static_cast<char>(8 >> (x % 4)); };
  const int last = size.width - 1;
  for (int i = 0; i <= last; ++i) {
    set_dot(i, 0), set_dot(i, last), set_dot(0, i), set_dot(last, i);
  }
  const int block = (size.width - 8) / 4;
  for (int bit = 0; bit < 16; ++bit) {
    if (!(code & (0x8000u >> bit))) continue;
    const int left = 4 + (bit % 4) * block, top = 4 + (bit / 4) * block;
    for (int y = top; y < top + block - 1; ++y)
      for (int x = left; x < left + block - 1; ++x) set_dot(x, y);
  }
  for (char& c : nibbles) c = "0123456789ABCDEF"[static_cast<int>(c)];
  return nibbles;
}

// "LA365": class letter and the code of a stored glyph or of a JIS X 0208 character.
std::optional<std::string> ReadGlyph(const UnitState& unit, std::string_view fields) {
  if (fields.size() != 5) return std::nullopt;
  const auto size = GlyphClassOfLetter(fields[0]);
  const auto code = ReadHex4(fields.substr(1));
  if (!size || !code) return std::nullopt;
  const GlyphClassInfo& glyphs = Info(*size);
  const std::string reply = "FBM" + std::string(fields);
  if (const auto index = GlyphIndexOfCode(*code)) {
    if (*index >= glyphs.count) return std::nullopt;
    return reply + unit.glyphs[static_cast<int>(*size)][*index];
  }
  if (IsJisCode(*code)) return reply + BuiltInCharacter(glyphs, *code);
  return std::nullopt;
}

constexpr CommandRow kRows[] = {
    {.head = "GR", .apply = RegisterGlyph},
    {.head = "FBM", .refused_while_auto_switching = true, .read = ReadGlyph},
};

}  // namespace

std::span<const CommandRow> GlyphCommands() { return kRows; }

}  // namespace vtg::sim
