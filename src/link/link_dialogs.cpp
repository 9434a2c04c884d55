#include "link/link_dialogs.h"

#include <QPointer>
#include <memory>

#include "link/com_port_dialog.h"
#include "link/link_choice_dialog.h"
#include "link/tcp_client_dialog.h"
#include "link/tcp_server_dialog.h"
#include "link/traffic_log_window.h"
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
  // One log window, kept from one opening to the next; it goes with the main window.
  auto log_window = std::make_shared<QPointer<TrafficLogWindow>>();
  registry.Register(kCmdTrafficLog, [log_window](ui::AppContext& app, QWidget* owner) {
    if (!app.traffic_log || !owner) return;
    if (!*log_window) {
      auto* window = new TrafficLogWindow(*app.traffic_log);
      *log_window = window;
      QObject::connect(owner, &QObject::destroyed, window, [window] { delete window; });
    }
    (*log_window)->show();
    (*log_window)->raise();
    (*log_window)->activateWindow();
  });
}

}  // namespace vtg
