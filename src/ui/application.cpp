#include "ui/application.h"

#include <QSerialPortInfo>
#include <algorithm>

#include "shell/start_up.h"

namespace vtg::ui {
namespace {

// Sorted, so that the configured index names the same port from one run to the next.
std::vector<std::string> SystemSerialPorts() {
  std::vector<std::string> names;
  for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) names.push_back(port.portName().toStdString());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

Application::Application(const ApplicationOptions& options)
    : link_(state_, boxes_),
      profile_(options.config_path.isEmpty() ? IniProfileStore::DefaultPath() : options.config_path),
      serial_devices_(options.serial_devices),
      context_{state_, boxes_, link_, profile_, serial_ports_, nullptr,
               [this](QWidget* owner) { boxes_.SetOwner(owner); }} {}

void Application::PrepareState() {
  PrepareStartState(state_, profile_);
  serial_ports_ = SystemSerialPorts();
  serial_ports_.insert(serial_ports_.end(), serial_devices_.begin(), serial_devices_.end());
  if (serial_ports_.size() > static_cast<std::size_t>(kMaxSerialPorts)) serial_ports_.resize(kMaxSerialPorts);
  ClampComPort(state_.link, static_cast<int>(serial_ports_.size()));
}

void Application::OpenSerialPort() {
  if (state_.link.interface_setting != kRs232c) return;
  // The serial transport opens serial_ports_[com_port_index] here once it exists.
}

void Application::Shutdown() {
  state_.flags.link_running = 0;
  state_.client_table.Reset();
}

}  // namespace vtg::ui
