#pragma once
// "接続を許可する本機" in the server dialog: the addresses and subnets of the units that may
// connect, added and removed by the operator and written to the configuration file at once.
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>

#include "ui/app_context.h"

namespace vtg {

class PermittedUnitsBox : public QGroupBox {
  Q_OBJECT
 public:
  static constexpr int kAddressEdit = 1390;
  static constexpr int kList = 1391;
  static constexpr int kAddButton = 1392;
  static constexpr int kRemoveButton = 1393;

  PermittedUnitsBox(ui::AppContext& app, QWidget* parent);

 private:
  void Show();

  ui::AppContext& app_;
  QLineEdit* address_;
  QListWidget* list_;
};

}  // namespace vtg
