#include "link/cp932.h"

namespace vtg {
namespace {

struct IbmMove {
  unsigned first, last;
  unsigned offset;
};

// Where an IBM extension has a NEC-selected twin, it lies a fixed distance below.
constexpr IbmMove kIbmMoves[] = {
    {0xFA40, 0xFA49, 0x0B51}, {0xFA55, 0xFA57, 0x0B5B}, {0xFA5C, 0xFA7E, 0x0D1C},
    {0xFA80, 0xFA9B, 0x0D1D}, {0xFA9C, 0xFAFC, 0x0D1C}, {0xFB40, 0xFB5B, 0x0D5F},
    {0xFB5C, 0xFB7E, 0x0D1C}, {0xFB80, 0xFB9B, 0x0D1D}, {0xFB9C, 0xFBFC, 0x0D1C},
    {0xFC40, 0xFC4B, 0x0D5F},
};

bool IsInByteRange(unsigned b) { return b >= 0x21 && b <= 0x7E; }

struct JisForm {
  char16_t jis, cp932;
};

constexpr JisForm kJisForms[] = {
    {u'\u301C', u'\uFF5E'},  // wave dash
    {u'\u2212', u'\uFF0D'},  // minus sign
    {u'\u2016', u'\u2225'},  // double vertical line
    {u'\u00A2', u'\uFFE0'},  // cent sign
    {u'\u00A3', u'\uFFE1'},  // pound sign
    {u'\u00AC', u'\uFFE2'},  // not sign
    {u'\u2014', u'\u2015'},  // em dash
};

}  // namespace

bool IsJisCode(unsigned code) { return code <= 0xFFFF && IsInByteRange(code >> 8) && IsInByteRange(code & 0xFF); }

unsigned MoveIbmExtension(unsigned v) {
  for (const IbmMove& m : kIbmMoves)
    if (v >= m.first && v <= m.last) return v - m.offset;
  return v >= 0xFA5C ? 0 : v;
}

std::optional<unsigned> ShiftJisToJis(unsigned sjis) {
  const unsigned hi = (sjis >> 8) & 0xFF, lo = sjis & 0xFF;
  const bool lead = (hi >= 0x81 && hi <= 0x9F) || (hi >= 0xE0 && hi <= 0xFC);
  const bool trail = (lo >= 0x40 && lo <= 0x7E) || (lo >= 0x80 && lo <= 0xFC);
  if (!lead || !trail || sjis > 0xFFFF) return std::nullopt;
  const unsigned h = hi < 0xA0 ? hi - 0x81 : hi - 0xC1;
  unsigned code;
  if (lo >= 0x9F)
    code = ((2 * h + 0x22) << 8) + (lo - 0x7E);
  else if (lo <= 0x7E)
    code = ((2 * h + 0x21) << 8) + (lo - 0x1F);
  else
    code = ((2 * h + 0x21) << 8) + (lo - 0x20);
  if (code < 0x2121 || code > 0x7E7E || !IsInByteRange(code & 0xFF)) return std::nullopt;
  return code;
}

char16_t Cp932FormOf(char16_t ch) {
  for (const JisForm& form : kJisForms)
    if (form.jis == ch) return form.cp932;
  return ch;
}

std::optional<unsigned> JisToShiftJis(unsigned jis) {
  if (!IsJisCode(jis)) return std::nullopt;
  const unsigned j1 = jis >> 8, j2 = jis & 0xFF;
  const unsigned s1 = ((j1 + 1) >> 1) + (j1 <= 0x5E ? 0x70 : 0xB0);
  unsigned s2;
  if (j1 & 1)
    s2 = j2 + (j2 >= 0x60 ? 0x20 : 0x1F);
  else
    s2 = j2 + 0x7E;
  return (s1 << 8) | s2;
}

}  // namespace vtg
