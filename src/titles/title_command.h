#pragma once
// The title of one page as the unit takes it: "CT"/"CN" + line + page + 28 unit codes.
#include <optional>
#include <string>
#include <string_view>

#include "link/link.h"
#include "link/messages.h"
#include "settings/settings_image.h"

namespace vtg {

// "CT": the unit keeps the title in its memory; "CN": it only shows it.
enum class TitleMemory { Store, NotStore };

// The title padded with full-width spaces to 56 bytes; none when its length is odd or
// above 56.
std::optional<std::string> PadTitleText(std::string_view title);

// The 112 hex digits (28 unit codes) a title is sent as; none when it cannot be padded or
// holds a character the unit cannot show.
std::optional<std::string> TitleDigits(std::string_view title);

// The 121-character title command of one page; none when the title cannot be padded or
// holds a character the unit cannot show.
std::optional<std::string> TitleCommand(const SettingsImage& image, int title_index, TitleMemory memory);

// Sends the title of one page. When it cannot be sent, tells the operator (text::kNotJis),
// sends nothing and returns false.
bool SendTitleText(Link& link, Messages& messages, const SettingsImage& image, int title_index, TitleMemory memory);

}  // namespace vtg
