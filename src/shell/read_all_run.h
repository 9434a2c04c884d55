#pragma once
// Read Setting Items: every title and display setting of one unit back into the image.
#include "link/link.h"
#include "link/messages.h"
#include "link/sequence_engine.h"
#include "settings/controller_state.h"

namespace vtg {

inline constexpr int kReadSteps = 285;

// 282 reads 400 ms apart, with three idle steps before the titles; the replies fill the
// image. Refused on Broadcast. A last quiet step waits for the last reply, then shows the
// success box, or an error naming the items whose reply could not be used, which keep the
// values they had, and the run fails.
SequenceRun ReadSettingItemsRun(ControllerState& state, Link& link, Messages& messages);

}  // namespace vtg
