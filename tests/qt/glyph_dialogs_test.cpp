// The glyph editor on the screen: drawing with the mouse, the number, the sample box and
// the repaint when a glyph arrives.
#include <QApplication>
#include <QInputMethodEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <set>

#include "glyphs/glyph_editor_dialog.h"
#include "glyphs/glyph_grid.h"
#include "glyphs/glyph_text.h"
#include "test_app.h"

namespace vtg::testing {
namespace {

void Show(QWidget& window) {
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
}

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

// Each character as the input method hands it over.
void Type(QLineEdit* edit, const QString& text) {
  for (QChar c : text) {
    QInputMethodEvent commit;
    commit.setCommitString(c);
    QApplication::sendEvent(edit, &commit);
  }
}

QPushButton* ButtonOf(QWidget& dialog, int id) { return dialog.findChild<QPushButton*>(ui::ControlName(id)); }

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
      Show(dialog);
      auto* grid = dialog.findChild<ui::GlyphGrid*>(ui::ControlName(c.grid_id));
      QVERIFY(grid);
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
    Show(dialog);
    auto* grid = dialog.findChild<ui::GlyphGrid*>(ui::ControlName(1181));
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
    Show(dialog);
    QTest::mouseClick(ButtonOf(dialog, 1077), Qt::LeftButton);
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
    auto* number = dialog.findChild<QComboBox*>(ui::ControlName(1180));
    QCOMPARE(number->count(), 160);
    QCOMPARE(number->itemText(159), QStringLiteral("160"));
    number->setCurrentIndex(9);
    QCOMPARE(t.state.glyph.glyph_index, 9);
    QCOMPARE(t.state.image.glyphStore(GlyphClass::Medium)[9], Pattern(GlyphClass::Medium, 3));
    QTest::mouseClick(ButtonOf(dialog, 1183), Qt::LeftButton);
    QCOMPARE(t.serial.lines.back(), "00GRM010" + Pattern(GlyphClass::Medium, 3) + "\r\n");
  }

  void SampleBoxTakesOneDoubleByteCharacter() {
    struct Case { QString typed; QString shown; std::string sample; const char* line; } cases[] = {
        {QStringLiteral("亜"), QStringLiteral("亜"), "\x88\x9F", "00RFBML3021\r\n"},
        {QStringLiteral("亜亜"), QStringLiteral("亜"), "\x88\x9F", "00RFBML3021\r\n"},
        {QStringLiteral("ⅰ"), QStringLiteral("ⅰ"), "\xFA\x40", "00RFBML7C71\r\n"},
        {QStringLiteral("a"), QStringLiteral("a"), "", "00RFBML2121\r\n"},
        {QStringLiteral("€"), QString(), "", "00RFBML2121\r\n"},  // not in code page 932
    };
    for (const Case& c : cases) {
      TestApp t;
      GlyphEditorDialog dialog(t.context, GlyphClass::Large, nullptr);
      Show(dialog);
      auto* sample = dialog.findChild<QLineEdit*>(ui::ControlName(1076));
      Type(sample, c.typed);
      QCOMPARE(sample->text(), c.shown);
      QCOMPARE(t.state.glyph.sample_char, c.sample);
      QTest::mouseClick(ButtonOf(dialog, 1075), Qt::LeftButton);
      QCOMPARE(t.serial.lines.back(), std::string(c.line));
      // Reopened, the box shows the sample a read would ask for.
      t.state.glyph.glyph_read_pending = 0;
      GlyphEditorDialog again(t.context, GlyphClass::Large, nullptr);
      QCOMPARE(again.findChild<QLineEdit*>(ui::ControlName(1076))->text(),
               c.sample.empty() ? QString() : c.shown);
    }
  }

};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::GlyphDialogsTest)
#include "glyph_dialogs_test.moc"
