#include "glyphs/glyph_raster_qt.h"

#include <QFontDatabase>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace vtg::ui {
namespace {

constexpr std::string_view kPictureUnreadable = "画像ファイルを読めません";

GreyRaster GreysOf(const QImage& image) {
  const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
  GreyRaster raster{grey.width(), grey.height(), {}};
  raster.greys.reserve(static_cast<std::size_t>(grey.width()) * static_cast<std::size_t>(grey.height()));
  for (int y = 0; y < grey.height(); ++y) {
    const uchar* row = grey.constScanLine(y);
    raster.greys.insert(raster.greys.end(), row, row + grey.width());
  }
  return raster;
}

// The character drawn in its font, cut to the bounding box of its ink.
GreyRaster CharacterRaster(const QString& character, const CharacterStyle& style, GlyphClass c) {
  QFont font(style.family);
  font.setPixelSize(style.size > 0 ? style.size : Info(c).width - 2);
  font.setWeight(static_cast<QFont::Weight>(style.weight));
  font.setHintingPreference(QFont::PreferNoHinting);
  QPainterPath path;
  path.addText(0, 0, font, character);
  const QRectF ink = path.boundingRect();
  if (ink.isEmpty()) return {};
  QImage image(static_cast<int>(std::ceil(ink.width())), static_cast<int>(std::ceil(ink.height())),
               QImage::Format_Grayscale8);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(-ink.topLeft());
  painter.fillPath(path, Qt::black);
  painter.end();
  return GreysOf(image);
}

}  // namespace

QString DefaultCharacterFamily() {
  const QString preferred = QStringLiteral("Noto Sans CJK JP");
  if (QFontDatabase::hasFamily(preferred)) return preferred;
  const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
  return japanese.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family() : japanese.front();
}

std::string GlyphFromCharacter(GlyphClass c, std::string_view base, const QString& character,
                               const CharacterStyle& style) {
  const GreyRaster raster = CharacterRaster(character, style, c);
  return GlyphFromRaster(c, base, raster, CentredPlace(c, raster.width, raster.height, style.dx, style.dy),
                         {style.threshold, false});
}

std::variant<QImage, std::string> ReadPicture(const QString& path) {
  QImageReader reader(path);
  reader.setAutoTransform(true);
  const QSize size = reader.size();
  if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)
    return "画像が大きすぎます（縦横" + std::to_string(kMaxPictureSide) + "ピクセルまで）";
  QImage picture = reader.read();
  if (picture.isNull() || picture.width() > kMaxPictureSide || picture.height() > kMaxPictureSide)
    return std::string(kPictureUnreadable);
  return picture;
}

std::string GlyphFromPicture(GlyphClass c, std::string_view base, const QImage& picture, InkRule rule) {
  const RasterPlace place = FitPicture(c, picture.width(), picture.height());
  if (place.width <= 0 || place.height <= 0) return GlyphFromRaster(c, base, {}, place, rule);
  // Averaging over the pixels of each dot keeps thin lines of a large picture.
  const QImage scaled = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                            .scaled(place.width, place.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QImage paper(scaled.size(), QImage::Format_RGB32);
  paper.fill(rule.light_is_ink ? Qt::black : Qt::white);
  QPainter(&paper).drawImage(0, 0, scaled);
  return GlyphFromRaster(c, base, GreysOf(paper), place, rule);
}

}  // namespace vtg::ui
