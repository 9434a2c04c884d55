#pragma once
// The time a paced run has spent and an estimate of the time it still needs, from the steps
// done and when they were done. Times are milliseconds of any steady clock the caller reads.
#include <cstdint>
#include <optional>
#include <string>

namespace vtg {

class RunEstimate {
 public:
  void Begin(std::int64_t now_ms);
  // `done` of `total` steps are done at `now_ms`.
  void Step(int done, int total, std::int64_t now_ms);
  void End(std::int64_t now_ms);

  bool Running() const { return running_; }
  std::int64_t ElapsedMs(std::int64_t now_ms) const;
  // None before the first step, unless a period gives a floor. `period_ms`: the least time a
  // step takes (the timer's period; 0 at the reply pace), so the estimate never falls below it.
  std::optional<std::int64_t> RemainingMs(std::int64_t now_ms, int period_ms) const;
  // "経過 0:42 残り 約2:10" while the run goes, "経過 3:07" once it ended.
  std::string Text(std::int64_t now_ms, int period_ms) const;

 private:
  bool running_ = false;
  std::int64_t begun_ = 0;
  std::int64_t ended_ = 0;
  std::int64_t last_step_at_ = 0;
  int done_ = 0;
  int total_ = 0;
};

// 0:42, 12:05, 1:02:09.
std::string ClockText(std::int64_t ms);

}  // namespace vtg
