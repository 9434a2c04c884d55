#include "shell/start_up.h"

#include "settings/window_config.h"

namespace vtg {

void PrepareStartState(ControllerState& state, const ProfileStore& store) {
  state.client_table.Reset();
  ResetToDefaults(state);
  state.link.tcp_connected = 0;
  LoadConfiguration(state.link, store);
  LoadWindowConfiguration(state.link, store);
}

void ClampComPort(LinkConfig& link, int port_count) {
  if (link.com_port_index < 0 || link.com_port_index >= port_count) link.com_port_index = 0;
}

void UseLoopbackUnit(LinkConfig& link, int port) {
  link.interface_setting = kTcpIp;
  link.tcp_role = kClient;
  link.host_list = {{127, 0, 0, 1}};
  link.selected_peer = 0;
  const std::string digits = std::to_string(port);
  link.tcp_port_text = std::string(digits.size() < 5 ? 5 - digits.size() : 0, '0') + digits;
}

std::string_view WindowCaption(int tcp_role) {
  return tcp_role == kServer ? "VTG-7300 Server Program" : "VTG-7300 Client Program";
}

}  // namespace vtg
