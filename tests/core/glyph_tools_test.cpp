// The editor's tools without a window: transforms, placing and thresholding a grey picture,
// the undo history, and saving the drawing as a picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "glyphs/bmp_export.h"
#include "glyphs/glyph_editor.h"
#include "glyphs/glyph_raster.h"
#include "glyphs/glyph_text.h"
#include "glyphs/glyph_transforms.h"
#include "scratch_folder.h"
#include "wired_controller.h"

namespace vtg {
namespace {

using testing::RecordingMessages;

constexpr GlyphClass kSmall = GlyphClass::Small;

using Dots = std::vector<std::pair<int, int>>;

// A SMALL glyph with the listed dots set; inverted, every other dot inside the ring instead.
std::string Small(const Dots& dots, bool inverted = false) {
  std::string glyph = BlankGlyph(kSmall);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x)
      if ((std::ranges::find(dots, std::pair{x, y}) != dots.end()) != (inverted && InsideRing(kSmall, x, y)))
        SetDot(glyph, kSmall, x, y);
  return glyph;
}

TEST(GlyphTransforms, MoveTheDotsInsideTheRingAndLeaveTheRing) {
  // A dot on the ring (0, 2), which no transform moves, and two pairs near opposite corners.
  const Dots before{{0, 2}, {1, 1}, {2, 1}, {2, 2}, {21, 22}, {22, 22}};
  struct Case { GlyphTransform transform; Dots after; bool inverted = false; } cases[] = {
      {GlyphTransform::ShiftLeft, {{0, 2}, {1, 1}, {1, 2}, {20, 22}, {21, 22}}},
      {GlyphTransform::ShiftRight, {{0, 2}, {2, 1}, {3, 1}, {3, 2}, {22, 22}}},
      {GlyphTransform::ShiftUp, {{0, 2}, {2, 1}, {21, 21}, {22, 21}}},
      {GlyphTransform::ShiftDown, {{0, 2}, {1, 2}, {2, 2}, {2, 3}}},
      {GlyphTransform::FlipHorizontal, {{0, 2}, {21, 1}, {22, 1}, {21, 2}, {1, 22}, {2, 22}}},
      {GlyphTransform::FlipVertical, {{0, 2}, {21, 1}, {22, 1}, {2, 21}, {1, 22}, {2, 22}}},
      {GlyphTransform::Invert, before, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Transformed(kSmall, Small(before), c.transform), Small(c.after, c.inverted)) << static_cast<int>(c.transform);
}

TEST(GlyphTransforms, TheRingIsWhereverTheClassEnds) {
  struct Case { GlyphClass c; GlyphTransform transform; int x, y, to_x, to_y; } cases[] = {  // to_x -1: lost
      {GlyphClass::Large, GlyphTransform::ShiftRight, 45, 5, 46, 5}, {GlyphClass::Large, GlyphTransform::ShiftRight, 46, 5, -1, 0},
      {GlyphClass::Large, GlyphTransform::FlipHorizontal, 1, 7, 46, 7}, {GlyphClass::Medium, GlyphTransform::ShiftDown, 5, 30, -1, 0},
      {GlyphClass::Medium, GlyphTransform::FlipVertical, 3, 1, 3, 30}, {GlyphClass::Medium, GlyphTransform::ShiftUp, 3, 2, 3, 1},
  };
  for (const Case& c : cases) {
    std::string before = BlankGlyph(c.c);
    SetDot(before, c.c, c.x, c.y);
    std::string expected = BlankGlyph(c.c);
    if (c.to_x >= 0) SetDot(expected, c.c, c.to_x, c.to_y);
    EXPECT_EQ(Transformed(c.c, before, c.transform), expected) << c.x << "," << c.y;
  }
}

TEST(GlyphRaster, PicturesFitTheClassOrComeDotForDot) {
  struct Case { GlyphClass c; int width, height; RasterPlace place; } cases[] = {
      {GlyphClass::Large, 48, 48, {0, 0, 48, 48}},   {GlyphClass::Large, 96, 96, {0, 0, 48, 48}},
      {GlyphClass::Small, 48, 48, {0, 0, 24, 24}},   {GlyphClass::Large, 50, 50, {1, 1, 46, 46}},
      {GlyphClass::Large, 200, 100, {1, 12, 46, 23}}, {GlyphClass::Small, 10, 40, {9, 1, 6, 22}},
      {GlyphClass::Medium, 1, 1, {1, 1, 30, 30}},
  };
  for (const Case& c : cases) EXPECT_EQ(FitPicture(c.c, c.width, c.height), c.place) << c.width << "x" << c.height;
  // Odd differences put the extra dot on the right, whether the raster is smaller or larger.
  EXPECT_EQ(CentredPlace(GlyphClass::Large, 45, 47), (RasterPlace{1, 0, 45, 47}));
  EXPECT_EQ(CentredPlace(kSmall, 4, 4, 2, -1), (RasterPlace{12, 9, 4, 4}));
}

TEST(GlyphRaster, DarkPixelsBecomeDotsInsideTheRingOnly) {
  const GreyRaster raster{3, 2, {0, 127, 128, 255, 10, 200}};
  // (0, 0) is on the ring and stays; (10, 10) is inside, away from the raster, and goes.
  std::string base = BlankGlyph(kSmall);
  for (int at : {0, 10}) SetDot(base, kSmall, at, at);
  struct Case { GreyRaster raster; int x, y; bool light_is_ink; std::vector<std::pair<int, int>> dots; } cases[] = {
      {raster, 1, 1, false, {{0, 0}, {1, 1}, {2, 1}, {2, 2}}},
      {raster, 1, 1, true, {{0, 0}, {3, 1}, {1, 2}, {3, 2}}},
      {raster, 21, 22, false, {{0, 0}, {21, 22}, {22, 22}}},  // the rest falls on the ring
      {raster, 0, 0, true, {{0, 0}, {2, 1}}},
      {{3, 2, {0}}, 1, 1, false, {{0, 0}}},  // a raster without its pixels draws nothing
  };
  for (const Case& c : cases) {
    std::string expected = BlankGlyph(kSmall);
    for (const auto& [x, y] : c.dots) SetDot(expected, kSmall, x, y);
    EXPECT_EQ(GlyphFromRaster(kSmall, base, c.raster, {c.x, c.y, 3, 2}, {128, c.light_is_ink}), expected) << c.x;
  }
}

class GlyphEditorHistoryTest : public ::testing::Test, public testing::WiredController {
 protected:
  GlyphEditorHistoryTest() {
    state.selection.slave_index = 2;
    editor.Open();
  }
  // One stroke of the left button along a row of dots of the grid.
  void Stroke(int y, int from_x, int to_x) {
    const GlyphEditorLayout& cell = EditorLayout(kSmall);
    const auto px = [&](int x) { return kGlyphGridOrigin + x * cell.cell_width; };
    editor.Press(MouseButton::Left, px(from_x), kGlyphGridOrigin + y * cell.cell_height);
    for (int x = from_x; x <= to_x; ++x) editor.Move(px(x), kGlyphGridOrigin + y * cell.cell_height);
    editor.Release(MouseButton::Left);
  }

  GlyphEditor editor{state, link, messages, kSmall};
};

TEST_F(GlyphEditorHistoryTest, StrokesToolsAndClearsAreStepsThatUndoAndRedoWalk) {
  std::vector<std::string> drawings{editor.Drawing()};
  Stroke(3, 2, 9);
  drawings.push_back(editor.Drawing());
  EXPECT_TRUE(editor.Transform(GlyphTransform::ShiftDown));
  drawings.push_back(editor.Drawing());
  EXPECT_TRUE(editor.ClearBuffer());
  drawings.push_back(editor.Drawing());
  EXPECT_FALSE(editor.Transform(GlyphTransform::ShiftLeft));  // a blank drawing stays blank: no step
  for (std::size_t step = drawings.size() - 1; step > 0; --step) {
    ASSERT_TRUE(editor.Undo());
    EXPECT_EQ(editor.Drawing(), drawings[step - 1]);
    EXPECT_EQ(state.image.glyphStore(kSmall)[0], drawings[step - 1]);
  }
  EXPECT_FALSE(editor.CanUndo());
  EXPECT_TRUE(editor.Redo());
  EXPECT_TRUE(editor.Redo());
  EXPECT_EQ(editor.Drawing(), drawings[2]);
  // A new change drops what could have been redone.
  Stroke(10, 5, 5);
  EXPECT_FALSE(editor.CanRedo());
  EXPECT_TRUE(serial.lines.empty());
}

TEST_F(GlyphEditorHistoryTest, KeepsTheLastFiftySteps) {
  for (int i = 0; i < 55; ++i) Stroke(1 + i % 22, 1 + i / 22, 1 + i / 22);
  std::string after_five = BlankGlyph(kSmall);
  for (int i = 0; i < 5; ++i) SetDot(after_five, kSmall, 1, 1 + i);
  int undone = 0;
  while (editor.Undo()) ++undone;
  EXPECT_EQ(undone, 50);
  EXPECT_EQ(editor.Drawing(), after_five);
}

TEST_F(GlyphEditorHistoryTest, ANewNumberOrAReceivedGlyphStartsTheHistoryAfresh) {
  Stroke(4, 4, 6);
  editor.ChooseNumber(7);
  EXPECT_FALSE(editor.Undo());
  Stroke(5, 4, 6);
  ASSERT_TRUE(editor.Read());
  link.OnSerialBytes("02FBMSA36B" + std::string(144, 'F') + "\r\n");
  EXPECT_FALSE(editor.CanUndo());
  EXPECT_EQ(editor.Drawing(), std::string(144, 'F'));
  // Steps after the glyph arrived go back as far as the glyph, no further.
  EXPECT_TRUE(editor.Transform(GlyphTransform::Invert));
  EXPECT_TRUE(editor.Undo());
  EXPECT_FALSE(editor.Undo());
  EXPECT_EQ(editor.Drawing(), std::string(144, 'F'));
}

TEST(DrawingExport, ThePictureKindFollowsTheName) {
  testing::ScratchFolder dir;
  std::string drawing = BlankGlyph(GlyphClass::Medium);
  SetDot(drawing, GlyphClass::Medium, 0, 0);
  // The fake PNG writer fails for the name "d.png"; the file's head tells what was written.
  struct Case { std::optional<std::string> chosen; std::string written, head; } cases[] = {
      {dir / "a", dir / "a.png", "PNG 64x64"}, {dir / "b.PNG", dir / "b.PNG", "PNG 64x64"}, {dir / "c.bmp", dir / "c.bmp", "BM"},
      {std::nullopt, "", ""}, {dir / "d.png", "", ""}};
  for (const Case& c : cases) {
    RecordingMessages messages;
    testing::ScriptedFileDialogs dialogs;
    dialogs.choice = c.chosen;
    const auto png = [&](const Picture& p) {
      return c.chosen == dir / "d.png" ? std::nullopt : std::optional("PNG " + std::to_string(p.width()) + "x" + std::to_string(p.height()));
    };
    EXPECT_EQ(ExportDrawing(messages, dialogs, GlyphClass::Medium, 6, drawing, png), !c.written.empty());
    EXPECT_EQ(dialogs.requests.at(0).default_name, "gm007.png");
    EXPECT_EQ(messages.shown.size(), c.chosen && c.written.empty() ? 1u : 0u);
    EXPECT_EQ(testing::ReadFile(c.written).substr(0, c.head.size()), c.head) << c.written;
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "d.png"));
}

}  // namespace
}  // namespace vtg
