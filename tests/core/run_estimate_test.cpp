#include <gtest/gtest.h>

#include "link/run_estimate.h"

namespace vtg {
namespace {

TEST(RunEstimate, TimeSpentAndLeftFromTheStepsDone) {
  struct Case {
    int done, total;
    std::int64_t step_at, now, end;  // ms after the run began; end 0: still running
    int period_ms;
    const char* text;
  };
  const Case cases[] = {
      {0, 284, 0, 900, 0, 0, "経過 0:00"},                                   // nothing to go by yet
      {0, 284, 0, 0, 0, 600, "経過 0:00 残り 約2:50"},                       // the period alone
      {10, 20, 20000, 20000, 0, 600, "経過 0:20 残り 約0:20"},              // slower than the period
      {100, 200, 10000, 10000, 0, 600, "経過 0:10 残り 約1:00"},            // the period is the floor
      {1, 3, 2000, 3500, 0, 0, "経過 0:03 残り 約0:02"},                     // runs down between steps
      {1, 2, 1000, 9000, 0, 0, "経過 0:09 残り 約0:00"},                     // overdue, not negative
      {1, 2, 3723000, 3723000, 0, 0, "経過 1:02:03 残り 約1:02:03"},
      {3, 10, 3000, 99000, 42000, 600, "経過 0:42"},                        // ended: its time stays
  };
  for (const Case& c : cases) {
    RunEstimate e;
    e.Begin(5000);
    e.Step(c.done, c.total, 5000 + c.step_at);
    if (c.end) e.End(5000 + c.end);
    EXPECT_EQ(e.Text(5000 + c.now, c.period_ms), c.text) << c.done << "/" << c.total;
  }
}

}  // namespace
}  // namespace vtg
