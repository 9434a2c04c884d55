#pragma once
// Which units may connect in the server role: single IPv4 addresses ("192.168.1.20") and
// subnets ("192.168.1.0/24"). An empty list lets every unit in.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vtg {

// Bounded like the host list: the keys carry a two-digit index.
inline constexpr int kMaxPermittedUnits = 100;

struct AddressRule {
  std::uint32_t network = 0;  // the first byte of the address in the top bits
  int prefix = 32;            // leading bits that must match
};

// Four decimal parts 0..255 and an optional "/0".."/32"; none for anything else. Host bits
// under the mask are dropped: "192.168.1.7/24" is 192.168.1.0/24.
std::optional<AddressRule> ParseAddressRule(std::string_view text);
std::optional<std::uint32_t> ParseIpv4(std::string_view text);
// "192.168.1.20" for a single address, "192.168.1.0/24" for a subnet.
std::string RuleText(const AddressRule& rule);

// Why `address` (dotted text, as a socket reports its peer) may not connect under `entries`
// (the list as kept, a malformed entry letting no unit in); empty when it may.
std::string RefusalOf(const std::vector<std::string>& entries, std::string_view address);

}  // namespace vtg
