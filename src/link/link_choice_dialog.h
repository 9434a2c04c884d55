#pragma once
// The two small dialogs that choose one of two link settings and write it to the
// configuration file at every change: the interface ("RS-232C"/"TCP/IP") and the TCP/IP
// role ("Client"/"Server"). Neither may change while a TCP/IP peer is connected.
#include <QComboBox>

#include "settings/config_file.h"
#include "ui/settings_dialog.h"

namespace vtg {

struct LinkChoice {
  const char* caption;
  const char* group;
  int list_id;
  const char* entries[2];
  int LinkConfig::*setting;
  ConfigKey key;
  bool has_close;  // a "Close" button beside "OK"
  std::optional<int> address_prefix;
};

inline constexpr LinkChoice kInterfaceChoice{
    "インターフェイスの設定", "Interface", 1014, {"RS-232C", "TCP/IP"}, &LinkConfig::interface_setting,
    ConfigKey::Interface, true, 1};
inline constexpr LinkChoice kRoleChoice{
    "クライアント/サーバー", "選択", 1100, {"Client", "Server"}, &LinkConfig::tcp_role, ConfigKey::ClientServer,
    false, std::nullopt};

class LinkChoiceDialog : public ui::SettingsDialog {
  Q_OBJECT
 public:
  LinkChoiceDialog(ui::AppContext& app, const LinkChoice& choice, QWidget* parent);
};

}  // namespace vtg
