#pragma once
// Runs a core sequence from a timer of its dialog: "Close" is disabled while the run goes
// and the progress shows in the dialog's bar and percentage box.
#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <QProgressBar>
#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <functional>

#include "link/run_estimate.h"
#include "link/sequence_engine.h"
#include "ui/app_context.h"

namespace vtg::ui {

class SequenceRunner : public QObject, public SequenceView {
  Q_OBJECT
 public:
  // `percent` may be null for dialogs without a percentage box. The runner becomes a child of
  // `dialog`; a SettingsDialog ends a running sequence as aborted when it closes.
  SequenceRunner(AppContext& app, QWidget* dialog, QAbstractButton* close, QProgressBar* bar,
                 QLineEdit* percent = nullptr);
  ~SequenceRunner() override;

  // The bar takes the run's progress range when it gives one.
  SequenceEngine::Start Begin(SequenceRun run);
  void OnEnd(std::function<void(SequenceEngine::End)> handler) { engine_.OnEnd(std::move(handler)); }
  bool Running() const { return engine_.Running(); }
  void Abort() { engine_.Abort(); }
  // One timer tick: the dialog's timer calls it, tests call it in virtual time.
  void Tick() { engine_.Tick(); }
  // The period the dialog's timer runs at; 0 while it is stopped.
  int PeriodMs() const { return timer_.isActive() ? timer_.interval() : 0; }
  // For core logic that starts its runs on the engine itself (the glyph lists).
  SequenceEngine& engine() { return engine_; }

  // `label` shows the time the run has spent and the time it still needs, while it goes
  // (twice a second) and once it ended.
  void ShowTimeIn(QLabel* label);
  // `done` of `total` steps are done; runs without a progress range tell it themselves.
  void Measure(int done, int total);

  void StartTimer(int period_ms) override;
  void StopTimer() override;
  void SetCloseEnabled(bool enabled) override;
  void ShowProgress(int position, std::string_view percent) override;

 private:
  void ShowTime();

  QTimer timer_;
  QPointer<QAbstractButton> close_;
  QPointer<QProgressBar> bar_;
  QPointer<QLineEdit> percent_;
  SequenceEngine engine_;
  QPointer<QLabel> time_label_;
  QTimer time_refresh_;
  QElapsedTimer clock_;
  RunEstimate estimate_;
  int progress_range_ = 0;
  static constexpr int kTimeRefreshMs = 500;
  qint64 shown_at_ = 0;
};

}  // namespace vtg::ui
