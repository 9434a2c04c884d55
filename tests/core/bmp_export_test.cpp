#include "glyphs/bmp_export.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "glyphs/glyph_text.h"
#include "scratch_folder.h"
#include "wired_controller.h"

namespace vtg {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::Shown;

std::uint32_t LittleEndian(const std::string& bytes, std::size_t at, int size) {
  std::uint32_t v = 0;
  for (int i = size - 1; i >= 0; --i) v = v << 8 | static_cast<std::uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
  return v;
}

TEST(BmpExport, HeaderAsTabledAndRowsPaddedToFourBytes) {
  struct Case { int width, height; std::uint32_t row_bytes; } cases[] = {{83, 3, 252}, {84, 3, 252}, {96, 96, 288}, {1, 1, 4}};
  for (const auto& c : cases) {
    const std::string bytes = BmpFileBytes(Picture(c.width, c.height, kWhite));
    ASSERT_EQ(bytes.size(), 54 + c.row_bytes * static_cast<std::uint32_t>(c.height)) << c.width;
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    struct Field { std::size_t at; int size; std::uint32_t value; } fields[] = {
        {2, 4, static_cast<std::uint32_t>(bytes.size())}, {6, 4, 0}, {10, 4, 54}, {14, 4, 40},
        {18, 4, static_cast<std::uint32_t>(c.width)}, {22, 4, static_cast<std::uint32_t>(c.height)},
        {26, 2, 1}, {28, 2, 24}, {30, 4, 0}, {34, 4, 0}, {38, 4, 0}, {42, 4, 0}, {46, 4, 0}, {50, 4, 0}};
    for (const auto& f : fields) EXPECT_EQ(LittleEndian(bytes, f.at, f.size), f.value) << c.width << " at " << f.at;
    // White pixels, then zero padding up to the row size.
    const std::size_t pixel_bytes = 3 * static_cast<std::size_t>(c.width);
    EXPECT_EQ(bytes.substr(54, pixel_bytes), std::string(pixel_bytes, '\xFF'));
    EXPECT_EQ(bytes.substr(54 + pixel_bytes, c.row_bytes - pixel_bytes), std::string(c.row_bytes - pixel_bytes, '\0'));
  }
}

TEST(BmpExport, RowsGoBottomUpInBlueGreenRed) {
  Picture picture(2, 2);
  picture.Set(0, 0, {255, 0, 0});
  picture.Set(1, 1, {0, 0, 255});
  const std::string bytes = BmpFileBytes(picture);
  EXPECT_EQ(bytes.substr(54, 8), std::string("\0\0\0\xFF\0\0\0\0", 8));  // bottom row first
  EXPECT_EQ(bytes.substr(62, 8), std::string("\0\0\xFF\0\0\0\0\0", 8));
}

TEST(BmpExport, GlyphIsRenderedTwoByTwoPixelsADot) {
  std::string text = BlankGlyph(GlyphClass::Large);
  SetDot(text, GlyphClass::Large, 0, 0);
  SetDot(text, GlyphClass::Large, 47, 47);
  const Picture picture = RenderGlyph(GlyphClass::Large, text);
  ASSERT_EQ(picture.width(), 96);
  ASSERT_EQ(picture.height(), 96);
  struct Case { int x, y; Rgb colour; } cases[] = {
      {0, 0, kWhite}, {1, 1, kWhite}, {2, 0, kBlack}, {0, 2, kBlack}, {94, 94, kWhite}, {95, 95, kWhite}, {93, 95, kBlack}};
  for (const auto& c : cases) EXPECT_EQ(picture.At(c.x, c.y), c.colour) << c.x << "," << c.y;
  EXPECT_EQ(RenderGlyph(GlyphClass::Small, BlankGlyph(GlyphClass::Small)).width(), 48);
}

class BmpFiles : public ::testing::Test, public testing::WiredController {
 protected:
  bool Export(std::optional<std::string> name) {
    dialogs.choice = name ? std::optional(scratch / *name) : std::nullopt;
    return ExportGlyphBmp(state, messages, dialogs, GlyphClass::Medium, 4, picture);
  }

  testing::ScratchFolder scratch;
  const fs::path& dir = scratch.path();
  Picture picture{70, 80, kWhite};
};

TEST_F(BmpFiles, ExportWritesTheChosenFileUnlessCancelledOrReading) {
  ASSERT_TRUE(Export("kept"));
  const std::string earlier = BmpFileBytes(picture);
  EXPECT_EQ(ReadFile(dir / "kept.bmp"), earlier);
  picture = Picture(10, 10);
  EXPECT_FALSE(Export(std::nullopt));
  state.glyph.glyph_read_pending = 1;
  EXPECT_FALSE(Export("kept.bmp"));
  EXPECT_EQ(dialogs.requests.size(), 2u);
  EXPECT_EQ(ReadFile(dir / "kept.bmp"), earlier);
  EXPECT_TRUE(messages.shown.empty());
  state.glyph.glyph_read_pending = 0;
  EXPECT_FALSE(Export("missing/x.bmp"));
  EXPECT_EQ(messages.shown, (std::vector<Shown>{{Box::Stop, "Can't file open"}}));
}

}  // namespace
}  // namespace vtg
