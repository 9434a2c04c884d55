#include "link/network_failures.h"

#include <array>
#include <string>

namespace vtg {
namespace {

struct FailureRow {
  NetworkFailure failure;
  Box box;
  std::string_view text;
};

constexpr std::array kFailures{
    FailureRow{NetworkFailure::BadPort, Box::Network, "ポート番号が正しくありません"},
    FailureRow{NetworkFailure::NoHost, Box::Network, "接続先の Host が選択されていません"},
    FailureRow{NetworkFailure::SocketUnavailable, Box::Network, "WINSOCK.DLLが動作していません。[%d]"},
    FailureRow{NetworkFailure::CannotConnect, Box::Network, "接続できません"},
    FailureRow{NetworkFailure::CannotBind, Box::Network, "Bindできません"},
    FailureRow{NetworkFailure::ListenFailed, Box::Network, "WINSOCK.DLLの listen() からのエラー。[%d]"},
    FailureRow{NetworkFailure::AcceptFailed, Box::Network, "WINSOCK.DLLの accept() からのエラー。[%d]"},
    FailureRow{NetworkFailure::EventError, Box::OwnedStop, "ソケットイベントにエラーが発生しました。"},
    FailureRow{NetworkFailure::UnexpectedEvent, Box::NetworkPlain, "ﾈｯﾄﾜｰｸ･ｴﾗｰ(event %d)"},
};

}  // namespace

void ReportNetworkFailure(Messages& messages, NetworkFailure failure, int code) {
  for (const FailureRow& row : kFailures) {
    if (row.failure != failure) continue;
    std::string text(row.text);
    if (const auto at = text.find("%d"); at != std::string::npos) text.replace(at, 2, std::to_string(code));
    messages.Show(row.box, text);
    return;
  }
}

}  // namespace vtg
