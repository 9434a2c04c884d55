#pragma once
// The page each line shows now ("P") and at start-up ("SUS"), or automatic switching.
#include <string>

#include "link/link.h"
#include "settings/settings_image.h"

namespace vtg {

// "P" + line + page or "AS".
std::string PageSwitchCommand(const SettingsImage& image, int line);
// "SUS" + line + page or "AS".
std::string StartupPageCommand(const SettingsImage& image, int line);
void SendPageSwitch(Link& link, const SettingsImage& image, int line);
void SendStartupPage(Link& link, const SettingsImage& image, int line);

}  // namespace vtg
