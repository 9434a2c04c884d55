#include "link/com_port_dialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "settings/config_file.h"

namespace vtg {

ComPortDialog::ComPortDialog(ui::AppContext& app, QWidget* parent)
    : SettingsDialog(app, {QStringLiteral("RS-232Cの設定")}, parent) {
  ports_ = ui::WithId(1011, new QComboBox(this));
  ports_->addItems(app.serial_ports);
  ports_->setCurrentIndex(state().link.com_port_index);

  QPushButton* ok = Button(1, QStringLiteral("OK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] {
    // With no port listed there is nothing to choose.
    if (ports_->currentIndex() >= 0) {
      state().link.com_port_index = ports_->currentIndex();
      StoreKey(state().link, ConfigKey::ComPort, this->app().profile);
    }
    accept();
  });
  QPushButton* close = Button(2, QStringLiteral("Close"));
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Group(QStringLiteral("COM Port"), {ports_}));
  layout->addLayout(buttons);
}

}  // namespace vtg
