// vtg_pictures [FOLDER]: every window and dialog drawn offscreen into FOLDER (pictures/ beside
// the program unless given), for a person to look at and for the operator's guide: Japanese
// text must render and nothing be clipped. scripts/pictures.sh runs it for the guide.
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <memory>

#include "dialog_driver.h"
#include "glyphs/character_tool_dialog.h"
#include "glyphs/glyph_editor_dialog.h"
#include "glyphs/glyph_info_dialog.h"
#include "glyphs/glyph_list_dialog.h"
#include "glyphs/glyph_raster_qt.h"
#include "glyphs/glyph_text.h"
#include "glyphs/picture_tool_dialog.h"
#include "link/com_port_dialog.h"
#include "link/link_choice_dialog.h"
#include "link/tcp_client_dialog.h"
#include "link/tcp_server_dialog.h"
#include "link/traffic_log_window.h"
#include "link/unit_network_dialog.h"
#include "shell/exit_flow.h"
#include "shell/main_window.h"
#include "shell/menu_table.h"
#include "shell/verify_dialog.h"
#include "shell/version_dialog.h"
#include "shell/whole_unit_run_dialog.h"
#include "server_role_units.h"
#include "shell/many_unit_dialog.h"
#include "sim/simulated_unit.h"
#include "test_app.h"
#include "text_builders.h"
#include "titles/choice_rows_dialog.h"
#include "titles/glyph_insert_dialog.h"
#include "titles/page_setting_dialog.h"
#include "titles/slave_address_dialog.h"
#include "titles/title_dialog.h"
#include "ui/message_boxes.h"

namespace vtg::testing {
namespace {

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

// The serial port as the traffic log names it.
struct NamedPort : RecordingTransport {
  NamedPort() : RecordingTransport(SerialPort()) {}
  std::string description() const override { return "serial /dev/ttyUSB0"; }
};

// A controller with something in every list, and the widgets of one picture.
struct Scene {
  Scene() {
    t.serial_ports = {"ttyS0", "ttyUSB0", "/dev/pts/4"};
    t.state.link.host_list = {{192, 168, 1, 3}, {10, 0, 0, 20}, {172, 16, 254, 1}};
    t.state.client_table.Accept(1, 11, "192.168.1.3");
    t.state.client_table.Accept(3, 13, "10.0.0.20");
    t.state.link.selected_peer = -1;
    t.state.selection.slave_index = 5;
    SettingsImage& image = t.state.image;
    image.unit_ip_address = {192, 168, 1, 3};
    image.unit_mac_address = "00-11-22-33-44-55";
    // 東京スタジオ, ニュース速報 with a glyph of the unit's own, and 28 full-width characters.
    image.title_text[0] = Pair(0x938C) + Pair(0x8B9E) + Pair(0x8358) + Pair(0x835E) + Pair(0x8357) + Pair(0x8349);
    image.title_text[1] = Pair(0x836A) + Pair(0x8385) + Pair(0x815B) + Pair(0x8358) + Pair(0x1100) + Pair(0x91AC) +
                          Pair(0x95F1);
    image.title_text[2] = Repeat(Pair(0x88A2), 28);
    for (int page = 3; page < 64; page += 5) image.display_flag[static_cast<std::size_t>(page)] = 0;
    for (int page = 0; page < 64; page += 3) image.char_size[static_cast<std::size_t>(page)] = page % 2 + 1;
    image.auto_switch_time[4] = 10;
    image.display_page[3] = kAutoSwitchPage;
    for (GlyphClass c : {GlyphClass::Large, GlyphClass::Medium, GlyphClass::Small})
      for (int i = 0; i < 16; i += 3) image.glyphStore(c)[static_cast<std::size_t>(i)] = SampleGlyph(c, i);
    t.state.glyph.sample_char = "\x88\x9F";
    for (const MenuItem& item : kMenuItems) registry.Register(item.id, [](ui::AppContext&, QWidget*) {});
  }

  template <typename Widget, typename... Args>
  Widget* Make(Args&&... args) {
    keep.push_back(std::make_unique<Widget>(std::forward<Args>(args)...));
    keep.back()->show();
    return static_cast<Widget*>(keep.back().get());
  }
  template <typename Dialog, typename... Args>
  Dialog* Open(Args&&... args) {
    return Make<Dialog>(t.context, std::forward<Args>(args)..., nullptr);
  }

  QWidget* Menu(int index) {
    auto* window = Make<shell::MainWindow>(t.context, registry);
    QMenu* menu = window->menuBar()->actions()[index]->menu();
    menu->popup(window->mapToGlobal(QPoint(0, 0)));
    return menu;
  }

  TestApp t;
  // A picture's own controller and units, when it needs more than `t`.
  std::shared_ptr<void> own;
  // From 2026-12-07 10:15:02: a line sent, its reply 18 ms later, the next line 582 ms after.
  std::int64_t log_ms = 1796638502000;
  TrafficLog log{[this, n = 0]() mutable { return log_ms += ++n % 2 ? 582 : 18; }};
  NamedPort named_port;
  ui::DialogRegistry registry;
  TitleDialogChoices choices;
  sim::SimulatedUnit unit{5};  // at the scene's slave address, for the pictures that talk to a unit
  std::vector<std::unique_ptr<QWidget>> keep;
};

// The window with its caption written above it, as its frame would show it.
bool Save(QWidget& window, const QDir& folder, const QString& name) {
  if (!ShowOnScreen(window)) return false;
  const QPixmap content = window.grab();
  const int bar = window.windowTitle().isEmpty() ? 0 : window.fontMetrics().height() + 8;
  QPixmap picture(content.width(), content.height() + bar);
  picture.fill(QColor(0xd8, 0xd8, 0xe8));
  QPainter p(&picture);
  p.drawText(QRect(6, 0, content.width() - 6, bar), Qt::AlignVCenter | Qt::AlignLeft, window.windowTitle());
  p.drawPixmap(0, bar, content);
  p.end();
  return !content.isNull() && picture.save(folder.filePath(name + QStringLiteral(".png")));
}

// A box that shows itself modally, grabbed from inside its own loop.
bool SaveModalBox(const std::function<void()>& show, const QDir& folder, const QString& name) {
  bool saved = false;
  QTimer::singleShot(0, [&] {
    QWidget* box = QApplication::activeModalWidget();
    saved = box && Save(*box, folder, name);
    if (box) box->close();
  });
  show();
  return saved;
}

// Sends half of a glyph class, to show the list while it sends.
QWidget* Sending(Scene& s, GlyphClass c) {
  auto* list = s.Open<GlyphListDialog>(c);
  Find<QPushButton>(*list, 1068)->click();
  for (int tick = 0; tick < Info(c).count / 2; ++tick) list->runner().Tick();
  return list;
}

// Set All Items a hundred steps in, each answered.
QWidget* SettingAll(Scene& s) {
  auto* dialog = s.Open<shell::WholeUnitRunDialog>(shell::kSetAllItemsLayout);
  Click(*dialog, 1012);
  for (int step = 0; step < 100; ++step) {
    dialog->runner().Tick();
    s.t.link.OnSerialBytes("05GO\r\n");
  }
  return dialog;
}

// The traffic log during Set All Items on the serial port: a reply garbled, one the unit's
// own, then the unit falls silent.
QWidget* LogDuringRun(Scene& s) {
  s.t.link.AttachSerial(&s.named_port);
  s.t.link.SetTrafficLog(&s.log);
  auto* dialog = s.Open<shell::WholeUnitRunDialog>(shell::kSetAllItemsLayout);
  QTest::mouseClick(dialog->findChild<QPushButton*>(ui::ControlName(1012)), Qt::LeftButton);
  for (int step = 0; step < 262; ++step) {
    const std::size_t sent = s.named_port.lines.size();
    dialog->runner().Tick();
    if (s.named_port.lines.size() > sent)
      s.t.link.OnSerialBytes(step == 258 ? "05G\x82\xA0\r\n" : step == 260 ? "05CEL7\r\n" : "05GO\r\n");
  }
  dialog->runner().Tick();
  s.log_ms += 5500;
  for (int tick = 0; tick < 12; ++tick) s.t.link.OnWatchdogTick();
  dialog->hide();
  return s.Make<TrafficLogWindow>(s.log);
}

// The unit given the scene's settings by Set All Items, then `change` made to the data, and
// the verify that found it.
QWidget* Verified(Scene& s, const std::function<void(SettingsImage&)>& change) {
  s.t.unit = SimulatedUnits({&s.unit});
  {
    shell::WholeUnitRunDialog set_all(s.t.context, shell::kSetAllItemsLayout, nullptr);
    set_all.Start();
    RunToEnd(s.t, set_all.runner());
  }
  change(s.t.state.image);
  auto* dialog = s.Open<shell::VerifyDialog>();
  dialog->Start();
  RunToEnd(s.t, dialog->runner());
  return dialog;
}

// The verify over six units of the server role, simulated on loopback: four were given the
// data, one answers an error mid-run, one holds the settings it came with.
QWidget* VerifiedMany(Scene& s) {
  struct Own {
    SocketController c;
    ServerRoleUnits units;
  };
  auto own = std::make_shared<Own>();
  s.own = own;
  SocketController& c = own->c;
  c.state.image = s.t.state.image;
  if (!own->units.Connect(c, {{}, {}, {}, {}, {.error_every = 200}, {}})) return nullptr;
  {
    shell::ManyUnitDialog set_all(c.context, shell::kSetAllItemsLayout, nullptr);
    if (!RunUnits(set_all, {true, true, true, true, false, false})) return nullptr;
  }
  auto* dialog = s.Make<shell::ManyUnitDialog>(c.context, shell::kVerifyLayout, nullptr);
  if (!RunUnits(*dialog, std::vector<bool>(6, true))) return nullptr;
  Find<QTableWidget>(*dialog, shell::ManyUnitDialog::kTableId)->setCurrentCell(5, 0);
  return dialog;
}

// The character tool on 亜 over the first glyph of the class.
QWidget* FromCharacter(Scene& s, GlyphClass c) {
  return s.Make<CharacterToolDialog>(c, s.t.state.image.glyphStore(c)[0], QStringLiteral("亜"), nullptr);
}

// The picture tool on a logo: a ring around a bar, on white.
QWidget* FromPicture(Scene& s, GlyphClass c) {
  QImage logo(300, 200, QImage::Format_RGB32);
  logo.fill(Qt::white);
  QPainter p(&logo);
  p.setPen(QPen(Qt::black, 18));
  p.drawEllipse(QRect(70, 20, 160, 160));
  p.fillRect(QRect(20, 85, 260, 30), Qt::black);
  p.end();
  return s.Make<PictureToolDialog>(c, s.t.state.image.glyphStore(c)[0], logo, QStringLiteral("logo.png"), nullptr);
}

// The editor after 亜 was made from the font.
QWidget* EditorWithKanji(Scene& s, GlyphClass c) {
  std::string& slot = s.t.state.image.glyphStore(c)[0];
  slot = ui::GlyphFromCharacter(c, BlankGlyph(c), QStringLiteral("亜"), {ui::DefaultCharacterFamily()});
  return s.Open<GlyphEditorDialog>(c);
}

struct Picture {
  const char* name;
  std::function<QWidget*(Scene&)> show;
};

// One line a picture.
const Picture kPictures[] = {
    {"main_window", [](Scene& s) { return s.Make<shell::MainWindow>(s.t.context, s.registry); }},
    {"main_window_with_document",
     [](Scene& s) {
       s.t.state.doc.doc_file_name = "/home/operator/設定/スタジオ1.dat";
       return s.Make<shell::MainWindow>(s.t.context, s.registry);
     }},
    {"menu_0", [](Scene& s) { return s.Menu(0); }},
    {"menu_1", [](Scene& s) { return s.Menu(1); }},
    {"menu_2", [](Scene& s) { return s.Menu(2); }},
    {"menu_3", [](Scene& s) { return s.Menu(3); }},
    {"menu_4", [](Scene& s) { return s.Menu(4); }},
    {"dialog_105_interface", [](Scene& s) { return s.Open<LinkChoiceDialog>(kInterfaceChoice); }},
    {"dialog_107_rs232c", [](Scene& s) { return s.Open<ComPortDialog>(); }},
    {"dialog_132_client_server", [](Scene& s) { return s.Open<LinkChoiceDialog>(kRoleChoice); }},
    {"dialog_134_tcp_client", [](Scene& s) { return s.t.state.link.selected_peer = 1, s.Open<TcpClientDialog>(); }},
    {"dialog_102_tcp_server",
     [](Scene& s) {
       s.t.state.link.permitted_units = {"192.168.1.0/24", "10.0.0.20"};
       return s.t.state.link.selected_peer = 3, s.Open<TcpServerDialog>();
     }},
    {"dialog_122_protocol", [](Scene& s) { return s.Open<UnitNetworkDialog>(); }},
    {"dialog_106_set_all_items", [](Scene& s) { return s.Open<shell::WholeUnitRunDialog>(shell::kSetAllItemsLayout); }},
    {"dialog_106_set_all_items_running", SettingAll},
    {"traffic_log_during_run", LogDuringRun},
    {"dialog_118_read_setting_items",
     [](Scene& s) {
       return s.t.state.link.selected_peer = 3, s.Open<shell::WholeUnitRunDialog>(shell::kReadSettingItemsLayout);
     }},
    {"dialog_verify_many_units", VerifiedMany},
    {"dialog_verify_all_equal", [](Scene& s) { return Verified(s, [](SettingsImage&) {}); }},
    {"dialog_verify_differences",
     [](Scene& s) {
       return Verified(s, [](SettingsImage& data) {
         data.title_text[1] = data.title_text[0];
         data.display_flag[5] = 0;
         data.display_position[2] = 9;
         data.white_level = 1;
       });
     }},
    {"dialog_100_version", [](Scene& s) { return s.Open<shell::VersionDialog>(); }},
    {"dialog_108_title", [](Scene& s) { return s.Open<TitleDialog>(); }},
    {"dialog_114_title_display", [](Scene& s) { return s.Open<PageSettingDialog>(kTitleDisplaySetting, s.choices); }},
    {"dialog_138_char_size", [](Scene& s) { return s.Open<PageSettingDialog>(kCharSizeSetting, s.choices); }},
    {"dialog_117_auto_switch", [](Scene& s) { return s.Open<PageSettingDialog>(kAutoSwitchSetting, s.choices); }},
    {"dialog_109_page_switch", [](Scene& s) { return s.Open<PerLineDialog>(kPageSwitchKind); }},
    {"dialog_110_startup", [](Scene& s) { return s.Open<PerLineDialog>(kStartupKind); }},
    {"dialog_111_char_level", [](Scene& s) { return s.Open<CharLevelDialog>(); }},
    {"dialog_116_display_position", [](Scene& s) { return s.Open<PerLineDialog>(kDisplayPositionKind); }},
    {"dialog_112_glyph_insert", [](Scene& s) { return s.Open<GlyphInsertDialog>(s.choices); }},
    {"dialog_130_slave_address", [](Scene& s) { return s.Open<SlaveAddressDialog>(); }},
    {"dialog_115_glyph_editor_large", [](Scene& s) { return s.Open<GlyphEditorDialog>(GlyphClass::Large); }},
    {"dialog_141_glyph_editor_medium", [](Scene& s) { return s.Open<GlyphEditorDialog>(GlyphClass::Medium); }},
    {"dialog_142_glyph_editor_small", [](Scene& s) { return s.Open<GlyphEditorDialog>(GlyphClass::Small); }},
    {"dialog_115_glyph_editor_large_kanji", [](Scene& s) { return EditorWithKanji(s, GlyphClass::Large); }},
    {"tool_from_character_large", [](Scene& s) { return FromCharacter(s, GlyphClass::Large); }},
    {"tool_from_character_medium", [](Scene& s) { return FromCharacter(s, GlyphClass::Medium); }},
    {"tool_from_character_small", [](Scene& s) { return FromCharacter(s, GlyphClass::Small); }},
    {"tool_from_picture_large", [](Scene& s) { return FromPicture(s, GlyphClass::Large); }},
    {"tool_from_picture_small", [](Scene& s) { return FromPicture(s, GlyphClass::Small); }},
    {"dialog_137_glyph_list_large", [](Scene& s) { return s.Open<GlyphListDialog>(GlyphClass::Large); }},
    {"dialog_139_glyph_list_medium", [](Scene& s) { return s.Open<GlyphListDialog>(GlyphClass::Medium); }},
    {"dialog_140_glyph_list_small", [](Scene& s) { return s.Open<GlyphListDialog>(GlyphClass::Small); }},
    {"dialog_137_glyph_list_large_sending", [](Scene& s) { return Sending(s, GlyphClass::Large); }},
    {"dialog_139_glyph_list_medium_sending", [](Scene& s) { return Sending(s, GlyphClass::Medium); }},
    {"dialog_140_glyph_list_small_sending", [](Scene& s) { return Sending(s, GlyphClass::Small); }},
    {"dialog_136_glyph_info", [](Scene& s) { return s.Open<GlyphInfoDialog>(); }},
};

}  // namespace
}  // namespace vtg::testing

int main(int argc, char** argv) {
  using namespace vtg::testing;
  QApplication app(argc, argv);
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1])
                             : QCoreApplication::applicationDirPath() + QStringLiteral("/pictures"));
  int failed = !QDir().mkpath(folder.path());
  for (const Picture& picture : kPictures) {
    Scene scene;
    QWidget* widget = picture.show(scene);
    failed += !(widget && Save(*widget, folder, QString::fromUtf8(picture.name)));
  }
  failed += !SaveModalBox([] { vtg::ui::MessageBoxes().StopBox(vtg::text::kUseRs232c); }, folder,
                          QStringLiteral("box_use_rs232c"));
  failed += !SaveModalBox(
      [] {
        vtg::ui::MessageBoxes().AskOrCancel(vtg::Question::UnsavedData,
                                            vtg::ExitUnsavedGlyphsText(vtg::GlyphClass::Large));
      },
      folder, QStringLiteral("box_exit_unsaved_glyphs"));
  std::printf("%d pictures in %s, %d failed\n", static_cast<int>(std::size(kPictures)) + 2,
              qPrintable(folder.absolutePath()), failed);
  return failed ? 1 : 0;
}
