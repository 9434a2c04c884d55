// Configuration values edited by hand: whatever the keys hold, the loaded link settings are
// in range, the socket link can take them, and what the dialogs would write back from them
// reads back the same.
//
// Input: "key=value" lines, as the section of the INI file holds them.
#include <tuple>

#include "fuzz_input.h"
#include "memory_profile.h"
#include "link/tcp_endpoint.h"
#include "settings/config_file.h"

namespace {

vtg::testing::MemoryProfile ProfileOf(std::string_view text) {
  vtg::testing::MemoryProfile profile;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    profile.keys[std::string(line.substr(0, equals))] = std::string(line.substr(equals + 1));
  }
  return profile;
}

// Every key and every host as the connection dialogs write them.
vtg::testing::MemoryProfile Written(const vtg::LinkConfig& link) {
  vtg::testing::MemoryProfile profile;
  for (auto key : {vtg::ConfigKey::ComPort, vtg::ConfigKey::Interface, vtg::ConfigKey::PortNumber,
                   vtg::ConfigKey::ClientServer, vtg::ConfigKey::SelectNumber, vtg::ConfigKey::ListCount})
    vtg::StoreKey(link, key, profile);
  for (int entry = 0; entry < static_cast<int>(link.host_list.size()); ++entry) vtg::StoreHost(link, entry, profile);
  return profile;
}

auto Kept(const vtg::LinkConfig& l) {
  return std::tie(l.com_port_index, l.interface_setting, l.tcp_port_text, l.tcp_role, l.selected_peer, l.host_list);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using vtg::fuzz::Require;
  const auto profile = ProfileOf(std::string_view(reinterpret_cast<const char*>(data), size));
  vtg::ControllerState state;
  vtg::LoadConfiguration(state.link, profile);
  Require(vtg::testing::BrokenFlagRule(state));
  // What the socket link makes of them.
  if (const auto port = vtg::ParseTcpPort(state.link.tcp_port_text)) Require(*port != 0, "port 0 taken");
  for (const vtg::IpBytes& host : state.link.host_list)
    Require(vtg::HostAddressText(host).size() <= 15, "a host address longer than 15 characters");

  vtg::LinkConfig again;
  vtg::LoadConfiguration(again, Written(state.link));
  Require(Kept(again) == Kept(state.link), "written configuration reads back differently");
  return 0;
}
