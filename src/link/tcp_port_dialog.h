#pragma once
// The base of the two TCP/IP dialogs: both edit the port text and write it to the
// configuration file whenever they close.
#include <QLineEdit>

#include "ui/settings_dialog.h"

namespace vtg {

class TcpPortDialog : public ui::SettingsDialog {
  Q_OBJECT
 public:
  TcpPortDialog(ui::AppContext& app, const QString& caption, QWidget* parent);

 protected:
  // The port edit: at most five digits, each change kept in tcp_port_text.
  QLineEdit* PortEdit(int id);
  void done(int result) override;
};

}  // namespace vtg
