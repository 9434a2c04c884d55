#include <gtest/gtest.h>

#include "link/run_estimate.h"

namespace vtg {
namespace {

struct Case {
  const char* what;
  int done, total;
  std::int64_t step_at, now;  // ms after the run began
  int period_ms;
  const char* text;
};

TEST(RunEstimate, TimeSpentAndLeftFromTheStepsDone) {
  const Case cases[] = {
      {"nothing done, no period: no estimate yet", 0, 284, 0, 900, 0, "経過 0:00"},
      {"nothing done, the period is the floor", 0, 284, 0, 0, 600, "経過 0:00 残り 約2:50"},
      {"steps as fast as the period", 100, 200, 60000, 60000, 600, "経過 1:00 残り 約1:00"},
      {"slower than the period: measured", 10, 20, 20000, 20000, 600, "経過 0:20 残り 約0:20"},
      {"faster than the period: the floor holds", 100, 200, 10000, 10000, 600, "経過 0:10 残り 約1:00"},
      {"runs down between steps", 1, 3, 2000, 3500, 0, "経過 0:03 残り 約0:02"},
      {"overdue: never below zero", 1, 2, 1000, 9000, 0, "経過 0:09 残り 約0:00"},
      {"all done", 284, 284, 186000, 186000, 1200, "経過 3:06 残り 約0:00"},
      {"hours", 1, 2, 3723000, 3723000, 0, "経過 1:02:03 残り 約1:02:03"},
  };
  for (const Case& c : cases) {
    RunEstimate e;
    e.Begin(5000);
    e.Step(c.done, c.total, 5000 + c.step_at);
    EXPECT_EQ(e.Text(5000 + c.now, c.period_ms), c.text) << c.what;
  }
}

TEST(RunEstimate, AnEndedRunKeepsItsTimeAndDropsTheEstimate) {
  RunEstimate e;
  e.Begin(0);
  e.Step(3, 10, 3000);
  e.End(42000);
  EXPECT_FALSE(e.Running());
  EXPECT_EQ(e.Text(99000, 600), "経過 0:42");
  e.Step(5, 10, 50000);  // a late step changes nothing
  EXPECT_EQ(e.Text(99000, 600), "経過 0:42");
}

}  // namespace
}  // namespace vtg
