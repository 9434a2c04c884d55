#pragma once
// Reaches the unit the command line names, runs the command's job against it on the event
// loop and ends the loop with the job's exit status.
#include <QObject>
#include <QTimer>
#include <iostream>

#include "cli/ctl_options.h"
#include "cli/log_output.h"
#include "cli/progress_report.h"
#include "cli/terminal_messages.h"
#include "cli/unit_job.h"
#include "link/link.h"
#include "link/qt_reply_timer.h"
#include "link/sequence_engine.h"
#include "link/serial_transport.h"
#include "link/tcp_transport.h"
#include "link/traffic_log.h"

namespace vtg::cli {

class UnitSession : public QObject, public SequenceView {
  Q_OBJECT

 public:
  // `decode` shows the titles verify finds different.
  UnitSession(const CtlOptions& options, ShiftJisDecoder decode, QObject* parent = nullptr);

  // Call from the running event loop; it ends with QCoreApplication::exit(status).
  void Start();

  void StartTimer(int period_ms) override { tick_timer_.start(period_ms); }
  void StopTimer() override { tick_timer_.stop(); }
  void SetCloseEnabled(bool) override {}
  void ShowProgress(int, std::string_view percent) override { progress_.Show(percent); }

 private:
  void OpenSerial();
  void ConnectToUnit();
  void ConnectToAddress(const QHostAddress& address);
  void ListenForUnit();
  void OnUnitsChanged();
  void BeginJob();
  // Ends the session once the job has nothing more to wait for.
  void Settle();
  void Finish(int status);

  const CtlOptions& options_;
  ControllerState state_;
  TerminalMessages messages_{std::cerr};
  ProgressReport progress_;
  LogOutput log_output_{messages_};
  TrafficLog log_;
  Link link_{state_, messages_};
  QtReplyTimer reply_timer_{link_};
  SerialTransport serial_{link_, messages_};
  TcpTransport tcp_{state_, link_, messages_};
  SequenceEngine engine_{state_, link_, messages_, *this};
  UnitJob job_;
  QTimer tick_timer_;
  QTimer watchdog_;
  QTimer connect_timer_;
  bool job_begun_ = false;
  bool finished_ = false;
};

}  // namespace vtg::cli
