#include "sim/receive_pacing.h"

#include <algorithm>

namespace vtg::sim {

ReceivePacing::ReceivePacing(int line_rate_baud)
    : byte_ms_(line_rate_baud > 0 ? 11000.0 / line_rate_baud : 0) {}

std::vector<std::string> ReceivePacing::Arrive(std::string_view bytes, double now_ms) {
  std::vector<std::string> refused;
  while (!bytes.empty()) {
    // Up to and with the next LF, so a line completed here is timed by its own last byte.
    const std::size_t lf = bytes.find('\n');
    const std::string_view piece = bytes.substr(0, lf == std::string_view::npos ? bytes.size() : lf + 1);
    bytes.remove_prefix(piece.size());
    clock_ms_ = std::max(now_ms, clock_ms_) + static_cast<double>(piece.size()) * byte_ms_;
    assembler_.Feed(piece, [&](std::string_view raw, bool overlong) {
      if (waiting_bytes_ + raw.size() > kMaxWaitingBytes) {
        refused.emplace_back(raw);
        clock_ms_ = line_end_ms_;
        return;
      }
      std::string_view text = raw;
      while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
      waiting_.push_back({clock_ms_, std::string(raw), {std::string(text), overlong}});
      waiting_bytes_ += raw.size();
      line_end_ms_ = clock_ms_;
    });
  }
  return refused;
}

std::vector<ReceivedLine> ReceivePacing::TakeDue(double now_ms) {
  std::vector<ReceivedLine> due;
  while (!waiting_.empty() && waiting_.front().due_ms <= now_ms) {
    waiting_bytes_ -= waiting_.front().raw.size();
    due.push_back(std::move(waiting_.front()));
    waiting_.pop_front();
  }
  return due;
}

std::optional<double> ReceivePacing::NextDueMs() const {
  if (waiting_.empty()) return std::nullopt;
  return waiting_.front().due_ms;
}

void ReceivePacing::Clear() {
  assembler_.Clear();
  waiting_.clear();
  waiting_bytes_ = 0;
}

}  // namespace vtg::sim
