// Sequences against a unit that drops, garbles and refuses replies: every run must end, the
// link must stay usable, and nothing may crash. Bounded in count and time, loopback only.
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include "event_waits.h"
#include "shell/read_all_run.h"
#include "shell/set_all_run.h"
#include "sim/simulated_unit_server.h"
#include "socket_controller.h"
#include "titles/title_runs.h"

namespace vtg {
namespace {

using testing::kWaitMs;
constexpr int kRuns = 36;

class FaultyUnitSoak : public QObject {
  Q_OBJECT
 private slots:
  void everySequenceEndsAndTheLinkStaysUsable();
};

SequenceRun RunNumber(int i, testing::SocketController& c) {
  switch (i % 4) {
    case 0: return ReadSettingItemsRun(c.state, c.link, c.messages);
    case 1: return SetAllItemsRun(c.state, c.link, c.messages);
    case 2: return CharSizeRun(c.link, c.state.image);
    default: return TitleDisplayRun(c.link, c.state.image);
  }
}

void FaultyUnitSoak::everySequenceEndsAndTheLinkStaysUsable() {
  struct Plan {
    const char* name;
    sim::FaultPlan faults;
  } plans[] = {
      {"drops every 9th reply", {9, 0, "E3"}},
      {"garbles every 7th reply", {0, 7, "#?~"}},
      {"refuses every 40th line", {0, 40, "E3"}},
  };
  int completed = 0, aborted = 0, lines = 0;
  for (const Plan& plan : plans) {
    sim::SimulatedUnit unit(0);
    sim::LinkSettings settings;
    settings.faults = plan.faults;
    sim::SimulatedUnitServer server({&unit}, settings);
    QVERIFY(server.start(QHostAddress::LocalHost, 0));

    testing::SocketController c;
    c.link.SetTiming({150, 20});
    QVERIFY(c.ConnectToUnit(server.port()));
    SequenceEngine& engine = c.engine;
    QEventLoop until_end;
    QTimer give_up;
    give_up.setSingleShot(true);
    QObject::connect(&give_up, &QTimer::timeout, &until_end, &QEventLoop::quit);
    engine.OnEnd([&](SequenceEngine::End how) {
      ++(how == SequenceEngine::End::Completed ? completed : aborted);
      until_end.quit();
    });
    QTimer ticks;
    ticks.setInterval(1);
    QObject::connect(&ticks, &QTimer::timeout, [&] { engine.Tick(); });
    ticks.start();
    for (int i = 0; i < kRuns / 3; ++i) {
      QCOMPARE(engine.Begin(RunNumber(i, c)), SequenceEngine::Start::Started);
      // An event loop of its own: the replies and the ticks arrive without polling gaps.
      give_up.start(60000);
      until_end.exec();
      QVERIFY2(!engine.Running(), plan.name);
      QCOMPARE(c.state.flags.sequence_step, 0);
      QVERIFY(QTest::qWaitFor([&] { return !c.link.AwaitingSocketReply(); }, kWaitMs));
    }
    ticks.stop();
    QCOMPARE(c.state.link.tcp_connected, 1);
    lines += static_cast<int>(c.messages.shown.size());
  }
  QCOMPARE(completed + aborted, kRuns);
  QVERIFY(completed > 0);
  QVERIFY(aborted > 0);
  qInfo("faulty unit soak: %d runs, %d completed, %d aborted, %d messages", kRuns, completed, aborted, lines);
}

}  // namespace
}  // namespace vtg

QTEST_GUILESS_MAIN(vtg::FaultyUnitSoak)
#include "faulty_unit_soak_test.moc"
