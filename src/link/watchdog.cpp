#include "link/watchdog.h"

namespace vtg {

void WatchdogTick(ControllerState& state, Messages& messages) {
  LinkFlags& f = state.flags;
  if (f.reply_pending == 0) return;
  if (f.watchdog_ticks++ <= 10) return;
  f.announce_success = 0;
  f.abort_flag = 1;
  f.reply_pending = 0;
  f.watchdog_ticks = 0;
  messages.StopBox(text::kNoConnect);
}

}  // namespace vtg
