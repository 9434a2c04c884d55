#pragma once
// A settings document as text for a person: the unit-wide and per-line settings, then one
// line per page with its display flag, character size, auto-switching time and title.
#include <string>

#include "settings/settings_image.h"
#include "titles/readable_title.h"

namespace vtg::cli {

// External characters in a title show as "[外字N]" with their glyph number.
std::string DocumentText(const SettingsImage& image, const ShiftJisDecoder& decode);

}  // namespace vtg::cli
