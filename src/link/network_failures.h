#pragma once
// What the socket link tells the operator when a socket operation fails.
#include <string_view>

#include "link/messages.h"

namespace vtg {

enum class NetworkFailure {
  BadPort,            // the port text names no port
  NoHost,             // no host list entry is chosen
  SocketUnavailable,  // the system gave no socket
  CannotConnect,
  CannotBind,
  ListenFailed,
  AcceptFailed,
  EventError,       // an established connection failed
  UnexpectedEvent,  // a socket error the link has no meaning for
};

// Shows the failure's box; `code` fills the "%d" of the texts that carry one.
void ReportNetworkFailure(Messages& messages, NetworkFailure failure, int code = 0);

namespace text {
inline constexpr std::string_view kConnectOk = "Socket 接続 OK";
}  // namespace text

}  // namespace vtg
