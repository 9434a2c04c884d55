#pragma once
// glyph-from-font and glyph-from-image: a glyph drawn with Qt Gui on its offscreen
// platform, so that they run without a display, like every other command.
#include "cli/ctl_options.h"
#include "link/messages.h"

namespace vtg::cli {

// The exit status: kExitOk, or kExitBadUsage after telling why.
int RunGlyphDrawingCommand(const CtlOptions& options, Messages& messages);

}  // namespace vtg::cli
