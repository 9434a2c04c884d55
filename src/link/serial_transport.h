#pragma once
// The serial link: one port at the unit's line settings; what the unit sends goes to the
// link's line assembly on the event loop.
#include <QObject>
#include <QSerialPort>
#include <QString>

#include "link/link.h"
#include "link/messages.h"
#include "link/transport.h"

namespace vtg {

class SerialTransport : public QObject, public Transport {
  Q_OBJECT

 public:
  SerialTransport(Link& link, Messages& messages, QObject* parent = nullptr);
  ~SerialTransport() override;

  // Opens a listed port name or a device path at 9600 baud, 8 data bits, even parity,
  // 1 stop bit, with the unit's handshake where the driver takes it. Closes the port that
  // was open. Says "Miss! File Open" once when the port cannot be opened.
  bool Open(const QString& port_name);
  void Close();

  TransportTraits traits() const override { return {true, false}; }
  bool ready() const override { return port_.isOpen(); }
  bool send(std::string_view line) override;
  // "serial" and the port as it was opened.
  std::string description() const override;

  static constexpr std::string_view kOpenFailedText = "Miss! File Open";

  // What the line brings goes to `link` (a session taking its turn on the line) until routed
  // back with null to the link the transport was made with.
  void RouteTo(Link* link) { routed_ = link; }

 private:
  Link& Reader() { return routed_ ? *routed_ : link_; }
  void OnReadyRead();
  void OnError(QSerialPort::SerialPortError error);

  Link& link_;
  Link* routed_ = nullptr;
  Messages& messages_;
  QSerialPort port_;
};

}  // namespace vtg
