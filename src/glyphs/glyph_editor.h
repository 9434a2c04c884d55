#pragma once
// What the glyph editor does with the operator's input; its dialog only draws and forwards.
// It works on ext_glyph_work and keeps slot glyph_index of its class equal to it.
#include <array>
#include <string>
#include <string_view>

#include "glyphs/glyph_class.h"
#include "glyphs/glyph_history.h"
#include "glyphs/glyph_transforms.h"
#include "link/link.h"
#include "link/messages.h"
#include "settings/controller_state.h"

namespace vtg {

struct GlyphEditorLayout {
  int cell_width;  // pixels of one dot
  int cell_height;
  std::string_view caption;  // with a peer, followed by its address text
};

inline constexpr std::array<GlyphEditorLayout, 3> kGlyphEditorLayouts{{
    {10, 8, "外字登録（大文字） "},
    {15, 12, "外字登録（中文字） "},
    {20, 16, "外字登録（小文字） "},
}};
inline constexpr std::string_view kGlyphEditorCaption = "外字登録";
// The grid is 480 x 384 pixels whatever the class; its top-left dot is here in the dialog.
inline constexpr int kGlyphGridOrigin = 12;
inline constexpr int kGlyphGridWidth = 480;
inline constexpr int kGlyphGridHeight = 384;

inline constexpr const GlyphEditorLayout& EditorLayout(GlyphClass c) { return kGlyphEditorLayouts[static_cast<int>(c)]; }

enum class MouseButton { Left, Right };

class GlyphEditor {
 public:
  GlyphEditor(ControllerState& state, Link& link, Messages& messages, GlyphClass c);

  // The dialog opens: the glyph of glyph_index goes into the work buffer.
  void Open();

  // Pointer events in pixels of the dialog. Each returns true when the grid must be drawn
  // again. Left sets, right clears; only the dots inside the outer ring can be painted.
  // From the first press to the last release is one step of the history.
  bool Press(MouseButton button, int px, int py);
  bool Move(int px, int py);
  void Release(MouseButton button);

  // The number combo: the drawing is stored under the new number too.
  void ChooseNumber(int index);
  // "登録"
  void Register();
  // "リード" under the number, and the sample's "リード". True when the read went out.
  bool Read();
  bool ReadSample();
  // The sample box changed; `bytes` is its Shift-JIS text.
  void SetSampleText(std::string_view bytes);
  // "バッファクリア": true when the drawing was cleared; a step of the history.
  bool ClearBuffer();
  void Close();

  // The tools: what a transform, a character or a picture made becomes the drawing, as one
  // step of the history. Nothing is sent; true when the drawing changed.
  bool Apply(const std::string& drawing);
  bool Transform(GlyphTransform transform);
  // The history holds the operator's strokes, tools and clears since the editor opened, the
  // number last changed or a glyph last arrived. True when the drawing changed.
  bool Undo();
  bool Redo();
  bool CanUndo() const { return history_.CanUndo(Drawing()); }
  bool CanRedo() const { return history_.CanRedo(Drawing()); }

  // The D digits being drawn.
  std::string Drawing() const;
  GlyphClass glyph_class() const { return class_; }
  bool DotAt(int x, int y) const;
  // The items of the number combo.
  std::string NumberText(int index) const { return GlyphNumberText(class_, index); }

  static constexpr std::string_view kClearQuestion = "データを保存せずにクリアしますか？";

 private:
  bool Edit(int px, int py, bool set);
  void StoreWork();
  // Shows `drawing`, stores it and marks the glyph edited; true when it differs.
  bool Replace(const std::string& drawing);
  std::string& Slot();

  ControllerState& state_;
  Link& link_;
  Messages& messages_;
  GlyphClass class_;
  bool setting_drag_ = false;
  bool clearing_drag_ = false;
  std::string stroke_before_;  // the drawing when the first button of a stroke went down
  GlyphHistory history_;
};

}  // namespace vtg
