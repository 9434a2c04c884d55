// The socket link against units played by the test on loopback: a QTcpServer for the
// client role, QTcpSockets for the server role.
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <memory>
#include <vector>

#include "event_waits.h"
#include "free_tcp_port.h"
#include "link/device_drain.h"
#include "link/session.h"
#include "link/tcp_endpoint.h"
#include "shown_texts.h"
#include "recording_view.h"
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

  void portText() {
    const std::pair<std::string_view, int> cases[] = {  // 0: no port
        {"09004", 9004}, {"9004", 9004}, {"1", 1},      {"65535", 65535}, {"0", 0}, {"65536", 0},
        {"009004", 0},   {"90a4", 0},    {"9004 ", 0}, {"-1", 0},         {"", 0}};
    for (const auto& [text, port] : cases) QCOMPARE(ParseTcpPort(text).value_or(0), port);
  }

  void badEndpointChangesNothing_data() {
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("port");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("shown");
    QTest::newRow("client, bad port") << int(kClient) << "9x04" << 0 << "Network ポート番号が正しくありません";
    QTest::newRow("client, no host chosen") << int(kClient) << "09004" << -1 << "Network 接続先の Host が選択されていません";
    QTest::newRow("client, entry past the list") << int(kClient) << "09004" << 1 << "Network 接続先の Host が選択されていません";
    QTest::newRow("server, port zero") << int(kServer) << "0" << -1 << "Network ポート番号が正しくありません";
  }

  void badEndpointChangesNothing() {
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

  void silentUnitTimesOutOnTheEventLoop() {
    QTcpSocket* unit = ConnectToUnit();
    QVERIFY(unit);
    c->link.SetTiming({200, 50});
    QElapsedTimer clock;
    clock.start();
    c->link.SendCommandLine("RCEL\r\n");
    QVERIFY(c->link.AwaitingSocketReply());  // the send returned; the wait runs on the event loop
    QTRY_COMPARE_WITH_TIMEOUT(ShownTexts(c->messages), QStringList{"Error Answer が､きません"}, kWaitMs);
    QVERIFY(clock.elapsed() >= 190);  // coarse timers may fire up to 5% early
    QVERIFY(c->tcp.ready());  // a silent unit is still connected
  }

  void hostClosing_data() {
    QTest::addColumn<bool>("awaiting");
    QTest::newRow("idle") << false;
    QTest::newRow("awaiting a reply") << true;
  }

  void hostClosing() {
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

  void refusedConnection_data() {
    QTest::addColumn<IpBytes>("host");
    QTest::addColumn<QString>("shown");
    // The system refuses a connection to a broadcast address before the attempt starts; a
    // closed port on loopback answers the attempt with a reset.
    QTest::newRow("at once") << IpBytes{255, 255, 255, 255} << "Network 接続できません";
    QTest::newRow("later") << IpBytes{127, 0, 0, 1} << "OwnedStop ソケットイベントにエラーが発生しました。";
  }

  void refusedConnection() {
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

  void hostClosesWhileABoxIsOpen() {
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

  void peerKeepsSendingWhileABoxIsOpen() {
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

  void serverTalksToTheChosenUnitOnly() {
    QVERIFY(Serve());
    QVERIFY(c->tcp.StartServer());  // listening already
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

    // The chosen unit leaving is said; nothing is chosen any more.
    QSignalSpy changed(&c->tcp, &TcpTransport::clientsChanged);
    units[1]->disconnectFromHost();
    QVERIFY(changed.wait(kWaitMs));
    QCOMPARE(c->state.link.tcp_connected, 0);
    QCOMPARE(c->state.link.selected_peer, -1);
    QCOMPARE(c->state.client_table.InUseCount(), 1);
    QVERIFY(!c->tcp.ready());
    QCOMPARE(ShownTexts(c->messages), QStringList{"Error Socket 接続が切れました"});

    c->tcp.CloseAllSockets();
    QVERIFY(!c->tcp.Listening());
    QCOMPARE(c->state.client_table.InUseCount(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(units[0]->state(), QAbstractSocket::UnconnectedState, kWaitMs);
    QCOMPARE(c->messages.shown.size(), size_t{1});
  }

  // A unit routed to a session of its own answers that session; the end of an older route of
  // the same unit leaves the newer in place.
  void unitAnswersItsNewestSession() {
    QVERIFY(Serve());
    QVERIFY(Join());
    testing::RecordingView view;
    Session older(c->state, c->messages, view), newer(c->state, c->messages, view);
    QtReplyTimer timer(newer.link());
    auto older_route = c->tcp.RouteUnit(1, older.link());
    auto newer_route = c->tcp.RouteUnit(1, newer.link());
    older_route.reset();
    newer.AddressServerUnit(1);
    newer.link().AttachSocket(newer_route.get(), &timer);
    newer.link().SendCommandLine("RCWL\r\n");
    QCOMPARE(ReadLines(*units[0], 1), QByteArray("05RCWL\r\n"));
    units[0]->write("05CWL2\r\n");
    QTRY_VERIFY_WITH_TIMEOUT(!newer.link().AwaitingSocketReply(), kWaitMs);
    QCOMPARE(newer.state().image.white_level, 2);
    QCOMPARE(c->state.image.white_level, DefaultSettingsImage().white_level);
    QVERIFY(c->messages.shown.empty());
  }

  void busyPortCannotBind() {
    QTcpServer other;
    QVERIFY(other.listen(QHostAddress::AnyIPv4, 0));
    c->state.link.tcp_role = kServer;
    c->UsePort(other.serverPort());
    QVERIFY(!c->tcp.StartServer());
    QVERIFY(!c->tcp.Listening());
    QCOMPARE(ShownTexts(c->messages), QStringList{"Network Bindできません"});
  }

 private:
  // Client role: the controller connects to a unit listening here; returns the unit's end.
  QTcpSocket* ConnectToUnit();
  // Server role: listening on a free port.
  bool Serve();
  // A unit joining the server, once it holds a record.
  bool Join();

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

bool TcpTransportTest::Join() {
  const int before = c->state.client_table.InUseCount();
  units.push_back(std::make_unique<QTcpSocket>());
  units.back()->connectToHost(QHostAddress::LocalHost, server_port);
  return QTest::qWaitFor([&] { return c->state.client_table.InUseCount() == before + 1; }, kWaitMs);
}

}  // namespace vtg

QTEST_GUILESS_MAIN(vtg::TcpTransportTest)
#include "tcp_transport_test.moc"
