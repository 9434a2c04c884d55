#include "link/tcp_server_dialog.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "link/permitted_units_box.h"
#include "link/tcp_transport.h"
#include "settings/window_config.h"
#include "ui/qt_text.h"

namespace vtg {
namespace {
constexpr int kRecordRole = Qt::UserRole;
const QString kNoUnit(16, QLatin1Char(' '));
}  // namespace

TcpServerDialog::TcpServerDialog(ui::AppContext& app, QWidget* parent)
    : TcpPortDialog(app, QStringLiteral("TCP/IPの設定（Server）"), parent) {
  port_ = PortEdit(1004);
  listen_ = ListenAddressEdit();
  chosen_ = ui::WithId(1003, new QLineEdit(this));
  chosen_->setReadOnly(true);
  clients_ = ui::WithId(1002, new QListWidget(this));
  start_ = Button(1, QStringLiteral("接続"));
  stop_ = Button(1000, QStringLiteral("切断"));
  QPushButton* close = Button(2, QStringLiteral("Close"));

  connect(start_, &QPushButton::clicked, this, [this] {
    if (this->app().tcp) this->app().tcp->StartServer();
    Refresh();
  });
  connect(stop_, &QPushButton::clicked, this, &TcpServerDialog::Stop);
  connect(clients_, &QListWidget::itemDoubleClicked, this, &TcpServerDialog::ChooseClient);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  if (app.tcp) connect(app.tcp, &TcpTransport::clientsChanged, this, &TcpServerDialog::Refresh);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(start_);
  buttons->addWidget(stop_);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* grid = new QGridLayout(this);
  auto* where = new QHBoxLayout;
  where->addWidget(Group(QStringLiteral("Port No."), {port_}));
  where->addWidget(Group(QStringLiteral("待ち受けアドレス"), {listen_}), 1);
  grid->addLayout(where, 0, 0);
  grid->addWidget(Group(QStringLiteral("Transmission place "), {chosen_}), 1, 0);
  grid->addWidget(Group(QStringLiteral("Client List"), {clients_}), 2, 0);
  grid->addLayout(buttons, 0, 1, 3, 1);
  grid->addWidget(new PermittedUnitsBox(app, this), 3, 0, 1, 2);
  Refresh();
}

void TcpServerDialog::Refresh() {
  const ControllerState& s = state();
  const bool listening = app().tcp && app().tcp->Listening();
  const int in_use = s.client_table.InUseCount();
  start_->setEnabled(!listening && in_use == 0);
  port_->setEnabled(!listening && in_use == 0);
  listen_->setEnabled(port_->isEnabled());
  stop_->setEnabled(listening || in_use > 0);

  clients_->clear();
  for (int record = 1; record < kClientRecords; ++record) {
    if (!s.client_table[record].in_use) continue;
    auto* item = new QListWidgetItem(ui::ToQString(s.client_table[record].address_text), clients_);
    item->setData(kRecordRole, record);
  }
  // The chosen unit may have left meanwhile.
  const int chosen = s.link.selected_peer;
  chosen_->setText(chosen == -1 ? kNoUnit : ui::ToQString(PeerAddressText(s.client_table, chosen)));
}

QLineEdit* TcpServerDialog::ListenAddressEdit() {
  auto* edit = ui::WithId(kListenAddressId, new QLineEdit(ui::ToQString(state().link.listen_address), this));
  edit->setPlaceholderText(QStringLiteral("すべてのアドレス"));
  edit->setMaxLength(15);
  connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) {
    state().link.listen_address = text.trimmed().toStdString();
    StoreListenAddress(state().link, app().profile);
  });
  return edit;
}

void TcpServerDialog::ChooseClient(QListWidgetItem* item) {
  LinkConfig& link = state().link;
  if (state().client_table.InUseCount() == 0) {
    link.selected_peer = -1;
    return;
  }
  link.selected_peer = item->data(kRecordRole).toInt();
  link.tcp_connected = 1;
  chosen_->setText(ui::ToQString(PeerAddressText(state().client_table, link.selected_peer)));
}

void TcpServerDialog::Stop() {
  if (app().tcp) app().tcp->CloseAllSockets();
  state().link.selected_peer = -1;
  state().link.tcp_connected = 0;
  chosen_->setText(kNoUnit);
  Refresh();
}

}  // namespace vtg
