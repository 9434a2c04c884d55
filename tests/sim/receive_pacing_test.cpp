// When the unit takes the lines it receives, in virtual time.
#include <gtest/gtest.h>

#include "sim/receive_pacing.h"
#include "text_builders.h"

namespace vtg::sim {
namespace {

using testing::Repeat;
using Timed = std::vector<std::pair<std::string, double>>;  // bytes or line, and a time

// Each line with the moment it is taken: the first it may be, and not a moment before.
Timed TakeAll(ReceivePacing& intake) {
  Timed taken;
  while (const auto due = intake.NextDueMs()) {
    EXPECT_TRUE(intake.TakeDue(*due - 0.01).empty());
    for (const ReceivedLine& line : intake.TakeDue(*due))
      taken.emplace_back(line.line.overlong ? "overlong" : line.line.text, line.due_ms);
  }
  return taken;
}

struct Pacing {
  std::string_view what;
  int baud;
  Timed arrivals, taken;
};

// 1100 baud: 10 ms a byte.
const Pacing kPacings[] = {
    {"no line rate: at arrival", 0, {{"05RCEL\r\n00GO\n", 7}}, {{"05RCEL", 7}, {"00GO", 7}}},
    {"a line takes its bytes' time", 1100, {{"05RCEL\r\n", 3}}, {{"05RCEL", 83}}},
    {"bytes of one chunk follow one another", 1100, {{"00A\r\n00B\r\n", 0}}, {{"00A", 50}, {"00B", 100}}},
    {"a cut line: the rest starts when it arrives", 1100, {{"00RC", 0}, {"EL\r\n", 100}}, {{"00RCEL", 140}}},
    {"bytes queue behind those still on the line", 1100, {{"00A\r\n", 0}, {"0B\n", 20}}, {{"00A", 50}, {"0B", 80}}},
    {"an idle line starts afresh", 1100, {{"0A\n", 0}, {"0B\n", 500}}, {{"0A", 30}, {"0B", 530}}},
    {"an overlong line takes all its bytes", 11000, {{Repeat("A", 2000) + "\n", 0}}, {{"overlong", 2001}}},
};

TEST(ReceivePacing, LineIsTakenWhenItsLastByteHasArrived) {
  for (const auto& [what, baud, arrivals, taken] : kPacings) {
    ReceivePacing intake(baud);
    for (const auto& [bytes, at_ms] : arrivals) EXPECT_TRUE(intake.Arrive(bytes, at_ms).empty()) << what;
    EXPECT_EQ(TakeAll(intake), taken) << what;
  }
}

TEST(ReceivePacing, WaitIsBoundedAndARefusedLineTakesNoTime) {
  ReceivePacing intake(11000);  // 1 ms a byte
  const std::string line = Repeat("A", 498) + "\r\n";
  const std::size_t room = ReceivePacing::kMaxWaitingBytes / line.size();
  EXPECT_EQ(intake.Arrive(Repeat(line, static_cast<int>(room + 3)), 0).size(), 3u);
  EXPECT_EQ(intake.TakeDue(1e9).back().due_ms, static_cast<double>(room * line.size()));
  EXPECT_TRUE(intake.Arrive("0A\n", 0).empty());
  EXPECT_EQ(intake.NextDueMs(), static_cast<double>(room * line.size() + 3));
}

}  // namespace
}  // namespace vtg::sim
