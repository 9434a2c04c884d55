#include "link/link_dialogs.h"

#include "link/com_port_dialog.h"
#include "link/link_choice_dialog.h"
#include "link/unit_network_dialog.h"
#include "shell/menu_table.h"

namespace vtg {

namespace {

template <const LinkChoice& kChoice>
void OpenChoice(ui::AppContext& app, QWidget* owner) {
  LinkChoiceDialog dialog(app, kChoice, owner);
  dialog.exec();
}

}  // namespace

void RegisterLinkDialogs(ui::DialogRegistry& registry) {
  registry.Register(kCmdInterface, OpenChoice<kInterfaceChoice>);
  registry.Register(kCmdRs232c, ui::OpenModal<ComPortDialog>);
  registry.Register(kCmdClientServer, OpenChoice<kRoleChoice>);
  registry.Register(kCmdProtocol, ui::OpenModal<UnitNetworkDialog>);
}

}  // namespace vtg
