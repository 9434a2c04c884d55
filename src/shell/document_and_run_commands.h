#pragma once
// The File menu's document commands, the exit question's save, the whole-unit runs, the
// verify and the version box.
#include "ui/dialog_registry.h"

namespace vtg::shell {

void RegisterDocumentAndRunCommands(ui::DialogRegistry& registry);

}  // namespace vtg::shell
