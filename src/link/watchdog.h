#pragma once
// The serial link's reply time-out, counted in 500 ms ticks of the main window.
#include "settings/controller_state.h"

namespace vtg {

inline constexpr int kWatchdogPeriodMs = 500;

// One tick; true when it gives up, on the twelfth tick after the send: the reply is no longer
// awaited and a running sequence ends. The link then says "No Connect".
bool WatchdogExpired(ControllerState& state);

}  // namespace vtg
