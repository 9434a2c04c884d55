#pragma once
// Set All Items: every title and display setting of the image to the unit in one run.
#include "link/link.h"
#include "link/messages.h"
#include "link/sequence_engine.h"
#include "settings/controller_state.h"

namespace vtg {

inline constexpr int kSetAllSteps = 284;

// Titles first, 600 ms apart; two idle steps slow the run to 1200 ms for the rest. The
// last line asks for the success box. A title that cannot be sent ends the run.
SequenceRun SetAllItemsRun(ControllerState& state, Link& link, Messages& messages);

}  // namespace vtg
