#include "link/permitted_units.h"

namespace vtg {
namespace {

// A decimal number of one to three digits at the start of `text`, at most `max`.
std::optional<int> TakeNumber(std::string_view& text, int max) {
  std::size_t digits = 0;
  int value = 0;
  while (digits < text.size() && digits < 3 && text[digits] >= '0' && text[digits] <= '9')
    value = value * 10 + (text[digits++] - '0');
  if (digits == 0 || value > max) return std::nullopt;
  text.remove_prefix(digits);
  return value;
}

std::uint32_t Mask(int prefix) { return prefix == 0 ? 0 : ~std::uint32_t{0} << (32 - prefix); }

}  // namespace

std::optional<std::uint32_t> ParseIpv4(std::string_view text) {
  std::uint32_t address = 0;
  for (int part = 0; part < 4; ++part) {
    if (part > 0) {
      if (text.empty() || text.front() != '.') return std::nullopt;
      text.remove_prefix(1);
    }
    const auto value = TakeNumber(text, 255);
    if (!value) return std::nullopt;
    address = address << 8 | static_cast<std::uint32_t>(*value);
  }
  if (!text.empty()) return std::nullopt;
  return address;
}

std::optional<AddressRule> ParseAddressRule(std::string_view text) {
  const std::size_t slash = text.find('/');
  const auto address = ParseIpv4(text.substr(0, slash));
  if (!address) return std::nullopt;
  int prefix = 32;
  if (slash != std::string_view::npos) {
    std::string_view bits = text.substr(slash + 1);
    const auto value = TakeNumber(bits, 32);
    if (!value || !bits.empty()) return std::nullopt;
    prefix = *value;
  }
  return AddressRule{*address & Mask(prefix), prefix};
}

std::string RuleText(const AddressRule& rule) {
  std::string text;
  for (int shift = 24; shift >= 0; shift -= 8) {
    if (shift < 24) text += '.';
    text += std::to_string(rule.network >> shift & 0xFF);
  }
  return rule.prefix == 32 ? text : text + "/" + std::to_string(rule.prefix);
}

std::string RefusalOf(const std::vector<std::string>& entries, std::string_view address) {
  if (entries.empty()) return {};
  // An IPv4 peer may reach a dual-stack socket as ::ffff:a.b.c.d.
  constexpr std::string_view kMapped = "::ffff:";
  if (address.substr(0, kMapped.size()) == kMapped) address.remove_prefix(kMapped.size());
  const auto peer = ParseIpv4(address);
  if (!peer) return "not an IPv4 address";
  for (const std::string& entry : entries) {
    const auto rule = ParseAddressRule(entry);
    if (rule && (*peer & Mask(rule->prefix)) == rule->network) return {};
  }
  return "not on the permitted list";
}

}  // namespace vtg
