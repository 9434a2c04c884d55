#include "sim/unit_client.h"

#include "sim/sim_log.h"

namespace vtg::sim {

UnitClient::UnitClient(SimulatedUnit* unit, int number, QString host, quint16 port, LinkSettings settings, SimLog* log,
                       QObject* parent)
    : QObject(parent),
      unit_(unit),
      host_(std::move(host)),
      port_(port),
      settings_(std::move(settings)),
      log_(log),
      name_(QStringLiteral("tcp %1:%2 unit %3").arg(host_).arg(port).arg(number)) {
  retry_.setSingleShot(true);
  retry_.setInterval(kRetryMs);
  connect(&retry_, &QTimer::timeout, this, &UnitClient::attempt);
  connect(&socket_, &QTcpSocket::connected, this, &UnitClient::onConnected);
  connect(&socket_, &QTcpSocket::disconnected, this, &UnitClient::onLost);
  connect(&socket_, &QTcpSocket::errorOccurred, this, [this] {
    if (socket_.state() != QAbstractSocket::ConnectedState) onLost();
  });
  connect(&socket_, &QTcpSocket::readyRead, this, [this] {
    if (link_) link_->receive(socket_.readAll());
  });
}

void UnitClient::start() { attempt(); }

void UnitClient::attempt() {
  socket_.abort();
  socket_.connectToHost(host_, port_);
}

void UnitClient::onConnected() {
  failed_attempts_ = 0;
  socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
  if (log_) log_->record(name_, Traffic::Event, {}, "connected");
  link_ = new UnitLink(name_, {unit_}, settings_, log_, [this](const QByteArray& bytes) {
                         socket_.write(bytes);
                         socket_.flush();
                       },
                       this);
  connect(link_, &UnitLink::unitsChanged, this, &UnitClient::unitsChanged);
  connect(link_, &UnitLink::closedByFault, this, [this] {
    gone_ = true;
    socket_.disconnectFromHost();
  });
}

void UnitClient::onLost() {
  if (retry_.isActive() || (gone_ && !link_)) return;  // an error and a disconnection report the same loss
  if (link_) {
    if (log_) log_->record(name_, Traffic::Event, {}, "closed");
    link_->deleteLater();
    link_ = nullptr;
  } else if (log_) {
    log_->record(name_, Traffic::Event, {}, "not reached: " + socket_.errorString().toStdString());
  }
  if (gone_) return;  // as a unit that lost its power, it does not come back
  if (++failed_attempts_ >= kMaxFailedAttempts) {
    if (log_) log_->record(name_, Traffic::Event, {}, "giving up");
    emit gaveUp();
    return;
  }
  retry_.start();
}

}  // namespace vtg::sim
