// The socket link against units played by the test on loopback: a QTcpServer for the
// client role, QTcpSockets for the server role.
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <memory>
#include <set>
#include <vector>

#include "event_waits.h"
#include "free_tcp_port.h"
#include "link/device_drain.h"
#include "link/tcp_endpoint.h"
#include "shown_texts.h"
#include "socket_controller.h"

namespace vtg {
namespace {

using testing::FreeTcpPort;
using testing::kWaitMs;
using testing::ReadLines;
using testing::ShownTexts;

}  // namespace

class TcpTransportTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    c = std::make_unique<testing::SocketController>();
    c->state.selection.slave_index = 5;
  }
  void cleanup() {
    c.reset();
    units.clear();
    unit_server.close();
    qDeleteAll(unit_server.findChildren<QTcpSocket*>());
  }

  void portText_data();
  void portText();
  void badEndpointChangesNothing_data();
  void badEndpointChangesNothing();

  void connectionCompletesLater();
  void replySplitOverTwoReceptions();
  void twoRepliesInOneChunk();
  void silentUnitTimesOut();
  void hostClosing_data();
  void hostClosing();
  void refusedConnection_data();
  void refusedConnection();
  void hostClosesWhileABoxIsOpen();
  void peerKeepsSendingWhileABoxIsOpen();

  void serverTakes96UnitsAndRefusesThe97th();
  void serverTalksToTheChosenUnitOnly();
  void chosenUnitLeaving();
  void busyPortCannotBind();

 private:
  // Client role: the controller connects to a unit listening here; returns the unit's end.
  QTcpSocket* ConnectToUnit();
  // Server role: listening on a free port.
  bool Serve();
  // A unit joining the server; with `wait`, until it holds a record.
  QTcpSocket* Join(bool wait = true);

  std::unique_ptr<testing::SocketController> c;
  QTcpServer unit_server;
  std::vector<std::unique_ptr<QTcpSocket>> units;
  quint16 server_port = 0;
};

QTcpSocket* TcpTransportTest::ConnectToUnit() {
  unit_server.close();
  if (!unit_server.listen(QHostAddress::LocalHost, 0) || !c->ConnectToUnit(unit_server.serverPort())) return nullptr;
  if (!QTest::qWaitFor([&] { return unit_server.hasPendingConnections(); }, kWaitMs)) return nullptr;
  return unit_server.nextPendingConnection();
}

bool TcpTransportTest::Serve() {
  c->state.link.tcp_role = kServer;
  c->state.link.selected_peer = -1;
  server_port = FreeTcpPort();
  c->UsePort(server_port);
  return c->tcp.StartServer();
}

QTcpSocket* TcpTransportTest::Join(bool wait) {
  const int before = c->state.client_table.InUseCount();
  units.push_back(std::make_unique<QTcpSocket>());
  QTcpSocket* unit = units.back().get();
  unit->connectToHost(QHostAddress::LocalHost, server_port);
  if (wait && !QTest::qWaitFor([&] { return c->state.client_table.InUseCount() == before + 1; }, kWaitMs))
    return nullptr;
  return unit;
}

void TcpTransportTest::portText_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("port");  // 0: no port
  QTest::newRow("leading zero") << "09004" << 9004;
  QTest::newRow("plain") << "9004" << 9004;
  QTest::newRow("lowest") << "1" << 1;
  QTest::newRow("highest") << "65535" << 65535;
  QTest::newRow("zero") << "0" << 0;
  QTest::newRow("too high") << "65536" << 0;
  QTest::newRow("six digits") << "009004" << 0;
  QTest::newRow("letter") << "90a4" << 0;
  QTest::newRow("space") << "9004 " << 0;
  QTest::newRow("sign") << "-1" << 0;
  QTest::newRow("empty") << "" << 0;
}

void TcpTransportTest::portText() {
  QFETCH(QString, text);
  QFETCH(int, port);
  const auto parsed = ParseTcpPort(text.toStdString());
  QCOMPARE(parsed.value_or(0), port);
}

void TcpTransportTest::badEndpointChangesNothing_data() {
  QTest::addColumn<int>("role");
  QTest::addColumn<QString>("port");
  QTest::addColumn<int>("entry");
  QTest::addColumn<QString>("shown");
  QTest::newRow("client, bad port") << int(kClient) << "9x04" << 0 << "Network ポート番号が正しくありません";
  QTest::newRow("client, no host chosen") << int(kClient) << "09004" << -1 << "Network 接続先の Host が選択されていません";
  QTest::newRow("client, entry past the list") << int(kClient) << "09004" << 1 << "Network 接続先の Host が選択されていません";
  QTest::newRow("server, port zero") << int(kServer) << "0" << -1 << "Network ポート番号が正しくありません";
}

void TcpTransportTest::badEndpointChangesNothing() {
  QFETCH(int, role);
  QFETCH(QString, port);
  QFETCH(int, entry);
  QFETCH(QString, shown);
  c->state.link.tcp_role = role;
  c->state.link.tcp_port_text = port.toStdString();
  c->state.link.host_list = {{127, 0, 0, 1}};
  c->state.link.selected_peer = entry;
  QVERIFY(!(role == kServer ? c->tcp.StartServer() : c->tcp.ConnectToHost()));
  QCOMPARE(ShownTexts(c->messages), QStringList{shown});
  QVERIFY(!c->tcp.Connecting());
  QVERIFY(!c->tcp.Listening());
  QCOMPARE(c->state.link.selected_peer, entry);
}

void TcpTransportTest::connectionCompletesLater() {
  QVERIFY(unit_server.listen(QHostAddress::LocalHost, 0));
  c->state.link.host_list = {{127, 0, 0, 1}};
  c->UsePort(unit_server.serverPort());
  QSignalSpy connected(&c->tcp, &TcpTransport::connected);
  QVERIFY(c->tcp.ConnectToHost());
  QVERIFY(c->tcp.Connecting());
  QCOMPARE(c->state.link.tcp_connected, 0);
  QVERIFY(connected.wait(kWaitMs));
  QCOMPARE(c->state.link.tcp_connected, 1);
  QVERIFY(c->tcp.ready());
  QCOMPARE(ShownTexts(c->messages), QStringList{"Success Socket 接続 OK"});
  QVERIFY(c->tcp.ConnectToHost());  // connected already: nothing changes
  QCOMPARE(connected.count(), 1);
  QVERIFY(c->tcp.ready());
}

void TcpTransportTest::replySplitOverTwoReceptions() {
  QTcpSocket* unit = ConnectToUnit();
  QVERIFY(unit);
  auto* connection = c->tcp.findChild<QTcpSocket*>(QStringLiteral("connection"));
  QVERIFY(connection);
  QSignalSpy arrived(connection, &QTcpSocket::readyRead);
  c->state.flags.step_pending = 1;
  c->link.SendCommandLine("CWL3\r\n");
  QCOMPARE(ReadLines(*unit, 1), QByteArray("05CWL3\r\n"));

  unit->write("05G");
  QVERIFY(arrived.wait(kWaitMs));
  QVERIFY(c->link.AwaitingSocketReply());
  QCOMPARE(c->state.flags.step_pending, 1);
  unit->write("O\r\n");
  QTRY_VERIFY_WITH_TIMEOUT(!c->link.AwaitingSocketReply(), kWaitMs);
  QCOMPARE(c->state.flags.step_pending, 0);
  QCOMPARE(ShownTexts(c->messages), QStringList{"Success Socket ＯＫ"});
}

void TcpTransportTest::twoRepliesInOneChunk() {
  QTcpSocket* unit = ConnectToUnit();
  QVERIFY(unit);
  c->link.SendCommandLine("RCEL\r\n");
  QCOMPARE(ReadLines(*unit, 1), QByteArray("05RCEL\r\n"));
  unit->write("05CEL2\r\n05CWL0\r\n");
  QTRY_COMPARE_WITH_TIMEOUT(c->state.image.white_level, 0, kWaitMs);
  QCOMPARE(c->state.image.edge_level, 2);
  QVERIFY(!c->link.AwaitingSocketReply());
}

void TcpTransportTest::silentUnitTimesOut() {
  QTcpSocket* unit = ConnectToUnit();
  QVERIFY(unit);
  c->link.SetTiming({200, 50});
  c->state.flags.sequence_step = 4;
  c->state.flags.announce_success = 1;
  QElapsedTimer clock;
  clock.start();
  c->link.SendCommandLine("RCEL\r\n");
  QVERIFY(c->link.AwaitingSocketReply());  // the send returned; the wait runs on the event loop
  QTRY_COMPARE_WITH_TIMEOUT(c->messages.shown.size(), size_t{1}, kWaitMs);
  QVERIFY(clock.elapsed() >= 190);  // coarse timers may fire up to 5% early
  QCOMPARE(ShownTexts(c->messages), QStringList{"Error Answer が､きません"});
  QCOMPARE(c->state.flags.abort_flag, 1);
  QCOMPARE(c->state.flags.sequence_step, 0);
  QCOMPARE(c->state.flags.announce_success, 0);
  QVERIFY(c->tcp.ready());  // a silent unit is still connected

  // Its late answer is read and thrown away, not taken for the next command's.
  QSignalSpy arrived(c->tcp.findChild<QTcpSocket*>(QStringLiteral("connection")), &QTcpSocket::readyRead);
  unit->write("05CEL0\r\n");
  QVERIFY(arrived.wait(kWaitMs));
  QCOMPARE(c->state.image.edge_level, 1);
  c->link.SendCommandLine("RCWL\r\n");
  QCOMPARE(ReadLines(*unit, 2), QByteArray("05RCEL\r\n05RCWL\r\n"));
  unit->write("05CWL2\r\n");
  QTRY_COMPARE_WITH_TIMEOUT(c->state.image.white_level, 2, kWaitMs);
}

void TcpTransportTest::hostClosing_data() {
  QTest::addColumn<bool>("awaiting");
  QTest::newRow("idle") << false;
  QTest::newRow("awaiting a reply") << true;
}

void TcpTransportTest::hostClosing() {
  QFETCH(bool, awaiting);
  QTcpSocket* unit = ConnectToUnit();
  QVERIFY(unit);
  QSignalSpy disconnected(&c->tcp, &TcpTransport::disconnected);
  if (awaiting) {
    c->link.SendCommandLine("RCEL\r\n");
    QCOMPARE(ReadLines(*unit, 1), QByteArray("05RCEL\r\n"));
  }
  unit->disconnectFromHost();
  QVERIFY(disconnected.wait(kWaitMs));
  QCOMPARE(c->state.link.tcp_connected, 0);
  QVERIFY(!c->tcp.ready());
  QVERIFY(!c->link.AwaitingSocketReply());
  QCOMPARE(c->state.flags.abort_flag, awaiting ? 1 : 0);
  // Said once; the next command is refused as not connected instead of failing to send.
  c->link.SendCommandLine("RCWL\r\n");
  QCOMPARE(ShownTexts(c->messages), (QStringList{"Error Socket 接続が切れました", "Error Socket が接続されていません"}));
  QCOMPARE(disconnected.count(), 1);
}

void TcpTransportTest::refusedConnection_data() {
  QTest::addColumn<IpBytes>("host");
  QTest::addColumn<QString>("shown");
  // The system refuses a connection to a broadcast address before the attempt starts; a
  // closed port on loopback answers the attempt with a reset.
  QTest::newRow("at once") << IpBytes{255, 255, 255, 255} << "Network 接続できません";
  QTest::newRow("later") << IpBytes{127, 0, 0, 1} << "OwnedStop ソケットイベントにエラーが発生しました。";
}

void TcpTransportTest::refusedConnection() {
  QFETCH(IpBytes, host);
  QFETCH(QString, shown);
  c->state.link.host_list = {host};
  c->UsePort(FreeTcpPort());
  QSignalSpy disconnected(&c->tcp, &TcpTransport::disconnected);
  c->tcp.ConnectToHost();
  QTRY_COMPARE_WITH_TIMEOUT(ShownTexts(c->messages), QStringList{shown}, kWaitMs);
  QCOMPARE(disconnected.count(), 1);
  QCOMPARE(c->state.link.tcp_connected, 0);
  QVERIFY(!c->tcp.Connecting());
}

void TcpTransportTest::hostClosesWhileABoxIsOpen() {
  QTcpSocket* unit = ConnectToUnit();
  QVERIFY(unit);
  QSignalSpy disconnected(&c->tcp, &TcpTransport::disconnected);
  c->messages.during_next_box = [&] {
    unit->disconnectFromHost();
    // Deferred deletions run in here too, as in a box's own loop.
    QVERIFY(QTest::qWaitFor([&] { return disconnected.count() == 1; }, kWaitMs));
  };
  c->link.SendCommandLine("RCEL\r\n");
  QCOMPARE(ReadLines(*unit, 1), QByteArray("05RCEL\r\n"));
  unit->write("05E3\r\n");
  QTRY_COMPARE_WITH_TIMEOUT(c->messages.shown.size(), size_t{2}, kWaitMs);
  QCOMPARE(ShownTexts(c->messages), (QStringList{"Error Socket Command", "Error Socket 接続が切れました"}));
  QCOMPARE(c->state.link.tcp_connected, 0);
  QVERIFY(!c->tcp.findChild<QTcpSocket*>(QStringLiteral("connection")));
}

void TcpTransportTest::peerKeepsSendingWhileABoxIsOpen() {
  QTcpSocket* unit = ConnectToUnit();
  QVERIFY(unit);
  auto* connection = c->tcp.findChild<QTcpSocket*>(QStringLiteral("connection"));
  const qint64 flood = 16 * kMaxUnreadBytes;
  c->messages.during_next_box = [&] {
    unit->write(QByteArray(flood, 'x'));
    // Until the controller holds it all, or stopped taking it at its bound.
    const auto held = [&] { return connection->bytesAvailable(); };
    QVERIFY(QTest::qWaitFor([&] { return held() >= flood || held() == kMaxUnreadBytes; }, kWaitMs));
    QCOMPARE(held(), kMaxUnreadBytes);
  };
  c->link.SendCommandLine("RCEL\r\n");
  QCOMPARE(ReadLines(*unit, 1), QByteArray("05RCEL\r\n"));
  unit->write("05E3\r\n");
  QTRY_VERIFY_WITH_TIMEOUT(!c->messages.during_next_box, kWaitMs);
}

void TcpTransportTest::serverTakes96UnitsAndRefusesThe97th() {
  QVERIFY(Serve());
  QVERIFY(c->tcp.Listening());
  QVERIFY(c->tcp.StartServer());  // listening already
  QSignalSpy changed(&c->tcp, &TcpTransport::clientsChanged);
  const ClientTable& table = c->state.client_table;
  for (int i = 0; i < 96; ++i) Join(false);
  QTRY_COMPARE_WITH_TIMEOUT(table.InUseCount(), 96, 20000);
  std::set<int> peers;
  for (int r = 1; r < kClientRecords; ++r) {
    QCOMPARE(table[r].address_text, std::string("127.0.0.1"));
    QVERIFY(table[r].peer_socket != 0);
    peers.insert(table[r].peer_socket);
  }
  QCOMPARE(peers.size(), size_t{96});
  QVERIFY(!changed.isEmpty());

  const ClientTable before = table;
  QTcpSocket* extra = Join(false);
  QTRY_COMPARE_WITH_TIMEOUT(extra->state(), QAbstractSocket::UnconnectedState, kWaitMs);
  for (int r = 0; r < kClientRecords; ++r) QCOMPARE(table[r].peer_socket, before[r].peer_socket);

  units[1]->disconnectFromHost();
  QTRY_COMPARE_WITH_TIMEOUT(table.InUseCount(), 95, kWaitMs);
  const int freed = table.FreeRecord();
  QCOMPARE(table[freed].address_text, std::string(" "));
  QCOMPARE(table[freed].peer_socket, 0);
  QVERIFY(Join());
  QCOMPARE(table[freed].in_use, 1);
  QCOMPARE(table[freed].address_text, std::string("127.0.0.1"));
  QVERIFY(!peers.count(table[freed].peer_socket));
  QVERIFY(c->messages.shown.empty());

  c->tcp.CloseAllSockets();
  QVERIFY(!c->tcp.Listening());
  QCOMPARE(table.InUseCount(), 0);
  QTRY_COMPARE_WITH_TIMEOUT(units[0]->state(), QAbstractSocket::UnconnectedState, kWaitMs);
  QVERIFY(c->messages.shown.empty());
}

void TcpTransportTest::serverTalksToTheChosenUnitOnly() {
  QVERIFY(Serve());
  for (int i = 0; i < 3; ++i) QVERIFY(Join());
  c->state.link.selected_peer = 2;
  c->state.link.tcp_connected = 1;
  QVERIFY(c->tcp.ready());
  c->link.SendCommandLine("RCWL\r\n");
  QCOMPARE(ReadLines(*units[1], 1), QByteArray("05RCWL\r\n"));
  QCOMPARE(units[0]->bytesAvailable(), 0);
  QCOMPARE(units[2]->bytesAvailable(), 0);

  units[2]->write("05CWL0\r\n");  // not the chosen unit: read and thrown away
  units[1]->write("05CWL2\r\n");
  QTRY_VERIFY_WITH_TIMEOUT(!c->link.AwaitingSocketReply(), kWaitMs);
  QCOMPARE(c->state.image.white_level, 2);

  c->tcp.CloseClient(c->state.client_table[3].peer_socket);
  QCOMPARE(c->state.client_table[3].in_use, 0);
  QCOMPARE(c->state.link.tcp_connected, 1);
  QTRY_COMPARE_WITH_TIMEOUT(units[2]->state(), QAbstractSocket::UnconnectedState, kWaitMs);
  QVERIFY(c->messages.shown.empty());
}

void TcpTransportTest::chosenUnitLeaving() {
  QVERIFY(Serve());
  for (int i = 0; i < 3; ++i) QVERIFY(Join());
  c->state.link.selected_peer = 2;
  c->state.link.tcp_connected = 1;
  QSignalSpy changed(&c->tcp, &TcpTransport::clientsChanged);
  units[1]->disconnectFromHost();
  QVERIFY(changed.wait(kWaitMs));
  QCOMPARE(c->state.link.tcp_connected, 0);
  QCOMPARE(c->state.link.selected_peer, -1);
  QCOMPARE(c->state.client_table[2].in_use, 0);
  QCOMPARE(c->state.client_table.InUseCount(), 2);
  QVERIFY(!c->tcp.ready());
  QCOMPARE(ShownTexts(c->messages), QStringList{"Error Socket 接続が切れました"});
}

void TcpTransportTest::busyPortCannotBind() {
  QTcpServer other;
  QVERIFY(other.listen(QHostAddress::AnyIPv4, 0));
  c->state.link.tcp_role = kServer;
  c->UsePort(other.serverPort());
  QVERIFY(!c->tcp.StartServer());
  QVERIFY(!c->tcp.Listening());
  QCOMPARE(ShownTexts(c->messages), QStringList{"Network Bindできません"});
}

}  // namespace vtg

QTEST_GUILESS_MAIN(vtg::TcpTransportTest)
#include "tcp_transport_test.moc"
