// The controller's socket link against vtg7300-sim, in both roles, on loopback.
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "event_waits.h"
#include "free_tcp_port.h"
#include "qt_files.h"
#include "readback_cases.h"
#include "shown_texts.h"
#include "simulated_unit_process.h"
#include "socket_controller.h"

namespace vtg {

using testing::kWaitMs;
using testing::ShownTexts;
using testing::SimulatedUnitProcess;

class SocketLinkSimTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    c = std::make_unique<testing::SocketController>();
    c->state.selection.slave_index = 5;
  }
  void cleanup() { c.reset(); }

  void setsAndReadsBackThroughTheUnit();
  void replySplitOverTwoReceptions();
  void silentUnitTimesOut();
  void broadcastDoesNotWait();
  void unitGoingAwayIsSaidOnce();
  void serverTakes96UnitsAndGivesALeaversRecordToTheNext();

 private:
  // Client role: a simulated unit with address 05 listening on a free port, connected to.
  bool ConnectToSim(SimulatedUnitProcess& sim, QStringList faults = {});

  std::unique_ptr<testing::SocketController> c;
};

bool SocketLinkSimTest::ConnectToSim(SimulatedUnitProcess& sim, QStringList faults) {
  return sim.Listen(faults << "--address" << "05") && c->ConnectToUnit(sim.port());
}

void SocketLinkSimTest::setsAndReadsBackThroughTheUnit() {
  SimulatedUnitProcess sim;
  QVERIFY(ConnectToSim(sim));
  for (const auto& step : testing::ReadBackCases()) {
    QVERIFY2(c->Exchange(step.set), step.set.c_str());
    QVERIFY2(c->Exchange(step.read), step.read.c_str());
    QVERIFY2(step.landed(c->state), step.read.c_str());
  }
  const QStringList all_ok(static_cast<int>(testing::ReadBackCases().size()), QStringLiteral("Success Socket ＯＫ"));
  QCOMPARE(ShownTexts(c->messages), all_ok);
}

void SocketLinkSimTest::replySplitOverTwoReceptions() {
  SimulatedUnitProcess sim;
  QVERIFY(ConnectToSim(sim, {"--split"}));
  c->state.flags.sequence_step = 3;  // a run is going: no box for "GO"
  c->state.flags.step_pending = 1;
  QVERIFY(c->Exchange("CEL3\r\n"));
  QCOMPARE(c->state.flags.step_pending, 0);
  QVERIFY(c->Exchange("RCEL\r\n"));
  QCOMPARE(c->state.image.edge_level, 3);
  QVERIFY(c->messages.shown.empty());
}

void SocketLinkSimTest::silentUnitTimesOut() {
  SimulatedUnitProcess sim;
  QVERIFY(ConnectToSim(sim, {"--drop-every", "1"}));
  c->link.SetTiming({300, 100});
  QVERIFY(c->Exchange("RCEL\r\n"));
  QCOMPARE(ShownTexts(c->messages), QStringList{"Error Answer が､きません"});
  QCOMPARE(c->state.flags.abort_flag, 1);
}

void SocketLinkSimTest::broadcastDoesNotWait() {
  SimulatedUnitProcess sim;
  QVERIFY(ConnectToSim(sim));
  c->state.selection.slave_index = kBroadcast;
  c->link.SendCommandLine("CWL1\r\n");
  c->state.selection.slave_index = 5;
  QVERIFY(c->Exchange("RCWL\r\n"));  // sent at once, after the unit took the Broadcast
  QCOMPARE(c->state.image.white_level, 1);
  QVERIFY(c->messages.shown.empty());
}

void SocketLinkSimTest::unitGoingAwayIsSaidOnce() {
  SimulatedUnitProcess sim;
  QVERIFY(ConnectToSim(sim));
  QSignalSpy disconnected(&c->tcp, &TcpTransport::disconnected);
  QCOMPARE(sim.Terminate(), 0);
  QTRY_COMPARE_WITH_TIMEOUT(disconnected.count(), 1, kWaitMs);
  QCOMPARE(c->state.link.tcp_connected, 0);
  QCOMPARE(ShownTexts(c->messages), QStringList{"Error Socket 接続が切れました"});
}

void SocketLinkSimTest::serverTakes96UnitsAndGivesALeaversRecordToTheNext() {
  const ClientTable& table = c->state.client_table;
  c->state.link.tcp_role = kServer;
  c->state.link.selected_peer = -1;
  const quint16 port = testing::FreeTcpPort();
  const QString target = QStringLiteral("127.0.0.1:%1").arg(port);
  c->UsePort(port);
  QVERIFY(c->tcp.StartServer());

  // The first unit alone, so that it holds record 1; then 95 more.
  std::vector<std::unique_ptr<SimulatedUnitProcess>> sims;
  int joined = 0;
  for (const int units : {1, 32, 32, 31}) {
    sims.push_back(std::make_unique<SimulatedUnitProcess>());
    QVERIFY(!sims.back()->Start({"--units", QString::number(units), "--connect", target}).isEmpty());
    joined += units;
    QTRY_COMPARE_WITH_TIMEOUT(table.InUseCount(), joined, kWaitMs);
  }
  const int first_peer = table[1].peer_socket;

  // The 97th is taken and closed at once, again at every retry; the table stays as it is.
  QTemporaryDir folder;
  const QString log = folder.filePath(QStringLiteral("97th.log"));
  SimulatedUnitProcess extra;
  QVERIFY(!extra.Start({"--log", log, "--connect", target}).isEmpty());
  QTRY_VERIFY_WITH_TIMEOUT(testing::ReadFile(log).contains("closed"), kWaitMs);
  QCOMPARE(table.InUseCount(), 96);
  QCOMPARE(table[1].peer_socket, first_peer);

  // The first unit leaves; the 97th takes its record at its next try.
  sims.front()->Terminate();
  QTRY_VERIFY_WITH_TIMEOUT(table[1].in_use && table[1].peer_socket != first_peer, kWaitMs);
  QCOMPARE(table.InUseCount(), 96);

  // Commands go to the chosen record's unit; its address is 00.
  c->state.link.selected_peer = 1;
  c->state.link.tcp_connected = 1;
  c->state.selection.slave_index = 0;
  QVERIFY(c->Exchange("CWL2\r\n"));
  QVERIFY(c->Exchange("RCWL\r\n"));
  QCOMPARE(c->state.image.white_level, 2);
  QCOMPARE(ShownTexts(c->messages), QStringList{"Success Socket ＯＫ"});
}

}  // namespace vtg

QTEST_GUILESS_MAIN(vtg::SocketLinkSimTest)
#include "socket_link_sim_test.moc"
