#pragma once
// Read Setting Items: every title and display setting of one unit back into the image.
#include <memory>

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

// The same reads into `unit`, an image of its own, for a comparison: the settings image is
// left alone, and a complete read ends without the success box.
SequenceRun ReadUnitRun(ControllerState& state, Link& link, Messages& messages, std::shared_ptr<SettingsImage> unit);

}  // namespace vtg
