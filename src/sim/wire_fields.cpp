#include "sim/wire_fields.h"

#include "link/text_helpers.h"

namespace vtg::sim {

std::optional<int> ReadNumber(std::string_view digits, int lo, int hi) {
  if (digits.empty() || digits.size() > 9 || !IsDigits(digits)) return std::nullopt;
  int n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  if (n < lo || n > hi) return std::nullopt;
  return n;
}

std::optional<int> ReadLine(std::string_view field) {
  if (field.size() != 3 || (field[2] != 'T' && field[2] != 'B')) return std::nullopt;
  const auto channel = ReadNumber(field.substr(0, 2), 1, 2);
  if (!channel) return std::nullopt;
  return (*channel - 1) * 2 + IsBottomLetter(field[2]);
}

std::string LineField(int line) { return Dec2(line / 2 + 1) + (line % 2 ? 'B' : 'T'); }

std::optional<int> ReadPage(std::string_view field) {
  if (field.size() != 2) return std::nullopt;
  const auto page = ReadNumber(field, 1, kPages);
  if (!page) return std::nullopt;
  return *page - 1;
}

std::optional<int> ReadPageOrAuto(std::string_view field) {
  if (field == "AS") return kAutoSwitching;
  return ReadPage(field);
}

std::string PageField(int page) { return Dec2(page + 1); }

std::string PageOrAutoField(int page) { return page >= kAutoSwitching ? "AS" : PageField(page); }

std::optional<unsigned> ReadHex4(std::string_view field) {
  if (field.size() != 4 || !IsUpperHex(field)) return std::nullopt;
  const unsigned hi = static_cast<unsigned>(ParseHexByte(field.data()));
  return hi << 8 | static_cast<unsigned>(ParseHexByte(field.data() + 2));
}

std::optional<IPv4> ReadDotted(std::string_view field) {
  if (field.size() != 15) return std::nullopt;
  IPv4 address{};
  for (int k = 0; k < 4; ++k) {
    if (k > 0 && field[4 * k - 1] != '.') return std::nullopt;
    const auto byte = ReadNumber(field.substr(4 * k, 3), 0, 255);
    if (!byte) return std::nullopt;
    address[k] = static_cast<std::uint8_t>(*byte);
  }
  return address;
}

std::string DottedField(const IPv4& address) {
  std::string text;
  for (int k = 0; k < 4; ++k) text += (k ? "." : "") + Dec3(address[k]);
  return text;
}

}  // namespace vtg::sim
