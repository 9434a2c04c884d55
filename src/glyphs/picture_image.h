#pragma once
// The core's pictures on the screen, and the screen's pixels as a core picture.
#include <QImage>
#include <QWidget>
#include <optional>
#include <string>

#include "glyphs/glyph_picture.h"

namespace vtg::ui {

QImage ToImage(const Picture& picture);
// The bytes of a PNG file of the picture; none when Qt could not write one.
std::optional<std::string> PngBytes(const Picture& picture);
// The widget's whole area as it draws itself, one pixel per pixel whatever the screen's scale.
Picture CaptureWidget(QWidget& widget);

}  // namespace vtg::ui
