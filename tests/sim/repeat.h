#pragma once
// Long fixed-width fields for the engine tests.
#include <string>
#include <string_view>

namespace vtg::sim {

inline std::string Repeat(std::string_view text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

}  // namespace vtg::sim
