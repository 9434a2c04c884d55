#pragma once
// The paced run that sends a long series of command lines one per timer tick, never while
// the unit still owes the reply to the line before. What differs between runs (their
// steps, periods and texts) is data in a SequenceRun; the timer ticks come from outside.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "link/link.h"
#include "settings/controller_state.h"

namespace vtg {

struct StepResult {
  enum class Kind {
    Sent,    // a line went out; the next tick waits for its reply
    Idle,    // nothing to send on this step; go on
    Failed,  // the step could not be sent and told the operator; the run ends
    Hold,    // not yet: try the same step again at the next tick
  };
  Kind kind = Kind::Sent;
  int new_period_ms = 0;  // re-arm the timer with this period
  static StepResult Sent() { return {Kind::Sent, 0}; }
  static StepResult Idle(int new_period_ms = 0) { return {Kind::Idle, new_period_ms}; }
  static StepResult Failed() { return {Kind::Failed, 0}; }
  static StepResult Hold() { return {Kind::Hold, 0}; }
};

struct SequenceRun {
  // The least time between two lines: a step whose tick finds a reply awaited goes once it
  // came. 0: no floor; each step goes as soon as the reply to the one before was interpreted.
  int period_ms = 1000;
  int last_step = 1;          // the run is complete once this step was handled
  int percent_divisor = 100;  // percentage shown = step * 100 / divisor
  std::string blank_percent = "   ";
  // Each step waits for the reply to the one before, and only the steps move the bar. The
  // glyph transfers hold a step only while the link awaits a reply, and move their bar at
  // every tick.
  bool waits_for_reply = true;
  bool checks_link = true;
  bool clears_flags_at_start = true;
  // The glyph lists leave "Close" usable: it is how the operator stops their transfers.
  bool close_stays_enabled = false;
  // A run of reads needs one addressed unit: it does not start on Broadcast.
  bool refuses_broadcast = false;
  // The dialog's progress bar runs from 0 to this.
  int progress_range = 0;
  // Builds and sends the line of a 1-based step.
  std::function<StepResult(int step)> step;
  // Optional: a run that counts on its own (the glyph transfers) says when it is done.
  std::function<bool()> finished;
  // Optional: its own progress text and bar position after a step.
  std::function<std::string(int step)> percent_text;
  // Optional: a run of reads fills this image instead of the settings image.
  std::shared_ptr<SettingsImage> read_into;
  // Optional: told of each reply the link interpreted, or of a wait that ended without one
  // (not understood), with the last step that sent a line.
  std::function<void(int step, bool understood)> on_reply;
};

// The dialog side of a run: its timer, its "Close" button and its progress display.
class SequenceView {
 public:
  virtual ~SequenceView() = default;
  virtual void StartTimer(int period_ms) = 0;
  virtual void StopTimer() = 0;
  virtual void SetCloseEnabled(bool enabled) = 0;
  virtual void ShowProgress(int position, std::string_view percent) = 0;
};

// How the steps of the runs begun on an engine follow one another.
enum class Pace {
  Timer,  // each run's own periods
  Reply,  // each step once the reply to the one before was interpreted, with no timer floor
};

class SequenceEngine {
 public:
  enum class Start { Started, NotReady, Broadcast, Busy };
  enum class End { Completed, Aborted };

  SequenceEngine(ControllerState& state, Link& link, Messages& messages, SequenceView& view);
  ~SequenceEngine();
  SequenceEngine(const SequenceEngine&) = delete;
  SequenceEngine& operator=(const SequenceEngine&) = delete;

  // For the runs begun from now on. At the reply pace the glyph transfers, too, wait for
  // each reply step by step.
  void SetPace(Pace pace) { pace_ = pace; }
  Start Begin(SequenceRun run);
  // One timer tick.
  void Tick();
  // The link is free again: a reply was interpreted or its wait ended. A step held for it
  // goes on at once. The engine hears the link's replies itself; the serial watchdog, which
  // is not the link's, calls this.
  void Wake();
  // The dialog is going away while the run goes on: end it as an aborted run.
  void Abort();
  bool Running() const { return running_; }
  // How the last run ended; Aborted before any run.
  End LastEnd() const { return last_end_; }
  void OnEnd(std::function<void(End)> handler) { on_end_ = std::move(handler); }

 private:
  bool ReplyAwaited() const;
  void Finish(End how);

  ControllerState& state_;
  Link& link_;
  Messages& messages_;
  SequenceView& view_;
  SequenceRun run_;
  Pace pace_ = Pace::Timer;
  bool running_ = false;
  bool held_ = false;    // a tick found a reply awaited
  bool prompt_ = false;  // Wake brought this tick forward; the period follows it
  End last_end_ = End::Aborted;
  int position_ = 0;
  int sent_step_ = 0;
  std::function<void(End)> on_end_;
};

}  // namespace vtg
