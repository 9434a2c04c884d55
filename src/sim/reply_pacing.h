#pragma once
// When each byte of a reply leaves the simulated unit: a reply delay, a reply cut in two
// writes, and the pace of a serial line (8E1: 11 bits a byte).
#include <string>
#include <string_view>
#include <vector>

namespace vtg::sim {

struct ReplyPacing {
  int delay_ms = 0;        // from the command line's arrival to the reply's first byte
  bool split = false;      // two writes, kSplitGapMs apart
  int line_rate_baud = 0;  // 0 = as fast as the link takes it
};

inline constexpr double kSplitGapMs = 20;
inline constexpr double kPieceMs = 10;  // a paced reply leaves in pieces of about this long

struct ReplyPiece {
  double due_ms;  // when the piece is written, on the caller's clock
  std::string bytes;
};

struct PacedReply {
  std::vector<ReplyPiece> pieces;
  double end_ms;  // when the link is free for the next reply
};

// `start_ms` is the earliest time the reply may begin: the arrival of its command line
// plus the delay, or the end of the previous reply, whichever is later.
PacedReply PaceReply(std::string_view reply, const ReplyPacing& pacing, double start_ms);

}  // namespace vtg::sim
