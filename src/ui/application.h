#pragma once
// The application object: owns the one controller state, the message boxes, the link, the
// configuration file and the transports, and hands them to every window as an AppContext.
#include <QString>
#include <QStringList>

#include "link/link.h"
#include "link/qt_reply_timer.h"
#include "link/serial_transport.h"
#include "link/tcp_transport.h"
#include "link/traffic_log.h"
#include "settings/config_file_ini.h"
#include "settings/controller_state.h"
#include "ui/app_context.h"
#include "ui/dialog_registry.h"
#include "ui/message_boxes.h"

namespace vtg::ui {

struct ApplicationOptions {
  QString config_path;        // empty: the user's vtg7300.ini
  QStringList serial_devices;  // offered after the system's serial ports
};

class Application {
 public:
  explicit Application(const ApplicationOptions& options);
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  AppContext& context() { return context_; }
  DialogRegistry& registry() { return registry_; }
  ControllerState& state() { return state_; }
  TcpTransport& tcp() { return tcp_; }

  // Start-up once the main window exists: client table cleared, settings at their
  // defaults, configuration read.
  void LoadState();
  // The serial ports the system reports and those named at start-up; a configured port
  // that is not among them falls back to the first.
  void ListSerialPorts();
  // On RS-232C the configured port opens now; a later change of interface or port takes
  // effect at the next start.
  void OpenSerialPort();
  // The boxes without an owner are modal to the main window and its dialogs.
  void SetMainWindow(QWidget* window) { boxes_.SetHome(window); }
  // Exit: the link stops and every socket closes.
  void Shutdown();

 private:
  ControllerState state_;
  MessageBoxes boxes_;
  TrafficLog traffic_log_;
  Link link_;
  SerialTransport serial_;
  TcpTransport tcp_;
  QtReplyTimer reply_timer_;
  IniProfileStore profile_;
  QStringList serial_devices_;
  QStringList serial_ports_;
  DialogRegistry registry_;
  AppContext context_;
};

}  // namespace vtg::ui
