#include "link/unit_network_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <array>

#include "link/text_helpers.h"
#include "ui/qt_text.h"

namespace vtg {
namespace {

constexpr std::array<const char*, 3> kAddressTitles{"IP Address", "Gateway Address", "Active Address"};

QString ThreeDigitAddress(const IpBytes& address) {
  QStringList parts;
  for (std::uint8_t byte : address) parts << ui::ToQString(Dec3(byte));
  return parts.join(QLatin1Char('.'));
}

QLineEdit* ReadOnly(int id, QWidget* parent) {
  auto* edit = ui::WithId(id, new QLineEdit(parent));
  edit->setReadOnly(true);
  return edit;
}

}  // namespace

UnitNetworkDialog::UnitNetworkDialog(ui::AppContext& app, QWidget* parent)
    : SettingsDialog(app, {QStringLiteral("プロトコル"), QStringLiteral("プロトコルの設定 "), 0}, parent) {
  mac_ = ReadOnly(1084, this);
  version_ = ReadOnly(1091, this);
  port_ = ui::WithId(1093, new QLineEdit(this));
  port_->setMaxLength(5);
  subnet_ = Choice(1087, {QStringLiteral("Class A"), QStringLiteral("Class B"), QStringLiteral("Class C")},
                   &SettingsImage::unit_subnet_class);
  keep_alive_ = Choice(1107, {QStringLiteral("OFF "), QStringLiteral("ON  ")}, &SettingsImage::unit_keep_alive);
  time_register_ = Choice(1108, QString("1 2 3 4 5 6").split(' '), &SettingsImage::unit_time_register);

  QPushButton* send_subnet = Button(1085, QStringLiteral("設定"));
  QPushButton* send_port = Button(1089, QStringLiteral("設定"));
  QPushButton* send_keep_alive = Button(1109, QStringLiteral("設定"));
  QPushButton* send_time_register = Button(1110, QStringLiteral("設定"));
  connect(send_subnet, &QPushButton::clicked, this, [this] { Send(SubnetCommand(state().image.unit_subnet_class)); });
  connect(send_port, &QPushButton::clicked, this, &UnitNetworkDialog::SendPort);
  connect(send_keep_alive, &QPushButton::clicked, this, [this] { Send(KeepAliveCommand(state().image.unit_keep_alive)); });
  connect(send_time_register, &QPushButton::clicked, this,
          [this] { Send(TimeRegisterCommand(state().image.unit_time_register)); });

  auto* grid = new QGridLayout;
  grid->addWidget(AddressRow(UnitAddress::Ip, 1078, 1079), 0, 0);
  grid->addWidget(AddressRow(UnitAddress::Gateway, 1080, 1082), 1, 0);
  grid->addWidget(AddressRow(UnitAddress::Active, 1081, 1083), 2, 0);
  grid->addWidget(Group(QStringLiteral("MAC Address"), {mac_}), 3, 0);
  grid->addWidget(Group(QStringLiteral("Subnet Mask"), {subnet_, send_subnet}), 0, 1);
  grid->addWidget(Group(QStringLiteral("Port Number"), {port_, send_port}), 1, 1);
  grid->addWidget(Group(QStringLiteral("Keep Alive"), {keep_alive_, send_keep_alive}), 2, 1);
  grid->addWidget(Group(QStringLiteral("Time Register"), {time_register_, send_time_register}), 3, 1);
  grid->addWidget(Group(QStringLiteral("Version Number"), {version_}), 4, 0);

  QPushButton* read = Button(1069, QStringLiteral("読み込み"));
  progress_ = ui::WithId(1086, new QProgressBar(this));
  progress_->setRange(0, kUnitNetworkReads);
  progress_->setTextVisible(false);
  QPushButton* close = Button(2, QStringLiteral("Close"));
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  runner_ = new ui::SequenceRunner(app, this, close, progress_);
  runner_->OnEnd([this](SequenceEngine::End how) {
    if (how == SequenceEngine::End::Completed) Refresh();
  });
  connect(read, &QPushButton::clicked, this, [this] { runner_->Begin(UnitNetworkReadBack(this->app().link)); });

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(read);
  bottom->addWidget(progress_, 1);
  bottom->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(bottom);
  Refresh();
}

QWidget* UnitNetworkDialog::AddressRow(UnitAddress which, int edit_id, int button_id) {
  auto* edit = ui::WithId(edit_id, new ui::IpAddressEdit(this));
  addresses_[static_cast<int>(which)] = edit;
  QPushButton* send = Button(button_id, QStringLiteral("設定"));
  connect(send, &QPushButton::clicked, this, [this, which, edit] {
    IpBytes& address = AddressSetting(which);
    ApplyDottedAddress(ui::ToUtf8(edit->text()), address);
    Send(AddressCommand(which, address));
  });
  return Group(QString::fromLatin1(kAddressTitles[static_cast<std::size_t>(which)]), {edit, send});
}

QComboBox* UnitNetworkDialog::Choice(int id, const QStringList& entries, int SettingsImage::*setting) {
  auto* combo = ui::WithId(id, new QComboBox(this));
  combo->addItems(entries);
  connect(combo, &QComboBox::currentIndexChanged, this, [this, setting](int index) {
    if (index >= 0) state().image.*setting = index;
  });
  return combo;
}

IpBytes& UnitNetworkDialog::AddressSetting(UnitAddress which) const {
  SettingsImage& image = state().image;
  switch (which) {
    case UnitAddress::Gateway: return image.unit_gateway_address;
    case UnitAddress::Active: return image.unit_active_address;
    case UnitAddress::Ip: break;
  }
  return image.unit_ip_address;
}

void UnitNetworkDialog::SendPort() {
  const std::optional<std::string> port = UnitPortText(ui::ToUtf8(port_->text()));
  if (!port) {
    app().messages.ErrorBox(kUnitPortRefusedText);
    return;
  }
  state().image.unit_port_number = *port;
  port_->setText(ui::ToQString(*port));
  Send(PortCommand(*port));
}

void UnitNetworkDialog::Send(const std::string& command) { app().link.SerialSendLine(command); }

void UnitNetworkDialog::Refresh() {
  const SettingsImage& image = state().image;
  for (UnitAddress which : {UnitAddress::Ip, UnitAddress::Gateway, UnitAddress::Active})
    addresses_[static_cast<int>(which)]->setText(ThreeDigitAddress(AddressSetting(which)));
  subnet_->setCurrentIndex(image.unit_subnet_class);
  port_->setText(ui::ToQString(image.unit_port_number));
  keep_alive_->setCurrentIndex(image.unit_keep_alive);
  time_register_->setCurrentIndex(image.unit_time_register);
  mac_->setText(ui::ToQString(image.unit_mac_address));
  version_->setText(ui::ToQString(image.unit_version));
}

}  // namespace vtg
