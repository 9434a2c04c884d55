#pragma once
// The two shapes of the per-page settings commands: one page, or all 64 pages of a line.
#include <array>
#include <string>
#include <string_view>

#include "settings/settings_image.h"

namespace vtg {

using PageValues = std::array<int, kTitles>;
using PageValueField = std::string (*)(int value);

// head + line + page + the page's field + CR LF, as in "AST01T0105".
std::string OnePageCommand(std::string_view head, int line, int page, const PageValues& values, PageValueField field);

// head + line + the fields of pages 01..64 + CR LF, as in "CTD02BNN…F".
std::string AllPagesCommand(std::string_view head, int line, const PageValues& values, PageValueField field);

}  // namespace vtg
