#pragma once
// "送信間隔": whether the runs of a dialog go at their timer periods or each line as soon as
// the unit answered the one before. One choice for the whole program, kept in the
// configuration file the moment it changes.
#include <QComboBox>

#include "link/sequence_engine.h"
#include "ui/app_context.h"

namespace vtg::ui {

// The pace the program's runs go at now.
Pace ChosenPace(const AppContext& app);

class PaceChoice : public QComboBox {
  Q_OBJECT
 public:
  static constexpr int kControlId = 1380;
  // The label of a run's time spent and left, beside it.
  static constexpr int kTimeId = 1381;

  // Opens on the program's choice and gives it to `engine` for the runs begun from now on.
  PaceChoice(AppContext& app, SequenceEngine& engine, QWidget* parent);
  // The choice alone, for runs that read it from the program's state as they begin.
  PaceChoice(AppContext& app, QWidget* parent);
};

}  // namespace vtg::ui
