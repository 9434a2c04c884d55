#pragma once
// "機器のスレーブアドレス": gives the unit on the serial line its slave address. The command
// goes to the port without an address in front, whatever the interface.
#include "ui/settings_dialog.h"

namespace vtg {

class SlaveAddressDialog : public ui::SettingsDialog {
  Q_OBJECT
 public:
  SlaveAddressDialog(ui::AppContext& app, QWidget* parent);
};

}  // namespace vtg
