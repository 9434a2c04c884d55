#include "titles/slave_address_dialog.h"

#include <QHBoxLayout>

#include "titles/slave_address_command.h"
#include "titles/title_controls.h"
#include "ui/slave_address_combo.h"

namespace vtg {

SlaveAddressDialog::SlaveAddressDialog(ui::AppContext& app, QWidget* parent)
    : SettingsDialog(app, {QStringLiteral("機器のスレーブアドレス"), QString(), 0}, parent) {
  // Broadcast is no address a unit can take: with it current, nothing is chosen.
  auto* addresses = new ui::SlaveAddressCombo(state(), ui::SlaveAddressCombo::Entries::UnitsOnly, this);
  QPushButton* send = Button(1099, QStringLiteral("設定"));
  connect(send, &QPushButton::clicked, this,
          [this] { SendSlaveAddress(this->app().link, this->app().messages, state().selection.slave_index); });
  QPushButton* close = Button(2, QStringLiteral("Close"));
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(Group(QStringLiteral("Slave Address"), {addresses, send}));
  layout->addWidget(close, 0, Qt::AlignBottom);
  KeepControlsWhole(this);
}

}  // namespace vtg
