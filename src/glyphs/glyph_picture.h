#pragma once
// A small RGB picture: a glyph box as the list shows it, handed over for export.
#include <cstdint>
#include <string_view>
#include <vector>

#include "glyphs/glyph_class.h"

namespace vtg {

struct Rgb {
  std::uint8_t red, green, blue;
  bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};

class Picture {
 public:
  // A glyph box is about a hundred pixels a side; sizes outside 1..kMaxSide are brought in.
  static constexpr int kMaxSide = 4096;

  Picture(int width, int height, Rgb fill = kBlack);
  int width() const { return width_; }
  int height() const { return height_; }
  // Pixels outside the picture read as black and are not written.
  Rgb At(int x, int y) const;
  void Set(int x, int y, Rgb colour);

 private:
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  int width_;
  int height_;
  std::vector<Rgb> pixels_;  // top row first
};

// The glyph the way the list draws it: 2 x 2 pixels a dot, white when set, black when clear.
Picture RenderGlyph(GlyphClass c, std::string_view text);

}  // namespace vtg
