#pragma once
// The serial link's reply time-out, counted in 500 ms ticks of the main window.
#include "link/messages.h"
#include "settings/controller_state.h"

namespace vtg {

inline constexpr int kWatchdogPeriodMs = 500;

// Gives up on the twelfth tick after the send: "No Connect", and a running sequence ends.
void WatchdogTick(ControllerState& state, Messages& messages);

}  // namespace vtg
