#include "link/tcp_endpoint.h"

namespace vtg {

std::optional<std::uint16_t> ParseTcpPort(std::string_view text) {
  // Five digits hold every port; more would only overflow the arithmetic below.
  if (text.empty() || text.size() > 5) return std::nullopt;
  int port = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    port = port * 10 + (c - '0');
  }
  if (port < 1 || port > 65535) return std::nullopt;
  return static_cast<std::uint16_t>(port);
}

std::string HostAddressText(const IpBytes& host) {
  std::string text;
  for (std::size_t k = 0; k < host.size(); ++k) {
    if (k) text += '.';
    text += std::to_string(host[k]);
  }
  return text;
}

}  // namespace vtg
