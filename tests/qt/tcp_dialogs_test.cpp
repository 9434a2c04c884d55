// The two TCP/IP dialogs: the host list and its keys, connecting to a simulated unit, and the
// server's list of connected units as they come and go.
#include <QTcpSocket>
#include <memory>

#include "dialog_driver.h"
#include "free_tcp_port.h"
#include "link/tcp_client_dialog.h"
#include "link/tcp_server_dialog.h"
#include "sim/simulated_unit_server.h"
#include "socket_controller.h"

namespace vtg::testing {

namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;

}  // namespace

class TcpDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void HostListKeepsTheFileInStep() {
    TestApp t;
    TcpClientDialog dialog(t.context, nullptr);
    auto* address = Find<ui::IpAddressEdit>(dialog, 1101);
    auto* hosts = Find<QListWidget>(dialog, 1106);
    for (const char* host : {"192.168.1.3", "10.0.0.2", "10.0.0.3"}) {
      address->setText(QString::fromLatin1(host));
      Click(dialog, 1104);
    }
    QCOMPARE(Entries(hosts), QStringList({"192 .168 .001 .003", "010 .000 .000 .002", "010 .000 .000 .003"}));
    QCOMPARE(Writes(t.profile.writes.begin(), t.profile.writes.begin() + 5),
             (Writes{{"list_count", "1"}, {"ip00_0", "192"}, {"ip00_1", "168"}, {"ip00_2", "1"}, {"ip00_3", "3"}}));

    t.profile.writes.clear();
    hosts->clearSelection();
    Click(dialog, 1105);
    QVERIFY(t.profile.writes.empty());

    hosts->setCurrentRow(0);
    Click(dialog, 1105);
    QCOMPARE(Entries(hosts), QStringList({"010 .000 .000 .002", "010 .000 .000 .003"}));
    QCOMPARE(t.profile.writes.front(), std::make_pair(std::string("list_count"), std::string("2")));
    QCOMPARE(t.profile.keys["ip01_3"], std::string("3"));
    QCOMPARE(t.profile.keys["ip02_3"], std::string("3"));  // the old last entry stays

    DoubleClick(hosts, 1);
    QCOMPARE(t.state.link.selected_peer, 1);
    QCOMPARE(t.profile.keys["select_number"], std::string("1"));
    QCOMPARE(address->text(), QStringLiteral("10.0.0.3"));

    Click(dialog, 1105);  // the chosen host goes: nothing is chosen
    QCOMPARE(t.profile.keys["select_number"], std::string("-1"));
    QCOMPARE(address->text(), QStringLiteral("..."));  // blank
  }

  void ClosingWritesThePort() {
    TestApp t;
    for (int key : {Qt::Key_Escape, Qt::Key_Enter}) {
      t.profile.writes.clear();
      TcpClientDialog dialog(t.context, nullptr);
      QVERIFY(ShowOnScreen(dialog));
      QTest::keyClicks(Find<QLineEdit>(dialog, 1090), QStringLiteral("x1"));
      QTest::keyClick(&dialog, Qt::Key(key));
      QVERIFY(!dialog.isVisible());
      QCOMPARE(t.state.link.tcp_port_text, std::string("09004"));  // five characters at most, digits only
      QCOMPARE(t.profile.writes, (Writes{{"port_number", "09004"}}));
    }
  }

  void ConnectsToTheChosenHostAndDisconnects() {
    SocketController t;
    sim::SimulatedUnit unit(0);
    sim::SimulatedUnitServer server({&unit});
    QVERIFY(server.start(QHostAddress::LocalHost, 0));
    t.state.link.host_list = {{10, 9, 9, 9}, {127, 0, 0, 1}};
    t.state.link.selected_peer = 1;
    t.state.link.tcp_port_text = QStringLiteral("%1").arg(server.port()).toStdString();
    TcpClientDialog dialog(t.context, nullptr);
    QCOMPARE(Find<ui::IpAddressEdit>(dialog, 1101)->text(), QStringLiteral("127.0.0.1"));
    QVERIFY(!Find(dialog, 1102)->isEnabled());
    Click(dialog, 1103);
    QTRY_COMPARE(t.state.link.tcp_connected, 1);
    QCOMPARE(t.messages.shown, (std::vector<Shown>{{Box::Success, "Socket 接続 OK"}}));
    QVERIFY(!Find(dialog, 1103)->isEnabled());
    QVERIFY(Find(dialog, 1102)->isEnabled());

    Click(dialog, 1102);
    QCOMPARE(t.state.link.tcp_connected, 0);
    QCOMPARE(t.messages.shown.back(), (Shown{Box::Success, "Socket 切断 OK"}));
    QVERIFY(Find(dialog, 1103)->isEnabled());
    QVERIFY(!Find(dialog, 1102)->isEnabled());
  }

  void ServerListFollowsTheUnitsHoweverTheyComeAndGo() {
    SocketController t;
    t.state.link.tcp_role = kServer;
    t.state.link.selected_peer = -1;
    t.state.link.tcp_port_text = QStringLiteral("%1").arg(FreeTcpPort(), 5, 10, QLatin1Char('0')).toStdString();
    TcpServerDialog dialog(t.context, nullptr);
    auto* clients = Find<QListWidget>(dialog, 1002);
    QVERIFY(!Find(dialog, 1000)->isEnabled());
    Click(dialog, 1);
    QVERIFY(t.tcp.Listening());
    QVERIFY(!Find(dialog, 1)->isEnabled());
    QVERIFY(!Find(dialog, 1004)->isEnabled());
    QVERIFY(Find(dialog, 1000)->isEnabled());

    std::vector<std::unique_ptr<QTcpSocket>> units;
    const auto connect_unit = [&] {
      units.push_back(std::make_unique<QTcpSocket>());
      units.back()->connectToHost(QHostAddress::LocalHost, QString::fromStdString(t.state.link.tcp_port_text).toUShort());
    };
    for (int i = 0; i < 3; ++i) connect_unit();
    QTRY_COMPARE(clients->count(), 3);
    units[1]->disconnectFromHost();  // record 2 becomes free
    QTRY_COMPARE(clients->count(), 2);
    QCOMPARE(Entries(clients), QStringList({"127.0.0.1", "127.0.0.1"}));

    DoubleClick(clients, 1);
    QCOMPARE(t.state.link.selected_peer, 3);
    QCOMPARE(t.state.link.tcp_connected, 1);
    QCOMPARE(Find<QLineEdit>(dialog, 1003)->text(), QStringLiteral("127.0.0.1"));

    connect_unit();  // takes the free record 2
    QTRY_COMPARE(clients->count(), 3);
    DoubleClick(clients, 1);
    QCOMPARE(t.state.link.selected_peer, 2);
    units[3]->disconnectFromHost();  // the chosen unit leaves
    QTRY_COMPARE(clients->count(), 2);
    QCOMPARE(Find<QLineEdit>(dialog, 1003)->text(), QString(16, QLatin1Char(' ')));

    Click(dialog, 1000);
    QCOMPARE(clients->count(), 0);
    QCOMPARE(Find<QLineEdit>(dialog, 1003)->text(), QString(16, QLatin1Char(' ')));
    QCOMPARE(t.state.link.selected_peer, -1);
    QCOMPARE(t.state.link.tcp_connected, 0);
    QVERIFY(Find(dialog, 1)->isEnabled());

    t.profile.writes.clear();
    Click(dialog, 2);
    QCOMPARE(t.profile.writes, (Writes{{"port_number", t.state.link.tcp_port_text}}));
  }
};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::TcpDialogsTest)
#include "tcp_dialogs_test.moc"
