#pragma once
// The unit's network settings on the command line: the lines net-set sends, and the
// values net-read prints, named as net-set takes them.
#include <string>
#include <vector>

#include "cli/ctl_options.h"
#include "settings/settings_image.h"

namespace vtg::cli {

// The commands for the settings asked for, in the order of the network dialog.
std::vector<std::string> NetSetLines(const NetSettings& net);

// One "name value" line for each of the nine reads, in their order.
std::string NetworkValuesText(const SettingsImage& image);

}  // namespace vtg::cli
