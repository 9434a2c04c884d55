#pragma once
// The socket link's bounded reply wait on the event loop: nothing blocks while it runs.
#include <QTimer>

#include "link/link.h"
#include "link/transport.h"

namespace vtg {

class QtReplyTimer : public ReplyTimer {
 public:
  explicit QtReplyTimer(Link& link);
  void arm(int milliseconds) override { timer_.start(milliseconds); }
  void cancel() override { timer_.stop(); }

 private:
  QTimer timer_;
};

}  // namespace vtg
