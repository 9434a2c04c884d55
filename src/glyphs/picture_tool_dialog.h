#pragma once
// "画像から作成": a drawing from a picture file, fitted to the class, dark pixels as dots
// (or light ones, for light-on-dark pictures).
#include <QCheckBox>
#include <QImage>

#include "glyphs/glyph_tool_dialog.h"

namespace vtg {

class PictureToolDialog : public GlyphToolDialog {
  Q_OBJECT
 public:
  // `base` is the drawing now; `name` the picture's file name, shown with its size.
  PictureToolDialog(GlyphClass c, std::string base, QImage picture, const QString& name, QWidget* parent);

  std::string Result() const override;

 private:
  QImage picture_;
  QCheckBox* invert_;
};

}  // namespace vtg
