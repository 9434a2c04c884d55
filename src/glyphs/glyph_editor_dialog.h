#pragma once
// "外字登録": draws one glyph of a class dot by dot, registers it, reads it back or starts it
// from one of the unit's own characters.

#include "glyphs/glyph_editor.h"
#include "glyphs/glyph_grid.h"
#include "ui/settings_dialog.h"

namespace vtg {

class GlyphEditorDialog : public ui::SettingsDialog {
  Q_OBJECT
 public:
  // Opens on glyph glyph_index of the class.
  GlyphEditorDialog(ui::AppContext& app, GlyphClass c, QWidget* parent);

 protected:
  void done(int result) override;
  // A press beside the grid starts a drag as well, which paints once it reaches the grid.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QWidget* NumberGroup(GlyphClass c);
  QWidget* SampleGroup();

  GlyphEditor editor_;
  ui::GlyphGrid* grid_;
};

}  // namespace vtg
