// The server role against units played by the test on loopback: a unit the permitted list
// refuses is closed before it takes a record and logged; the server listens on the local
// address chosen, and refuses one it cannot use.
#include <QTcpSocket>
#include <QtTest>

#include "event_waits.h"
#include "free_tcp_port.h"
#include "socket_controller.h"

namespace vtg::testing {

class PermittedUnitsTest : public QObject {
  Q_OBJECT
 private slots:
  void OnlyPermittedUnitsOnTheChosenAddressGetIn() {
    struct Case {
      const char* listen;
      std::vector<std::string> permitted;
      bool listens, admitted;
      std::string_view box;
    };
    const Case cases[] = {
        {"", {"127.0.0.2", "10.0.0.0/8"}, true, false, {}},
        {"127.0.0.1", {"10.0.0.1", "127.0.0.0/8"}, true, true, {}},
        {"127.0.0", {}, false, false, TcpTransport::kBadListenAddressText},
        {"192.0.2.77", {}, false, false, TcpTransport::kListenAddressUnavailableText},
    };
    for (const Case& k : cases) {
      SocketController c;
      std::vector<std::string> log;
      TrafficLog traffic([] { return std::int64_t{0}; });
      traffic.SetSink([&](std::string_view line) { log.emplace_back(line); });
      c.tcp.SetTrafficLog(&traffic);
      c.state.link.tcp_role = kServer;
      c.state.link.listen_address = k.listen;
      c.state.link.permitted_units = k.permitted;
      const quint16 port = FreeTcpPort();
      c.UsePort(port);
      QCOMPARE(c.tcp.StartServer(), k.listens);
      QCOMPARE(c.messages.shown.empty(), k.box.empty());
      if (!k.box.empty()) QVERIFY(c.messages.shown.front().text.starts_with(k.box));
      if (!k.listens) continue;

      QTcpSocket unit;
      unit.connectToHost(QHostAddress::LocalHost, port);
      QVERIFY(QTest::qWaitFor(
          [&] { return c.state.client_table.InUseCount() == 1 || unit.state() == QAbstractSocket::UnconnectedState; },
          kWaitMs));
      QCOMPARE(c.state.client_table.InUseCount(), k.admitted ? 1 : 0);
      QCOMPARE(log.size(), std::size_t(k.admitted ? 0 : 1));
      const QRegularExpression refused(QStringLiteral(" event    tcp 127\\.0\\.0\\.1:\\d+ refused: not on the permitted list$"));
      if (!k.admitted) QVERIFY2(QString::fromStdString(log.back()).contains(refused), log.back().c_str());
    }
  }
};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::PermittedUnitsTest)
#include "permitted_units_test.moc"
