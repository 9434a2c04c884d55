#pragma once
// Reaches the unit the command line names, runs the command's job against it (or against the
// addresses given, in turn) on the event loop and ends the loop with the exit status.
#include <QObject>
#include <QTimer>

#include "cli/ctl_options.h"
#include "cli/log_output.h"
#include "cli/unit_worker.h"
#include "link/serial_transport.h"
#include "link/tcp_transport.h"
#include "link/traffic_log.h"

namespace vtg::cli {

class UnitSession : public QObject {
  Q_OBJECT

 public:
  // `decode` shows the titles verify finds different.
  UnitSession(const CtlOptions& options, ShiftJisDecoder decode, QObject* parent = nullptr);

  // Call from the running event loop; it ends with QCoreApplication::exit(status).
  void Start();

 private:
  void OpenSerial();
  void ConnectToUnit();
  void ConnectToAddress(const QHostAddress& address);
  void ListenForUnit();
  void OnUnitsChanged();
  void BeginJob();
  void Finish(int status);

  const CtlOptions& options_;
  UnitWorker worker_;
  TerminalMessages& messages_;
  LogOutput log_output_{messages_};
  TrafficLog log_;
  SerialTransport serial_{worker_.link(), messages_};
  TcpTransport tcp_{worker_.state(), worker_.link(), messages_};
  QTimer connect_timer_;
  bool job_begun_ = false;
  bool finished_ = false;
};

// --listen: starts the server role; kExitOk once listening ("listening on" told), else the
// exit status after telling why.
int Listen(const CtlOptions& options, TcpTransport& tcp, Messages& messages);

// The traffic log of --log and -v, for every unit's link; false when its file cannot be opened.
bool OpenTrafficLog(const CtlOptions& options, LogOutput& output, TrafficLog& log);

}  // namespace vtg::cli
