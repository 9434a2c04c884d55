#pragma once
// "TCP/IPの設定（Server）": the port, listening for units, and choosing the unit that
// receives commands.
#include <QListWidget>
#include <QPushButton>

#include "link/tcp_port_dialog.h"

namespace vtg {

class TcpServerDialog : public TcpPortDialog {
  Q_OBJECT
 public:
  TcpServerDialog(ui::AppContext& app, QWidget* parent);
  static constexpr int kListenAddressId = 1394;

 private:
  // The list shows every connected unit; each entry keeps its record.
  void Refresh();
  void ChooseClient(QListWidgetItem* item);
  void Stop();
  // The local address to listen on, stored as it is typed.
  QLineEdit* ListenAddressEdit();

  QLineEdit* port_;
  QLineEdit* listen_;
  QLineEdit* chosen_;
  QListWidget* clients_;
  QPushButton* start_;
  QPushButton* stop_;
};

}  // namespace vtg
