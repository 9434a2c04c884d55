#pragma once
// "TCP/IPの設定（Client）": the host list, the port, and connecting to the chosen host.
#include <QListWidget>
#include <QPushButton>

#include "link/tcp_port_dialog.h"
#include "ui/ip_address_edit.h"

namespace vtg {

class TcpClientDialog : public TcpPortDialog {
  Q_OBJECT
 public:
  TcpClientDialog(ui::AppContext& app, QWidget* parent);

 private:
  void AddHost();
  void DeleteHost();
  void ChooseHost();
  void Connect();
  void Disconnect();
  void ShowConnected(bool connected);

  ui::IpAddressEdit* address_;
  QListWidget* hosts_;
  QPushButton* connect_;
  QPushButton* disconnect_;
};

}  // namespace vtg
