#include "link/watchdog.h"

namespace vtg {

bool WatchdogExpired(ControllerState& state) {
  LinkFlags& f = state.flags;
  if (f.reply_pending == 0) return false;
  if (f.watchdog_ticks++ <= 10) return false;
  f.announce_success = 0;
  f.abort_flag = 1;
  f.reply_pending = 0;
  f.watchdog_ticks = 0;
  return true;
}

}  // namespace vtg
