#pragma once
// The socket link's endpoint as the operator keeps it: a port text and a host list entry.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_image.h"

namespace vtg {

// "09004" is port 9004. Only digits, 1..65535: a unit cannot be found at any other text.
std::optional<std::uint16_t> ParseTcpPort(std::string_view text);

// The host to connect to, as dotted decimal text without leading zeros ("192.168.1.3").
std::string HostAddressText(const IpBytes& host);
// Four decimal parts of one to three digits, each 0..255 ("192.168.1.3", "10.0.0.001");
// none for anything else.
std::optional<IpBytes> ParseHostAddress(std::string_view text);

}  // namespace vtg
