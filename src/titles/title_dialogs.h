#pragma once
// The title and display settings dialogs on the main window's menu.
#include "ui/dialog_registry.h"

namespace vtg {

void RegisterTitleDialogs(ui::DialogRegistry& registry);

}  // namespace vtg
