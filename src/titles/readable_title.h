#pragma once
// A title as text a person reads: its Shift-JIS characters through a decoder the caller
// supplies (the code page lives on the platform side), the unit's glyphs by their number.
#include <functional>
#include <string>
#include <string_view>

namespace vtg {

// Turns Shift-JIS bytes into UTF-8.
using ShiftJisDecoder = std::function<std::string(std::string_view)>;

// External characters show as "[外字N]" with their glyph number, other pairs below the first
// lead byte as "[XXXX]".
std::string ReadableTitle(std::string_view title, const ShiftJisDecoder& decode);

}  // namespace vtg
