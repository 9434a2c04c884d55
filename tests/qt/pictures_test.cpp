// Grabs the main window and every dialog of the connection settings offscreen into
// <build>/pictures, for a person to look at: Japanese text must render and nothing be clipped.
#include <QDir>
#include <QTimer>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTest>

#include "glyphs/glyph_editor_dialog.h"
#include "glyphs/glyph_info_dialog.h"
#include "glyphs/glyph_list_dialog.h"
#include "glyphs/glyph_text.h"
#include "link/com_port_dialog.h"
#include "link/link_choice_dialog.h"
#include "link/tcp_client_dialog.h"
#include "link/tcp_server_dialog.h"
#include "link/unit_network_dialog.h"
#include "shell/exit_flow.h"
#include "shell/main_window.h"
#include "shell/menu_table.h"
#include "shell/version_dialog.h"
#include "shell/whole_unit_run_dialog.h"
#include "test_app.h"
#include "test_text.h"
#include "titles/choice_rows_dialog.h"
#include "titles/glyph_insert_dialog.h"
#include "titles/page_setting_dialog.h"
#include "titles/slave_address_dialog.h"
#include "titles/title_dialog.h"
#include "ui/message_boxes.h"

namespace vtg::testing {

namespace {

QString PictureDir() {
  const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/pictures");
  QDir().mkpath(dir);
  return dir;
}

// The window with its caption written above it, as its frame would show it.
void Save(QWidget& window, const QString& name) {
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  const QPixmap content = window.grab();
  QVERIFY(!content.isNull());
  const int bar = window.windowTitle().isEmpty() ? 0 : window.fontMetrics().height() + 8;
  QPixmap picture(content.width(), content.height() + bar);
  picture.fill(QColor(0xd8, 0xd8, 0xe8));
  QPainter p(&picture);
  p.drawText(QRect(6, 0, content.width() - 6, bar), Qt::AlignVCenter | Qt::AlignLeft, window.windowTitle());
  p.drawPixmap(0, bar, content);
  p.end();
  QVERIFY(picture.save(PictureDir() + QLatin1Char('/') + name + QStringLiteral(".png")));
}

// A ring inside the outer ring and a diagonal, shifted by `shift`, so that glyphs differ.
std::string SampleGlyph(GlyphClass c, int shift) {
  std::string glyph = BlankGlyph(c);
  const int w = Info(c).width;
  for (int i = 1; i < w - 1; ++i) {
    for (int dot : {1, w - 2}) {
      SetDot(glyph, c, i, dot);
      SetDot(glyph, c, dot, i);
    }
    SetDot(glyph, c, (i + shift) % (w - 2) + 1, i);
  }
  return glyph;
}

}  // namespace

class Pictures : public QObject {
  Q_OBJECT
 private slots:
  void MainWindow() {
    TestApp t;
    ui::DialogRegistry registry;
    for (const MenuItem& item : kMenuItems) registry.Register(item.id, [](ui::AppContext&, QWidget*) {});
    shell::MainWindow window(t.context, registry);
    Save(window, QStringLiteral("main_window"));
    t.state.doc.doc_file_name = "/home/operator/設定/スタジオ1.dat";
    Save(window, QStringLiteral("main_window_with_document"));
    QCOMPARE(window.width(), 640);
    const QList<QAction*> menus = window.menuBar()->actions();
    for (int i : {0, 1, 2}) {
      QMenu* menu = menus[i]->menu();
      menu->popup(window.mapToGlobal(QPoint(0, 0)));
      Save(*menu, QStringLiteral("menu_%1").arg(i));
      menu->hide();
    }
  }

  void ConnectionDialogs() {
    TestApp t;
    t.serial_ports = {"ttyS0", "ttyUSB0", "/dev/pts/4"};
    LinkChoiceDialog interface_dialog(t.context, kInterfaceChoice, nullptr);
    Save(interface_dialog, QStringLiteral("dialog_105_interface"));
    ComPortDialog com_port(t.context, nullptr);
    Save(com_port, QStringLiteral("dialog_107_rs232c"));
    LinkChoiceDialog role(t.context, kRoleChoice, nullptr);
    Save(role, QStringLiteral("dialog_132_client_server"));

    t.state.link.host_list = {{192, 168, 1, 3}, {10, 0, 0, 20}, {172, 16, 254, 1}};
    t.state.link.selected_peer = 1;
    TcpClientDialog client(t.context, nullptr);
    Save(client, QStringLiteral("dialog_134_tcp_client"));

    t.state.client_table.Accept(1, 11, "192.168.1.3");
    t.state.client_table.Accept(3, 13, "10.0.0.20");
    t.state.link.selected_peer = 3;
    TcpServerDialog server(t.context, nullptr);
    Save(server, QStringLiteral("dialog_102_tcp_server"));
  }

  void RefusalBox() {
    ui::MessageBoxes boxes;
    QTimer::singleShot(0, [] {
      QWidget* box = QApplication::activeModalWidget();
      QVERIFY(box);
      Save(*box, QStringLiteral("box_use_rs232c"));
      box->close();
    });
    boxes.StopBox(text::kUseRs232c);
  }

  // Closing the exit question about drawn glyphs stays in the program.
  void ExitGlyphQuestion() {
    ui::MessageBoxes boxes;
    QTimer::singleShot(0, [] {
      QWidget* box = QApplication::activeModalWidget();
      QVERIFY(box);
      Save(*box, QStringLiteral("box_exit_unsaved_glyphs"));
      box->close();
    });
    QCOMPARE(boxes.AskOrCancel(Question::UnsavedData, ExitUnsavedGlyphsText(GlyphClass::Large)), Answer::Cancel);
  }

  void UnitNetworkDialog() {
    TestApp t;
    t.state.link.selected_peer = -1;
    t.state.image.unit_ip_address = {192, 168, 1, 3};
    t.state.image.unit_mac_address = "00-11-22-33-44-55";
    vtg::UnitNetworkDialog dialog(t.context, nullptr);
    Save(dialog, QStringLiteral("dialog_122_protocol"));
  }

  void WholeUnitRunsAndVersionBox() {
    TestApp t;
    t.state.selection.slave_index = 5;
    shell::WholeUnitRunDialog set_all(t.context, shell::kSetAllItemsLayout, nullptr);
    Save(set_all, QStringLiteral("dialog_106_set_all_items"));
    QTest::mouseClick(set_all.findChild<QPushButton*>(ui::ControlName(1012)), Qt::LeftButton);
    for (int step = 0; step < 100; ++step) {
      set_all.runner().Tick();
      t.link.OnSerialBytes("05GO\r\n");
    }
    Save(set_all, QStringLiteral("dialog_106_set_all_items_running"));
    set_all.runner().Abort();
    t.state.link.selected_peer = 3;
    t.state.client_table.Accept(3, 30, "192.168.100.200");
    shell::WholeUnitRunDialog read(t.context, shell::kReadSettingItemsLayout, nullptr);
    Save(read, QStringLiteral("dialog_118_read_setting_items"));
    t.state.link.selected_peer = -1;
    shell::VersionDialog version(t.context, nullptr);
    Save(version, QStringLiteral("dialog_100_version"));
  }

  void TitleDialogs() {
    TestApp t;
    t.state.link.selected_peer = -1;
    SettingsImage& image = t.state.image;
    // 東京スタジオ, ニュース速報 with a glyph of the unit's own, and 28 full-width characters.
    image.title_text[0] = Pair(0x938C) + Pair(0x8B9E) + Pair(0x8358) + Pair(0x835E) + Pair(0x8357) + Pair(0x8349);
    image.title_text[1] = Pair(0x836A) + Pair(0x8385) + Pair(0x815B) + Pair(0x8358) + Pair(0x1100) + Pair(0x91AC) +
                          Pair(0x95F1);
    image.title_text[2] = Repeat(Pair(0x88A2), 28);
    for (int page = 3; page < 64; page += 5) image.display_flag[static_cast<std::size_t>(page)] = 0;
    for (int page = 0; page < 64; page += 3) image.char_size[static_cast<std::size_t>(page)] = page % 2 + 1;
    image.auto_switch_time[4] = 10;
    TitleDialogChoices choices;
    TitleDialog title(t.context, nullptr);
    Save(title, QStringLiteral("dialog_108_title"));
    PageSettingDialog display(t.context, kTitleDisplaySetting, choices, nullptr);
    Save(display, QStringLiteral("dialog_114_title_display"));
    PageSettingDialog size(t.context, kCharSizeSetting, choices, nullptr);
    Save(size, QStringLiteral("dialog_138_char_size"));
    PageSettingDialog time(t.context, kAutoSwitchSetting, choices, nullptr);
    Save(time, QStringLiteral("dialog_117_auto_switch"));
    image.display_page[3] = kAutoSwitchPage;
    PerLineDialog page_switch(t.context, kPageSwitchKind, nullptr);
    Save(page_switch, QStringLiteral("dialog_109_page_switch"));
    PerLineDialog startup(t.context, kStartupKind, nullptr);
    Save(startup, QStringLiteral("dialog_110_startup"));
    CharLevelDialog levels(t.context, nullptr);
    Save(levels, QStringLiteral("dialog_111_char_level"));
    PerLineDialog position(t.context, kDisplayPositionKind, nullptr);
    Save(position, QStringLiteral("dialog_116_display_position"));
    GlyphInsertDialog insert(t.context, choices, nullptr);
    Save(insert, QStringLiteral("dialog_112_glyph_insert"));
    SlaveAddressDialog slave(t.context, nullptr);
    Save(slave, QStringLiteral("dialog_130_slave_address"));
  }

  void GlyphDialogs() {
    struct Case { GlyphClass c; const char* editor; const char* list; } cases[] = {
        {GlyphClass::Large, "dialog_115_glyph_editor_large", "dialog_137_glyph_list_large"},
        {GlyphClass::Medium, "dialog_141_glyph_editor_medium", "dialog_139_glyph_list_medium"},
        {GlyphClass::Small, "dialog_142_glyph_editor_small", "dialog_140_glyph_list_small"},
    };
    for (const Case& c : cases) {
      TestApp t;
      t.state.link.selected_peer = -1;
      auto& store = t.state.image.glyphStore(c.c);
      for (int i = 0; i < 16; i += 3) store[static_cast<std::size_t>(i)] = SampleGlyph(c.c, i);
      t.state.glyph.sample_char = "\x88\x9F";
      GlyphEditorDialog editor(t.context, c.c, nullptr);
      Save(editor, QString::fromLatin1(c.editor));
      GlyphListDialog list(t.context, c.c, nullptr);
      Save(list, QString::fromLatin1(c.list));
      // Half way through sending them all.
      list.findChild<QPushButton*>(QStringLiteral("id1068"))->click();
      for (int tick = 0; tick < Info(c.c).count / 2; ++tick) list.runner().Tick();
      Save(list, QString::fromLatin1(c.list) + QStringLiteral("_sending"));
    }
    TestApp t;
    GlyphInfoDialog info(t.context, nullptr);
    Save(info, QStringLiteral("dialog_136_glyph_info"));
  }
};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::Pictures)
#include "pictures_test.moc"
