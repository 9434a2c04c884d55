#include "cli/network_values.h"

#include "link/tcp_endpoint.h"
#include "link/unit_network.h"

namespace vtg::cli {

std::vector<std::string> NetSetLines(const NetSettings& net) {
  std::vector<std::string> lines;
  if (net.ip) lines.push_back(AddressCommand(UnitAddress::Ip, *net.ip));
  if (net.gateway) lines.push_back(AddressCommand(UnitAddress::Gateway, *net.gateway));
  if (net.active) lines.push_back(AddressCommand(UnitAddress::Active, *net.active));
  if (net.subnet_class) lines.push_back(SubnetCommand(*net.subnet_class));
  if (net.port) lines.push_back(PortCommand(*net.port));
  if (net.keep_alive) lines.push_back(KeepAliveCommand(*net.keep_alive));
  if (net.time_register) lines.push_back(TimeRegisterCommand(*net.time_register));
  return lines;
}

std::string NetworkValuesText(const SettingsImage& image) {
  return "active " + HostAddressText(image.unit_active_address) +
         "\ngateway " + HostAddressText(image.unit_gateway_address) +
         "\nip " + HostAddressText(image.unit_ip_address) +
         "\nmac " + image.unit_mac_address +
         "\nport " + image.unit_port_number +
         "\nsubnet " + static_cast<char>('A' + image.unit_subnet_class) +
         "\nkeep-alive " + (image.unit_keep_alive ? "on" : "off") +
         "\ntime-register " + std::to_string(image.unit_time_register + 1) +
         "\nversion " + image.unit_version + "\n";
}

}  // namespace vtg::cli
