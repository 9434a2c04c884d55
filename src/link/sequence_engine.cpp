#include "link/sequence_engine.h"

namespace vtg {

SequenceEngine::SequenceEngine(ControllerState& state, Link& link, Messages& messages, SequenceView& view)
    : state_(state), link_(link), messages_(messages), view_(view) {}

SequenceEngine::~SequenceEngine() {
  if (!running_) return;
  link_.SetRunListener({});
  link_.ReadInto({});
}

SequenceEngine::Start SequenceEngine::Begin(SequenceRun run) {
  if (run.checks_link && !link_.LinkReady()) {
    messages_.ErrorBox(text::kNotConnected);
    return Start::NotReady;
  }
  if (run.refuses_broadcast && state_.selection.slave_index >= kBroadcast) {
    messages_.ErrorBox(text::kNoBroadcastRead);
    return Start::Broadcast;
  }
  if (state_.flags.sequence_step != 0) return Start::Busy;
  // A failure zeroed the step of a run that has not seen its next tick yet: it ends first,
  // so that nothing it owns is left set for the new one.
  if (running_) Finish(End::Aborted);
  run_ = std::move(run);
  if (pace_ == Pace::Reply) {
    run_.period_ms = 0;
    run_.waits_for_reply = true;
  }
  LinkFlags& f = state_.flags;
  f.announce_success = 0;
  if (run_.clears_flags_at_start) {
    f.abort_flag = 0;
    f.step_pending = 0;
  }
  f.sequence_step = 1;
  running_ = true;
  held_ = prompt_ = false;
  position_ = sent_step_ = 0;
  link_.ReadInto(run_.read_into);
  link_.SetRunListener([this](std::string_view, bool understood) {
    if (run_.on_reply) run_.on_reply(sent_step_, understood);
    Wake();
  });
  view_.SetCloseEnabled(run_.close_stays_enabled);
  view_.StartTimer(run_.period_ms);
  return Start::Started;
}

void SequenceEngine::Tick() {
  if (!running_) return;
  if (prompt_) {
    prompt_ = false;
    view_.StartTimer(run_.period_ms);
  }
  LinkFlags& f = state_.flags;
  if (f.abort_flag) {
    Finish(End::Aborted);
    return;
  }
  // A time-out or a failed send may have zeroed the step without setting the abort flag.
  if (f.sequence_step == 0) {
    Finish(End::Aborted);
    return;
  }

  const int s = f.sequence_step;
  StepResult result = StepResult::Hold();
  if (ReplyAwaited()) {
    held_ = true;
    // Without a timer floor nothing happens until the reply: sleep until Wake.
    if (run_.period_ms == 0) view_.StopTimer();
    if (run_.waits_for_reply) return;
  } else {
    // Set before the send: a reply or a Broadcast send clears it again.
    if (run_.waits_for_reply) f.step_pending = 1;
    result = run_.step(s);
    // A box the step showed runs an event loop, whose ticks may have ended the run already.
    if (!running_) return;
    if (result.kind == StepResult::Kind::Sent)
      sent_step_ = s;
    else
      f.step_pending = 0;
    if (result.kind == StepResult::Kind::Failed) f.abort_flag = 1;
    if (result.new_period_ms > 0 && run_.period_ms > 0) {
      run_.period_ms = result.new_period_ms;
      view_.StartTimer(run_.period_ms);
    }
  }
  // The bar moves on every handled tick, also while a step is held.
  ++position_;
  view_.ShowProgress(position_, run_.percent_text ? run_.percent_text(s)
                                                  : std::to_string(s * 100 / run_.percent_divisor));
  if (result.kind == StepResult::Kind::Hold) return;
  const bool done = run_.finished ? run_.finished() : s >= run_.last_step;
  if (f.sequence_step != 0) f.sequence_step = s + 1;
  if (f.abort_flag)
    Finish(End::Aborted);
  else if (done)
    Finish(End::Completed);
}

void SequenceEngine::Wake() {
  if (!running_ || !held_) return;
  held_ = false;
  prompt_ = run_.period_ms > 0;
  view_.StartTimer(0);
}

bool SequenceEngine::ReplyAwaited() const {
  return (run_.waits_for_reply && state_.flags.step_pending) || link_.ReplyAwaited();
}

void SequenceEngine::Abort() {
  if (running_) Finish(End::Aborted);
}

void SequenceEngine::Finish(End how) {
  LinkFlags& f = state_.flags;
  running_ = false;
  last_end_ = how;
  link_.SetRunListener({});
  link_.ReadInto({});
  view_.StopTimer();
  f.sequence_step = 0;
  f.abort_flag = 0;
  if (how == End::Aborted) {
    f.announce_success = 0;
    f.step_pending = 0;
  }
  view_.SetCloseEnabled(true);
  view_.ShowProgress(0, run_.blank_percent);
  if (on_end_) on_end_(how);
}

}  // namespace vtg
