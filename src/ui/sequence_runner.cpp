#include "ui/sequence_runner.h"

#include "ui/qt_text.h"

namespace vtg::ui {

SequenceRunner::SequenceRunner(AppContext& app, QWidget* dialog, QAbstractButton* close, QProgressBar* bar,
                               QLineEdit* percent)
    : QObject(dialog), close_(close), bar_(bar), percent_(percent), engine_(app.state, app.link, app.messages, *this) {
  connect(&timer_, &QTimer::timeout, this, &SequenceRunner::Tick);
  connect(&time_refresh_, &QTimer::timeout, this, &SequenceRunner::ShowTime);
  clock_.start();
}

SequenceRunner::~SequenceRunner() {
  // The dialog's handlers are going away with it; the shared run state must not stay set.
  engine_.OnEnd({});
  engine_.Abort();
}

SequenceEngine::Start SequenceRunner::Begin(SequenceRun run) {
  if (bar_ && run.progress_range > 0 && !engine_.Running()) bar_->setRange(0, run.progress_range);
  if (!engine_.Running()) progress_range_ = run.progress_range;
  return engine_.Begin(std::move(run));
}

void SequenceRunner::ShowTimeIn(QLabel* label) { time_label_ = label; }

void SequenceRunner::StartTimer(int period_ms) {
  // The engine starts the timer first when a run begins, also one begun on it directly.
  if (!estimate_.Running() && engine_.Running()) {
    estimate_.Begin(clock_.elapsed());
    if (time_label_) time_refresh_.start(kTimeRefreshMs);
    ShowTime();
    shown_at_ -= kTimeRefreshMs;  // the first step shows its estimate at once
  }
  timer_.start(period_ms);
}

void SequenceRunner::StopTimer() { timer_.stop(); }

void SequenceRunner::SetCloseEnabled(bool enabled) {
  if (close_) close_->setEnabled(enabled);
}

void SequenceRunner::ShowProgress(int position, std::string_view percent) {
  if (bar_) bar_->setValue(position);
  if (percent_) percent_->setText(ToQString(percent));
  if (progress_range_ > 0) Measure(position, progress_range_);
  if (!engine_.Running() && estimate_.Running()) {
    estimate_.End(clock_.elapsed());
    time_refresh_.stop();
    ShowTime();
  }
}

void SequenceRunner::Measure(int done, int total) {
  estimate_.Step(done, total, clock_.elapsed());
  // At most twice a second, however fast the steps come.
  if (clock_.elapsed() - shown_at_ >= kTimeRefreshMs) ShowTime();
}

void SequenceRunner::ShowTime() {
  if (!time_label_) return;
  shown_at_ = clock_.elapsed();
  time_label_->setText(ToQString(estimate_.Text(shown_at_, PeriodMs())));
}

}  // namespace vtg::ui
