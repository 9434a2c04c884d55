#include "link/link_dialogs.h"

#include "link/com_port_dialog.h"
#include "link/link_choice_dialog.h"
#include "link/tcp_client_dialog.h"
#include "link/tcp_server_dialog.h"
#include "link/unit_network_dialog.h"
#include "shell/menu_table.h"

namespace vtg {

namespace {

template <const LinkChoice& kChoice>
void OpenChoice(ui::AppContext& app, QWidget* owner) {
  LinkChoiceDialog dialog(app, kChoice, owner);
  dialog.exec();
}

// The server settings in the server role, the client settings otherwise.
void OpenTcpIp(ui::AppContext& app, QWidget* owner) {
  if (app.state.link.tcp_role == kServer)
    ui::OpenModal<TcpServerDialog>(app, owner);
  else
    ui::OpenModal<TcpClientDialog>(app, owner);
}

}  // namespace

void RegisterLinkDialogs(ui::DialogRegistry& registry) {
  registry.Register(kCmdInterface, OpenChoice<kInterfaceChoice>);
  registry.Register(kCmdRs232c, ui::OpenModal<ComPortDialog>);
  registry.Register(kCmdClientServer, OpenChoice<kRoleChoice>);
  registry.Register(kCmdTcpIp, OpenTcpIp);
  registry.Register(kCmdProtocol, ui::OpenModal<UnitNetworkDialog>);
}

}  // namespace vtg
