#include "glyphs/glyph_editor.h"

#include <functional>

#include <gtest/gtest.h>

#include "glyphs/glyph_text.h"
#include "wired_controller.h"

namespace vtg {
namespace {

class GlyphEditorTest : public ::testing::Test, public testing::WiredController {
 protected:
  GlyphEditorTest() { state.selection.slave_index = 2; }
  GlyphEditor Editor(GlyphClass c) {
    GlyphEditor editor(state, link, messages, c);
    editor.Open();
    return editor;
  }
  const std::string& Slot(GlyphClass c, int i) { return state.image.glyphStore(c)[static_cast<std::size_t>(i)]; }
  std::string Work(GlyphClass c) { return state.image.ext_glyph_work.substr(0, static_cast<std::size_t>(Info(c).digits)); }
};

// A left press at (px, py) sets dot (x, y), or none at all (x = -1): the edges of the
// editable ranges, which leave out the outer ring.
TEST_F(GlyphEditorTest, PressSetsTheDotUnderThePointerInsideTheRing) {
  struct Case { GlyphClass c; int px, py, x, y; } cases[] = {
      {GlyphClass::Large, 22, 20, 1, 1},     {GlyphClass::Large, 21, 20, -1, 0},  {GlyphClass::Large, 22, 19, -1, 0},
      {GlyphClass::Large, 481, 387, 46, 46}, {GlyphClass::Large, 482, 387, -1, 0}, {GlyphClass::Large, 481, 388, -1, 0},
      {GlyphClass::Large, 5, 5, -1, 0},      {GlyphClass::Medium, 27, 24, 1, 1},   {GlyphClass::Medium, 26, 24, -1, 0},
      {GlyphClass::Medium, 476, 383, 30, 30}, {GlyphClass::Medium, 477, 383, -1, 0}, {GlyphClass::Small, 32, 28, 1, 1},
      {GlyphClass::Small, 32, 27, -1, 0},    {GlyphClass::Small, 471, 379, 22, 22}, {GlyphClass::Small, 471, 380, -1, 0},
  };
  for (const auto& c : cases) {
    ResetToDefaults(state);
    state.glyph.glyph_index = 3;
    GlyphEditor editor = Editor(c.c);
    std::string expected = BlankGlyph(c.c);
    if (c.x >= 0) SetDot(expected, c.c, c.x, c.y);
    EXPECT_EQ(editor.Press(MouseButton::Left, c.px, c.py), c.x >= 0) << c.px << "," << c.py;
    EXPECT_EQ(Work(c.c), expected) << c.px << "," << c.py;
    EXPECT_EQ(Slot(c.c, 3), expected);
    // A press anywhere counts as editing.
    EXPECT_EQ(state.glyph.glyph_edited, 1);
  }
}

TEST_F(GlyphEditorTest, DraggingOverTheWholeDialogNeverPaintsTheOuterRing) {
  for (GlyphClass c : kAllGlyphClasses) {
    ResetToDefaults(state);
    GlyphEditor editor = Editor(c);
    editor.Press(MouseButton::Left, 0, 0);
    for (int py = 0; py < 400; py += 3)
      for (int px = 0; px < 500; px += 3) editor.Move(px, py);
    const int w = Info(c).width;
    for (int y = 0; y < w; ++y)
      for (int x = 0; x < w; ++x) {
        const bool ring = x == 0 || y == 0 || x == w - 1 || y == w - 1;
        ASSERT_EQ(editor.DotAt(x, y), !ring) << x << "," << y;
      }
  }
}

TEST_F(GlyphEditorTest, DragRedrawsOnlyWhenADotChanges) {
  GlyphEditor editor = Editor(GlyphClass::Large);
  EXPECT_TRUE(editor.Press(MouseButton::Left, 22, 20));
  EXPECT_FALSE(editor.Move(25, 22));  // the same dot again
  EXPECT_TRUE(editor.Move(32, 20));
  editor.Release(MouseButton::Left);
  EXPECT_FALSE(editor.Move(42, 20));
  EXPECT_TRUE(editor.Press(MouseButton::Right, 32, 20));
  EXPECT_TRUE(editor.Move(22, 20));
  editor.Release(MouseButton::Right);
  EXPECT_EQ(Work(GlyphClass::Large), BlankGlyph(GlyphClass::Large));
}

TEST_F(GlyphEditorTest, OpenTakesTheSlotAndKeepsTheRestOfTheWorkBuffer) {
  state.image.glyphStore(GlyphClass::Small)[4] = std::string(144, '7');
  state.image.ext_glyph_work = std::string(576, 'E');
  state.glyph.glyph_index = 4;
  Editor(GlyphClass::Small);
  EXPECT_EQ(state.image.ext_glyph_work, std::string(144, '7') + std::string(432, 'E'));
  EXPECT_EQ(state.flags.address_prefix, 1);
  // A number the class does not have (left by the insertion dialog) starts at the first.
  state.glyph.glyph_index = 200;
  Editor(GlyphClass::Large);
  EXPECT_EQ(state.glyph.glyph_index, 0);
}

TEST_F(GlyphEditorTest, ChangingTheNumberStoresTheDrawingUnderBoth) {
  state.image.glyphStore(GlyphClass::Medium)[9] = std::string(256, 'F');
  GlyphEditor editor = Editor(GlyphClass::Medium);
  editor.Press(MouseButton::Left, 27, 24);
  const std::string drawing = Work(GlyphClass::Medium);
  editor.ChooseNumber(9);
  EXPECT_EQ(state.glyph.glyph_index, 9);
  EXPECT_EQ(Slot(GlyphClass::Medium, 9), drawing);
  EXPECT_EQ(Slot(GlyphClass::Medium, 0), drawing);
  editor.ChooseNumber(160);  // not a number of the class
  EXPECT_EQ(state.glyph.glyph_index, 9);
  editor.Register();
  ASSERT_EQ(serial.lines.size(), 1u);
  EXPECT_EQ(serial.lines[0], "02GRM010" + drawing + "\r\n");
}

TEST_F(GlyphEditorTest, ClearAsksOnlyAfterEditingAndNotDuringARead) {
  GlyphEditor editor = Editor(GlyphClass::Large);
  editor.Press(MouseButton::Left, 100, 100);
  messages.answer = false;
  EXPECT_FALSE(editor.ClearBuffer());
  EXPECT_EQ(messages.asked.at(0).first, Question::NewGlyphList);
  EXPECT_NE(Slot(GlyphClass::Large, 0), BlankGlyph(GlyphClass::Large));
  state.glyph.glyph_read_pending = 1;
  messages.answer = true;
  EXPECT_FALSE(editor.ClearBuffer());
  EXPECT_EQ(messages.asked.size(), 1u);
  state.glyph.glyph_read_pending = 0;
  EXPECT_TRUE(editor.ClearBuffer());
  EXPECT_EQ(Slot(GlyphClass::Large, 0), BlankGlyph(GlyphClass::Large));
  EXPECT_EQ(state.glyph.glyph_edited, 0);
  EXPECT_TRUE(editor.ClearBuffer());
  EXPECT_EQ(messages.asked.size(), 2u);
}

// What the editor changes in a store is unsaved work of that class; a glyph read from the
// unit is not, and neither is an action that leaves the store as it was.
TEST_F(GlyphEditorTest, ChangedGlyphsAreUnsavedWorkOfTheirClass) {
  const std::string drawn = std::string(255, '0') + "8";
  struct Case { const char* name; std::function<void(GlyphEditor&)> act; int unsaved; } cases[] = {
      {"press on the ring", [](GlyphEditor& e) { e.Press(MouseButton::Left, 12, 12); }, 0},
      {"press painting a dot", [](GlyphEditor& e) { e.Press(MouseButton::Left, 27, 24); }, 1},
      {"number of a blank glyph", [](GlyphEditor& e) { e.ChooseNumber(1); }, 0},
      {"number of a drawn glyph", [](GlyphEditor& e) { e.ChooseNumber(5); }, 1},
      {"clear of a blank glyph", [](GlyphEditor& e) { e.ClearBuffer(); }, 0},
      {"clear of a drawn glyph", [&](GlyphEditor& e) {
         state.glyph.glyph_index = 5;
         e.Open();
         e.ClearBuffer();
       }, 1},
      {"read from the unit", [&](GlyphEditor& e) {
         e.Read();
         link.OnSerialBytes("00FBMMA365" + drawn + "\r\n");
       }, 0},
  };
  for (const Case& c : cases) {
    ResetToDefaults(state);
    state.glyph.glyph_index = 0;
    state.glyph.glyph_edited = 0;
    state.image.glyphStore(GlyphClass::Medium)[5] = drawn;
    GlyphEditor editor = Editor(GlyphClass::Medium);
    c.act(editor);
    for (GlyphClass any : kAllGlyphClasses)
      EXPECT_EQ(state.glyph.listFile(any).unsaved, any == GlyphClass::Medium ? c.unsaved : 0) << c.name;
  }
}

TEST_F(GlyphEditorTest, ReadsAskForTheNumberOrTheSample) {
  GlyphEditor editor = Editor(GlyphClass::Large);
  editor.SetSampleText("A");
  EXPECT_TRUE(editor.ReadSample());
  link.OnSerialBytes("02FBML2121" + std::string(576, '8') + "\r\n");
  EXPECT_TRUE(editor.DotAt(0, 0));
  EXPECT_EQ(Slot(GlyphClass::Large, 0), std::string(576, '8'));
  editor.SetSampleText("\x88\x9F");
  EXPECT_TRUE(editor.ReadSample());
  editor.Close();
  EXPECT_EQ(state.glyph.glyph_read_pending, 0);
  editor.ChooseNumber(69);
  EXPECT_TRUE(editor.Read());
  EXPECT_EQ(serial.lines, (std::vector<std::string>{"02RFBML2121\r\n", "02RFBML3021\r\n", "02RFBMLA44C\r\n"}));
}

}  // namespace
}  // namespace vtg
