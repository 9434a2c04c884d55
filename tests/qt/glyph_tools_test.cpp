// The glyph editor's tools as the operator uses them: each changes the drawing and the
// store, nothing reaches the unit before "登録"; characters from a font and pictures from
// files become plausible glyphs.
#include <QFontDatabase>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

#include "dialog_driver.h"
#include "glyphs/glyph_editor_dialog.h"
#include "glyphs/glyph_raster_qt.h"
#include "glyphs/glyph_text.h"
#include "glyphs/glyph_transforms.h"
#include "scratch_folder.h"
#include "test_app.h"

namespace vtg::testing {
namespace {

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

class GlyphToolsTest : public QObject {
  Q_OBJECT
 private slots:
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

QTEST_MAIN(vtg::testing::GlyphToolsTest)
#include "glyph_tools_test.moc"
