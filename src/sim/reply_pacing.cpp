#include "sim/reply_pacing.h"

#include <algorithm>

namespace vtg::sim {

PacedReply PaceReply(std::string_view reply, const ReplyPacing& pacing, double start_ms) {
  const double byte_ms = pacing.line_rate_baud > 0 ? 11000.0 / pacing.line_rate_baud : 0;
  const std::size_t half = pacing.split ? reply.size() / 2 : 0;
  // A byte has arrived when its last bit has; the second half waits for the gap.
  auto arrival = [&](std::size_t i) {
    return start_ms + static_cast<double>(i + 1) * byte_ms + (half > 0 && i >= half ? kSplitGapMs : 0);
  };
  const std::size_t bytes_per_piece =
      byte_ms > 0 ? std::max<std::size_t>(1, static_cast<std::size_t>(kPieceMs / byte_ms)) : reply.size();

  PacedReply paced{{}, start_ms};
  std::size_t begin = 0;
  while (begin < reply.size()) {
    std::size_t end = std::min(reply.size(), begin + bytes_per_piece);
    if (begin < half && end > half) end = half;
    paced.pieces.push_back({arrival(end - 1), std::string(reply.substr(begin, end - begin))});
    paced.end_ms = paced.pieces.back().due_ms;
    begin = end;
  }
  return paced;
}

}  // namespace vtg::sim
