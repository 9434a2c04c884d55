#include "cli/unit_session.h"

#include <QCoreApplication>
#include <QHostInfo>
#include <unistd.h>

#include <algorithm>

#include "link/network_failures.h"
#include "link/qt_log_clock.h"

namespace vtg::cli {
namespace {

// The serial watchdog gives up on its twelfth tick.
constexpr int kWatchdogTicks = 12;
constexpr int kBroadcastWaitMs = 300;

}  // namespace

UnitSession::UnitSession(const CtlOptions& options, ShiftJisDecoder decode, QObject* parent)
    : QObject(parent),
      options_(options),
      progress_(std::cerr, messages_, isatty(STDERR_FILENO) == 1),
      log_(LocalClockMs),
      job_(options, state_, link_, messages_, engine_, std::cout, std::move(decode)) {
  link_.AttachSerial(&serial_);
  link_.AttachSocket(&tcp_, &reply_timer_);
  link_.SetTiming({options.timeout_ms, std::min(kBroadcastWaitMs, options.timeout_ms)});
  if (!options.log_file.empty() || options.verbose) {
    if (options.verbose) log_output_.EchoToTerminal();
    log_.SetSink([this](std::string_view line) { log_output_.Write(line); });
    link_.SetTrafficLog(&log_);
  }
  link_.SetReplyListener([this](std::string_view line, bool understood) {
    job_.OnReply(line, understood);
    Settle();
  });
  connect(&tick_timer_, &QTimer::timeout, this, [this] {
    engine_.Tick();
    Settle();
  });
  watchdog_.setInterval(std::max(1, options.timeout_ms / kWatchdogTicks));
  connect(&watchdog_, &QTimer::timeout, this, [this] {
    link_.OnWatchdogTick();
    engine_.Wake();
    Settle();
  });
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
    Settle();
  });
  connect(&tcp_, &TcpTransport::clientsChanged, this, &UnitSession::OnUnitsChanged);
}

void UnitSession::Start() {
  if (!options_.log_file.empty() && !log_output_.OpenFile(options_.log_file)) return Finish(kExitBadUsage);
  if (const int status = job_.Prepare(); status != kExitOk) return Finish(status);
  switch (options_.reach) {
    case Reach::Serial: return OpenSerial();
    case Reach::TcpClient: return ConnectToUnit();
    case Reach::TcpServer: return ListenForUnit();
    case Reach::None: return Finish(kExitBadUsage);
  }
}

void UnitSession::OpenSerial() {
  if (!serial_.Open(QString::fromStdString(options_.device))) return Finish(kExitUnitFailed);
  watchdog_.start();
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
  const quint32 ip = address.toIPv4Address();
  state_.link.host_list = {IpBytes{static_cast<std::uint8_t>(ip >> 24), static_cast<std::uint8_t>(ip >> 16),
                                   static_cast<std::uint8_t>(ip >> 8), static_cast<std::uint8_t>(ip)}};
  state_.link.selected_peer = 0;
  state_.link.tcp_port_text = std::to_string(options_.port);
  // A host that never answers would leave the connection pending for minutes.
  connect_timer_.start(options_.timeout_ms);
  if (!tcp_.ConnectToHost()) Finish(kExitUnitFailed);
}

void UnitSession::ListenForUnit() {
  state_.link.selected_peer = -1;
  const QHostAddress address(QString::fromStdString(options_.host));
  if (address.protocol() != QAbstractSocket::IPv4Protocol) {
    messages_.ErrorBox("--listen wants an IPv4 address, not " + options_.host);
    return Finish(kExitBadUsage);
  }
  if (!tcp_.StartServer(address, static_cast<quint16>(options_.port))) return Finish(kExitUnitFailed);
  std::cerr << "vtg7300ctl: listening on " << options_.host << ':' << tcp_.ServerPort() << std::endl;
}

void UnitSession::OnUnitsChanged() {
  if (!job_begun_) {
    // The first unit that connects is the one the command runs against.
    for (int record = 1; record < kClientRecords; ++record) {
      if (!state_.client_table[record].in_use) continue;
      state_.link.selected_peer = record;
      state_.link.tcp_connected = 1;
      return BeginJob();
    }
  }
  Settle();
}

void UnitSession::BeginJob() {
  job_begun_ = true;
  if (!job_.Begin()) Finish(kExitUnitFailed);
}

void UnitSession::Settle() {
  if (finished_ || !job_begun_ || !job_.Settled()) return;
  const int status = job_.Conclude();
  Finish(status == kExitOk && log_output_.FileFailed() ? kExitBadUsage : status);
}

void UnitSession::Finish(int status) {
  if (finished_) return;
  finished_ = true;
  tick_timer_.stop();
  watchdog_.stop();
  connect_timer_.stop();
  QCoreApplication::exit(status);
}

}  // namespace vtg::cli
