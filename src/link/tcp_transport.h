#pragma once
// The socket link. As a client it connects to the unit chosen in the host list; as a server
// it accepts up to 96 units into the client table and sends to the one chosen there.
// Socket events are handled on the event loop whether or not a TCP/IP dialog is open.
#include <QAbstractSocket>
#include <QHostAddress>
#include <QObject>
#include <map>
#include <memory>

#include "link/link.h"
#include "link/messages.h"
#include "link/traffic_log.h"
#include "link/transport.h"
#include "settings/controller_state.h"

class QTcpServer;
class QTcpSocket;

namespace vtg {

class TcpTransport : public QObject, public Transport {
  Q_OBJECT

 public:
  TcpTransport(ControllerState& state, Link& link, Messages& messages, QObject* parent = nullptr);
  ~TcpTransport() override;

  TransportTraits traits() const override { return {false, true}; }
  // Client role: the connection is made; server role: the chosen unit is connected.
  bool ready() const override;
  // Client role on the connection, server role on the socket of record selected_peer.
  bool send(std::string_view line) override;
  // "tcp", the peer's address and port, and in the server role its record.
  std::string description() const override;

  // Client role: starts connecting to host_list[selected_peer] at tcp_port_text; true when the
  // attempt started (connected() follows, or disconnected() and the event error box), or when
  // connected already. An attempt still in progress gives way to the new one.
  bool ConnectToHost();
  // Server role: listens on listen_address (every IPv4 address when empty) at tcp_port_text;
  // true also when listening.
  bool StartServer();
  static constexpr std::string_view kBadListenAddressText =
      "待ち受けるアドレスが正しくありません。192.168.1.10 のように入力してください（空欄はすべてのアドレス）。";
  static constexpr std::string_view kListenAddressUnavailableText = "待ち受けるアドレスがこのコンピュータにありません。";
  // Listens on `address` at `port`; port 0 takes a free one, which ServerPort() then tells.
  bool StartServer(const QHostAddress& address, quint16 port);
  quint16 ServerPort() const;
  // Closes the connection, the listening socket and every unit's socket, empties the client
  // table and sets tcp_connected to 0 (in the server role selected_peer to -1 as well).
  void CloseAllSockets();
  // Closes one unit's connection (its peer_socket in the client table) and frees its record.
  void CloseClient(int peer);

  // Server role: the unit of `record` gets a session of its own: what it sends and its loss go
  // to `link` rather than to the chosen unit's link, and the transport returned sends to it
  // (it stays that unit's, even if the record is taken by another later). Ending the
  // transport ends the route. Null when no unit holds `record`.
  std::unique_ptr<Transport> RouteUnit(int record, Link& link);

  // Where a unit the permitted list refuses is logged; none: not logged.
  void SetTrafficLog(TrafficLog* log) { log_ = log; }

  bool Connecting() const;
  bool Listening() const;

 signals:
  // Client role: the connection is made; tcp_connected is 1.
  void connected();
  // Client role: the connection ended or could not be made; tcp_connected is 0.
  void disconnected();
  // Server role: a unit was accepted or left; the client table changed.
  void clientsChanged();

 private:
  void OnConnected();
  void ReadConnection();
  void OnConnectionError(QAbstractSocket::SocketError error);
  // The host closed the connection, or it failed with `error`.
  void LoseConnection(QAbstractSocket::SocketError error);
  void DropConnection();

  void AcceptPending();
  // A unit the permitted list does not let in: logged, to be closed before it takes a record.
  bool RefusedUnit(const QTcpSocket& socket);
  void OnUnitReadable(int peer);
  // The unit closed its connection, or it failed with `error`.
  void OnUnitClosed(int peer, QAbstractSocket::SocketError error);
  // Closes the unit's socket and frees its record; when it was the chosen unit the link is
  // no longer connected. Returns whether it was.
  bool DropUnit(int peer);
  bool IsChosen(int peer) const;
  int NextPeerId();
  // The socket commands go to in the current role, when there is one.
  QTcpSocket* PeerSocket() const;

  class RoutedUnit;
  // The link the unit's bytes go to: its session's, or the chosen unit's; none: thrown away.
  Link* LinkOf(int peer) const;
  // The link lost the peer it talks to; one message says so unless the link did.
  void AnnouncePeerLost(QAbstractSocket::SocketError error);

  ControllerState& state_;
  Link& link_;
  Messages& messages_;
  QTcpSocket* connection_ = nullptr;
  bool starting_connection_ = false;  // within the call that starts an attempt
  bool established_ = false;
  QTcpServer* server_ = nullptr;
  std::map<int, QTcpSocket*> units_;  // by peer id, as kept in the client table
  std::map<int, Link*> routes_;       // by peer id: the units that have sessions of their own
  int last_peer_id_ = 0;
  TrafficLog* log_ = nullptr;
};

}  // namespace vtg
