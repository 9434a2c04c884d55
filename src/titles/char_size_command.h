#pragma once
// The character size of each title page: "CFS" for one page or for a whole line.
#include <string>

#include "link/link.h"
#include "settings/settings_image.h"

namespace vtg {

// "CFS" + line + page + "L"/"M"/"S".
std::string CharSizeCommand(const SettingsImage& image, int line, int page);
// "CFS" + line + 64 letters "L"/"M"/"S".
std::string CharSizeAllCommand(const SettingsImage& image, int line);
void SendCharSizeAll(Link& link, const SettingsImage& image, int line);

}  // namespace vtg
