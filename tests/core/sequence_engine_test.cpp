#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <limits>

#include "fakes.h"
#include "glyphs/glyph_transfer.h"
#include "link/sequence_engine.h"
#include "link/unit_network.h"
#include "link/watchdog.h"
#include "settings/controller_state.h"

namespace vtg {
namespace {

using testing::RecordingMessages;

// A run of `n` steps that sends "S<step>" on the socket link, with an idle step at 3.
class SequenceTest : public ::testing::Test {
 protected:
  SequenceTest() : link(state, messages), engine(state, link, messages, view) {
    ResetToDefaults(state);
    link.AttachSocket(&socket, &timer);
    state.link.interface_setting = kTcpIp;
    state.link.tcp_connected = 1;
  }

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

  void Answer(std::string_view reply = "GO") { link.OnSocketBytes("00" + std::string(reply) + "\r\n"); }

  ControllerState state;
  RecordingMessages messages;
  testing::RecordingTransport socket = testing::SocketPeer();
  testing::FakeReplyTimer timer;
  testing::RecordingView view;
  Link link;
  SequenceEngine engine;
};

TEST_F(SequenceTest, WaitsForEachReplyAndEndsAfterTheLastStep) {
  ASSERT_EQ(engine.Begin(Run(5)), SequenceEngine::Start::Started);
  EXPECT_FALSE(view.close_enabled);
  EXPECT_EQ(state.flags.sequence_step, 1);
  engine.Tick();
  engine.Tick();  // no reply yet: nothing more goes out
  EXPECT_EQ(socket.lines, (std::vector<std::string>{"00S1\r\n"}));
  Answer();  // the held step is brought forward, and the period follows it
  engine.Tick();
  Answer();
  engine.Tick();  // step 3 sends nothing and slows the timer
  EXPECT_EQ(view.periods, (std::vector<int>{600, 0, 600, 1200}));
  engine.Tick();
  Answer();
  EXPECT_EQ(view.percent, "80");
  engine.Tick();
  EXPECT_EQ(socket.lines.size(), 4u);
  EXPECT_FALSE(engine.Running());
  EXPECT_TRUE(view.close_enabled);
  EXPECT_FALSE(view.timer_on);
  EXPECT_EQ(state.flags.sequence_step, 0);
  EXPECT_EQ(view.percent, "   ");
  EXPECT_EQ(view.position, 0);
}

TEST_F(SequenceTest, ErrorReplyEndsTheRunAtTheNextTick) {
  SequenceEngine::End how{};
  engine.OnEnd([&](SequenceEngine::End e) { how = e; });
  engine.Begin(Run(10));
  engine.Tick();
  Answer("E3");
  EXPECT_TRUE(engine.Running());
  engine.Tick();
  EXPECT_FALSE(engine.Running());
  EXPECT_EQ(how, SequenceEngine::End::Aborted);
  EXPECT_EQ(socket.lines.size(), 1u);
  EXPECT_EQ(state.flags.abort_flag, 0);
  EXPECT_EQ(state.flags.sequence_step, 0);
}

TEST_F(SequenceTest, SilentUnitEndsTheRunAfterTheTimeout) {
  engine.Begin(Run(10));
  engine.Tick();
  link.OnReplyTimeout();
  engine.Tick();
  EXPECT_FALSE(engine.Running());
  EXPECT_EQ(socket.lines.size(), 1u);
  EXPECT_EQ(messages.shown.back().text, "Answer が､きません");
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

TEST_F(SequenceTest, BroadcastDoesNotWait) {
  state.selection.slave_index = kBroadcast;
  engine.Begin(Run(6));
  for (int i = 0; i < 6; ++i) engine.Tick();
  EXPECT_EQ(socket.lines.size(), 5u);
  EXPECT_FALSE(engine.Running());
}

TEST_F(SequenceTest, RefusalsAtStart) {
  state.flags.sequence_step = 7;
  EXPECT_EQ(engine.Begin(Run(3)), SequenceEngine::Start::Busy);
  state.flags.sequence_step = 0;
  state.link.tcp_connected = 0;
  EXPECT_EQ(engine.Begin(Run(3)), SequenceEngine::Start::NotReady);
  EXPECT_EQ(messages.shown.back().text, "Socket が接続されていません");
  EXPECT_TRUE(view.periods.empty());
}

TEST_F(SequenceTest, FailedStepEndsTheRunAtOnce) {
  SequenceRun run = Run(5);
  run.step = [](int s) { return s == 2 ? StepResult::Failed() : StepResult::Idle(); };
  engine.Begin(std::move(run));
  engine.Tick();
  engine.Tick();
  EXPECT_FALSE(engine.Running());
  EXPECT_EQ(state.flags.abort_flag, 0);
}

TEST_F(SequenceTest, ClosingTheDialogAbortsTheRun) {
  engine.Begin(Run(5));
  engine.Tick();
  engine.Abort();
  EXPECT_FALSE(engine.Running());
  EXPECT_EQ(state.flags.sequence_step, 0);
  EXPECT_EQ(state.flags.step_pending, 0);
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

TEST_F(SequenceTest, RunMayLeaveCloseEnabled) {
  SequenceRun run = Run(2);
  run.close_stays_enabled = true;
  engine.Begin(std::move(run));
  EXPECT_TRUE(view.close_enabled);
  engine.Tick();
  EXPECT_TRUE(view.close_enabled);
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
  Answer();
  EXPECT_TRUE(view.timer_on);
  engine.Tick();
  Answer();
  engine.Tick();  // the idle step does not slow the run down
  EXPECT_TRUE(view.timer_on);
  engine.Tick();
  Answer();
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

TEST_F(SequenceTest, TimerPaceIgnoresWake) {
  engine.Begin(Run(5));
  engine.Tick();
  Answer();
  engine.Wake();
  EXPECT_EQ(view.periods, (std::vector<int>{600}));
  engine.Abort();
  EXPECT_EQ(engine.LastEnd(), SequenceEngine::End::Aborted);
}

// The window's message boxes run an event loop of their own, in which the run's timer
// goes on ticking.
class BoxesThatTick : public RecordingMessages {
 public:
  void Show(Box box, std::string_view text) override {
    RecordingMessages::Show(box, text);
    if (engine) engine->Tick();
  }
  SequenceEngine* engine = nullptr;
};

TEST(SequenceInsideABox, ARunEndedWhileItsStepShowedABoxEndsOnce) {
  struct Case {
    const char* name;
    int failing_step;
    void (*fail)(ControllerState&, testing::RecordingTransport&);
  } cases[] = {
      {"not connected at the last step", 4, [](auto& state, auto&) { state.link.tcp_connected = 0; }},
      {"send refused half way", 2, [](auto&, auto& socket) { socket.refuse = true; }},
  };
  for (const auto& c : cases) {
    ControllerState state;
    ResetToDefaults(state);
    state.link.interface_setting = kTcpIp;
    state.link.tcp_connected = 1;
    BoxesThatTick boxes;
    testing::RecordingTransport socket = testing::SocketPeer();
    testing::FakeReplyTimer timer;
    testing::RecordingView view;
    Link link(state, boxes);
    link.AttachSocket(&socket, &timer);
    SequenceEngine engine(state, link, boxes, view);
    boxes.engine = &engine;
    std::vector<SequenceEngine::End> ends;
    engine.OnEnd([&](SequenceEngine::End how) { ends.push_back(how); });
    SequenceRun run;
    run.last_step = 4;
    run.step = [&](int s) {
      link.SendCommandLine("S" + std::to_string(s) + "\r\n");
      return StepResult::Sent();
    };
    engine.Begin(std::move(run));
    for (int s = 1; s <= 4 && engine.Running(); ++s) {
      if (s == c.failing_step) c.fail(state, socket);
      engine.Tick();
      if (engine.Running()) link.OnSocketBytes("00GO\r\n");
    }
    EXPECT_EQ(ends, std::vector<SequenceEngine::End>{SequenceEngine::End::Aborted}) << c.name;
    EXPECT_EQ(view.position, 0) << c.name;
    EXPECT_EQ(view.percent, "   ") << c.name;
    EXPECT_EQ(boxes.shown.size(), 1u) << c.name;
  }
}

// A unit that answers every addressed line with GO `reply_ms` after it came. The run's
// timer, the socket's reply wait and the main window's serial watchdog share its virtual
// clock, and each event fires in time order.
class SlowUnit : public Transport, public SequenceView, public ReplyTimer {
 public:
  struct Arrival {
    long at_ms;
    bool reply_outstanding;  // a line before it was still unanswered
  };

  SlowUnit(bool on_socket, int reply_ms) : on_socket_(on_socket), reply_ms_(reply_ms) {
    ResetToDefaults(state);
    state.link.interface_setting = on_socket ? kTcpIp : kRs232c;
    state.link.tcp_connected = 1;
    state.selection.slave_index = 5;
    state.flags.address_prefix = 1;
    link.AttachSerial(this);
    link.AttachSocket(this, this);
  }

  TransportTraits traits() const override { return {!on_socket_, on_socket_}; }
  bool ready() const override { return true; }
  bool send(std::string_view line) override {
    arrivals.push_back({now_, !replies_.empty()});
    const bool prefixed = on_socket_ || state.flags.address_prefix == 1;
    if (!(prefixed && line.starts_with("FF")))
      replies_.push_back({now_ + reply_ms_, std::string(prefixed ? line.substr(0, 2) : "") + "GO\r\n"});
    return true;
  }
  void StartTimer(int ms) override { timer_due_ = now_ + ms, period_ = ms; }
  void StopTimer() override { timer_due_ = kNever; }
  void SetCloseEnabled(bool) override {}
  void ShowProgress(int, std::string_view) override {}
  void arm(int ms) override { wait_due_ = now_ + ms; }
  void cancel() override { wait_due_ = kNever; }

  void RunToEnd() {
    long watchdog_due = on_socket_ ? kNever : kWatchdogPeriodMs;
    while (engine.Running() && now_ < 3'600'000) {
      const long reply_due = replies_.empty() ? kNever : replies_.front().at_ms;
      now_ = std::min({reply_due, wait_due_, watchdog_due, timer_due_});
      if (now_ == reply_due) {
        const std::string reply = replies_.front().line;
        replies_.pop_front();
        on_socket_ ? link.OnSocketBytes(reply) : link.OnSerialBytes(reply);
      } else if (now_ == wait_due_) {
        wait_due_ = kNever;
        link.OnReplyTimeout();
      } else if (now_ == watchdog_due) {
        watchdog_due += kWatchdogPeriodMs;
        WatchdogTick(state, messages);
      } else {
        timer_due_ = now_ + period_;
        engine.Tick();
      }
    }
  }

  ControllerState state;
  RecordingMessages messages;
  Link link{state, messages};
  SequenceEngine engine{state, link, messages, *this};
  std::vector<Arrival> arrivals;

 private:
  static constexpr long kNever = std::numeric_limits<long>::max();
  struct Reply {
    long at_ms;
    std::string line;
  };
  bool on_socket_;
  int reply_ms_;
  long now_ = 0;
  long timer_due_ = kNever, wait_due_ = kNever;
  int period_ = 0;
  std::deque<Reply> replies_;
};

// Runs that do not wait for replies by themselves still never send while one is awaited:
// their period becomes the least time between lines, and a line goes once the reply came.
TEST(SequenceAgainstASlowUnit, ALineNeverGoesWhileAReplyIsAwaited) {
  struct Case {
    const char* name;
    bool on_socket;
    int slave;
    int address_prefix;
    SequenceRun (*run)(ControllerState&, Link&);
    std::size_t lines;
    long first_ms, gap_ms;
  } cases[] = {
      {"glyph send, socket", true, 5, 1, [](auto& s, auto& l) { return SendAllGlyphsRun(s, l, GlyphClass::Large); },
       70, 3000, 4000},
      {"glyph send, serial", false, 5, 1, [](auto& s, auto& l) { return SendAllGlyphsRun(s, l, GlyphClass::Large); },
       70, 3000, 4000},
      {"network read-back, serial", false, 5, 0, [](auto&, auto& l) { return UnitNetworkReadBack(l); }, 9, 200,
       4000},
      // Nothing is awaited after a Broadcast line.
      {"glyph send, socket Broadcast", true, kBroadcast, 1,
       [](auto& s, auto& l) { return SendAllGlyphsRun(s, l, GlyphClass::Large); }, 70, 5000, 5000},
  };
  for (const auto& c : cases) {
    SlowUnit unit(c.on_socket, 4000);
    unit.state.selection.slave_index = c.slave;
    unit.state.flags.address_prefix = c.address_prefix;
    ASSERT_EQ(unit.engine.Begin(c.run(unit.state, unit.link)), SequenceEngine::Start::Started) << c.name;
    unit.RunToEnd();
    EXPECT_EQ(unit.engine.LastEnd(), SequenceEngine::End::Completed) << c.name;
    EXPECT_TRUE(unit.messages.shown.empty()) << c.name << ": " << unit.messages.shown.front().text;
    ASSERT_EQ(unit.arrivals.size(), c.lines) << c.name;
    EXPECT_EQ(unit.arrivals.front().at_ms, c.first_ms) << c.name;
    for (std::size_t i = 1; i < c.lines; ++i) {
      ASSERT_FALSE(unit.arrivals[i].reply_outstanding) << c.name << ", line " << i + 1;
      ASSERT_EQ(unit.arrivals[i].at_ms - unit.arrivals[i - 1].at_ms, c.gap_ms) << c.name << ", line " << i + 1;
    }
  }
}

TEST(Watchdog, GivesUpOnTheTwelfthTick) {
  ControllerState state;
  ResetToDefaults(state);
  RecordingMessages messages;
  state.flags.reply_pending = 1;
  state.flags.announce_success = 1;
  for (int tick = 1; tick <= 11; ++tick) {
    WatchdogTick(state, messages);
    ASSERT_TRUE(messages.shown.empty()) << tick;
  }
  WatchdogTick(state, messages);
  EXPECT_EQ(messages.shown, (std::vector<testing::Shown>{{Box::Stop, "No Connect"}}));
  EXPECT_EQ(state.flags.abort_flag, 1);
  EXPECT_EQ(state.flags.reply_pending, 0);
  EXPECT_EQ(state.flags.watchdog_ticks, 0);
  EXPECT_EQ(state.flags.announce_success, 0);
  WatchdogTick(state, messages);
  EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace
}  // namespace vtg
