#pragma once
// Runs the command on one session of its own: against one unit, or against the slave
// addresses of one link in turn (they share the line). Its link is attached by whoever opened
// it; several workers run at once against the units of the server role.
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <sstream>
#include <vector>

#include "cli/ctl_options.h"
#include "cli/progress_report.h"
#include "cli/terminal_messages.h"
#include "cli/unit_job.h"
#include "link/qt_reply_timer.h"
#include "link/session.h"
#include "link/unit_runs.h"

namespace vtg::cli {

class UnitWorker : public QObject, public SequenceView {
  Q_OBJECT

 public:
  // `unit`: how the result lines and messages name the unit; empty for the one unit of a
  // single run, whose messages, progress and output stay as they were.
  UnitWorker(const CtlOptions& options, std::string unit, ShiftJisDecoder decode, QObject* parent = nullptr);

  ControllerState& state() { return session_.state(); }
  Link& link() { return session_.link(); }
  TerminalMessages& messages() { return messages_; }
  // The socket link, with the worker's own reply wait.
  void AttachSocket(Transport* socket);

  // Before the link opens: the first job reads its input and checks where its output goes.
  // kExitOk, or kExitBadUsage after telling why. Run does it when it was not done.
  int Prepare();
  // The link is open; `record`: the unit of the server role to address, 0 for the link's
  // own. Runs the jobs in turn and tells `done` the worst exit status once all are over.
  void Run(int record, std::function<void(int status)> done);
  // A job may have nothing more to wait for.
  void Settle();
  // Once done: each job's result line, and the output it printed, each line after its unit.
  void Report(std::ostream& out) const;
  bool Many() const { return jobs_.size() > 1 || !unit_.empty(); }

  void StartTimer(int period_ms) override { tick_timer_.start(period_ms); }
  void StopTimer() override { tick_timer_.stop(); }
  void SetCloseEnabled(bool) override {}
  void ShowProgress(int, std::string_view percent) override;

 private:
  struct Job {
    CtlOptions options;
    std::string unit;
    std::string output;  // what it printed, when the worker is one of several
  };
  static std::vector<Job> JobsFor(const CtlOptions& options, const std::string& unit);
  std::vector<std::string> UnitNames() const;

  // Makes job `index` the current one and prepares it.
  int OpenJob(int index);
  std::string BeginJob(int index);
  void Finish(int status);

  std::string unit_;
  std::vector<Job> jobs_;  // one a slave address, in turn
  ShiftJisDecoder decode_;
  std::ostringstream unit_output_;  // declared before out_, which may be it
  std::ostream& out_;
  TerminalMessages messages_;
  ProgressReport progress_;
  Session session_;
  QtReplyTimer reply_timer_{session_.link()};
  QTimer tick_timer_;
  QTimer watchdog_;
  std::unique_ptr<UnitJob> job_;
  int job_index_ = -1;
  bool job_open_ = false;  // begun and not yet concluded
  int record_ = 0;
  UnitRuns runs_;
  int worst_ = kExitOk;
  std::function<void(int)> done_;
  bool finished_ = false;
};

// The output files of the command named after `unit` (read-all, glyph-read): the runs of
// several units must not overwrite each other's.
CtlOptions ForUnit(CtlOptions options, const std::string& unit);

}  // namespace vtg::cli
