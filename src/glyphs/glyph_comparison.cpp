#include "glyphs/glyph_comparison.h"

#include "glyphs/glyph_text.h"

namespace vtg {
namespace {

std::string Dots(int count) { return std::to_string(count) + " ドット"; }

}  // namespace

std::vector<Difference> CompareGlyphStores(GlyphClass c, const std::vector<std::string>& file,
                                           const std::vector<std::string>& unit) {
  std::vector<Difference> found;
  const int w = Info(c).width;
  for (std::size_t g = 0; g < file.size() && g < unit.size(); ++g) {
    int in_file = 0, in_unit = 0, differ = 0;
    for (int y = 0; y < w; ++y) {
      for (int x = 0; x < w; ++x) {
        const bool a = DotAt(file[g], c, x, y), b = DotAt(unit[g], c, x, y);
        in_file += a;
        in_unit += b;
        differ += a != b;
      }
    }
    if (differ > 0)
      found.push_back({"外字 No." + std::to_string(g + 1), Dots(in_file), Dots(in_unit) + "（" + Dots(differ) + "不一致）"});
  }
  return found;
}

}  // namespace vtg
