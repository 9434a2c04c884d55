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

std::optional<IpBytes> ParseHostAddress(std::string_view text) {
  IpBytes host{};
  for (std::size_t k = 0; k < host.size(); ++k) {
    if (k > 0) {
      if (text.empty() || text.front() != '.') return std::nullopt;
      text.remove_prefix(1);
    }
    std::size_t digits = 0;
    int value = 0;
    while (digits < text.size() && digits < 3 && text[digits] >= '0' && text[digits] <= '9')
      value = value * 10 + (text[digits++] - '0');
    if (digits == 0 || value > 255) return std::nullopt;
    host[k] = static_cast<std::uint8_t>(value);
    text.remove_prefix(digits);
  }
  if (!text.empty()) return std::nullopt;
  return host;
}

}  // namespace vtg
