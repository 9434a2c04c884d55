#pragma once
// "外字挿入": has the unit place one of its glyphs into one of its titles. The size class only
// limits the glyph numbers and positions offered; the command carries none.
#include <QComboBox>

#include "titles/title_dialog_choices.h"
#include "ui/settings_dialog.h"

namespace vtg {

class GlyphInsertDialog : public ui::SettingsDialog {
  Q_OBJECT
 public:
  GlyphInsertDialog(ui::AppContext& app, TitleDialogChoices& choices, QWidget* parent);

 private:
  // The glyph and position lists offer what the size class allows and show the choices.
  void ShowClass();

  TitleDialogChoices& choices_;
  QComboBox* size_;
  QComboBox* glyphs_;
  QComboBox* positions_;
};

}  // namespace vtg
