#pragma once
// The device link's dialogs on the main window's menu.
#include "ui/dialog_registry.h"

namespace vtg {

void RegisterLinkDialogs(ui::DialogRegistry& registry);

}  // namespace vtg
