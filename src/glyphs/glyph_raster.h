#pragma once
// Dots from a grey picture: where the picture lands in a glyph and which of its pixels are
// ink. The window and vtg7300ctl draw a character or read a picture file into a GreyRaster;
// placing and thresholding are decided here, the same for both.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "glyphs/glyph_class.h"

namespace vtg {

struct GreyRaster {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> greys;  // rows from the top, 0 black to 255 white
};

// Where a raster goes on the glyph, one pixel a dot: its top-left pixel on dot (x, y), and
// the size in dots a picture is scaled to first.
struct RasterPlace {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const RasterPlace&) const = default;
};

struct InkRule {
  int threshold = 128;        // a pixel darker than this is ink
  bool light_is_ink = false;  // for light-on-dark pictures, such as the glyph list's own BMP
};

// A raster of width x height pixels centred on the dots inside the ring, then moved by
// (dx, dy) dots; what falls outside is cut off.
RasterPlace CentredPlace(GlyphClass c, int width, int height, int dx = 0, int dy = 0);

// The size a picture is scaled to and where it lands. A picture of the glyph's own size, or
// a whole multiple of it (the glyph list's BMP at two pixels a dot), is taken dot for dot;
// any other is scaled to fit inside the ring, its aspect kept, and centred.
RasterPlace FitPicture(GlyphClass c, int width, int height);

// The first D digits of `base` with each dot inside the ring set where the raster, its
// top-left pixel on dot (place.x, place.y), has ink and cleared elsewhere; the ring stays
// as in `base`.
std::string GlyphFromRaster(GlyphClass c, std::string_view base, const GreyRaster& raster, RasterPlace place,
                            InkRule rule);

}  // namespace vtg
