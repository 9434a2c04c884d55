#include "glyphs/glyph_picture.h"

#include <algorithm>

#include "glyphs/glyph_text.h"

namespace vtg {

Picture::Picture(int width, int height, Rgb fill)
    : width_(std::clamp(width, 1, kMaxSide)),
      height_(std::clamp(height, 1, kMaxSide)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

Rgb Picture::At(int x, int y) const {
  return Inside(x, y) ? pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)]
                      : kBlack;
}

void Picture::Set(int x, int y, Rgb colour) {
  if (Inside(x, y))
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = colour;
}

Picture RenderGlyph(GlyphClass c, std::string_view text) {
  const int w = Info(c).width;
  Picture picture(2 * w, 2 * w);
  for (int y = 0; y < w; ++y)
    for (int x = 0; x < w; ++x) {
      if (!DotAt(text, c, x, y)) continue;
      for (int k = 0; k < 4; ++k) picture.Set(2 * x + k % 2, 2 * y + k / 2, kWhite);
    }
  return picture;
}

}  // namespace vtg
