#include "link/run_estimate.h"

#include <algorithm>

namespace vtg {

void RunEstimate::Begin(std::int64_t now_ms) {
  *this = {};
  running_ = true;
  begun_ = last_step_at_ = now_ms;
}

void RunEstimate::Step(int done, int total, std::int64_t now_ms) {
  if (!running_) return;
  done_ = std::clamp(done, 0, std::max(total, 0));
  total_ = std::max(total, 0);
  last_step_at_ = now_ms;
}

void RunEstimate::End(std::int64_t now_ms) {
  if (!running_) return;
  running_ = false;
  ended_ = now_ms;
}

std::int64_t RunEstimate::ElapsedMs(std::int64_t now_ms) const {
  return std::max<std::int64_t>((running_ ? now_ms : ended_) - begun_, 0);
}

std::optional<std::int64_t> RunEstimate::RemainingMs(std::int64_t now_ms, int period_ms) const {
  if (!running_ || total_ == 0 || (done_ == 0 && period_ms <= 0)) return std::nullopt;
  const std::int64_t measured = done_ > 0 ? (last_step_at_ - begun_) / done_ : 0;
  const std::int64_t per_step = std::max<std::int64_t>(measured, period_ms);
  // Counted from the last step, so that it runs down between steps too.
  return std::max<std::int64_t>(per_step * (total_ - done_) - (now_ms - last_step_at_), 0);
}

std::string RunEstimate::Text(std::int64_t now_ms, int period_ms) const {
  std::string text = "経過 " + ClockText(ElapsedMs(now_ms));
  if (const auto left = RemainingMs(now_ms, period_ms)) text += " 残り 約" + ClockText(*left);
  return text;
}

std::string ClockText(std::int64_t ms) {
  const std::int64_t seconds = std::max<std::int64_t>(ms, 0) / 1000;
  const auto two = [](std::int64_t n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  if (seconds >= 3600) return std::to_string(seconds / 3600) + ":" + two(seconds / 60 % 60) + ":" + two(seconds % 60);
  return std::to_string(seconds / 60) + ":" + two(seconds % 60);
}

}  // namespace vtg
