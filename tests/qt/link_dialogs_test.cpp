// The connection dialogs and the unit network settings dialog against a recording serial
// port and a configuration file in memory.
#include <QLineEdit>
#include <QProgressBar>

#include "dialog_driver.h"
#include "link/com_port_dialog.h"
#include "link/link_choice_dialog.h"
#include "link/unit_network_dialog.h"
#include "test_app.h"
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
      QCOMPARE(dialog.windowTitle(), QString::fromUtf8(c.choice->caption));
      auto* list = Find<QComboBox>(dialog, c.choice->list_id);
      QCOMPARE(list->count(), 2);
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
      QCOMPARE(list->count(), 3);
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
    t.state.link.selected_peer = 3;
    t.state.client_table.Accept(3, 30, "192.168.0.77");
    UnitNetworkDialog dialog(t.context, nullptr);
    QCOMPARE(t.state.flags.address_prefix, 0);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("プロトコルの設定 192.168.0.77"));

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
    QVERIFY(!Find(dialog, 2)->isEnabled());
    const char* replies[] = {"AA192.168.000.009", "GA192.168.000.001", "IA192.168.000.050", "MA00-11-22-33-44-55",
                             "PN10001", "SMB", "KAON", "TR3", "VN1.23"};
    for (const char* reply : replies) {
      runner->Tick();
      t.link.OnSerialBytes(std::string(reply) + "\r\n");
    }
    QCOMPARE(t.serial.lines.size(), size_t(9));
    QCOMPARE(t.serial.lines.front(), std::string("RAA\r\n"));
    QCOMPARE(t.serial.lines.back(), std::string("RVN\r\n"));
    QCOMPARE(Find<QProgressBar>(dialog, 1086)->value(), 9);
    QCOMPARE(Find<QLineEdit>(dialog, 1091)->text(), QStringLiteral("0.00"));  // not yet refreshed
    runner->Tick();
    QVERIFY(!runner->Running());
    QVERIFY(Find(dialog, 2)->isEnabled());
    QCOMPARE(Find<QProgressBar>(dialog, 1086)->value(), 0);
    QCOMPARE(Find<ui::IpAddressEdit>(dialog, 1078)->text(), QStringLiteral("192.168.000.050"));
    QCOMPARE(Find<QLineEdit>(dialog, 1084)->text(), QStringLiteral("00-11-22-33-44-55"));
    QCOMPARE(Find<QLineEdit>(dialog, 1093)->text(), QStringLiteral("10001"));
    QCOMPARE(Find<QComboBox>(dialog, 1087)->currentText(), QStringLiteral("Class B"));
    QCOMPARE(Find<QComboBox>(dialog, 1107)->currentIndex(), 1);
    QCOMPARE(Find<QComboBox>(dialog, 1108)->currentText(), QStringLiteral("3"));
    QCOMPARE(Find<QLineEdit>(dialog, 1091)->text(), QStringLiteral("1.23"));
  }
};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::LinkDialogsTest)
#include "link_dialogs_test.moc"
