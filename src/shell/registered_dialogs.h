#pragma once
// Every dialog the main window's menu can open. Each subsystem adds its own registration here.
#include "ui/dialog_registry.h"

namespace vtg::shell {

void RegisterDialogs(ui::DialogRegistry& registry);

}  // namespace vtg::shell
