// The server role against units played by the test on loopback: a unit the permitted list
// refuses is closed before it takes a record, and the traffic log says who and why; the
// server listens on the local address chosen, and refuses one it cannot use.
#include <QTcpSocket>
#include <QtTest>

#include "event_waits.h"
#include "free_tcp_port.h"
#include "socket_controller.h"

namespace vtg::testing {

class PermittedUnitsTest : public QObject {
  Q_OBJECT
 private slots:
  void RefusedUnitIsClosedAndLoggedPermittedOneTakesARecord() {
    SocketController c;
    std::vector<std::string> log;
    TrafficLog traffic([] { return std::int64_t{0}; });
    traffic.SetSink([&](std::string_view line) { log.emplace_back(line); });
    c.tcp.SetTrafficLog(&traffic);
    c.state.link.tcp_role = kServer;
    c.state.link.selected_peer = -1;
    const quint16 port = FreeTcpPort();
    c.UsePort(port);
    QVERIFY(c.tcp.StartServer());

    struct Case {
      std::vector<std::string> permitted;
      bool admitted;
    };
    for (const Case& k : {Case{{"127.0.0.2", "10.0.0.0/8"}, false}, Case{{"10.0.0.1", "127.0.0.0/8"}, true}}) {
      c.state.link.permitted_units = k.permitted;
      const std::size_t logged = log.size();
      QTcpSocket unit;
      unit.connectToHost(QHostAddress::LocalHost, port);
      QVERIFY(RunEventsUntil([&] {
        return c.state.client_table.InUseCount() == 1 || unit.state() == QAbstractSocket::UnconnectedState;
      }));
      QCOMPARE(c.state.client_table.InUseCount(), k.admitted ? 1 : 0);
      QCOMPARE(log.size(), logged + (k.admitted ? 0 : 1));
      if (!k.admitted) {
        const QRegularExpression line(QStringLiteral(" event    tcp 127\\.0\\.0\\.1:\\d+ refused: not on the permitted list$"));
        QVERIFY2(QString::fromStdString(log.back()).contains(line), log.back().c_str());
      }
    }
  }

  void ListensOnTheChosenAddressOnly() {
    struct Case {
      const char* address;
      bool listens;
      std::string_view box;
    };
    const Case cases[] = {
        {"", true, {}},
        {"127.0.0.1", true, {}},
        {"127.0.0", false, TcpTransport::kBadListenAddressText},
        {"192.0.2.77", false, TcpTransport::kListenAddressUnavailableText},
    };
    for (const Case& k : cases) {
      SocketController c;
      c.state.link.tcp_role = kServer;
      c.state.link.listen_address = k.address;
      const quint16 port = FreeTcpPort();
      c.UsePort(port);
      QCOMPARE(c.tcp.StartServer(), k.listens);
      QCOMPARE(c.tcp.Listening(), k.listens);
      QCOMPARE(c.messages.shown.empty(), k.box.empty());
      if (!k.box.empty()) QVERIFY(c.messages.shown.front().text.starts_with(k.box));
      if (!k.listens) continue;
      QTcpSocket unit;
      unit.connectToHost(QHostAddress::LocalHost, port);
      QVERIFY2(RunEventsUntil([&] { return c.state.client_table.InUseCount() == 1; }), k.address);
    }
  }
};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::PermittedUnitsTest)
#include "permitted_units_test.moc"
