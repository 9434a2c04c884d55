#include <gtest/gtest.h>

#include "wired_controller.h"

namespace vtg {
namespace {

using testing::RecordingMessages;

// A run of `n` steps that sends "S<step>" on the socket link, with an idle step at 3.
class SequenceTest : public ::testing::Test, public testing::WiredController {
 protected:
  SequenceTest() { UseSocketLink(); }

  SequenceRun Run(int n) {
    SequenceRun run;
    run.period_ms = 600;
    run.last_step = n;
    run.percent_divisor = n;
    run.step = [this](int s) {
      if (s == 3) return StepResult::Idle(1200);
      link.SendCommandLine("S" + std::to_string(s) + "\r\n");
      return StepResult::Sent();
    };
    return run;
  }

  void Reply(std::string_view reply = "GO") { link.OnSocketBytes("00" + std::string(reply) + "\r\n"); }
};

TEST_F(SequenceTest, WaitsForEachReplyAndEndsAfterTheLastStep) {
  ASSERT_EQ(engine.Begin(Run(5)), SequenceEngine::Start::Started);
  EXPECT_FALSE(view.close_enabled);
  EXPECT_EQ(state.flags.sequence_step, 1);
  engine.Tick();
  engine.Tick();  // no reply yet: nothing more goes out
  EXPECT_EQ(socket.lines, (std::vector<std::string>{"00S1\r\n"}));
  Reply();  // the held step is brought forward, and the period follows it
  engine.Wake();  // which a timer-paced run ignores
  engine.Tick();
  Reply();
  engine.Tick();  // step 3 sends nothing and slows the timer
  EXPECT_EQ(view.periods, (std::vector<int>{600, 0, 600, 1200}));
  engine.Tick();
  Reply();
  EXPECT_EQ(view.percent, "80");
  engine.Tick();
  EXPECT_EQ(socket.lines.size(), 4u);
  EXPECT_FALSE(engine.Running());
  EXPECT_TRUE(view.close_enabled);
  EXPECT_FALSE(view.timer_on);
  EXPECT_EQ(std::tuple(state.flags.sequence_step, view.percent, view.position), std::tuple(0, "   ", 0));
}

TEST_F(SequenceTest, RunStartedAgainAfterATimeoutEndsTheOldOneFirst) {
  std::vector<SequenceEngine::End> ends;
  engine.OnEnd([&](SequenceEngine::End e) { ends.push_back(e); });
  engine.Begin(Run(10));
  engine.Tick();
  link.OnReplyTimeout();  // the step is 0 until the next tick notices
  ASSERT_EQ(engine.Begin(Run(10)), SequenceEngine::Start::Started);
  EXPECT_EQ(ends, (std::vector<SequenceEngine::End>{SequenceEngine::End::Aborted}));
  EXPECT_EQ(state.flags.sequence_step, 1);
  EXPECT_TRUE(view.timer_on);
  engine.Tick();
  EXPECT_EQ(socket.lines.back(), "00S1\r\n");
}

TEST_F(SequenceTest, RefusalsAtStart) {
  state.flags.sequence_step = 7;
  EXPECT_EQ(engine.Begin(Run(3)), SequenceEngine::Start::Busy);
  state.flags.sequence_step = 0;
  state.link.tcp_connected = 0;
  // A missing connection is reported first, also to a run of reads on Broadcast.
  SequenceRun reads = Run(3);
  reads.refuses_broadcast = true;
  state.selection.slave_index = kBroadcast;
  EXPECT_EQ(engine.Begin(reads), SequenceEngine::Start::NotReady);
  EXPECT_EQ(messages.shown, (std::vector<testing::Shown>{{Box::Error, "Socket が接続されていません"}}));
  EXPECT_TRUE(view.periods.empty());
}

TEST_F(SequenceTest, HeldStepIsTriedAgain) {
  int holds = 2;
  SequenceRun run = Run(1);
  run.step = [&](int) { return holds-- > 0 ? StepResult::Hold() : StepResult::Idle(); };
  engine.Begin(std::move(run));
  engine.Tick();
  engine.Tick();
  EXPECT_TRUE(engine.Running());
  EXPECT_EQ(view.position, 2);
  engine.Tick();
  EXPECT_FALSE(engine.Running());
}

// Reply pace: no timer floor, the run sleeps while its reply is out and the reply wakes it.
TEST_F(SequenceTest, ReplyPaceSendsEachStepOnceItsReplyCame) {
  engine.SetPace(Pace::Reply);
  engine.Begin(Run(5));
  engine.Tick();
  EXPECT_TRUE(view.timer_on);
  engine.Tick();  // waiting: the timer sleeps
  EXPECT_FALSE(view.timer_on);
  EXPECT_EQ(socket.lines.size(), 1u);
  Reply();
  EXPECT_TRUE(view.timer_on);
  engine.Tick();
  Reply();
  engine.Tick();  // the idle step does not slow the run down
  EXPECT_TRUE(view.timer_on);
  engine.Tick();
  Reply();
  engine.Tick();
  EXPECT_FALSE(engine.Running());
  EXPECT_EQ(engine.LastEnd(), SequenceEngine::End::Completed);
  EXPECT_EQ(socket.lines.size(), 4u);
  EXPECT_EQ(view.periods, (std::vector<int>(2, 0)));
}

TEST_F(SequenceTest, ReplyPaceMakesARunThatSendsOnRegardlessWait) {
  SequenceRun run = Run(5);
  run.waits_for_reply = false;
  engine.SetPace(Pace::Reply);
  engine.Begin(std::move(run));
  engine.Tick();
  engine.Tick();
  EXPECT_EQ(socket.lines.size(), 1u);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(view.timer_on);
}

TEST_F(SequenceTest, ARunEndedWhileItsStepShowedABoxEndsOnce) {
  struct Case {
    const char* name;
    int failing_step;
    void (*fail)(ControllerState&, testing::RecordingTransport&);
  } cases[] = {
      {"not connected at the last step", 4, [](auto& s, auto&) { s.link.tcp_connected = 0; }},
      {"send refused half way", 2, [](auto&, auto& socket) { socket.refuse = true; }},
  };
  for (const auto& c : cases) {
    // The window's box runs an event loop of its own, in which the run's timer goes on ticking.
    messages.during_next_box = [this] { engine.Tick(); };
    std::vector<SequenceEngine::End> ends;
    engine.OnEnd([&](SequenceEngine::End how) { ends.push_back(how); });
    engine.Begin(Run(4));
    for (int s = 1; s <= 4 && engine.Running(); ++s) {
      if (s == c.failing_step) c.fail(state, socket);
      engine.Tick();
      if (engine.Running()) Reply();
    }
    EXPECT_EQ(ends, std::vector<SequenceEngine::End>{SequenceEngine::End::Aborted}) << c.name;
    EXPECT_EQ(view.position, 0) << c.name;
    EXPECT_EQ(view.percent, "   ") << c.name;
    state.link.tcp_connected = 1;
    socket.refuse = false;
  }
}

TEST(Watchdog, GivesUpOnTheTwelfthTick) {
  ControllerState state = testing::DefaultState();
  RecordingMessages messages;
  Link link(state, messages);
  state.flags.reply_pending = 1;
  state.flags.announce_success = 1;
  for (int tick = 1; tick <= 11; ++tick) {
    link.OnWatchdogTick();
    ASSERT_TRUE(messages.shown.empty()) << tick;
  }
  link.OnWatchdogTick();
  EXPECT_EQ(messages.shown, (std::vector<testing::Shown>{{Box::Stop, "No Connect"}}));
  const LinkFlags& f = state.flags;
  EXPECT_EQ(std::tie(f.abort_flag, f.reply_pending, f.watchdog_ticks, f.announce_success), std::tuple(1, 0, 0, 0));
  link.OnWatchdogTick();
  EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace
}  // namespace vtg
