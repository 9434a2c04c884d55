#include "shell/registered_dialogs.h"

#include "link/link_dialogs.h"
#include "shell/document_and_run_commands.h"

namespace vtg::shell {

void RegisterDialogs(ui::DialogRegistry& registry) {
  RegisterLinkDialogs(registry);
  RegisterDocumentAndRunCommands(registry);
}

}  // namespace vtg::shell
