#pragma once
// The "全設定" runs of the title dialogs, for the one sequence engine.
#include "link/link.h"
#include "link/messages.h"
#include "link/sequence_engine.h"
#include "settings/settings_image.h"
#include "titles/title_command.h"

namespace vtg {

// All 256 titles, ch.1 Top page 01 first: 1000 ms apart when stored, 600 ms when not
// ("NM全設定"). A title that cannot be sent ends the run after its message.
SequenceRun TitleTextRun(Link& link, Messages& messages, const SettingsImage& image, TitleMemory memory);

// One all-pages line per step, ch.1 Top first.
SequenceRun TitleDisplayRun(Link& link, const SettingsImage& image);  // 500 ms
SequenceRun CharSizeRun(Link& link, const SettingsImage& image);      // 500 ms
SequenceRun AutoSwitchRun(Link& link, const SettingsImage& image);    // 1200 ms

}  // namespace vtg
