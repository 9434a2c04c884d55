#include "ui/application.h"

#include "link/qt_log_clock.h"
#include "link/serial_port_list.h"
#include "shell/start_up.h"

namespace vtg::ui {

Application::Application(const ApplicationOptions& options)
    : traffic_log_(LocalClockMs),
      link_(state_, boxes_),
      serial_(link_, boxes_),
      tcp_(state_, link_, boxes_),
      reply_timer_(link_),
      profile_(options.config_path.isEmpty() ? IniProfileStore::DefaultPath() : options.config_path),
      serial_devices_(options.serial_devices),
      context_{state_,
               boxes_,
               link_,
               profile_,
               serial_ports_,
               &tcp_,
               [this](QWidget* owner) { boxes_.SetOwner(owner); },
               &traffic_log_,
               &serial_} {
  link_.SetTrafficLog(&traffic_log_);
  tcp_.SetTrafficLog(&traffic_log_);
  link_.AttachSerial(&serial_);
  link_.AttachSocket(&tcp_, &reply_timer_);
}

void Application::LoadState() { PrepareStartState(state_, profile_); }

void Application::ListSerialPorts() {
  serial_ports_ = vtg::ListSerialPorts(serial_devices_);
  ClampComPort(state_.link, static_cast<int>(serial_ports_.size()));
}

void Application::OpenSerialPort() {
  if (state_.link.interface_setting != kRs232c) return;
  // With no port listed the open fails and says so.
  serial_.Open(serial_ports_.value(state_.link.com_port_index));
}

void Application::Shutdown() {
  state_.flags.link_running = 0;
  tcp_.CloseAllSockets();
  state_.client_table.Reset();
}

}  // namespace vtg::ui
