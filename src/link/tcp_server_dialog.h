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

 private:
  // The list shows every connected unit; each entry keeps its record.
  void Refresh();
  void ChooseClient(QListWidgetItem* item);
  void Stop();

  QLineEdit* port_;
  QLineEdit* chosen_;
  QListWidget* clients_;
  QPushButton* start_;
  QPushButton* stop_;
};

}  // namespace vtg
