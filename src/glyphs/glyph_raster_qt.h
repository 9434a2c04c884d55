#pragma once
// Glyphs from the system's fonts and from picture files: Qt draws the character or reads
// and scales the picture into a grey raster, the core places and thresholds it. Qt Gui
// only, so that vtg7300ctl makes glyphs without widgets and without a display.
#include <QImage>
#include <QString>
#include <string>
#include <string_view>
#include <variant>

#include "glyphs/glyph_raster.h"

namespace vtg::ui {

struct CharacterStyle {
  QString family;
  int weight = 400;  // 100 thin .. 900 black
  int size = 0;      // the font's size in dots; 0: the dots inside the ring
  int dx = 0;        // the centred character moved by this many dots
  int dy = 0;
  int threshold = 128;
};

// The font for a new glyph: a Japanese one, Noto Sans CJK JP where it is installed.
QString DefaultCharacterFamily();

// `base` with the character, cut to the bounding box of its ink, centred on the dots
// inside the ring.
std::string GlyphFromCharacter(GlyphClass c, std::string_view base, const QString& character,
                               const CharacterStyle& style);

// Pictures wider or higher than this are refused before they are read.
inline constexpr int kMaxPictureSide = 4096;

// The picture (PNG, BMP, JPEG and whatever else Qt reads), or what to tell the operator.
std::variant<QImage, std::string> ReadPicture(const QString& path);

// `base` with the picture fitted to the class; transparent parts are paper.
std::string GlyphFromPicture(GlyphClass c, std::string_view base, const QImage& picture, InkRule rule);

}  // namespace vtg::ui
