#pragma once
// The application object: owns the one controller state, the message boxes, the link, the
// configuration file and the transports, and hands them to every window as an AppContext.
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "link/link.h"
#include "settings/config_file_ini.h"
#include "settings/controller_state.h"
#include "ui/app_context.h"
#include "ui/dialog_registry.h"
#include "ui/message_boxes.h"

namespace vtg::ui {

struct ApplicationOptions {
  QString config_path;                        // empty: the user's vtg7300.ini
  std::vector<std::string> serial_devices;    // offered after the system's serial ports
};

class Application {
 public:
  // At most this many serial ports are offered.
  static constexpr int kMaxSerialPorts = 20;

  explicit Application(const ApplicationOptions& options);
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  AppContext& context() { return context_; }
  DialogRegistry& registry() { return registry_; }
  ControllerState& state() { return state_; }

  // Start-up after the main window exists: client table cleared, settings at their
  // defaults, configuration read, serial ports listed.
  void PrepareState();
  // On RS-232C the configured port opens now; a later change of interface or port takes
  // effect at the next start.
  void OpenSerialPort();
  // Exit: the link stops and every socket closes.
  void Shutdown();

 private:
  ControllerState state_;
  MessageBoxes boxes_;
  Link link_;
  IniProfileStore profile_;
  std::vector<std::string> serial_devices_;
  std::vector<std::string> serial_ports_;
  DialogRegistry registry_;
  AppContext context_;
};

}  // namespace vtg::ui
