#include "cli/server_units.h"

#include <QCoreApplication>

#include <algorithm>
#include <iostream>

#include "cli/unit_session.h"
#include "link/qt_log_clock.h"

namespace vtg::cli {

struct ServerUnits::Unit {
  std::unique_ptr<UnitWorker> worker;
  int record = 0;
  std::unique_ptr<Transport> route;  // declared after the worker: ends first
};

ServerUnits::ServerUnits(const CtlOptions& options, ShiftJisDecoder decode, QObject* parent)
    : QObject(parent), options_(options), decode_(std::move(decode)), log_(LocalClockMs) {
  state_.link.interface_setting = kTcpIp;
  state_.link.tcp_role = kServer;
  state_.link.selected_peer = -1;
  tcp_.SetTrafficLog(&log_);
  wait_timer_.setSingleShot(true);
  connect(&wait_timer_, &QTimer::timeout, this, &ServerUnits::BeginAll);
  connect(&tcp_, &TcpTransport::clientsChanged, this, &ServerUnits::OnUnitsChanged);
}

ServerUnits::~ServerUnits() = default;

void ServerUnits::Start() {
  if (!OpenTrafficLog(options_, log_output_, log_)) return Finish(kExitBadUsage);
  // The command's input and the folder of its output are checked before any unit is waited for.
  if (const int status = UnitWorker(options_, {}, decode_).Prepare(); status != kExitOk) return Finish(status);
  if (const int status = Listen(options_, tcp_, messages_); status != kExitOk) return Finish(status);
  if (options_.wait_ms) wait_timer_.start(options_.wait_ms);
}

void ServerUnits::OnUnitsChanged() {
  if (!begun_ && options_.units && state_.client_table.InUseCount() >= options_.units) BeginAll();
}

void ServerUnits::BeginAll() {
  if (begun_) return;
  begun_ = true;
  wait_timer_.stop();
  const std::vector<NamedUnit> named = NamedUnits(state_.client_table);
  if (named.empty()) {
    messages_.ErrorBox("no unit connected");
    return Finish(kExitUnitFailed);
  }
  for (const NamedUnit& named_unit : named) {
    auto unit = std::make_unique<Unit>();
    unit->worker = std::make_unique<UnitWorker>(ForUnit(options_, named_unit.name), named_unit.name, decode_);
    unit->record = named_unit.record;
    unit->route = tcp_.RouteUnit(named_unit.record, unit->worker->link());
    unit->worker->AttachSocket(unit->route.get());
    if (!options_.log_file.empty() || options_.verbose) unit->worker->link().SetTrafficLog(&log_);
    units_.push_back(std::move(unit));
  }
  running_ = static_cast<int>(units_.size());
  for (const auto& unit : units_)
    unit->worker->Run(unit->record, [this](int status) {
      worst_ = std::max(worst_, status);
      if (--running_ == 0) Finish(worst_ == kExitOk && log_output_.FileFailed() ? kExitBadUsage : worst_);
    });
}

void ServerUnits::Finish(int status) {
  if (finished_) return;
  finished_ = true;
  wait_timer_.stop();
  for (const auto& unit : units_) unit->worker->Report(std::cout);
  std::cout.flush();
  QCoreApplication::exit(status);
}

}  // namespace vtg::cli
