#pragma once
// What verify, diff and glyph-verify print: one difference a line for scripts, and how many
// there were among the controller's messages.
#include <ostream>
#include <vector>

#include "link/messages.h"
#include "settings/setting_comparison.h"

namespace vtg::cli {

// Each difference as "ITEM<tab>DOCUMENT<tab>UNIT"; then "all equal" or "N differences" as a
// message. The exit status: kExitOk when there are none, kExitUnitFailed otherwise.
int ReportDifferences(const std::vector<Difference>& found, std::ostream& out, Messages& messages);

}  // namespace vtg::cli
