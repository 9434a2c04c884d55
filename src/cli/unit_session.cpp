#include "cli/unit_session.h"

#include <QCoreApplication>
#include <QHostInfo>

#include <iostream>

#include "link/network_failures.h"
#include "link/qt_log_clock.h"

namespace vtg::cli {

bool OpenTrafficLog(const CtlOptions& options, LogOutput& output, TrafficLog& log) {
  if (options.log_file.empty() && !options.verbose) return true;
  if (!options.log_file.empty() && !output.OpenFile(options.log_file)) return false;
  if (options.verbose) output.EchoToTerminal();
  log.SetSink([&output](std::string_view line) { output.Write(line); });
  return true;
}

int Listen(const CtlOptions& options, TcpTransport& tcp, Messages& messages) {
  const QHostAddress address(QString::fromStdString(options.host));
  if (address.protocol() != QAbstractSocket::IPv4Protocol) {
    messages.ErrorBox("--listen wants an IPv4 address, not " + options.host);
    return kExitBadUsage;
  }
  if (!tcp.StartServer(address, static_cast<quint16>(options.port))) return kExitUnitFailed;
  std::cerr << "vtg7300ctl: listening on " << options.host << ':' << tcp.ServerPort() << std::endl;
  return kExitOk;
}

UnitSession::UnitSession(const CtlOptions& options, ShiftJisDecoder decode, QObject* parent)
    : QObject(parent),
      options_(options),
      worker_(options, {}, std::move(decode)),
      messages_(worker_.messages()),
      log_(LocalClockMs) {
  worker_.link().AttachSerial(&serial_);
  worker_.AttachSocket(&tcp_);
  connect_timer_.setSingleShot(true);
  connect(&connect_timer_, &QTimer::timeout, this, [this] {
    tcp_.CloseAllSockets();
    ReportNetworkFailure(messages_, NetworkFailure::CannotConnect);
    Finish(kExitUnitFailed);
  });
  connect(&tcp_, &TcpTransport::connected, this, [this] {
    connect_timer_.stop();
    BeginJob();
  });
  connect(&tcp_, &TcpTransport::disconnected, this, [this] {
    if (!job_begun_) Finish(kExitUnitFailed);
    worker_.Settle();
  });
  connect(&tcp_, &TcpTransport::clientsChanged, this, &UnitSession::OnUnitsChanged);
}

void UnitSession::Start() {
  if (!OpenTrafficLog(options_, log_output_, log_)) return Finish(kExitBadUsage);
  if (!options_.log_file.empty() || options_.verbose) worker_.link().SetTrafficLog(&log_);
  if (const int status = worker_.Prepare(); status != kExitOk) return Finish(status);
  switch (options_.reach) {
    case Reach::Serial: return OpenSerial();
    case Reach::TcpClient: return ConnectToUnit();
    case Reach::TcpServer: return ListenForUnit();
    case Reach::None: return Finish(kExitBadUsage);
  }
}

void UnitSession::OpenSerial() {
  if (!serial_.Open(QString::fromStdString(options_.device))) return Finish(kExitUnitFailed);
  BeginJob();
}

void UnitSession::ConnectToUnit() {
  const QHostAddress address(QString::fromStdString(options_.host));
  if (address.protocol() == QAbstractSocket::IPv4Protocol) return ConnectToAddress(address);
  QHostInfo::lookupHost(QString::fromStdString(options_.host), this, [this](const QHostInfo& info) {
    for (const QHostAddress& found : info.addresses())
      if (found.protocol() == QAbstractSocket::IPv4Protocol) return ConnectToAddress(found);
    messages_.ErrorBox("no IPv4 address for " + options_.host);
    Finish(kExitUnitFailed);
  });
}

void UnitSession::ConnectToAddress(const QHostAddress& address) {
  ControllerState& state = worker_.state();
  const quint32 ip = address.toIPv4Address();
  state.link.host_list = {IpBytes{static_cast<std::uint8_t>(ip >> 24), static_cast<std::uint8_t>(ip >> 16),
                                  static_cast<std::uint8_t>(ip >> 8), static_cast<std::uint8_t>(ip)}};
  state.link.selected_peer = 0;
  state.link.tcp_port_text = std::to_string(options_.port);
  // A host that never answers would leave the connection pending for minutes.
  connect_timer_.start(options_.timeout_ms);
  if (!tcp_.ConnectToHost()) Finish(kExitUnitFailed);
}

void UnitSession::ListenForUnit() {
  worker_.state().link.selected_peer = -1;
  if (const int status = Listen(options_, tcp_, messages_); status != kExitOk) Finish(status);
}

void UnitSession::OnUnitsChanged() {
  if (!job_begun_) {
    // The first unit that connects is the one the command runs against.
    ControllerState& state = worker_.state();
    for (int record = 1; record < kClientRecords; ++record) {
      if (!state.client_table[record].in_use) continue;
      state.link.selected_peer = record;
      state.link.tcp_connected = 1;
      return BeginJob();
    }
  }
  worker_.Settle();
}

void UnitSession::BeginJob() {
  job_begun_ = true;
  worker_.Run(0, [this](int status) { Finish(status == kExitOk && log_output_.FileFailed() ? kExitBadUsage : status); });
}

void UnitSession::Finish(int status) {
  if (finished_) return;
  finished_ = true;
  connect_timer_.stop();
  if (worker_.Many()) worker_.Report(std::cout);
  std::cout.flush();
  QCoreApplication::exit(status);
}

}  // namespace vtg::cli
