#include "ui/sequence_runner.h"

#include "ui/qt_text.h"

namespace vtg::ui {

SequenceRunner::SequenceRunner(AppContext& app, QWidget* dialog, QAbstractButton* close, QProgressBar* bar,
                               QLineEdit* percent)
    : QObject(dialog), close_(close), bar_(bar), percent_(percent), engine_(app.state, app.link, app.messages, *this) {
  connect(&timer_, &QTimer::timeout, this, &SequenceRunner::Tick);
}

SequenceRunner::~SequenceRunner() {
  // The dialog's handlers are going away with it; the shared run state must not stay set.
  engine_.OnEnd({});
  engine_.Abort();
}

SequenceEngine::Start SequenceRunner::Begin(SequenceRun run) {
  if (bar_ && run.progress_range > 0 && !engine_.Running()) bar_->setRange(0, run.progress_range);
  return engine_.Begin(std::move(run));
}

void SequenceRunner::StartTimer(int period_ms) { timer_.start(period_ms); }

void SequenceRunner::StopTimer() { timer_.stop(); }

void SequenceRunner::SetCloseEnabled(bool enabled) {
  if (close_) close_->setEnabled(enabled);
}

void SequenceRunner::ShowProgress(int position, std::string_view percent) {
  if (bar_) bar_->setValue(position);
  if (percent_) percent_->setText(ToQString(percent));
}

}  // namespace vtg::ui
