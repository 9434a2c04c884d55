#pragma once
// One unit of a run over several units in the window: its session, the timers that pace it,
// and its boxes, kept as its error. In the server role it talks on its unit's own connection;
// on the serial line it has the line to itself for its turn.
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "link/qt_reply_timer.h"
#include "link/recorded_messages.h"
#include "link/session.h"
#include "ui/app_context.h"

namespace vtg::shell {

class UnitLane : public QObject, public SequenceView {
  Q_OBJECT
 public:
  // `record`: the unit of the server role; 0 for `slave_index` on the serial line.
  UnitLane(ui::AppContext& app, int record, int slave_index, QObject* parent);
  ~UnitLane() override;

  // The session's state, link and boxes, which its run is made on.
  ui::AppContext& context() { return context_; }
  // At the program's pace. Why the run could not begin; empty when it began.
  std::string Begin(SequenceRun run);
  void Abort() { session_.engine().Abort(); }
  bool Running() { return session_.engine().Running(); }
  const std::string& Failure() const { return messages_.LastFailure(); }

  std::function<void(int percent)> on_progress;
  std::function<void(bool completed)> on_end;

  void StartTimer(int period_ms) override { tick_.start(period_ms); }
  void StopTimer() override { tick_.stop(); }
  void SetCloseEnabled(bool) override {}
  void ShowProgress(int position, std::string_view percent) override;

 private:
  // The serial line goes back to the program's own link.
  void LeaveLine();

  ui::AppContext& app_;
  int record_;
  RecordedMessages messages_;
  Session session_;
  ui::AppContext context_;
  QtReplyTimer reply_timer_{session_.link()};
  std::unique_ptr<Transport> route_;
  QTimer tick_;
  QTimer watchdog_;
  bool on_line_ = false;
};

}  // namespace vtg::shell
