// The connection dialogs and the unit network settings dialog against a recording serial
// port and a configuration file in memory; the TCP/IP dialogs against units on loopback.
#include <QLineEdit>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>

#include "dialog_driver.h"
#include "free_tcp_port.h"
#include "link/com_port_dialog.h"
#include "link/link_choice_dialog.h"
#include "link/tcp_client_dialog.h"
#include "link/tcp_server_dialog.h"
#include "link/unit_network_dialog.h"
#include "socket_controller.h"
#include "ui/ip_address_edit.h"

namespace vtg::testing {

namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;

}  // namespace

class LinkDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void ChoiceDialogsWriteEverySelectionChange() {
    struct Case {
      const LinkChoice* choice;
      std::string key;
      int LinkConfig::*setting;
    };
    for (const Case& c : {Case{&kInterfaceChoice, "Interface", &LinkConfig::interface_setting},
                          Case{&kRoleChoice, "ClientServer", &LinkConfig::tcp_role}}) {
      TestApp t;
      LinkChoiceDialog dialog(t.context, *c.choice, nullptr);
      auto* list = Find<QComboBox>(dialog, c.choice->list_id);
      QCOMPARE(list->currentIndex(), 0);
      QVERIFY(t.profile.writes.empty());
      list->setCurrentIndex(1);
      QCOMPARE(t.state.link.*c.setting, 1);
      list->setCurrentIndex(0);
      QCOMPARE(t.profile.writes, (Writes{{c.key, "1"}, {c.key, "0"}}));

      t.state.link.tcp_connected = 1;
      LinkChoiceDialog locked(t.context, *c.choice, nullptr);
      QVERIFY(!Find<QComboBox>(locked, c.choice->list_id)->isEnabled());
    }
  }

  void ComPortIsStoredOnlyOnOk() {
    TestApp t;
    t.serial_ports = {"ttyS0", "ttyS1", "/dev/pts/4"};
    t.state.link.com_port_index = 1;
    {
      ComPortDialog dialog(t.context, nullptr);
      auto* list = Find<QComboBox>(dialog, 1011);
      QCOMPARE(list->currentText(), QStringLiteral("ttyS1"));
      list->setCurrentIndex(2);
      Click(dialog, 2);
      QVERIFY(t.profile.writes.empty());
      QCOMPARE(t.state.link.com_port_index, 1);
    }
    ComPortDialog dialog(t.context, nullptr);
    Find<QComboBox>(dialog, 1011)->setCurrentIndex(2);
    Click(dialog, 1);
    QCOMPARE(t.profile.writes, (Writes{{"com_port", "2"}}));
    QCOMPARE(t.state.link.com_port_index, 2);
  }

  void NetworkSettingsGoOutWithoutAddress() {
    TestApp t;
    t.state.selection.slave_index = kBroadcast;
    t.state.flags.address_prefix = 1;
    UnitNetworkDialog dialog(t.context, nullptr);
    QCOMPARE(t.state.flags.address_prefix, 0);

    Find<ui::IpAddressEdit>(dialog, 1078)->setText(QStringLiteral("192.168.1.3"));
    Click(dialog, 1079);
    QCOMPARE(t.state.image.unit_ip_address, (IpBytes{192, 168, 1, 3}));
    Find<ui::IpAddressEdit>(dialog, 1080)->setText(QStringLiteral("10..0.1"));
    Click(dialog, 1082);
    Find<QComboBox>(dialog, 1087)->setCurrentIndex(2);
    Click(dialog, 1085);
    Find<QComboBox>(dialog, 1107)->setCurrentIndex(1);
    Click(dialog, 1109);
    Find<QComboBox>(dialog, 1108)->setCurrentIndex(5);
    Click(dialog, 1110);
    Find<QLineEdit>(dialog, 1093)->setText(QStringLiteral("9004"));
    Click(dialog, 1089);
    QCOMPARE(t.serial.lines, (std::vector<std::string>{"IA192.168.001.003\r\n", "GA010.000.000.001\r\n", "SMC\r\n",
                                                       "KAON\r\n", "TR6\r\n", "PN09004\r\n"}));
    QCOMPARE(Find<QLineEdit>(dialog, 1093)->text(), QStringLiteral("09004"));
    QCOMPARE(t.state.image.unit_port_number, std::string("09004"));
    QCOMPARE(t.state.flags.reply_pending, 1);
  }

  void AnIncompletePortIsRefused() {
    TestApp t;
    UnitNetworkDialog dialog(t.context, nullptr);
    Find<QLineEdit>(dialog, 1093)->setText(QStringLiteral("7000x"));
    Click(dialog, 1089);
    QVERIFY(t.serial.lines.empty());
    QCOMPARE(t.messages.shown, (std::vector<Shown>{{Box::Error, std::string(kUnitPortRefusedText)}}));
    QCOMPARE(t.state.image.unit_port_number, std::string("09004"));
  }

  void ReadBackRefreshesTheControlsAtTheEnd() {
    TestApp t;
    t.state.flags.abort_flag = 1;  // left over from an earlier failure
    UnitNetworkDialog dialog(t.context, nullptr);
    ui::SequenceRunner* runner = &Runner(dialog);
    Click(dialog, 1069);
    const char* replies[] = {"AA192.168.000.009", "GA192.168.000.001", "IA192.168.000.050", "MA00-11-22-33-44-55",
                             "PN10001", "SMB", "KAON", "TR3", "VN1.23"};
    for (const char* reply : replies) {
      runner->Tick();
      t.link.OnSerialBytes(std::string(reply) + "\r\n");
    }
    QCOMPARE(t.serial.lines.size(), size_t(9));
    QCOMPARE(Find<QLineEdit>(dialog, 1091)->text(), QStringLiteral("0.00"));  // not yet refreshed
    runner->Tick();
    QVERIFY(!runner->Running());
    const auto line = [&](int id) { return Find<QLineEdit>(dialog, id)->text(); };
    const auto list = [&](int id) { return Find<QComboBox>(dialog, id)->currentText(); };
    QCOMPARE((QStringList{Find<ui::IpAddressEdit>(dialog, 1078)->text(), line(1084), line(1093), list(1087),
                          list(1107), list(1108), line(1091)}),
             (QStringList{"192.168.000.050", "00-11-22-33-44-55", "10001", "Class B", "ON  ", "3", "1.23"}));
  }

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
    QCOMPARE(t.profile.keys["list_count"], std::string("3"));

    t.profile.writes.clear();
    hosts->clearSelection();
    Click(dialog, 1105);
    QVERIFY(t.profile.writes.empty());

    hosts->setCurrentRow(0);
    Click(dialog, 1105);
    QCOMPARE(Entries(hosts), QStringList({"010 .000 .000 .002", "010 .000 .000 .003"}));
    QCOMPARE(t.profile.keys["list_count"], std::string("2"));

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
    QTcpServer unit;
    QVERIFY(unit.listen(QHostAddress::LocalHost, 0));
    t.state.link.host_list = {{10, 9, 9, 9}, {127, 0, 0, 1}};
    t.state.link.selected_peer = 1;
    t.state.link.tcp_port_text = QString::number(unit.serverPort()).toStdString();
    TcpClientDialog dialog(t.context, nullptr);
    QCOMPARE(Find<ui::IpAddressEdit>(dialog, 1101)->text(), QStringLiteral("127.0.0.1"));
    QVERIFY(!Find(dialog, 1102)->isEnabled());
    QSignalSpy connected(&t.tcp, &TcpTransport::connected);
    Click(dialog, 1103);
    QVERIFY(t.tcp.Connecting() && t.state.link.tcp_connected == 0);  // it completes later
    QTRY_COMPARE(t.state.link.tcp_connected, 1);
    QVERIFY(t.tcp.ready());
    QCOMPARE(t.messages.shown, (std::vector<Shown>{{Box::Success, "Socket 接続 OK"}}));
    QVERIFY(t.tcp.ConnectToHost());  // connected already: nothing changes
    QCOMPARE(connected.count(), 1);
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

QTEST_MAIN(vtg::testing::LinkDialogsTest)
#include "link_dialogs_test.moc"
