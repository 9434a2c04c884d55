#pragma once
// Whether each title page is shown: "CTD" for one page or for a whole line.
#include <string>

#include "link/link.h"
#include "settings/settings_image.h"

namespace vtg {

// "CTD" + line + page + "ON"/"OF".
std::string TitleDisplayCommand(const SettingsImage& image, int line, int page);
// "CTD" + line + 64 letters "N"/"F".
std::string TitleDisplayAllCommand(const SettingsImage& image, int line);
void SendTitleDisplayAll(Link& link, const SettingsImage& image, int line);

}  // namespace vtg
