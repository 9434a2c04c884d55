#pragma once
// --listen with --units or --wait: the controller in the server role waits for the units,
// then runs the command against all of them at once, each unit on a session of its own; one
// unit failing never stops the others. Units that connect later are not listened to.
#include <QObject>
#include <QTimer>
#include <iostream>
#include <memory>
#include <vector>

#include "cli/ctl_options.h"
#include "cli/log_output.h"
#include "cli/unit_worker.h"
#include "link/tcp_transport.h"
#include "link/traffic_log.h"

namespace vtg::cli {

class ServerUnits : public QObject {
  Q_OBJECT

 public:
  ServerUnits(const CtlOptions& options, ShiftJisDecoder decode, QObject* parent = nullptr);
  ~ServerUnits() override;

  // Call from the running event loop; it ends with QCoreApplication::exit(status).
  void Start();

 private:
  void OnUnitsChanged();
  void BeginAll();
  void Finish(int status);

  struct Unit;

  const CtlOptions& options_;
  ShiftJisDecoder decode_;
  ControllerState state_;  // the server's: its client table
  TerminalMessages messages_{std::cerr};
  LogOutput log_output_{messages_};
  TrafficLog log_;
  // No unit is chosen: the units without a session of their own are not listened to.
  Link link_{state_, messages_};
  TcpTransport tcp_{state_, link_, messages_};
  QTimer wait_timer_;
  std::vector<std::unique_ptr<Unit>> units_;
  int running_ = 0;
  int worst_ = kExitOk;
  bool begun_ = false;
  bool finished_ = false;
};

}  // namespace vtg::cli
