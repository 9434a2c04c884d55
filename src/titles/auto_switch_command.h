#pragma once
// How long each title page stays while the unit switches pages by itself: "AST".
#include <string>

#include "link/link.h"
#include "settings/settings_image.h"

namespace vtg {

// "AST" + line + page + two-digit seconds.
std::string AutoSwitchCommand(const SettingsImage& image, int line, int page);
// "AST" + line + 64 two-digit seconds.
std::string AutoSwitchAllCommand(const SettingsImage& image, int line);
void SendAutoSwitchAll(Link& link, const SettingsImage& image, int line);

}  // namespace vtg
