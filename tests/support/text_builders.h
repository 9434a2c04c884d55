#pragma once
// Small text builders for expected command lines, titles and fixed-width fields.
#include <string>
#include <string_view>

namespace vtg::testing {

inline std::string Repeat(std::string_view piece, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += piece;
  return s;
}

// The two bytes of a Shift-JIS or external-character pair.
inline std::string Pair(unsigned v) { return {static_cast<char>(v >> 8), static_cast<char>(v & 0xFF)}; }

}  // namespace vtg::testing
