#include "glyphs/glyph_raster.h"

#include <algorithm>
#include <cmath>

#include "glyphs/glyph_text.h"

namespace vtg {
namespace {

int InsideSide(GlyphClass c) { return Info(c).width - 2; }

}  // namespace

RasterPlace CentredPlace(GlyphClass c, int width, int height, int dx, int dy) {
  const int side = InsideSide(c);
  // An odd difference leaves the extra dot on the right and at the bottom, whichever its sign.
  return {1 + static_cast<int>(std::floor((side - width) / 2.0)) + dx,
          1 + static_cast<int>(std::floor((side - height) / 2.0)) + dy, width, height};
}

RasterPlace FitPicture(GlyphClass c, int width, int height) {
  const int w = Info(c).width;
  if (width <= 0 || height <= 0) return CentredPlace(c, 0, 0);
  if (width == height && width % w == 0) return {0, 0, w, w};
  const int side = InsideSide(c);
  const double scale = std::min(static_cast<double>(side) / width, static_cast<double>(side) / height);
  const int fitted_w = std::clamp(static_cast<int>(std::lround(width * scale)), 1, side);
  const int fitted_h = std::clamp(static_cast<int>(std::lround(height * scale)), 1, side);
  return CentredPlace(c, fitted_w, fitted_h);
}

std::string GlyphFromRaster(GlyphClass c, std::string_view base, const GreyRaster& raster, RasterPlace place,
                            InkRule rule) {
  const auto pixels = static_cast<std::size_t>(raster.width) * static_cast<std::size_t>(raster.height);
  const bool whole = raster.width > 0 && raster.height > 0 && raster.greys.size() >= pixels;
  return WithInsideDots(c, base, [&](int x, int y) {
    const int px = x - place.x;
    const int py = y - place.y;
    if (!whole || px < 0 || py < 0 || px >= raster.width || py >= raster.height) return false;
    const int grey = raster.greys[static_cast<std::size_t>(py) * static_cast<std::size_t>(raster.width) +
                                  static_cast<std::size_t>(px)];
    return (grey < rule.threshold) != rule.light_is_ink;
  });
}

}  // namespace vtg
