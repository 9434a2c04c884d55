#include "shell/registered_dialogs.h"

namespace vtg::shell {

void RegisterDialogs(ui::DialogRegistry& registry) { (void)registry; }

}  // namespace vtg::shell
