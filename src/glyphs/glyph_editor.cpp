#include "glyphs/glyph_editor.h"

#include "glyphs/glyph_commands.h"
#include "glyphs/glyph_text.h"

namespace vtg {

GlyphEditor::GlyphEditor(ControllerState& state, Link& link, Messages& messages, GlyphClass c)
    : state_(state), link_(link), messages_(messages), class_(c) {}

void GlyphEditor::Open() {
  // The insertion dialog shares glyph_index and may leave a number this class does not have.
  int& index = state_.glyph.glyph_index;
  if (index < 0 || index >= Info(class_).count) index = 0;
  state_.image.ext_glyph_work.replace(0, static_cast<std::size_t>(Info(class_).digits), Slot());
  state_.flags.address_prefix = 1;
}

std::string& GlyphEditor::Slot() {
  return state_.image.glyphStore(class_)[static_cast<std::size_t>(state_.glyph.glyph_index)];
}

std::string GlyphEditor::Drawing() const {
  std::string digits = state_.image.ext_glyph_work.substr(0, static_cast<std::size_t>(Info(class_).digits));
  digits.resize(static_cast<std::size_t>(Info(class_).digits), '0');
  return digits;
}

void GlyphEditor::StoreWork() {
  std::string digits = Drawing();
  if (Slot() == digits) return;
  Slot() = std::move(digits);
  state_.glyph.listFile(class_).unsaved = 1;
}

bool GlyphEditor::Replace(const std::string& drawing) {
  if (drawing == Drawing()) return false;
  state_.image.ext_glyph_work.replace(0, static_cast<std::size_t>(Info(class_).digits), drawing);
  StoreWork();
  state_.glyph.glyph_edited = 1;
  return true;
}

bool GlyphEditor::Edit(int px, int py, bool set) {
  const GlyphEditorLayout& layout = EditorLayout(class_);
  const int x = (px - kGlyphGridOrigin) / layout.cell_width;
  const int y = (py - kGlyphGridOrigin) / layout.cell_height;
  if (!InsideRing(class_, x, y)) return false;
  std::string& work = state_.image.ext_glyph_work;
  const bool changed = set ? SetDot(work, class_, x, y) : ClearDot(work, class_, x, y);
  StoreWork();
  return changed;
}

bool GlyphEditor::Press(MouseButton button, int px, int py) {
  if (!setting_drag_ && !clearing_drag_) stroke_before_ = Drawing();
  state_.glyph.glyph_edited = 1;
  const bool set = button == MouseButton::Left;
  (set ? setting_drag_ : clearing_drag_) = true;
  return Edit(px, py, set);
}

bool GlyphEditor::Move(int px, int py) {
  bool changed = false;
  if (setting_drag_) changed |= Edit(px, py, true);
  if (clearing_drag_) changed |= Edit(px, py, false);
  return changed;
}

void GlyphEditor::Release(MouseButton button) {
  bool& drag = button == MouseButton::Left ? setting_drag_ : clearing_drag_;
  if (!drag) return;
  drag = false;
  if (!setting_drag_ && !clearing_drag_) history_.Record(stroke_before_, Drawing());
}

void GlyphEditor::ChooseNumber(int index) {
  if (index < 0 || index >= Info(class_).count) return;
  state_.glyph.glyph_index = index;
  StoreWork();
  history_.Forget();
}

void GlyphEditor::Register() {
  SendGlyph(link_, class_, state_.glyph.glyph_index + 1, state_.image.ext_glyph_work);
}

bool GlyphEditor::Read() { return ReadGlyph(state_, link_, messages_, class_, state_.glyph.glyph_index); }

bool GlyphEditor::ReadSample() { return ReadSampleGlyph(state_, link_, messages_, class_, state_.glyph.sample_char); }

void GlyphEditor::SetSampleText(std::string_view bytes) {
  state_.glyph.sample_char = bytes.size() >= 2 ? std::string(bytes.substr(0, 2)) : std::string{};
}

bool GlyphEditor::ClearBuffer() {
  if (state_.glyph.glyph_read_pending) return false;
  if (state_.glyph.glyph_edited && !messages_.Ask(Question::NewGlyphList, kClearQuestion)) return false;
  const std::string before = Drawing();
  state_.image.ext_glyph_work = BlankGlyph(class_);
  StoreWork();
  state_.glyph.glyph_edited = 0;
  history_.Record(before, Drawing());
  return true;
}

void GlyphEditor::Close() {
  state_.glyph.glyph_read_pending = 0;
  setting_drag_ = clearing_drag_ = false;
}

bool GlyphEditor::Apply(const std::string& drawing) {
  const std::string before = Drawing();
  if (drawing.size() != before.size() || !Replace(drawing)) return false;
  history_.Record(before, Drawing());
  return true;
}

bool GlyphEditor::Transform(GlyphTransform transform) { return Apply(Transformed(class_, Drawing(), transform)); }

bool GlyphEditor::Undo() {
  const auto drawing = history_.Undo(Drawing());
  return drawing && Replace(*drawing);
}

bool GlyphEditor::Redo() {
  const auto drawing = history_.Redo(Drawing());
  return drawing && Replace(*drawing);
}

bool GlyphEditor::DotAt(int x, int y) const { return vtg::DotAt(state_.image.ext_glyph_work, class_, x, y); }

}  // namespace vtg
