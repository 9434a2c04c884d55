// The glyph editor and the glyph lists on the screen: drawing with the mouse, the sample
// box, the transfers paced by the dialog's runner, the double-clicks and the picture export.
#include <QLabel>
#include <QLineEdit>
#include <set>

#include "dialog_driver.h"
#include "event_waits.h"
#include "glyphs/glyph_dialogs.h"
#include "glyphs/glyph_editor_dialog.h"
#include "glyphs/glyph_grid.h"
#include "glyphs/glyph_info_dialog.h"
#include "glyphs/glyph_list_dialog.h"
#include "glyphs/glyph_text.h"
#include "link/text_helpers.h"
#include "scratch_folder.h"
#include "shell/menu_table.h"
#include "sim/simulated_unit_server.h"
#include "socket_controller.h"

namespace vtg::testing {
namespace {

// The middle of dot (x, y) in pixels of the grid.
QPoint DotCentre(GlyphClass c, int x, int y) {
  const GlyphEditorLayout& cell = EditorLayout(c);
  return {x * cell.cell_width + cell.cell_width / 2, y * cell.cell_height + cell.cell_height / 2};
}

std::set<std::pair<int, int>> SetDots(const ControllerState& state, GlyphClass c) {
  std::set<std::pair<int, int>> dots;
  const int w = Info(c).width;
  for (int y = 0; y < w; ++y)
    for (int x = 0; x < w; ++x)
      if (DotAt(state.image.ext_glyph_work, c, x, y)) dots.insert({x, y});
  return dots;
}

std::string Pattern(GlyphClass c, int index) {
  return std::string(static_cast<std::size_t>(Info(c).digits), "0123456789ABCDEF"[index % 16]);
}

}  // namespace

class GlyphDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void DrawingSetsTheDotsUnderThePointerAndNeverTheOuterRing() {
    struct Case { GlyphClass c; int grid_id; } cases[] = {
        {GlyphClass::Large, 1150}, {GlyphClass::Medium, 1179}, {GlyphClass::Small, 1181}};
    for (const Case& c : cases) {
      TestApp t;
      t.state.glyph.glyph_index = 4;
      GlyphEditorDialog dialog(t.context, c.c, nullptr);
      QVERIFY(ShowOnScreen(dialog));
      auto* grid = Find<ui::GlyphGrid>(dialog, c.grid_id);
      QCOMPARE(grid->size(), QSize(480, 384));
      const int last = Info(c.c).width - 1;

      QTest::mousePress(grid, Qt::LeftButton, {}, DotCentre(c.c, 5, 5));
      QTest::mouseMove(grid, DotCentre(c.c, 6, 5));
      QTest::mouseMove(grid, DotCentre(c.c, 7, 5));
      QTest::mouseMove(grid, DotCentre(c.c, 7, 6));
      QTest::mouseRelease(grid, Qt::LeftButton, {}, DotCentre(c.c, 7, 6));
      QTest::mousePress(grid, Qt::RightButton, {}, DotCentre(c.c, 6, 5));
      QTest::mouseRelease(grid, Qt::RightButton, {}, DotCentre(c.c, 6, 5));
      // Along the outer ring, on all four sides.
      QTest::mousePress(grid, Qt::LeftButton, {}, DotCentre(c.c, 0, 3));
      for (QPoint dot : {QPoint(0, last), QPoint(last, last), QPoint(last, 0), QPoint(3, 0)})
        QTest::mouseMove(grid, DotCentre(c.c, dot.x(), dot.y()));
      QTest::mouseRelease(grid, Qt::LeftButton, {}, DotCentre(c.c, 3, 0));
      // A move after the release paints nothing.
      QTest::mouseMove(grid, DotCentre(c.c, 9, 9));

      const std::set<std::pair<int, int>> expected{{5, 5}, {7, 5}, {7, 6}};
      QCOMPARE(SetDots(t.state, c.c), expected);
      QCOMPARE(t.state.image.glyphStore(c.c)[4], t.state.image.ext_glyph_work.substr(0, Info(c.c).digits));
      QCOMPARE(t.state.glyph.glyph_edited, 1);
    }
  }

  void APressBesideTheGridPaintsOnceTheDragReachesIt() {
    TestApp t;
    GlyphEditorDialog dialog(t.context, GlyphClass::Small, nullptr);
    QVERIFY(ShowOnScreen(dialog));
    auto* grid = Find<ui::GlyphGrid>(dialog, 1181);
    const QPoint grid_at = grid->mapTo(&dialog, QPoint(0, 0));
    QTest::mousePress(&dialog, Qt::LeftButton, {}, grid_at - QPoint(3, 3));
    QCOMPARE(t.state.glyph.glyph_edited, 1);
    QVERIFY(SetDots(t.state, GlyphClass::Small).empty());
    QTest::mouseMove(&dialog, grid_at + DotCentre(GlyphClass::Small, 2, 3));
    QTest::mouseRelease(&dialog, Qt::LeftButton, {}, grid_at + DotCentre(GlyphClass::Small, 2, 3));
    QCOMPARE(SetDots(t.state, GlyphClass::Small), (std::set<std::pair<int, int>>{{2, 3}}));
  }

  void GlyphReplyRepaintsTheGrid() {
    TestApp t;
    t.state.glyph.glyph_index = 2;
    GlyphEditorDialog dialog(t.context, GlyphClass::Large, nullptr);
    QVERIFY(ShowOnScreen(dialog));
    Click(dialog, 1077);
    QCOMPARE(t.serial.lines.back(), std::string("00RFBMLA367\r\n"));
    QImage before = dialog.findChild<ui::GlyphGrid*>()->grab().toImage();
    t.link.OnSerialBytes("00FBMLA367" + std::string(576, 'F') + "\r\n");
    QTRY_VERIFY(dialog.findChild<ui::GlyphGrid*>()->grab().toImage() != before);
    QCOMPARE(dialog.findChild<ui::GlyphGrid*>()->grab().toImage().pixelColor(240, 200), QColor(255, 255, 255));
    QCOMPARE(t.state.image.glyphStore(GlyphClass::Large)[2], std::string(576, 'F'));
  }

  void NumberComboStoresTheDrawingUnderTheNewNumber() {
    TestApp t;
    t.state.image.glyphStore(GlyphClass::Medium)[0] = Pattern(GlyphClass::Medium, 3);
    GlyphEditorDialog dialog(t.context, GlyphClass::Medium, nullptr);
    auto* number = Find<QComboBox>(dialog, 1180);
    QCOMPARE(number->count(), 160);
    QCOMPARE(number->itemText(159), QStringLiteral("160"));
    number->setCurrentIndex(9);
    QCOMPARE(t.state.glyph.glyph_index, 9);
    QCOMPARE(t.state.image.glyphStore(GlyphClass::Medium)[9], Pattern(GlyphClass::Medium, 3));
    Click(dialog, 1183);
    QCOMPARE(t.serial.lines.back(), "00GRM010" + Pattern(GlyphClass::Medium, 3) + "\r\n");
  }

  void SampleBoxTakesOneDoubleByteCharacter() {
    struct Case { QString typed; QString shown; std::string sample; const char* line; QString note; } cases[] = {
        {QStringLiteral("亜"), QStringLiteral("亜"), "\x88\x9F", "00RFBML3021\r\n", {}},
        {QStringLiteral("亜亜"), QStringLiteral("亜"), "\x88\x9F", "00RFBML3021\r\n", {}},
        {QStringLiteral("ⅰ"), QStringLiteral("ⅰ"), "\xFA\x40", "00RFBML7C71\r\n", {}},
        {QStringLiteral("a"), QStringLiteral("a"), "", "00RFBML2121\r\n", {}},
        {QStringLiteral("〜"), QStringLiteral("～"), "\x81\x60", "00RFBML2141\r\n", {}},  // its JIS form
        {QStringLiteral("€"), QString(), "", "00RFBML2121\r\n", QStringLiteral("「€」は本機で使えない文字です")},
    };
    for (const Case& c : cases) {
      TestApp t;
      GlyphEditorDialog dialog(t.context, GlyphClass::Large, nullptr);
      QVERIFY(ShowOnScreen(dialog));
      auto* sample = Find<QLineEdit>(dialog, 1076);
      Type(sample, c.typed);
      QCOMPARE(sample->text(), c.shown);
      QCOMPARE(t.state.glyph.sample_char, c.sample);
      auto* note = dialog.findChild<QLabel*>(QStringLiteral("refusedCharacterNote"));
      QVERIFY(note);
      QCOMPARE(note->text(), c.note);
      Click(dialog, 1075);
      QCOMPARE(t.serial.lines.back(), std::string(c.line));
      // Reopened, the box shows the sample a read would ask for.
      t.state.glyph.glyph_read_pending = 0;
      GlyphEditorDialog again(t.context, GlyphClass::Large, nullptr);
      QCOMPARE(Find<QLineEdit>(again, 1076)->text(),
               c.sample.empty() ? QString() : c.shown);
    }
  }

  void ReadAllOfLargeFillsTheStoreFromTheUnit() {
    sim::SimulatedUnit unit(0);
    auto& unit_glyphs = unit.state().glyphs[0];
    for (int i = 0; i < 70; ++i) unit_glyphs[static_cast<std::size_t>(i)] = Pattern(GlyphClass::Large, i + 1);
    sim::SimulatedUnitServer server({&unit});
    QVERIFY(server.start(QHostAddress::LocalHost, 0));

    SocketController t;
    RecordingTransport line = RecordingTransport::Tapping(t.tcp);
    t.link.AttachSocket(&line, &t.reply_timer);
    QVERIFY(t.ConnectToUnit(server.port()));

    GlyphListDialog dialog(t.context, GlyphClass::Large, nullptr, &t.dialogs);
    QVERIFY(ShowOnScreen(dialog));
    Click(dialog, 1075);
    QCOMPARE(dialog.runner().PeriodMs(), 800);
    // The ticks come in virtual time; each reply is let in before the next tick.
    for (int guard = 0; dialog.runner().Running() && guard < 200; ++guard) {
      dialog.runner().Tick();
      QVERIFY(RunEventsUntil([&] { return !t.link.AwaitingSocketReply(); }));
    }
    QCOMPARE(line.lines.size(), std::size_t{70});
    QCOMPARE(line.lines.front(), std::string("00RFBMLA365\r\n"));
    QCOMPARE(line.lines[26], std::string("00RFBMLA421\r\n"));
    QCOMPARE(line.lines.back(), std::string("00RFBMLA44C\r\n"));
    QVERIFY(t.state.image.glyphStore(GlyphClass::Large) == unit_glyphs);
    QCOMPARE(t.state.glyph.glyph_transfer_busy, 0);
    QCOMPARE(Find<QLineEdit>(dialog, 1070)->text(), QStringLiteral("   "));
    QVERIFY(t.messages.shown.empty());
  }

  void SendAllKeepsItsIntervalAcrossRepaints() {
    struct Case { int slave; const char* prefix; int period; } cases[] = {{3, "03", 3000}, {kBroadcast, "FF", 5000}};
    for (const Case& c : cases) {
      TestApp t;
      t.state.flags.address_prefix = 1;
      t.state.selection.slave_index = c.slave;
      auto& store = t.state.image.glyphStore(GlyphClass::Large);
      for (int i = 0; i < 70; ++i) store[static_cast<std::size_t>(i)] = Pattern(GlyphClass::Large, i);
      GlyphListDialog dialog(t.context, GlyphClass::Large, nullptr, &t.dialogs);
      QVERIFY(ShowOnScreen(dialog));
      auto* percent = Find<QLineEdit>(dialog, 1070);
      Click(dialog, 1068);
      QCOMPARE(t.messages.asked.back().first, Question::NotAutoSwitching);
      QVERIFY(Find<QPushButton>(dialog, 2)->isEnabled());
      for (int tick = 1; tick <= 70; ++tick) {
        QCOMPARE(dialog.runner().PeriodMs(), c.period);
        dialog.runner().Tick();
        QCOMPARE(t.serial.lines.size(), static_cast<std::size_t>(tick));
        if (tick == 35) QCOMPARE(percent->text(), QStringLiteral(" 50.0"));
        dialog.update();
        dialog.repaint();
        t.link.OnSerialBytes(std::string(c.prefix) + "GO\r\n");
        QApplication::processEvents();
      }
      QVERIFY(!dialog.runner().Running());
      QCOMPARE(dialog.runner().PeriodMs(), 0);
      for (std::size_t i = 0; i < 70; ++i)
        QCOMPARE(t.serial.lines[i], c.prefix + std::string("GRL") + Dec3(static_cast<int>(i) + 1) + store[i] + "\r\n");
      QCOMPARE(percent->text(), QStringLiteral("   "));
    }
  }

  void CloseEndsATransfer() {
    TestApp t;
    GlyphListDialog dialog(t.context, GlyphClass::Small, nullptr, &t.dialogs);
    QVERIFY(ShowOnScreen(dialog));
    Click(dialog, 1075);
    dialog.runner().Tick();
    Click(dialog, 2);
    QVERIFY(!dialog.isVisible());
    QVERIFY(!dialog.runner().Running());
    QCOMPARE(t.state.glyph.glyph_transfer_busy, 0);
    QCOMPARE(t.state.glyph.glyph_read_pending, 0);
  }

  void RightDoubleClickExportsTheBoxAsDrawn() {
    TestApp t;
    const ScratchFolder folder;
    t.dialogs.choice = folder / "glyph";
    t.state.glyph.glyph_list_page = 2;
    std::string glyph = BlankGlyph(GlyphClass::Large);
    glyph[0] = '8';  // the top-left dot
    t.state.image.glyphStore(GlyphClass::Large)[2 * 14 + 3] = glyph;
    GlyphListDialog dialog(t.context, GlyphClass::Large, nullptr, &t.dialogs);
    QVERIFY(ShowOnScreen(dialog));
    auto* page = dialog.findChild<ui::GlyphPageView*>();

    // Between two boxes of the upper row, and below the lower row: no box, no dialog.
    for (QPoint between : {QPoint(107, 50), QPoint(125, 50), QPoint(300, 140), QPoint(50, 270)})
      QTest::mouseDClick(page, Qt::RightButton, {}, between);
    QVERIFY(t.dialogs.requests.empty());

    QTest::mouseDClick(page, Qt::RightButton, {}, QPoint(114 * 3 + 50, 60));
    QCOMPARE(t.dialogs.requests.size(), std::size_t{1});
    QCOMPARE(t.dialogs.requests[0].default_name, std::string("gl32.bmp"));
    const std::string bytes = ReadFile(folder / "glyph.bmp");
    const std::size_t row = 96 * 3;
    QCOMPARE(bytes.size(), 54 + row * 96);
    // Rows go bottom-up: the top-left dot is in the last row, the one below it black.
    QCOMPARE(bytes.substr(54 + row * 95, 6), std::string(6, '\xFF'));
    QCOMPARE(bytes.substr(54 + row * 93, 3), std::string(3, '\0'));
  }

  void LeftDoubleClickOpensTheEditorOfTheClassOnThatGlyph() {
    TestApp t;
    t.state.link.selected_peer = -1;
    t.state.glyph.glyph_list_page = 1;
    GlyphListDialog dialog(t.context, GlyphClass::Medium, nullptr, &t.dialogs);
    QVERIFY(ShowOnScreen(dialog));
    QString caption;
    QString number;
    OnNextModal([&](QWidget& editor) {
      caption = editor.windowTitle();
      number = Find<QComboBox>(editor, 1180)->currentText();
      // The drawing reaches the list when the editor closes.
      t.state.image.glyphStore(GlyphClass::Medium)[16 + 9] = std::string(256, 'F');
    });
    QTest::mouseDClick(dialog.findChild<ui::GlyphPageView*>(), Qt::LeftButton, {}, QPoint(114 + 20, 200));
    QCOMPARE(caption, QStringLiteral("外字登録"));
    QCOMPARE(number, QStringLiteral("026"));
    QCOMPARE(t.state.glyph.glyph_index, 25);
    auto* box = Find(dialog, 1151 + 9);
    QTRY_COMPARE(box->grab().toImage().pixelColor(63, 63), QColor(255, 255, 255));
  }

  void PagesAndLabelsFollowTheCombo() {
    TestApp t;
    t.state.glyph.glyph_list_page = 12;  // left there by the SMALL list
    GlyphListDialog dialog(t.context, GlyphClass::Large, nullptr, &t.dialogs);
    auto* pages = Find<QComboBox>(dialog, 1148);
    QCOMPARE(pages->currentText(), QStringLiteral("No. 1～14"));
    QCOMPARE(pages->count(), 5);
    pages->setCurrentIndex(4);
    QCOMPARE(Find<QLineEdit>(dialog, 1132)->text(), QStringLiteral("No.57"));
    QCOMPARE(Find<QLineEdit>(dialog, 1145)->text(), QStringLiteral("No.70"));
  }

  void InformationDialogShowsItsLinesAndClosesOnEnter() {
    TestApp t;
    ui::DialogRegistry registry;
    RegisterGlyphDialogs(registry);
    for (int id : {kCmdGlyphListLarge, kCmdGlyphListMedium, kCmdGlyphListSmall, kCmdAboutGlyphs})
      QVERIFY(registry.Has(id));
    GlyphInfoDialog info(t.context, nullptr);
    QVERIFY(ShowOnScreen(info));
    QCOMPARE(info.windowTitle(), QStringLiteral("外字について"));
    QStringList texts;
    for (QLabel* label : info.findChildren<QLabel*>()) texts << label->text();
    QCOMPARE(texts, (QStringList{QStringLiteral("外字1文字ずつの場合の拡張子は､TXTです。"),
                                 QStringLiteral("外字一覧の場合の拡張子は､TLLです。"),
                                 QStringLiteral("※外字操作は､自動切換え時に行わないでください。")}));
    QTest::keyClick(&info, Qt::Key_Return);
    QVERIFY(!info.isVisible());
  }
};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::GlyphDialogsTest)
#include "glyph_dialogs_test.moc"
