#pragma once
// The bounded reply wait of the socket link without a timer: keeps what was armed and, on a
// virtual clock, says when the wait falls due; the test calls Link::OnReplyTimeout then.
#include "link/transport.h"

namespace vtg::testing {

class FakeReplyTimer : public ReplyTimer {
 public:
  FakeReplyTimer() = default;
  explicit FakeReplyTimer(const long& clock) : clock_(&clock) {}
  void arm(int ms) override {
    armed_ms = ms;
    deadline_ms = (clock_ ? *clock_ : 0) + ms;
  }
  void cancel() override {
    armed_ms = 0;
    deadline_ms = -1;
  }
  bool Due() const { return clock_ && deadline_ms >= 0 && *clock_ >= deadline_ms; }

  int armed_ms = 0;  // 0 once cancelled
  long deadline_ms = -1;

 private:
  const long* clock_ = nullptr;
};

}  // namespace vtg::testing
