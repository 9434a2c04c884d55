#include "link/permitted_units.h"

#include "link/tcp_endpoint.h"

namespace vtg {
namespace {

// "/0".."/32": one to three digits.
std::optional<int> ReadPrefix(std::string_view bits) {
  if (bits.empty() || bits.size() > 3) return std::nullopt;
  int value = 0;
  for (const char c : bits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value > 32) return std::nullopt;
  return value;
}

std::uint32_t Mask(int prefix) { return prefix == 0 ? 0 : ~std::uint32_t{0} << (32 - prefix); }

}  // namespace

std::optional<std::uint32_t> ParseIpv4(std::string_view text) {
  const auto host = ParseHostAddress(text);
  if (!host) return std::nullopt;
  std::uint32_t address = 0;
  for (const std::uint8_t part : *host) address = address << 8 | part;
  return address;
}

std::optional<AddressRule> ParseAddressRule(std::string_view text) {
  const std::size_t slash = text.find('/');
  const auto address = ParseIpv4(text.substr(0, slash));
  if (!address) return std::nullopt;
  int prefix = 32;
  if (slash != std::string_view::npos) {
    const auto value = ReadPrefix(text.substr(slash + 1));
    if (!value) return std::nullopt;
    prefix = *value;
  }
  return AddressRule{*address & Mask(prefix), prefix};
}

std::string RuleText(const AddressRule& rule) {
  IpBytes network{};
  for (std::size_t k = 0; k < network.size(); ++k) network[k] = static_cast<std::uint8_t>(rule.network >> (24 - 8 * k));
  const std::string text = HostAddressText(network);
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
