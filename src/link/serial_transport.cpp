#include "link/serial_transport.h"

#include "link/device_drain.h"

#if defined(Q_OS_UNIX)
#include <termios.h>
#endif

namespace vtg {
namespace {

// QSerialPort offers either RTS/CTS or XON/XOFF; the unit's line uses both, so the rest of
// the handshake goes through the native handle. Where the driver refuses it the port
// works without it, as a pseudo-terminal does.
void ApplyHandshake([[maybe_unused]] QSerialPort& port) {
#if defined(Q_OS_UNIX)
  const int fd = static_cast<int>(port.handle());
  termios tio{};
  if (tcgetattr(fd, &tio) != 0) return;
#if defined(CRTSCTS)
  tio.c_cflag |= CRTSCTS;
#endif
  tio.c_iflag |= IXON | IXOFF;
  // Received parity is not checked; any character must not restart output after XOFF.
  tio.c_iflag &= ~static_cast<tcflag_t>(IXANY | INPCK);
  tio.c_cc[VSTART] = 0x11;
  tio.c_cc[VSTOP] = 0x13;
  tcsetattr(fd, TCSANOW, &tio);
#endif
}

}  // namespace

SerialTransport::SerialTransport(Link& link, Messages& messages, QObject* parent)
    : QObject(parent), link_(link), messages_(messages) {
  port_.setBaudRate(QSerialPort::Baud9600);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::EvenParity);
  port_.setStopBits(QSerialPort::OneStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
  port_.setReadBufferSize(kMaxUnreadBytes);
  connect(&port_, &QSerialPort::readyRead, this, &SerialTransport::OnReadyRead);
  connect(&port_, &QSerialPort::errorOccurred, this, &SerialTransport::OnError);
}

SerialTransport::~SerialTransport() {
  // The link may be gone already at exit; the port closes without telling it.
  port_.disconnect(this);
}

bool SerialTransport::Open(const QString& port_name) {
  Close();
  port_.setPortName(port_name);
  if (!port_.open(QIODevice::ReadWrite)) {
    messages_.ErrorBox(kOpenFailedText);
    return false;
  }
  ApplyHandshake(port_);
  return true;
}

void SerialTransport::Close() {
  if (port_.isOpen()) port_.close();
}

bool SerialTransport::send(std::string_view line) {
  if (!port_.isOpen()) return false;
  return port_.write(line.data(), static_cast<qint64>(line.size())) == static_cast<qint64>(line.size());
}

std::string SerialTransport::description() const {
  return port_.isOpen() ? "serial " + port_.portName().toStdString() : std::string{};
}

void SerialTransport::OnReadyRead() {
  DrainDevice(
      &port_, [this](std::string_view bytes) { Reader().OnSerialBytes(bytes); },
      [this] { Reader().OnSerialBytesDropped(); });
}

void SerialTransport::OnError(QSerialPort::SerialPortError error) {
  // A read fails on a line that is gone (an adapter pulled out, the far end of a
  // pseudo-terminal closed) and would fail again at once, for ever: close instead. Other
  // errors pass; a reply lost to them ends in "No Connect" from the watchdog.
  if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError) Close();
}

}  // namespace vtg
