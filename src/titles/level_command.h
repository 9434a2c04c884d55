#pragma once
// How the unit draws its characters: white and edge level, and each line's fine position.
#include <string>

#include "link/link.h"
#include "settings/settings_image.h"

namespace vtg {

// "CWL" + one digit.
std::string WhiteLevelCommand(const SettingsImage& image);
// "CEL" + one digit.
std::string EdgeLevelCommand(const SettingsImage& image);
// "CTDPO" + line + two digits.
std::string DisplayPositionCommand(const SettingsImage& image, int line);
void SendWhiteLevel(Link& link, const SettingsImage& image);
void SendEdgeLevel(Link& link, const SettingsImage& image);
void SendDisplayPosition(Link& link, const SettingsImage& image, int line);

}  // namespace vtg
