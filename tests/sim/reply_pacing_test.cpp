// When the bytes of a reply leave the unit.
#include <gtest/gtest.h>

#include "sim/reply_pacing.h"

namespace vtg::sim {
namespace {

TEST(ReplyPacing, PlainReplyLeavesAtOnceInOneWrite) {
  const PacedReply paced = PaceReply("05GO\r\n", {}, 100);
  ASSERT_EQ(paced.pieces.size(), 1u);
  EXPECT_EQ(paced.pieces[0].bytes, "05GO\r\n");
  EXPECT_EQ(paced.pieces[0].due_ms, 100);
  EXPECT_EQ(paced.end_ms, 100);
}

TEST(ReplyPacing, SplitReplyLeavesInTwoWritesApart) {
  const PacedReply paced = PaceReply("05GO\r\n", {.split = true}, 0);
  ASSERT_EQ(paced.pieces.size(), 2u);
  EXPECT_EQ(paced.pieces[0].bytes, "05G");
  EXPECT_EQ(paced.pieces[1].bytes, "O\r\n");
  EXPECT_EQ(paced.pieces[1].due_ms - paced.pieces[0].due_ms, kSplitGapMs);
}

TEST(ReplyPacing, LineRateTakesElevenBitsPerByte) {
  const std::string reply(600, 'x');
  const PacedReply paced = PaceReply(reply, {.line_rate_baud = 9600}, 0);
  std::string joined;
  double last = 0;
  for (const auto& piece : paced.pieces) {
    EXPECT_GE(piece.due_ms, last);
    EXPECT_LE(piece.due_ms - last, kPieceMs + 1.2);
    last = piece.due_ms;
    joined += piece.bytes;
  }
  EXPECT_EQ(joined, reply);
  EXPECT_NEAR(paced.end_ms, 600 * 11000.0 / 9600, 1e-6);  // 687.5 ms
}

TEST(ReplyPacing, SplitAndLineRateTogether) {
  const PacedReply paced = PaceReply("0123456789", {.split = true, .line_rate_baud = 1100}, 0);  // 10 ms a byte
  EXPECT_EQ(paced.pieces[4].bytes, "4");
  EXPECT_EQ(paced.pieces[4].due_ms, 50);
  EXPECT_EQ(paced.pieces[5].due_ms, 60 + kSplitGapMs);
  EXPECT_EQ(paced.end_ms, 100 + kSplitGapMs);
}

}  // namespace
}  // namespace vtg::sim
