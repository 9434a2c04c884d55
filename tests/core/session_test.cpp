// Several units at once: each session's lines, replies and image are its own in whatever
// order the units answer; one unit failing leaves the others running; the many-unit table
// starts units at once or in turn and keeps what each came to.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "default_state.h"
#include "fake_reply_timer.h"
#include "link/session.h"
#include "link/unit_runs.h"
#include "recording_messages.h"
#include "recording_transport.h"
#include "recording_view.h"
#include "shell/read_all_run.h"
#include "shell/set_all_run.h"
#include "unit_behaviours.h"

namespace vtg {
namespace {

// One unit in the server role: its own connection, reply wait and view, and a simulated unit
// at the far end of the connection.
struct UnitAtEnd {
  explicit UnitAtEnd(int white_level) {
    unit.state().white_level = white_level;
    session.AddressServerUnit(1);
    session.link().AttachSocket(&socket, &timer);
    session.engine().SetPace(Pace::Reply);
  }
  // What the unit's side does next: the dialog's timer ticks while it runs, else the unit
  // answers its oldest unanswered line.
  void Move() {
    if (view.timer_on) return session.engine().Tick();
    if (answered == socket.lines.size()) return;
    ++answered;
    session.link().OnSocketBytes(answer(static_cast<int>(answered), socket.lines[answered - 1]));
  }

  long now = 0;
  testing::RecordingMessages messages;
  testing::RecordingTransport socket = testing::SocketPeer();
  testing::FakeReplyTimer timer{now};
  testing::RecordingView view;
  Session session{testing::DefaultState(), messages, view};
  sim::SimulatedUnit unit;
  testing::UnitBehaviour answer = testing::SimulatedUnits({&unit});
  std::size_t answered = 0;
};

// Moves the units in an uneven interleaving until neither runs: `a` twice for each of `b`.
void RunBoth(UnitAtEnd& a, UnitAtEnd& b) {
  for (int moves = 0; moves < 20000 && (a.session.engine().Running() || b.session.engine().Running()); ++moves) {
    a.Move();
    a.Move();
    b.Move();
  }
}

TEST(Sessions, ReadsFillEachUnitsOwnImageWhateverOrderTheyAnswerIn) {
  UnitAtEnd a(0), b(2);
  for (UnitAtEnd* u : {&a, &b})
    ASSERT_EQ(u->session.engine().Begin(ReadSettingItemsRun(u->session.state(), u->session.link(), u->messages)),
              SequenceEngine::Start::Started);
  RunBoth(a, b);
  EXPECT_EQ(a.session.state().image.white_level, 0);
  EXPECT_EQ(b.session.state().image.white_level, 2);
  for (UnitAtEnd* u : {&a, &b}) {
    EXPECT_EQ(u->session.engine().LastEnd(), SequenceEngine::End::Completed);
    EXPECT_EQ(u->messages.shown.size(), 1u);  // its own success box, no other's
  }
}

TEST(Sessions, AUnitThatFailsLeavesTheOtherRunning) {
  UnitAtEnd a(0), b(0);
  b.answer = testing::UnitAnsweringAtLine(40, "E3");
  for (UnitAtEnd* u : {&a, &b}) {
    u->session.state().image.white_level = 2;  // the document's
    ASSERT_EQ(u->session.engine().Begin(SetAllItemsRun(u->session.state(), u->session.link(), u->messages, true)),
              SequenceEngine::Start::Started);
  }
  RunBoth(a, b);
  EXPECT_EQ(a.session.engine().LastEnd(), SequenceEngine::End::Completed);
  EXPECT_EQ(a.unit.state().white_level, 2);
  EXPECT_EQ(a.socket.lines.size(), 282u);
  EXPECT_EQ(b.session.engine().LastEnd(), SequenceEngine::End::Aborted);
  EXPECT_EQ(b.socket.lines.size(), 40u);
}

struct TableCase {
  const char* name;
  UnitRuns::Order order;
  std::vector<std::string> refused;  // why each unit's run could not start; empty: it starts
  std::vector<bool> succeeds;
  std::vector<int> begun_before_first_end;
  int percents_at_40;  // with every unit told 40 %: only the running ones take it
  std::vector<std::string> result_lines;
};

TEST(UnitRunsTable, StartsTheUnitsAtOnceOrInTurnAndKeepsWhatEachCameTo) {
  const TableCase cases[] = {
      {"at once, the second failing", UnitRuns::Order::Parallel, {"", "", ""}, {true, false, true}, {0, 1, 2}, 120,
       {"a\tok\t0.01 s", "b\tfailed\t0.02 s\tE3", "c\tok\t0.03 s"}},
      {"in turn, the first failing", UnitRuns::Order::InTurn, {"", "", ""}, {false, true, true}, {0}, 40,
       {"a\tfailed\t0.01 s\tE3", "b\tok\t0.01 s", "c\tok\t0.01 s"}},
      {"in turn, one refused at its start", UnitRuns::Order::InTurn, {"", "No Connect", ""}, {true, true, true}, {0}, 40,
       {"a\tok\t0.01 s", "b\tfailed\t0.00 s\tNo Connect", "c\tok\t0.01 s"}},
  };
  for (const TableCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::int64_t now = 0;
    std::vector<int> begun;
    UnitRuns runs({"a", "b", "c"}, c.order,
                  [&](int i) {
                    begun.push_back(i);
                    return c.refused[static_cast<std::size_t>(i)];
                  },
                  [&] { return now; });
    int done = 0;
    runs.on_done = [&] { ++done; };
    runs.Start();
    EXPECT_EQ(begun, c.begun_before_first_end);
    for (int i = 0; i < 3; ++i) runs.Progress(i, 40);
    EXPECT_EQ(runs.PercentsDone(), c.percents_at_40);
    // The running units end in the order they started, each 10 ms after the one before.
    for (std::size_t next = 0; next < begun.size(); ++next) {
      const int i = begun[next];
      if (runs.rows()[static_cast<std::size_t>(i)].status != UnitRunRow::Status::Running) continue;
      now += 10;
      runs.Ended(i, c.succeeds[static_cast<std::size_t>(i)], "E3");
    }
    EXPECT_TRUE(runs.Done());
    EXPECT_EQ(done, 1);
    EXPECT_EQ(runs.PercentsDone(), 300);
    std::vector<std::string> lines;
    for (const UnitRunRow& row : runs.rows()) lines.push_back(ResultLine(row));
    EXPECT_EQ(lines, c.result_lines);
  }
}

TEST(UnitRunsTable, NamesEachUnitsFileAfterIt) {
  EXPECT_EQ(UnitFileName("out/read.dat", "192.168.1.20"), "out/read-192.168.1.20.dat");
  EXPECT_EQ(UnitFileName("read", "03"), "read-03");
}

}  // namespace
}  // namespace vtg
