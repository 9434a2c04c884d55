#pragma once
// The settings document: every title and display setting as 1042 text lines, one value
// or one title (raw Shift-JIS bytes, "s" when empty) per line, each ending in CR LF.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "settings/settings_image.h"

namespace vtg {

inline constexpr int kDocumentLines = 1042;
// Far above the largest document (about 20 KB); anything bigger is not one.
inline constexpr std::size_t kMaxDocumentBytes = 64 * 1024;

struct DocumentFault {
  std::string message;  // for the operator, naming the line or the page at fault
};

// The document text of the persisted settings. A title whose bytes cannot stand on one
// line (a glyph pair holding 0x0A or 0x00) or that is longer than a slot is a fault
// naming its line and page: nothing is written rather than a document that reads back
// differently.
std::variant<std::string, DocumentFault> FormatDocument(const SettingsImage& image);

// Reads a document with CR LF or LF line ends, as decided by its first line. Every line
// is checked before any value is taken: on a fault `image` is left exactly as it was.
std::optional<DocumentFault> ParseDocument(std::string_view bytes, SettingsImage& image);

}  // namespace vtg
