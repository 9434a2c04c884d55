#include "link/tcp_client_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "link/host_list.h"
#include "link/tcp_transport.h"
#include "ui/qt_text.h"

namespace vtg {

TcpClientDialog::TcpClientDialog(ui::AppContext& app, QWidget* parent)
    : TcpPortDialog(app, QStringLiteral("TCP/IPの設定（Client）"), parent) {
  address_ = ui::WithId(1101, new ui::IpAddressEdit(this));
  hosts_ = ui::WithId(1106, new QListWidget(this));
  hosts_->setFont(QFont(QStringLiteral("monospace")));
  QLineEdit* port = PortEdit(1090);
  QPushButton* add = Button(1104, QStringLiteral("追加"));
  QPushButton* remove = Button(1105, QStringLiteral("削除"));
  connect_ = Button(1103, QStringLiteral("接続"));
  disconnect_ = Button(1102, QStringLiteral("切断"));
  QPushButton* ok = Button(1, QStringLiteral("OK"));
  ok->setDefault(true);

  const LinkConfig& link = state().link;
  for (const IpBytes& host : link.host_list) hosts_->addItem(ui::ToQString(HostEntryText(host)));
  if (link.selected_peer >= 0 && link.selected_peer < static_cast<int>(link.host_list.size()))
    address_->setAddress(link.host_list[static_cast<std::size_t>(link.selected_peer)]);
  ShowConnected(link.tcp_connected == 1);

  connect(add, &QPushButton::clicked, this, &TcpClientDialog::AddHost);
  connect(remove, &QPushButton::clicked, this, &TcpClientDialog::DeleteHost);
  connect(hosts_, &QListWidget::itemDoubleClicked, this, &TcpClientDialog::ChooseHost);
  connect(connect_, &QPushButton::clicked, this, &TcpClientDialog::Connect);
  connect(disconnect_, &QPushButton::clicked, this, &TcpClientDialog::Disconnect);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  if (TcpTransport* tcp = app.tcp) {
    // The link itself says "Socket 接続 OK", dialog or not.
    connect(tcp, &TcpTransport::connected, this, [this] { ShowConnected(true); });
    connect(tcp, &TcpTransport::disconnected, this, [this] { ShowConnected(false); });
  }

  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {add, remove, connect_, disconnect_}) buttons->addWidget(button);
  buttons->addStretch();
  buttons->addWidget(ok);
  auto* grid = new QGridLayout(this);
  grid->addWidget(Group(QStringLiteral("Host IP Address"), {address_}), 0, 0);
  grid->addWidget(Group(QStringLiteral("Host List"), {hosts_}), 1, 0);
  grid->addWidget(Group(QStringLiteral("Port No."), {port}), 2, 0);
  grid->addLayout(buttons, 0, 1, 3, 1);
}

void TcpClientDialog::AddHost() {
  if (vtg::AddHost(state().link, address_->address(), app().profile, app().messages))
    hosts_->addItem(ui::ToQString(HostEntryText(state().link.host_list.back())));
}

void TcpClientDialog::DeleteHost() {
  const int row = hosts_->currentRow();
  if (row < 0 || !hosts_->currentItem()->isSelected()) return;
  const bool chosen = state().link.selected_peer == row;
  vtg::DeleteHost(state().link, row, app().profile);
  delete hosts_->takeItem(row);
  if (chosen) address_->setText(QString());
}

void TcpClientDialog::ChooseHost() {
  const int row = hosts_->currentRow();
  if (row < 0) return;
  SelectHost(state().link, row, app().profile);
  address_->setAddress(state().link.host_list[static_cast<std::size_t>(row)]);
}

void TcpClientDialog::Connect() {
  if (!app().tcp || !app().tcp->ConnectToHost()) state().link.tcp_connected = 0;
}

void TcpClientDialog::Disconnect() {
  if (state().link.tcp_connected != 1) return;
  if (app().tcp) app().tcp->CloseAllSockets();
  state().link.tcp_connected = 0;
  app().messages.SuccessBox("Socket 切断 OK");
  ShowConnected(false);
}

void TcpClientDialog::ShowConnected(bool connected) {
  connect_->setEnabled(!connected);
  disconnect_->setEnabled(connected);
}

}  // namespace vtg
