#include "glyphs/bmp_export.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>

#include "link/text_helpers.h"

namespace vtg {
namespace {

constexpr std::uint32_t kHeaderBytes = 54;
constexpr FileFilter kBmpFilter{"データ(*.bmp)", "*.bmp"};
constexpr FileFilter kPngFilter{"画像(*.png)", "*.png"};
constexpr std::string_view kBmpExtension = ".bmp";
constexpr std::string_view kPngExtension = ".png";

struct BmpNaming {
  std::string_view size_word;  // in the dialog title
  std::string_view name_head;  // of the default file name
};

constexpr std::array<BmpNaming, 3> kBmpNaming{{{"大文字", "gl"}, {"中文字", "gm"}, {"小文字", "gs"}}};

bool EndsWithNoCase(std::string_view name, std::string_view tail) {
  return name.size() >= tail.size() &&
         std::ranges::equal(name.substr(name.size() - tail.size()), tail,
                            [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

void PutLittleEndian(std::string& out, std::size_t at, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string SaveTitle(GlyphClass c, int index, std::string_view kind) {
  return std::string(kBmpNaming[static_cast<std::size_t>(c)].size_word) + "外字登録番号" + GlyphNumberText(c, index) +
         "を" + std::string(kind) + "ファイルで保存";
}

std::string DefaultName(GlyphClass c, int index, std::string_view extension) {
  return std::string(kBmpNaming[static_cast<std::size_t>(c)].name_head) + GlyphNumberText(c, index) +
         std::string(extension);
}

}  // namespace

std::string BmpFileBytes(const Picture& picture) {
  const auto w = static_cast<std::uint32_t>(picture.width());
  const auto h = static_cast<std::uint32_t>(picture.height());
  const std::uint32_t row_bytes = (3 * w + 3) / 4 * 4;
  std::string bytes(kHeaderBytes + row_bytes * h, '\0');
  bytes[0] = 'B';
  bytes[1] = 'M';
  PutLittleEndian(bytes, 2, static_cast<std::uint32_t>(bytes.size()), 4);
  PutLittleEndian(bytes, 10, kHeaderBytes, 4);
  PutLittleEndian(bytes, 14, 40, 4);
  PutLittleEndian(bytes, 18, w, 4);
  PutLittleEndian(bytes, 22, h, 4);  // positive: bottom row first
  PutLittleEndian(bytes, 26, 1, 2);
  PutLittleEndian(bytes, 28, 24, 2);
  // Compression, image size, resolutions and colour counts stay 0.
  for (std::uint32_t row = 0; row < h; ++row) {
    std::size_t at = kHeaderBytes + row * row_bytes;
    const int y = static_cast<int>(h - 1 - row);
    for (int x = 0; x < static_cast<int>(w); ++x) {
      const Rgb pixel = picture.At(x, y);
      bytes[at++] = static_cast<char>(pixel.blue);
      bytes[at++] = static_cast<char>(pixel.green);
      bytes[at++] = static_cast<char>(pixel.red);
    }
  }
  return bytes;
}

std::optional<std::string> SaveBmp(const std::string& path, const Picture& picture) { return ReplaceFile(path, BmpFileBytes(picture)); }

std::string BmpSaveTitle(GlyphClass c, int index) { return SaveTitle(c, index, "bmp"); }

std::string BmpDefaultName(GlyphClass c, int index) { return DefaultName(c, index, kBmpExtension); }

bool ExportGlyphBmp(const ControllerState& state, Messages& messages, FileDialogs& dialogs, GlyphClass c, int index,
                    const Picture& picture) {
  if (state.glyph.glyph_read_pending) return false;
  const auto path = ChooseSaveName(dialogs, messages, {BmpSaveTitle(c, index), {kBmpFilter, kAllFilesFilter}, BmpDefaultName(c, index)}, kBmpExtension);
  if (!path) return false;
  if (const auto error = SaveBmp(*path, picture)) {
    messages.StopBox(*error);
    return false;
  }
  return true;
}

bool ExportDrawing(Messages& messages, FileDialogs& dialogs, GlyphClass c, int index, std::string_view drawing,
                   const PngEncoder& png) {
  auto path = dialogs.ChooseFileToSave(
      {SaveTitle(c, index, "画像"), {kPngFilter, kBmpFilter}, DefaultName(c, index, kPngExtension)});
  if (path && !EndsWithNoCase(*path, kPngExtension) && !EndsWithNoCase(*path, kBmpExtension))
    path = WithExtension(messages, std::move(*path), kPngExtension);
  if (!path) return false;
  const Picture picture = RenderGlyph(c, drawing);
  const auto bytes = EndsWithNoCase(*path, kBmpExtension) ? std::optional(BmpFileBytes(picture)) : png(picture);
  const auto error = bytes ? ReplaceFile(*path, *bytes) : std::optional(std::string(kCantFileOpen));
  if (error) messages.StopBox(*error);
  return !error;
}

}  // namespace vtg
