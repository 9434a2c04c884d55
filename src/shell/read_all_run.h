#pragma once
// Read Setting Items: every title and display setting of one unit back into the image.
#include "link/link.h"
#include "link/sequence_engine.h"
#include "settings/controller_state.h"

namespace vtg {

inline constexpr int kReadSteps = 285;

// 282 reads 400 ms apart, with three idle steps before the titles; the replies fill the
// image. Refused on Broadcast. The last reply shows the success box.
SequenceRun ReadSettingItemsRun(ControllerState& state, Link& link);

}  // namespace vtg
