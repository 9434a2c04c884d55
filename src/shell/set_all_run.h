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
// `awaits_last_reply`: a quiet step more ends the run once that line's reply is in, so that
// a complete run is one the unit took to the last line.
SequenceRun SetAllItemsRun(ControllerState& state, Link& link, Messages& messages, bool awaits_last_reply = false);

}  // namespace vtg
