// The glyph editor and the glyph lists on the screen: drawing with the mouse, the sample
// box, the editor's tools (nothing reaches the unit before "登録"), the transfers paced by
// the dialog's runner, the double-clicks and the picture export.
#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include "dialog_driver.h"
#include "glyphs/glyph_editor_dialog.h"
#include "glyphs/glyph_grid.h"
#include "glyphs/glyph_list_dialog.h"
#include "glyphs/glyph_raster_qt.h"
#include "glyphs/glyph_text.h"
#include "glyphs/glyph_transforms.h"
#include "scratch_folder.h"
#include "test_app.h"

namespace vtg::testing {
namespace {

// The middle of dot (x, y) in pixels of the grid.
QPoint DotCentre(GlyphClass c, int x, int y) {
  const GlyphEditorLayout& cell = EditorLayout(c);
  return {x * cell.cell_width + cell.cell_width / 2, y * cell.cell_height + cell.cell_height / 2};
}

constexpr int kInvert = 1301;
constexpr int kRedo = 1311;
constexpr int kFromCharacter = 1320;
constexpr int kFromPicture = 1321;
constexpr int kSavePicture = 1322;
constexpr int kApply = 1331;
constexpr int kCharacterEdit = 1340;
constexpr int kInvertCheck = 1350;

struct Dots {
  int total = 0, on_ring = 0;
  QRect box;  // of the set dots
};

Dots CountDots(GlyphClass c, const std::string& glyph) {
  Dots dots;
  const int w = Info(c).width;
  for (int y = 0; y < w; ++y)
    for (int x = 0; x < w; ++x) {
      if (!DotAt(glyph, c, x, y)) continue;
      ++dots.total;
      dots.on_ring += !InsideRing(c, x, y);
      dots.box |= QRect(x, y, 1, 1);
    }
  return dots;
}

std::string Drawing(const TestApp& t, GlyphClass c) { return t.state.image.ext_glyph_work.substr(0, Info(c).digits); }

struct EditorOnScreen {
  explicit EditorOnScreen(GlyphClass c) : dialog(t.context, c, nullptr, &t.dialogs) {
    if (!ShowOnScreen(dialog)) qFatal("the editor did not show");
  }
  TestApp t;
  GlyphEditorDialog dialog;
};

}  // namespace

class GlyphDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  // Which dots lie inside the ring is the editor's; the grid passes on buttons and moves.
  void DrawingSetsTheDotsUnderThePointer() {
    const GlyphClass c = GlyphClass::Medium;
    TestApp t;
    t.state.glyph.glyph_index = 4;
    GlyphEditorDialog dialog(t.context, c, nullptr);
    QVERIFY(ShowOnScreen(dialog));
    auto* grid = Find<ui::GlyphGrid>(dialog, 1179);
    QTest::mousePress(grid, Qt::LeftButton, {}, DotCentre(c, 5, 5));
    for (QPoint dot : {QPoint(6, 5), QPoint(7, 5), QPoint(7, 6), QPoint(0, 6)}) QTest::mouseMove(grid, DotCentre(c, dot.x(), dot.y()));
    QTest::mouseRelease(grid, Qt::LeftButton, {}, DotCentre(c, 0, 6));
    QTest::mousePress(grid, Qt::RightButton, {}, DotCentre(c, 6, 5));
    QTest::mouseRelease(grid, Qt::RightButton, {}, DotCentre(c, 6, 5));
    // A move after the release paints nothing.
    QTest::mouseMove(grid, DotCentre(c, 9, 9));
    std::string expected = BlankGlyph(c);
    for (auto [x, y] : {std::pair{5, 5}, {7, 5}, {7, 6}}) SetDot(expected, c, x, y);
    QCOMPARE(Drawing(t, c), expected);
    QCOMPARE(t.state.image.glyphStore(c)[4], expected);
  }

  void APressBesideTheGridPaintsOnceTheDragReachesIt() {
    TestApp t;
    GlyphEditorDialog dialog(t.context, GlyphClass::Small, nullptr);
    QVERIFY(ShowOnScreen(dialog));
    auto* grid = Find<ui::GlyphGrid>(dialog, 1181);
    const QPoint grid_at = grid->mapTo(&dialog, QPoint(0, 0));
    QTest::mousePress(&dialog, Qt::LeftButton, {}, grid_at - QPoint(3, 3));
    QCOMPARE(t.state.glyph.glyph_edited, 1);
    std::string expected = BlankGlyph(GlyphClass::Small);
    QCOMPARE(Drawing(t, GlyphClass::Small), expected);
    QTest::mouseMove(&dialog, grid_at + DotCentre(GlyphClass::Small, 2, 3));
    QTest::mouseRelease(&dialog, Qt::LeftButton, {}, grid_at + DotCentre(GlyphClass::Small, 2, 3));
    SetDot(expected, GlyphClass::Small, 2, 3);
    QCOMPARE(Drawing(t, GlyphClass::Small), expected);
  }

  void GlyphReplyRepaintsTheGridWhileTheEditorLives() {
    TestApp t;
    t.state.glyph.glyph_index = 2;
    const std::string reply = "00FBMLA367" + std::string(576, 'F') + "\r\n";
    {
      GlyphEditorDialog dialog(t.context, GlyphClass::Large, nullptr);
      QVERIFY(ShowOnScreen(dialog));
      Click(dialog, 1077);
      QCOMPARE(t.serial.lines.back(), std::string("00RFBMLA367\r\n"));
      auto* grid = dialog.findChild<ui::GlyphGrid*>();
      const QImage before = grid->grab().toImage();
      t.link.OnSerialBytes(reply);
      QTRY_VERIFY(grid->grab().toImage() != before);
      QCOMPARE(grid->grab().toImage().pixelColor(240, 200), QColor(255, 255, 255));
    }
    // The hook of an editor that has gone must not touch it.
    t.link.OnSerialBytes(reply);
  }

  void NumberComboStoresTheDrawingUnderTheNewNumber() {
    TestApp t;
    const std::string drawing(256, '3');
    t.state.image.glyphStore(GlyphClass::Medium)[0] = drawing;
    GlyphEditorDialog dialog(t.context, GlyphClass::Medium, nullptr);
    Find<QComboBox>(dialog, 1180)->setCurrentIndex(9);
    QCOMPARE(t.state.glyph.glyph_index, 9);
    QCOMPARE(t.state.image.glyphStore(GlyphClass::Medium)[9], drawing);
    Click(dialog, 1183);
    QCOMPARE(t.serial.lines.back(), "00GRM010" + drawing + "\r\n");
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

  // The lines themselves are the run's; the dialog must keep its pace while it repaints.
  void SendAllKeepsItsIntervalAcrossRepaints() {
    TestApp t;
    GlyphListDialog dialog(t.context, GlyphClass::Large, nullptr, &t.dialogs);
    QVERIFY(ShowOnScreen(dialog));
    auto* percent = Find<QLineEdit>(dialog, 1070);
    Click(dialog, 1068);
    for (int tick = 1; tick <= 70; ++tick) {
      QCOMPARE(dialog.runner().PeriodMs(), 3000);
      dialog.runner().Tick();
      if (tick == 35) QCOMPARE(percent->text(), QStringLiteral(" 50.0"));
      dialog.repaint();
      t.Answer();
      QApplication::processEvents();
    }
    QVERIFY(!dialog.runner().Running());
    QCOMPARE(t.serial.lines.size(), std::size_t{70});
    QCOMPARE(percent->text(), QStringLiteral("   "));
  }


  void ClosingOrDestroyingTheDialogEndsATransfer() {
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
    {  // a dialog destroyed during its run takes the run with it
      GlyphListDialog gone(t.context, GlyphClass::Small, nullptr, &t.dialogs);
      Click(gone, 1068);
    }
    QCOMPARE(std::tuple(t.state.flags.sequence_step, t.state.glyph.glyph_transfer_busy), std::tuple(0, 0));
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
    // The picture is of that glyph: its top-left dot is white in the last rows (bottom-up).
    const std::string bytes = ReadFile(folder / "glyph.bmp");
    QCOMPARE(bytes.substr(54 + 96 * 3 * 95, 6), std::string(6, '\xFF'));
  }

  void LeftDoubleClickOpensTheEditorOfTheClassOnThatGlyph() {
    TestApp t;
    t.state.glyph.glyph_list_page = 1;
    GlyphListDialog dialog(t.context, GlyphClass::Medium, nullptr, &t.dialogs);
    QVERIFY(ShowOnScreen(dialog));
    QString number;
    OnNextModal([&](QWidget& editor) {
      number = Find<QComboBox>(editor, 1180)->currentText();
      // The drawing reaches the list when the editor closes.
      t.state.image.glyphStore(GlyphClass::Medium)[16 + 9] = std::string(256, 'F');
    });
    QTest::mouseDClick(dialog.findChild<ui::GlyphPageView*>(), Qt::LeftButton, {}, QPoint(114 + 20, 200));
    QCOMPARE(number, QStringLiteral("026"));
    QCOMPARE(t.state.glyph.glyph_index, 25);
    auto* box = Find(dialog, 1151 + 9);
    QTRY_COMPARE(box->grab().toImage().pixelColor(63, 63), QColor(255, 255, 255));
  }

  void AToolAndTheUndoKeysChangeTheDrawingAndSendNothing() {
    EditorOnScreen e(GlyphClass::Small);
    const std::string blank = BlankGlyph(GlyphClass::Small);
    const std::string inverted = Transformed(GlyphClass::Small, blank, GlyphTransform::Invert);
    Click(e.dialog, kInvert);
    QCOMPARE(e.t.state.image.glyphStore(GlyphClass::Small)[0], inverted);
    const std::pair<QKeySequence, const std::string*> keys[] = {{Qt::CTRL | Qt::Key_Z, &blank},
                                                                {Qt::CTRL | Qt::Key_Y, &inverted},
                                                                {Qt::CTRL | Qt::Key_Z, &blank},
                                                                {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, &inverted}};
    for (const auto& [key, drawing] : keys) {
      QTest::keySequence(&e.dialog, key);
      QCOMPARE(Drawing(e.t, GlyphClass::Small), *drawing);
    }
    QVERIFY(!Find(e.dialog, kRedo)->isEnabled());
    QVERIFY(e.t.serial.lines.empty());
  }

  void AKanjiFromAJapaneseFontFillsEachClass() {
    QVERIFY2(QFontDatabase::hasFamily(QStringLiteral("Noto Sans CJK JP")), "fonts-noto-cjk is not installed");
    QCOMPARE(ui::DefaultCharacterFamily(), QStringLiteral("Noto Sans CJK JP"));
    for (GlyphClass c : kAllGlyphClasses) {
      EditorOnScreen e(c);
      OnNextModal([](QWidget& tool) {
        Find<QLineEdit>(tool, kCharacterEdit)->setText(QStringLiteral("亜"));
        Click(tool, kApply);
      });
      Click(e.dialog, kFromCharacter);
      const Dots dots = CountDots(c, Drawing(e.t, c));
      const int inside = (Info(c).width - 2) * (Info(c).width - 2);
      QCOMPARE(dots.on_ring, 0);
      // 亜 covers about a third of its square in a regular weight.
      QVERIFY2(dots.total > inside / 5 && dots.total < inside / 2, qPrintable(QString::number(dots.total)));
      // Centred, and reaching within a few dots of every side of the ring.
      const int w = Info(c).width;
      const int margins[] = {dots.box.left(), w - 1 - dots.box.right(), dots.box.top(), w - 1 - dots.box.bottom()};
      for (int margin : margins) QVERIFY2(margin >= 1 && margin <= 6, qPrintable(QString::number(margin)));
      QVERIFY(std::abs(margins[0] - margins[1]) <= 2 && std::abs(margins[2] - margins[3]) <= 2);
      QVERIFY(e.t.serial.lines.empty());
    }
  }

  void APictureIsFittedToTheClassAndTheSavedDrawingComesBackInverted() {
    ScratchFolder dir;
    // 92 x 46 pixels fit LARGE at half size: 46 x 23 dots from (1, 12).
    QImage picture(92, 46, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).fillRect(20, 10, 40, 20, Qt::black);
    QVERIFY(picture.save(QString::fromStdString(dir / "logo.png")));
    EditorOnScreen e(GlyphClass::Large);
    const auto import = [&e](const std::string& path, bool invert) {
      e.t.dialogs.choice = path;
      OnNextModal([invert](QWidget& tool) {
        if (invert) Find<QAbstractButton>(tool, kInvertCheck)->click();
        Click(tool, kApply);
      });
      Click(e.dialog, kFromPicture);
    };
    import(dir / "logo.png", false);
    std::string expected = BlankGlyph(GlyphClass::Large);
    for (int y = 17; y < 27; ++y)
      for (int x = 11; x < 31; ++x) SetDot(expected, GlyphClass::Large, x, y);
    QCOMPARE(Drawing(e.t, GlyphClass::Large), expected);

    // Saved white on black at two pixels a dot (".png" added), it comes back dot for dot.
    e.t.dialogs.choice = dir / "saved";
    Click(e.dialog, kSavePicture);
    Click(e.dialog, kInvert);
    import(dir / "saved.png", true);
    QCOMPARE(Drawing(e.t, GlyphClass::Large), expected);

    import(dir / "none.png", false);
    QCOMPARE(e.t.messages.shown, (std::vector<Shown>{{Box::Error, "画像ファイルを読めません"}}));
    QCOMPARE(Drawing(e.t, GlyphClass::Large), expected);
    QVERIFY(e.t.serial.lines.empty());
  }
};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::GlyphDialogsTest)
#include "glyph_dialogs_test.moc"
