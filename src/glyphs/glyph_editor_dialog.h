#pragma once
// "外字登録": draws one glyph of a class dot by dot, registers it, reads it back or starts it
// from one of the unit's own characters; its tools transform the drawing, make it from a
// font or a picture, undo and redo, and save it as a picture.
#include <QPushButton>

#include "glyphs/glyph_editor.h"
#include "glyphs/glyph_grid.h"
#include "ui/qt_file_dialogs.h"
#include "ui/settings_dialog.h"

namespace vtg {

class GlyphEditorDialog : public ui::SettingsDialog {
  Q_OBJECT
 public:
  // Opens on glyph glyph_index of the class. `file_dialogs` null: the platform's file dialogs.
  GlyphEditorDialog(ui::AppContext& app, GlyphClass c, QWidget* parent, FileDialogs* file_dialogs = nullptr);

 protected:
  void done(int result) override;
  // A press beside the grid starts a drag as well, which paints once it reaches the grid.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QWidget* NumberGroup(GlyphClass c);
  QWidget* SampleGroup();
  QWidget* ToolGroup();
  void FromCharacter();
  void FromPicture();
  // After any change of the drawing: the grid, and what undo and redo can do.
  void Refresh();

  GlyphEditor editor_;
  ui::QtFileDialogs platform_file_dialogs_;
  FileDialogs& file_dialogs_;
  ui::GlyphGrid* grid_;
  QPushButton* undo_ = nullptr;
  QPushButton* redo_ = nullptr;
};

}  // namespace vtg
