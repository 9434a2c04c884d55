#include "glyphs/picture_image.h"

#include <QBuffer>

namespace vtg::ui {

QImage ToImage(const Picture& picture) {
  QImage image(picture.width(), picture.height(), QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture.width(); ++x) {
      const Rgb pixel = picture.At(x, y);
      row[x] = qRgb(pixel.red, pixel.green, pixel.blue);
    }
  }
  return image;
}

std::optional<std::string> PngBytes(const Picture& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !ToImage(picture).save(&buffer, "PNG")) return std::nullopt;
  return bytes.toStdString();
}

Picture CaptureWidget(QWidget& widget) {
  QImage image(widget.size(), QImage::Format_RGB32);
  image.fill(widget.palette().window().color());
  widget.render(&image);
  Picture picture(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      picture.Set(x, y, {static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
                         static_cast<std::uint8_t>(qBlue(pixel))});
    }
  return picture;
}

}  // namespace vtg::ui
