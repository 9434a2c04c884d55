#pragma once
// The state the controller starts from, and what its window shows of it.
#include <string_view>

#include "settings/config_file.h"
#include "settings/controller_state.h"

namespace vtg {

// No client connected, every setting at its default, not connected, then the configuration
// file read (in that order).
void PrepareStartState(ControllerState& state, const ProfileStore& store);

// A configured serial port the system no longer lists falls back to the first one.
void ClampComPort(LinkConfig& link, int port_count);

// The TCP/IP client role towards a unit on this machine's loopback port; in memory only.
void UseLoopbackUnit(LinkConfig& link, int port);

// "VTG-7300 Client Program" or "VTG-7300 Server Program" by the TCP/IP role.
std::string_view WindowCaption(int tcp_role);

}  // namespace vtg
