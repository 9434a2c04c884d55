#include "link/tcp_transport.h"

#include <QHostAddress>
#include <QNetworkInterface>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <climits>
#include <span>
#include <utility>

#include "link/device_drain.h"
#include "link/network_failures.h"
#include "link/permitted_units.h"
#include "link/tcp_endpoint.h"

namespace vtg {
namespace {

using SocketError = QAbstractSocket::SocketError;

struct ErrorMeaning {
  SocketError error;
  NetworkFailure failure;
};

constexpr ErrorMeaning kListenErrors[] = {
    {QAbstractSocket::AddressInUseError, NetworkFailure::CannotBind},
    {QAbstractSocket::SocketAccessError, NetworkFailure::CannotBind},
    {QAbstractSocket::SocketAddressNotAvailableError, NetworkFailure::CannotBind},
    {QAbstractSocket::SocketResourceError, NetworkFailure::SocketUnavailable},
    {QAbstractSocket::UnsupportedSocketOperationError, NetworkFailure::SocketUnavailable},
};

// Failures of an established connection that the network explains.
constexpr ErrorMeaning kConnectionErrors[] = {
    {QAbstractSocket::NetworkError, NetworkFailure::EventError},
    {QAbstractSocket::SocketTimeoutError, NetworkFailure::EventError},
    {QAbstractSocket::SocketResourceError, NetworkFailure::EventError},
};

NetworkFailure Meaning(std::span<const ErrorMeaning> table, SocketError error, NetworkFailure otherwise) {
  for (const ErrorMeaning& row : table)
    if (row.error == error) return row.failure;
  return otherwise;
}

void Report(Messages& messages, std::span<const ErrorMeaning> table, SocketError error, NetworkFailure otherwise) {
  ReportNetworkFailure(messages, Meaning(table, error, otherwise), static_cast<int>(error));
}

void CloseSocket(QTcpSocket* socket, QObject* receiver) {
  socket->disconnect(receiver);
  socket->abort();
  socket->deleteLater();
}

}  // namespace

TcpTransport::TcpTransport(ControllerState& state, Link& link, Messages& messages, QObject* parent)
    : QObject(parent), state_(state), link_(link), messages_(messages) {}

TcpTransport::~TcpTransport() {
  // At exit the state and the link may be gone already: the sockets close without telling them.
  for (QObject* child : children()) child->disconnect(this);
}

QTcpSocket* TcpTransport::PeerSocket() const {
  if (state_.link.tcp_role != kServer) return established_ ? connection_ : nullptr;
  const int record = state_.link.selected_peer;
  if (record < 1 || record >= kClientRecords) return nullptr;
  const auto it = units_.find(state_.client_table[record].peer_socket);
  return it == units_.end() ? nullptr : it->second;
}

bool TcpTransport::ready() const {
  const QTcpSocket* socket = PeerSocket();
  return socket && socket->state() == QAbstractSocket::ConnectedState;
}

bool TcpTransport::send(std::string_view line) {
  if (!ready()) return false;
  const auto size = static_cast<qint64>(line.size());
  return PeerSocket()->write(line.data(), size) == size;
}

std::string TcpTransport::description() const {
  const QTcpSocket* socket = PeerSocket();
  if (!socket) return {};
  std::string name = "tcp " + socket->peerAddress().toString().toStdString() + ':' + std::to_string(socket->peerPort());
  if (state_.link.tcp_role == kServer) name += " record " + std::to_string(state_.link.selected_peer);
  return name;
}

bool TcpTransport::Connecting() const { return connection_ && !established_; }

bool TcpTransport::Listening() const { return server_ != nullptr; }

// ---- client role ----

bool TcpTransport::ConnectToHost() {
  if (established_) return true;
  const auto port = ParseTcpPort(state_.link.tcp_port_text);
  if (!port) {
    ReportNetworkFailure(messages_, NetworkFailure::BadPort);
    return false;
  }
  const int entry = state_.link.selected_peer;
  if (entry < 0 || entry >= static_cast<int>(state_.link.host_list.size())) {
    ReportNetworkFailure(messages_, NetworkFailure::NoHost);
    return false;
  }
  DropConnection();
  QTcpSocket* socket = connection_ = new QTcpSocket(this);
  socket->setObjectName(QStringLiteral("connection"));
  socket->setReadBufferSize(kMaxUnreadBytes);
  connect(socket, &QTcpSocket::connected, this, &TcpTransport::OnConnected);
  connect(socket, &QAbstractSocket::errorOccurred, this, &TcpTransport::OnConnectionError);
  connect(socket, &QTcpSocket::disconnected, this, [this] { LoseConnection(QAbstractSocket::RemoteHostClosedError); });
  connect(socket, &QTcpSocket::readyRead, this, &TcpTransport::ReadConnection);
  const QString host = QString::fromStdString(HostAddressText(state_.link.host_list[static_cast<size_t>(entry)]));
  starting_connection_ = true;
  socket->connectToHost(QHostAddress(host), *port);
  starting_connection_ = false;
  // A refusal at once has been reported and has dropped the socket already.
  return connection_ != nullptr;
}

void TcpTransport::ReadConnection() {
  DrainDevice(
      connection_, [this](std::string_view bytes) { link_.OnSocketBytes(bytes); },
      [this] { link_.OnSocketBytesDropped(); });
}

// Lines are short and each waits for its answer: a line is never held back for a fuller packet.
void TcpTransport::OnConnected() {
  if (connection_) connection_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  established_ = true;
  state_.link.tcp_connected = 1;
  emit connected();
  messages_.SuccessBox(text::kConnectOk);
}

void TcpTransport::OnConnectionError(SocketError error) {
  if (!established_) {
    DropConnection();
    emit disconnected();
    // An attempt that started and failed later failed in a socket event.
    ReportNetworkFailure(messages_, starting_connection_ ? NetworkFailure::CannotConnect : NetworkFailure::EventError);
    return;
  }
  // A close by the host is an error to Qt; disconnected() tells it.
  if (error != QAbstractSocket::RemoteHostClosedError) LoseConnection(error);
}

void TcpTransport::LoseConnection(SocketError error) {
  if (!established_) return;
  // A reply sent just before the close still counts. Its box may let the operator close or
  // reconnect meanwhile; then this connection is no longer the one to report.
  const QPointer<QTcpSocket> lost(connection_);
  ReadConnection();
  if (!lost || connection_ != lost) return;
  DropConnection();
  state_.link.tcp_connected = 0;
  emit disconnected();
  AnnouncePeerLost(error);
}

void TcpTransport::DropConnection() {
  if (!connection_) return;
  CloseSocket(connection_, this);
  connection_ = nullptr;
  established_ = false;
}

void TcpTransport::AnnouncePeerLost(SocketError error) {
  const bool link_says_so = link_.AwaitingSocketReply();
  link_.OnSocketPeerLost();
  if (link_says_so) return;
  if (error == QAbstractSocket::RemoteHostClosedError)
    messages_.ErrorBox(Link::kPeerLostText);
  else
    Report(messages_, kConnectionErrors, error, NetworkFailure::UnexpectedEvent);
}

// ---- server role ----

bool TcpTransport::StartServer() {
  if (server_) return true;
  const auto port = ParseTcpPort(state_.link.tcp_port_text);
  if (!port) {
    ReportNetworkFailure(messages_, NetworkFailure::BadPort);
    return false;
  }
  const std::string& chosen = state_.link.listen_address;
  if (chosen.empty()) return StartServer(QHostAddress::AnyIPv4, *port);
  const auto address = ParseIpv4(chosen);
  if (!address) {
    messages_.Show(Box::Network, kBadListenAddressText);
    return false;
  }
  const QHostAddress local(*address);
  // Say which address is missing, rather than only that the bind failed.
  if (!QNetworkInterface::allAddresses().contains(local)) {
    messages_.Show(Box::Network, std::string(kListenAddressUnavailableText) + " (" + chosen + ")");
    return false;
  }
  return StartServer(local, *port);
}

quint16 TcpTransport::ServerPort() const { return server_ ? server_->serverPort() : 0; }

bool TcpTransport::StartServer(const QHostAddress& address, quint16 port) {
  if (server_) return true;
  auto* server = new QTcpServer(this);
  if (!server->listen(address, port)) {
    const SocketError error = server->serverError();
    delete server;
    Report(messages_, kListenErrors, error, NetworkFailure::ListenFailed);
    return false;
  }
  server_ = server;
  connect(server_, &QTcpServer::newConnection, this, &TcpTransport::AcceptPending);
  connect(server_, &QTcpServer::acceptError, this,
          [this](SocketError error) { ReportNetworkFailure(messages_, NetworkFailure::AcceptFailed, error); });
  return true;
}

int TcpTransport::NextPeerId() {
  // Never 0, which marks a free record, and never the id of a unit still connected.
  do {
    last_peer_id_ = last_peer_id_ == INT_MAX ? 1 : last_peer_id_ + 1;
  } while (units_.count(last_peer_id_));
  return last_peer_id_;
}

void TcpTransport::AcceptPending() {
  bool changed = false;
  while (server_ && server_->hasPendingConnections()) {
    QTcpSocket* socket = server_->nextPendingConnection();
    const int record = state_.client_table.FreeRecord();
    // A full table closes the newcomer at once; one that left already takes no record.
    if (record == 0 || socket->state() != QAbstractSocket::ConnectedState) {
      CloseSocket(socket, this);
      continue;
    }
    if (RefusedUnit(*socket)) {
      CloseSocket(socket, this);
      continue;
    }
    socket->setParent(this);
    socket->setReadBufferSize(kMaxUnreadBytes);
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    const int peer = NextPeerId();
    units_[peer] = socket;
    connect(socket, &QTcpSocket::readyRead, this, [this, peer] { OnUnitReadable(peer); });
    connect(socket, &QTcpSocket::disconnected, this,
            [this, peer] { OnUnitClosed(peer, QAbstractSocket::RemoteHostClosedError); });
    connect(socket, &QAbstractSocket::errorOccurred, this, [this, peer](SocketError error) {
      if (error != QAbstractSocket::RemoteHostClosedError) OnUnitClosed(peer, error);
    });
    state_.client_table.Accept(record, peer, socket->peerAddress().toString().toStdString());
    changed = true;
  }
  if (changed) emit clientsChanged();
}

bool TcpTransport::RefusedUnit(const QTcpSocket& socket) {
  const std::string address = socket.peerAddress().toString().toStdString();
  const std::string why = RefusalOf(state_.link.permitted_units, address);
  if (why.empty()) return false;
  if (log_) log_->Record(Traffic::Event, "tcp " + address + ':' + std::to_string(socket.peerPort()), {}, "refused: " + why);
  return true;
}

class TcpTransport::RoutedUnit : public Transport {
 public:
  RoutedUnit(TcpTransport& transport, int peer, int record, Link& link)
      : transport_(&transport), peer_(peer), record_(record), link_(&link) {}
  ~RoutedUnit() override {
    if (!transport_) return;
    // A later run may have routed the unit to its own session meanwhile: that route stays.
    const auto route = transport_->routes_.find(peer_);
    if (route != transport_->routes_.end() && route->second == link_) transport_->routes_.erase(route);
  }

  TransportTraits traits() const override { return {false, true}; }
  bool ready() const override {
    const QTcpSocket* socket = Socket();
    return socket && socket->state() == QAbstractSocket::ConnectedState;
  }
  bool send(std::string_view line) override {
    if (!ready()) return false;
    const auto size = static_cast<qint64>(line.size());
    return Socket()->write(line.data(), size) == size;
  }
  std::string description() const override {
    const QTcpSocket* socket = Socket();
    if (!socket) return {};
    return "tcp " + socket->peerAddress().toString().toStdString() + ':' + std::to_string(socket->peerPort()) +
           " record " + std::to_string(record_);
  }

 private:
  QTcpSocket* Socket() const {
    if (!transport_) return nullptr;
    const auto it = transport_->units_.find(peer_);
    return it == transport_->units_.end() ? nullptr : it->second;
  }

  QPointer<TcpTransport> transport_;
  int peer_;
  int record_;
  Link* link_;
};

std::unique_ptr<Transport> TcpTransport::RouteUnit(int record, Link& link) {
  if (record < 1 || record >= kClientRecords || !state_.client_table[record].in_use) return nullptr;
  const int peer = state_.client_table[record].peer_socket;
  routes_[peer] = &link;
  return std::make_unique<RoutedUnit>(*this, peer, record, link);
}

Link* TcpTransport::LinkOf(int peer) const {
  if (const auto route = routes_.find(peer); route != routes_.end()) return route->second;
  return IsChosen(peer) ? &link_ : nullptr;
}

bool TcpTransport::IsChosen(int peer) const {
  const int record = state_.link.selected_peer;
  return state_.link.tcp_role == kServer && record >= 1 && state_.client_table.FindClientRecord(peer) == record;
}

void TcpTransport::OnUnitReadable(int peer) {
  const auto it = units_.find(peer);
  if (it == units_.end()) return;
  // Only the chosen unit and the units with sessions answer commands; what the others send
  // is read and thrown away.
  DrainDevice(
      it->second,
      [this, peer](std::string_view bytes) {
        if (Link* link = LinkOf(peer)) link->OnSocketBytes(bytes);
      },
      [this, peer] {
        if (Link* link = LinkOf(peer)) link->OnSocketBytesDropped();
      });
}

void TcpTransport::OnUnitClosed(int peer, SocketError error) {
  OnUnitReadable(peer);  // a reply sent just before the close still counts
  if (!units_.count(peer)) return;
  const bool has_session = routes_.count(peer) != 0;  // its session tells the loss
  const bool chosen = DropUnit(peer);
  emit clientsChanged();
  if (chosen)
    AnnouncePeerLost(error);
  else if (!has_session && error != QAbstractSocket::RemoteHostClosedError)
    Report(messages_, kConnectionErrors, error, NetworkFailure::UnexpectedEvent);
}

bool TcpTransport::DropUnit(int peer) {
  const auto it = units_.find(peer);
  if (it == units_.end()) return false;
  const bool chosen = IsChosen(peer);
  CloseSocket(it->second, this);
  units_.erase(it);
  const auto route = routes_.find(peer);
  Link* session = route == routes_.end() ? nullptr : route->second;
  if (session) routes_.erase(route);
  state_.client_table.Release(peer);
  if (chosen) {
    state_.link.tcp_connected = 0;
    state_.link.selected_peer = -1;
  }
  if (session) session->OnSocketPeerLost();
  return chosen;
}

void TcpTransport::CloseClient(int peer) {
  if (!units_.count(peer)) return;
  const bool chosen = DropUnit(peer);
  emit clientsChanged();
  if (chosen) link_.OnSocketPeerLost();
}

void TcpTransport::CloseAllSockets() {
  const bool had_connection = connection_ != nullptr;
  const bool had_units = server_ || !units_.empty();
  DropConnection();
  if (server_) {
    server_->close();
    server_->deleteLater();
    server_ = nullptr;
  }
  for (const auto& [peer, socket] : units_) CloseSocket(socket, this);
  units_.clear();
  const auto routes = std::exchange(routes_, {});
  state_.client_table.Reset();
  state_.link.tcp_connected = 0;
  if (state_.link.tcp_role == kServer) state_.link.selected_peer = -1;
  if (had_connection) emit disconnected();
  if (had_units) emit clientsChanged();
  // A command still in flight has no one left to answer it.
  link_.OnSocketPeerLost();
  for (const auto& [peer, session] : routes) session->OnSocketPeerLost();
}

}  // namespace vtg
