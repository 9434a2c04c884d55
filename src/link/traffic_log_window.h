#pragma once
// The traffic log window "通信ログ": the last lines of the program's traffic log, live. It has
// no parent, so that the dialogs, modal to the main window's family, leave it usable; it
// redraws on a timer of its own, so a run pays nothing for it whatever arrives.
#include <QPlainTextEdit>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdint>

#include "link/traffic_log.h"

namespace vtg {

class TrafficLogWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kView = 1401;
  static constexpr int kClearButton = 1402;
  static constexpr int kSaveButton = 1403;
  static constexpr int kCountLabel = 1404;
  static constexpr int kRedrawMs = 250;

  explicit TrafficLogWindow(TrafficLog& log);

  // Shows what was recorded since the last redraw; the timer calls it while the window is shown.
  void Redraw();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Clear();
  void Save();

  TrafficLog& log_;
  QPlainTextEdit* view_;
  QLabel* count_;
  QTimer redraw_;
  std::uint64_t shown_ = 0;  // the log's Recorded() at the last redraw
};

}  // namespace vtg
