// The main window: start-up from the configuration file, the menu and the dialogs it opens,
// the whole-unit runs, the File menu, the watchdog, the hidden corner entry and the way out.
#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "dialog_driver.h"
#include "qt_files.h"
#include "shell/document_and_run_commands.h"
#include "shell/main_window.h"
#include "shell/menu_table.h"
#include "shell/registered_dialogs.h"
#include "shell/verify_dialog.h"
#include "shell/whole_unit_run_dialog.h"
#include "sim/simulated_unit.h"
#include "test_app.h"
#include "ui/application.h"
#include "ui/qt_text.h"

namespace vtg::testing {

namespace {

void RightClick(QWidget& window, QPoint at, QContextMenuEvent::Reason reason = QContextMenuEvent::Mouse) {
  QContextMenuEvent event(reason, at, window.mapToGlobal(at));
  QApplication::sendEvent(&window, &event);
}

// Registers a stub for every dialog the menu has but those `missing`, counting what was opened.
ui::DialogRegistry StubRegistry(std::vector<int>& opened, std::initializer_list<int> missing = {}) {
  ui::DialogRegistry registry;
  for (const MenuItem& item : kMenuItems)
    if (std::ranges::find(missing, item.id) == missing.end())
      registry.Register(item.id, [&opened, id = item.id](ui::AppContext&, QWidget*) { opened.push_back(id); });
  return registry;
}

// Answers the next file dialog: chooses `path`, or cancels when it is empty.
void AnswerFileDialog(const QString& path) {
  OnNextModal([path](QWidget& modal) {
    auto& dialog = static_cast<QDialog&>(modal);
    if (path.isEmpty()) return dialog.reject();
    // Typed into the name box, as selectFile() leaves the box alone while it has the focus.
    modal.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
    dialog.accept();  // as the Save/Open button does
  });
}

}  // namespace

class ShellTest : public QObject {
  Q_OBJECT
 private slots:
  void BothRunsGoToTheEndFromTheirButton() {
    for (const shell::WholeUnitRunLayout* layout : {&shell::kSetAllItemsLayout, &shell::kReadSettingItemsLayout}) {
      TestApp t;
      shell::WholeUnitRunDialog dialog(t.context, *layout, nullptr);
      Click(dialog, layout->start_id);
      QVERIFY(!Find(dialog, 2)->isEnabled());
      RunToEnd(t, dialog.runner());
      QCOMPARE(t.serial.lines.size(), std::size_t(282));
      QVERIFY(Find(dialog, 2)->isEnabled());
      QCOMPARE(t.messages.shown, (std::vector<Shown>{{Box::SerialSuccess, "Success"}}));
    }
  }

  // The verify opens once the unit answered Set All's last line, so Set All's own box still
  // shows; it lists what changed in the unit behind the controller's back, and the data stays.
  void SetAllThenVerifyListsWhatChangedInTheUnit() {
    TestApp t;
    const SettingsImage data = t.state.image;
    sim::SimulatedUnit unit;
    t.unit = SimulatedUnits({&unit});
    shell::WholeUnitRunDialog set_all(t.context, shell::kSetAllItemsLayout, nullptr);
    Find<QCheckBox>(set_all, shell::kVerifyAfterId)->setChecked(true);
    Click(set_all, 1012);
    RunToEnd(t, set_all.runner());
    QStringList results;
    OnNextModal([&](QWidget& verify) {
      unit.state().display_flag[2][7] = 0;
      RunToEnd(t, Runner(verify));
      results << Find<QLabel>(verify, shell::kVerifyResultId)->text();
      auto* table = Find<QTableWidget>(verify, shell::kVerifyTableId);
      for (int column = 0; column < 3; ++column) results << table->item(0, column)->text();
    });
    QTRY_COMPARE(results,
                 QStringList({"一致しない項目が 1 件あります。", "タイトル表示 ch.2 Top Page08", "ON", "OFF"}));
    QCOMPARE(t.state.image, data);
    QCOMPARE(t.messages.shown, (std::vector<Shown>{{Box::SerialSuccess, "Success"}}));
  }

  void FileMenuSavesOpensAndStartsAnew() {
    TestApp t;
    QTemporaryDir dir;
    ui::DialogRegistry registry;
    shell::RegisterDocumentAndRunCommands(registry);
    t.state.image.white_level = 1;
    t.state.doc.doc_modified = 1;

    AnswerFileDialog(dir.filePath(QStringLiteral("studio")));
    QVERIFY(registry.Open(kCmdSave, t.context, nullptr));  // no name yet: Save As
    const QString saved = dir.filePath(QStringLiteral("studio.dat"));
    QCOMPARE(ui::ToQString(t.state.doc.doc_file_name), saved);
    QCOMPARE(t.state.doc.doc_modified, 0);
    QVERIFY(ReadFile(saved).contains("\r\n1\r\n1\r\n"));  // white level, then edge level

    t.state.doc.doc_modified = 1;
    t.messages.answer = false;
    registry.Open(kCmdNew, t.context, nullptr);
    QCOMPARE(t.state.image.white_level, 1);
    t.messages.answer = true;
    registry.Open(kCmdNew, t.context, nullptr);
    QCOMPARE(t.state.image.white_level, 3);
    QVERIFY(t.state.doc.doc_file_name.empty());

    AnswerFileDialog(saved);
    registry.Open(kCmdOpen, t.context, nullptr);
    QCOMPARE(t.state.image.white_level, 1);
    QCOMPARE(ui::ToQString(t.state.doc.doc_file_name), saved);
    QCOMPARE(t.messages.asked.size(), std::size_t(2));
  }

  // From the configuration file; without one, the serial client, and the first key written
  // creates the file, folder included.
  void StartsFromTheConfigurationFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vtg7300.ini")), missing = dir.filePath(QStringLiteral("sub/a.ini"));
    QVERIFY(WriteFile(path,
                      "[VTG-7300_Section]\nInterface=1\nClientServer=1\nport_number=10001\nlist_count=1\n"
                      "ip00_0=192\nip00_1=168\nip00_2=1\nip00_3=3\n"));
    for (const QString& file : {path, missing}) {
      ui::Application app({file, {"/dev/ttyVTG0"}});
      shell::MainWindow window(app.context(), app.registry());
      app.LoadState();
      window.RefreshCaption();
      app.ListSerialPorts();
      const LinkConfig& link = app.state().link;
      QCOMPARE(app.context().serial_ports.back(), QStringLiteral("/dev/ttyVTG0"));
      if (file == missing) {
        QCOMPARE(window.windowTitle(), QStringLiteral("VTG-7300 Client Program"));
        QVERIFY(!QFile::exists(missing));
        app.context().profile.Write("Interface", "1");
        QCOMPARE(ReadFile(missing), QByteArray("[VTG-7300_Section]\nInterface=1\n"));
        continue;
      }
      QCOMPARE(window.windowTitle(), QStringLiteral("VTG-7300 Server Program"));
      QCOMPARE(std::tuple(link.interface_setting, link.tcp_port_text, link.host_list),
               std::tuple(int(kTcpIp), std::string("10001"), std::vector<IpBytes>{{192, 168, 1, 3}}));
    }
  }

  // By interface; a command without a dialog always, but the way out.
  void MenuGreysByInterface() {
    TestApp t;
    std::vector<int> opened;
    const ui::DialogRegistry registry = StubRegistry(opened, {kCmdCharSize, kCmdExit});
    shell::MainWindow window(t.context, registry);
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
      QVERIFY(!Find<QAction>(window, kCmdCharSize)->isEnabled());
      QVERIFY(Find<QAction>(window, kCmdExit)->isEnabled());
    }
  }

  // Every command of the menu that opens a window opens one, in either TCP/IP role.
  void EveryDialogCommandOpensAModalDialog() {
    ui::DialogRegistry registry;
    shell::RegisterDialogs(registry);
    for (const int role : {kClient, kServer})
      for (const MenuItem& item : kMenuItems) {
        if (item.id == kCmdNew || item.id == kCmdTrafficLog || !registry.Has(item.id)) continue;
        TestApp t;
        t.state.link.tcp_role = role;
        bool opened = false;
        OnNextModal([&](QWidget&) { opened = true; });
        registry.Open(item.id, t.context, nullptr);
        QVERIFY2(opened, qPrintable(QString::number(item.id)));
      }
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

  // The rules are the core's; here the window's own events reach them.
  void CornerClicksAndTheWatchdogReachTheirRules() {
    TestApp t;
    std::vector<int> opened;
    const ui::DialogRegistry registry = StubRegistry(opened);
    shell::MainWindow window(t.context, registry);
    QVERIFY(ShowOnScreen(window));
    for (int i = 0; i < 9; ++i) RightClick(window, {3, 3});
    RightClick(window, {3, 3}, QContextMenuEvent::Keyboard);
    QCOMPARE(t.state.corner_clicks, 0);
    for (int i = 0; i < 10; ++i) RightClick(window, {19, 19});
    QCOMPARE(opened, (std::vector<int>{kCmdReadSettings}));

    t.link.SerialSendLine("RAA\r\n");
    for (int tick = 1; tick <= 12; ++tick) window.OnWatchdogTick();
    QCOMPARE(t.messages.shown, (std::vector<Shown>{{Box::Stop, "No Connect"}}));
  }

  // The questions are the core's; here the window's close asks them and saves through the
  // real file dialog and the glyph class's own file.
  void ExitAsksAboutTheDocumentThenTheDrawnGlyphs() {
    TestApp t;
    ui::DialogRegistry registry;
    shell::RegisterDocumentAndRunCommands(registry);
    shell::MainWindow window(t.context, registry);
    window.show();
    QTemporaryDir dir;
    const QString glyphs = dir.filePath(QStringLiteral("drawn.tlm"));
    t.state.doc.doc_modified = 1;
    t.state.glyph.listFile(GlyphClass::Medium) = {glyphs.toStdString(), 1};
    t.messages.answer = false;  // "No": save first, and the save is cancelled
    AnswerFileDialog({});
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QCOMPARE(t.state.doc.doc_modified, 1);
    QVERIFY(!QFile::exists(glyphs));
    t.messages.answer = true;  // leave the document; "Yes": save the glyphs
    QVERIFY(window.close());
    QCOMPARE(QFile(glyphs).size(), qint64(122880));
    QCOMPARE(t.state.glyph.listFile(GlyphClass::Medium).unsaved, 0);
  }
};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::ShellTest)
#include "shell_test.moc"
