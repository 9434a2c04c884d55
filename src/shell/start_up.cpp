#include "shell/start_up.h"

namespace vtg {

void PrepareStartState(ControllerState& state, const ProfileStore& store) {
  state.client_table.Reset();
  ResetToDefaults(state);
  state.link.tcp_connected = 0;
  LoadConfiguration(state.link, store);
}

void ClampComPort(LinkConfig& link, int port_count) {
  if (link.com_port_index < 0 || link.com_port_index >= port_count) link.com_port_index = 0;
}

std::string_view WindowCaption(int tcp_role) {
  return tcp_role == kServer ? "VTG-7300 Server Program" : "VTG-7300 Client Program";
}

}  // namespace vtg
