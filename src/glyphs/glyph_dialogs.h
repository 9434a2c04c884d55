#pragma once
// The external character dialogs on the main window's menu.
#include "ui/dialog_registry.h"

namespace vtg {

void RegisterGlyphDialogs(ui::DialogRegistry& registry);

}  // namespace vtg
