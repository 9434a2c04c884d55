#include "link/qt_reply_timer.h"

namespace vtg {

QtReplyTimer::QtReplyTimer(Link& link) {
  timer_.setSingleShot(true);
  QObject::connect(&timer_, &QTimer::timeout, &timer_, [&link] { link.OnReplyTimeout(); });
}

}  // namespace vtg
