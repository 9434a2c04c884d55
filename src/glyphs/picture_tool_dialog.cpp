#include "glyphs/picture_tool_dialog.h"

#include <QLabel>

#include "glyphs/glyph_raster_qt.h"
#include "ui/control_id.h"

namespace vtg {
namespace {

constexpr int kInvertCheck = 1350;

}  // namespace

PictureToolDialog::PictureToolDialog(GlyphClass c, std::string base, QImage picture, const QString& name,
                                     QWidget* parent)
    : GlyphToolDialog(c, std::move(base), QStringLiteral("画像から作成"), parent), picture_(std::move(picture)) {
  AddRow(QStringLiteral("画像"),
         new QLabel(QStringLiteral("%1（%2×%3）").arg(name).arg(picture_.width()).arg(picture_.height()), this));
  invert_ = ui::WithId(kInvertCheck, new QCheckBox(QStringLiteral("明るい画素をドットにする（黒地に白の画像）"), this));
  AddRow(QStringLiteral("反転"), invert_);
  connect(invert_, &QCheckBox::toggled, this, [this] { Refresh(); });
  Refresh();
}

std::string PictureToolDialog::Result() const {
  return ui::GlyphFromPicture(glyph_class(), base(), picture_, {threshold(), invert_->isChecked()});
}

}  // namespace vtg
