// When the bytes of a reply leave the unit.
#include <gtest/gtest.h>

#include "sim/reply_pacing.h"

namespace vtg::sim {
namespace {

TEST(ReplyPacing, PlainReplyLeavesAtOnceAndASplitOneInTwoWritesApart) {
  const PacedReply plain = PaceReply("05GO\r\n", {}, 100);
  ASSERT_EQ(plain.pieces.size(), 1u);
  EXPECT_EQ(std::tuple(plain.pieces[0].bytes, plain.pieces[0].due_ms, plain.end_ms), std::tuple("05GO\r\n", 100, 100));
  const PacedReply split = PaceReply("05GO\r\n", {.split = true}, 0);
  ASSERT_EQ(split.pieces.size(), 2u);
  EXPECT_EQ(std::tuple(split.pieces[0].bytes, split.pieces[1].bytes, split.pieces[1].due_ms - split.pieces[0].due_ms),
            std::tuple("05G", "O\r\n", kSplitGapMs));
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
