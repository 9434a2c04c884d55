#pragma once
// "文字から作成": a drawing from one character of an installed font, at the weight, size and
// offset the operator chooses.
#include <QComboBox>
#include <QFontComboBox>
#include <QLineEdit>

#include "glyphs/glyph_raster_qt.h"
#include "glyphs/glyph_tool_dialog.h"

namespace vtg {

class CharacterToolDialog : public GlyphToolDialog {
  Q_OBJECT
 public:
  // `base` is the drawing now; `character` the one to start with (the sample's, or none).
  CharacterToolDialog(GlyphClass c, std::string base, const QString& character, QWidget* parent);

  std::string Result() const override;
  bool Ready() const override;

 private:
  ui::CharacterStyle Style() const;

  QLineEdit* character_;
  QFontComboBox* family_;
  QComboBox* weight_;
  QSpinBox* size_;
  QSpinBox* dx_;
  QSpinBox* dy_;
};

}  // namespace vtg
