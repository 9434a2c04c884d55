#pragma once
// A settings document as text for a person: the unit-wide and per-line settings, then one
// line per page with its display flag, character size, auto-switching time and title.
#include <functional>
#include <string>
#include <string_view>

#include "settings/settings_image.h"

namespace vtg::cli {

// Turns Shift-JIS bytes into UTF-8.
using ShiftJisDecoder = std::function<std::string(std::string_view)>;

// External characters in a title show as "[外字N]" with their glyph number.
std::string DocumentText(const SettingsImage& image, const ShiftJisDecoder& decode);

}  // namespace vtg::cli
