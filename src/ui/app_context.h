#pragma once
// What every window of the controller works on. The application object owns all of it and
// hands it to each window; tests build one around fakes.
#include <QStringList>
#include <functional>

class QWidget;

namespace vtg {
struct ControllerState;
class Link;
class Messages;
class SerialTransport;
class ProfileStore;
class TcpTransport;
class TrafficLog;
}  // namespace vtg

namespace vtg::ui {

struct AppContext {
  ControllerState& state;
  Messages& messages;
  Link& link;
  // The configuration file the connection dialogs write key by key.
  ProfileStore& profile;
  // What the RS-232C dialog offers: the system's ports, then the devices given at start-up.
  const QStringList& serial_ports;
  // The socket link; null where a test runs without one.
  TcpTransport* tcp = nullptr;
  // Records the owner of the owned message boxes; empty where nobody cares.
  std::function<void(QWidget*)> set_message_owner = {};
  // The program's traffic log; null where a test runs without one.
  TrafficLog* traffic_log = nullptr;
  // The serial link; null where a test runs without one.
  SerialTransport* serial = nullptr;
};

}  // namespace vtg::ui
