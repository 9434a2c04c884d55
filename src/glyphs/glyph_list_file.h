#pragma once
// Glyph list files: every glyph of one class, one digit a line with CR LF, glyph 1 first.
// The extension alone tells the class.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/file_dialogs.h"
#include "glyphs/glyph_class.h"
#include "settings/replace_file.h"

namespace vtg {

struct GlyphListFileType {
  std::string_view extension;
  FileFilter filter;
};

inline constexpr std::array<GlyphListFileType, 3> kGlyphListFileTypes{{
    {".tll", {"データ(*.tll)", "*.tll"}},
    {".tlm", {"データ(*.tlm)", "*.tlm"}},
    {".tls", {"データ(*.tls)", "*.tls"}},
}};

inline constexpr const GlyphListFileType& FileType(GlyphClass c) { return kGlyphListFileTypes[static_cast<int>(c)]; }

// 120 960, 122 880 and 110 592 bytes.
inline constexpr std::size_t GlyphListFileSize(GlyphClass c) {
  return static_cast<std::size_t>(Info(c).digits) * static_cast<std::size_t>(Info(c).count) * 3;
}

std::string GlyphListFileText(GlyphClass c, const std::vector<std::string>& store);

// Fills `store` with the first D x N digits of the file, white space between them skipped.
// A file that cannot be read, holds something other than hexadecimal digits before its
// last needed digit, or ends early leaves `store` as it was. Returns an empty text when
// loaded, otherwise what to tell the operator.
std::string LoadGlyphList(const std::string& path, GlyphClass c, std::vector<std::string>& store);

// The reason when the file could not be written, none when it was.
std::optional<std::string> SaveGlyphList(const std::string& path, GlyphClass c, const std::vector<std::string>& store);

}  // namespace vtg
