#include "sim/serial_link.h"

namespace vtg::sim {

SerialLink::SerialLink(std::vector<SimulatedUnit*> units, LinkSettings settings, SimLog* log, QObject* parent)
    : QObject(parent),
      link_(QStringLiteral("serial"), std::move(units), settings, log,
            [this](const QByteArray& bytes) { port_.write(bytes); }) {
  connect(&link_, &UnitLink::unitsChanged, this, &SerialLink::unitsChanged);
  connect(&port_, &QSerialPort::readyRead, this, [this] { link_.receive(port_.readAll()); });
}

bool SerialLink::open(const QString& device, QString* error) {
  port_.setPortName(device);
  port_.setBaudRate(QSerialPort::Baud9600);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::EvenParity);
  port_.setStopBits(QSerialPort::OneStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
  if (!port_.open(QIODevice::ReadWrite)) {
    *error = QStringLiteral("cannot open %1: %2").arg(device, port_.errorString());
    return false;
  }
  // The controller's side waits for these under hardware handshake.
  port_.setDataTerminalReady(true);
  port_.setRequestToSend(true);
  return true;
}

}  // namespace vtg::sim
