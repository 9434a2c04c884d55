#pragma once
// Saving a glyph box as a 24-bit Windows bitmap, and the editor's drawing as a picture.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "settings/file_dialogs.h"
#include "glyphs/glyph_class.h"
#include "glyphs/glyph_picture.h"
#include "settings/replace_file.h"
#include "link/messages.h"
#include "settings/controller_state.h"

namespace vtg {

// 54 bytes of headers, then the rows bottom-up in blue, green, red, each padded with zero
// bytes to a multiple of four.
std::string BmpFileBytes(const Picture& picture);
std::optional<std::string> SaveBmp(const std::string& path, const Picture& picture);

// "大文字外字登録番号07をbmpファイルで保存" and "gl07.bmp" for LARGE glyph index 6.
std::string BmpSaveTitle(GlyphClass c, int index);
std::string BmpDefaultName(GlyphClass c, int index);

// Asks where to save glyph `index` and writes `picture` (its box as shown) there. Nothing
// while a glyph read is outstanding, nor on cancel; a failed write is reported. True when written.
bool ExportGlyphBmp(const ControllerState& state, Messages& messages, FileDialogs& dialogs, GlyphClass c, int index,
                    const Picture& picture);

// The bytes of a PNG file of the picture (the platform's image writer), none when it failed.
using PngEncoder = std::function<std::optional<std::string>(const Picture&)>;

// Asks where to save the drawing of glyph `index` and writes it as the glyph list draws it,
// two pixels a dot: a BMP when the name ends in ".bmp", a PNG otherwise (".png" is added to
// a name that ends in neither). A failed write is reported; true when written.
bool ExportDrawing(Messages& messages, FileDialogs& dialogs, GlyphClass c, int index, std::string_view drawing,
                   const PngEncoder& png);

}  // namespace vtg
