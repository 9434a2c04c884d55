// The main window: start-up from the configuration file, the menu, the watchdog, the hidden
// corner entry and the way out.
#include <QAction>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include "dialog_driver.h"
#include "qt_files.h"
#include "shell/main_window.h"
#include "shell/menu_table.h"
#include "test_app.h"
#include "ui/application.h"
#include "ui/control_id.h"
#include "ui/qt_text.h"

namespace vtg::testing {

namespace {

void RightClick(QWidget& window, QPoint at, QContextMenuEvent::Reason reason = QContextMenuEvent::Mouse) {
  QContextMenuEvent event(reason, at, window.mapToGlobal(at));
  QApplication::sendEvent(&window, &event);
}

// The menu as text: "-" for a separator, "submenu>item" inside a submenu.
QStringList Layout(const QMenu* menu, const QString& prefix = {}) {
  QStringList items;
  for (QAction* action : menu->actions()) {
    if (action->isSeparator())
      items << QStringLiteral("-");
    else if (action->menu())
      items << Layout(action->menu(), action->text() + QLatin1Char('>'));
    else
      items << prefix + action->text();
  }
  return items;
}

// Registers a stub for every dialog the menu has, counting what was opened.
ui::DialogRegistry StubRegistry(std::vector<int>& opened) {
  ui::DialogRegistry registry;
  for (const MenuItem& item : kMenuItems)
    registry.Register(item.id, [&opened, id = item.id](ui::AppContext&, QWidget*) { opened.push_back(id); });
  return registry;
}

}  // namespace

class ShellTest : public QObject {
  Q_OBJECT
 private slots:
  void StartsFromTheConfigurationFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vtg7300.ini"));
    QVERIFY(WriteFile(path,
                      "[VTG-7300_Section]\nInterface=1\nClientServer=1\nport_number=10001\nlist_count=1\n"
                      "ip00_0=192\nip00_1=168\nip00_2=1\nip00_3=3\n"));
    ui::Application app({path, {}});
    shell::MainWindow window(app.context(), app.registry());
    app.LoadState();
    window.RefreshCaption();
    app.ListSerialPorts();
    QCOMPARE(window.windowTitle(), QStringLiteral("VTG-7300 Server Program"));
    QCOMPARE(app.state().link.interface_setting, int(kTcpIp));
    QCOMPARE(app.state().link.tcp_port_text, std::string("10001"));
    QCOMPARE(app.state().link.host_list, (std::vector<IpBytes>{{192, 168, 1, 3}}));
  }

  void AMissingFileGivesTheSerialClient() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sub/vtg7300.ini"));
    ui::Application app({path, {"/dev/ttyVTG0"}});
    shell::MainWindow window(app.context(), app.registry());
    app.LoadState();
    window.RefreshCaption();
    app.ListSerialPorts();
    const LinkConfig& link = app.state().link;
    QCOMPARE(window.windowTitle(), QStringLiteral("VTG-7300 Client Program"));
    QCOMPARE(link.interface_setting, int(kRs232c));
    QCOMPARE(link.com_port_index, 0);
    QCOMPARE(link.tcp_port_text, std::string("09004"));
    QVERIFY(link.host_list.empty());
    QCOMPARE(app.context().serial_ports.back(), QStringLiteral("/dev/ttyVTG0"));
    QVERIFY(!QFile::exists(path));

    // The first key written creates the file, folder included.
    app.context().profile.Write("Interface", "1");
    QCOMPARE(ReadFile(path), QByteArray("[VTG-7300_Section]\nInterface=1\n"));
  }

  void MenuHasEveryCommandAndGreysByInterface() {
    TestApp t;
    std::vector<int> opened;
    const ui::DialogRegistry registry = StubRegistry(opened);
    shell::MainWindow window(t.context, registry);
    QCOMPARE(window.menuBar()->objectName(), QStringLiteral("IDM_MENU"));
    for (const MenuItem& item : kMenuItems) QCOMPARE(Find<QAction>(window, item.id)->text(), ui::ToQString(item.text));
    QStringList menus;
    for (QAction* top : window.menuBar()->actions()) menus << top->text();
    QCOMPARE(menus, QString("ファイル 設定 インターフェイス プロトコル 情報").split(' '));
    const QList<QAction*> tops = window.menuBar()->actions();
    QCOMPARE(Layout(tops[0]->menu()), QString("新規作成 開く 上書き保存 名前を付けて保存 - ｱﾌﾟﾘｹｰｼｮﾝの終了").split(' '));
    QCOMPARE(Layout(tops[1]->menu()),
             QString("表示ページ切換え タイトルの設定 タイトル表示の設定 文字サイズの設定 自動切換えの設定 "
                     "スタートアップの設定 文字レベルの設定 表示位置微調整 外字挿入 外字一覧>大文字 外字一覧>中文字 "
                     "外字一覧>小文字 - 全項目の設定 照合 機器のスレーブアドレス メンテナンス>設定項目の読み込み")
                 .split(' '));

    struct Case {
      int interface_setting;
      bool rs232c, client_server, tcp_ip;
    };
    for (const Case& c : {Case{kRs232c, true, false, false}, Case{kTcpIp, false, true, true}}) {
      t.state.link.interface_setting = c.interface_setting;
      auto* menu = qobject_cast<QMenu*>(Find<QAction>(window, kCmdRs232c)->parent());
      emit menu->aboutToShow();
      QCOMPARE(Find<QAction>(window, kCmdRs232c)->isEnabled(), c.rs232c);
      QCOMPARE(Find<QAction>(window, kCmdClientServer)->isEnabled(), c.client_server);
      QCOMPARE(Find<QAction>(window, kCmdTcpIp)->isEnabled(), c.tcp_ip);
      QVERIFY(Find<QAction>(window, kCmdInterface)->isEnabled());
    }
  }

  void CommandsWithoutADialogAreGreyed() {
    TestApp t;
    ui::DialogRegistry registry;
    registry.Register(kCmdTitle, [](ui::AppContext&, QWidget*) {});
    shell::MainWindow window(t.context, registry);
    QVERIFY(Find<QAction>(window, kCmdTitle)->isEnabled());
    QVERIFY(!Find<QAction>(window, kCmdCharSize)->isEnabled());
    QVERIFY(Find<QAction>(window, kCmdExit)->isEnabled());
  }

  void SerialOnlyDialogsRefuseOnTcpIp() {
    TestApp t;
    std::vector<int> opened;
    const ui::DialogRegistry registry = StubRegistry(opened);
    shell::MainWindow window(t.context, registry);
    t.state.link.interface_setting = kTcpIp;
    window.RunCommand(kCmdSlaveAddress);
    window.RunCommand(kCmdProtocol);
    QVERIFY(opened.empty());
    const Shown refusal{Box::Stop, std::string(text::kUseRs232c)};
    QCOMPARE(t.messages.shown, (std::vector<Shown>{refusal, refusal}));
    t.state.link.interface_setting = kRs232c;
    window.RunCommand(kCmdSlaveAddress);
    window.RunCommand(kCmdProtocol);
    QCOMPARE(opened, (std::vector<int>{kCmdSlaveAddress, kCmdProtocol}));
  }

  void WatchdogGivesUpOnTheTwelfthTick() {
    TestApp t;
    ui::DialogRegistry registry;
    shell::MainWindow window(t.context, registry);
    t.state.flags.address_prefix = 0;
    t.link.SerialSendLine("RAA\r\n");
    for (int tick = 1; tick <= 11; ++tick) window.OnWatchdogTick();
    QVERIFY(t.messages.shown.empty());
    window.OnWatchdogTick();
    QCOMPARE(t.messages.shown, (std::vector<Shown>{{Box::Stop, "No Connect"}}));
    QCOMPARE(t.state.flags.abort_flag, 1);
    QCOMPARE(t.state.flags.reply_pending, 0);
  }

  void TenCornerClicksOpenReadSettingItems() {
    TestApp t;
    std::vector<int> opened;
    const ui::DialogRegistry registry = StubRegistry(opened);
    shell::MainWindow window(t.context, registry);
    QVERIFY(ShowOnScreen(window));
    for (int i = 0; i < 9; ++i) RightClick(window, {3, 3});
    RightClick(window, {300, 100});
    RightClick(window, {3, 3});
    QVERIFY(opened.empty());
    QCOMPARE(t.state.corner_clicks, 1);
    for (int i = 0; i < 9; ++i) RightClick(window, {19, 19});
    QCOMPARE(opened, (std::vector<int>{kCmdReadSettings}));
    RightClick(window, {3, 3}, QContextMenuEvent::Keyboard);
    QCOMPARE(t.state.corner_clicks, 0);
  }

  void ExitStaysOpenWhenTheSaveFails() {
    TestApp t;
    ui::DialogRegistry registry;
    int saves = 0;
    bool save_result = false;
    registry.SetDocumentSave([&](ui::AppContext&, QWidget*) {
      ++saves;
      return save_result;
    });
    shell::MainWindow window(t.context, registry);
    window.show();
    t.state.doc.doc_modified = 1;
    t.messages.answer = false;  // "No": save first
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QCOMPARE(saves, 1);

    t.state.link.tcp_connected = 1;
    QVERIFY(!window.close());
    QCOMPARE(t.messages.shown.back().text, std::string("TCP/IPを切断してください。"));

    t.state.link.tcp_connected = 0;
    save_result = true;
    QVERIFY(window.close());
    QCOMPARE(saves, 2);
  }

  void ExitSavesDrawnGlyphsToTheirFile() {
    TestApp t;
    ui::DialogRegistry registry;
    shell::MainWindow window(t.context, registry);
    window.show();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("drawn.tlm"));
    t.state.glyph.listFile(GlyphClass::Medium) = {path.toStdString(), 1};
    t.messages.cancel = true;
    QVERIFY(!window.close());
    QVERIFY(!QFile::exists(path));
    t.messages.cancel = false;  // "Yes": save them
    QVERIFY(window.close());
    QCOMPARE(QFile(path).size(), qint64(122880));
    QCOMPARE(t.state.glyph.listFile(GlyphClass::Medium).unsaved, 0);
  }
};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::ShellTest)
#include "shell_test.moc"
