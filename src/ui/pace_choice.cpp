#include "ui/pace_choice.h"

#include "settings/controller_state.h"
#include "settings/window_config.h"
#include "ui/control_id.h"

namespace vtg::ui {

Pace ChosenPace(const AppContext& app) { return app.state.link.run_pace == 1 ? Pace::Reply : Pace::Timer; }

PaceChoice::PaceChoice(AppContext& app, QWidget* parent) : QComboBox(parent) {
  WithId(kControlId, this);
  addItems({QStringLiteral("タイマー"), QStringLiteral("応答ごと")});
  setCurrentIndex(app.state.link.run_pace == 1 ? 1 : 0);
  connect(this, &QComboBox::currentIndexChanged, this, [&app](int pace) {
    app.state.link.run_pace = pace;
    StoreRunPace(app.state.link, app.profile);
  });
}

PaceChoice::PaceChoice(AppContext& app, SequenceEngine& engine, QWidget* parent) : PaceChoice(app, parent) {
  engine.SetPace(ChosenPace(app));
  connect(this, &QComboBox::currentIndexChanged, this, [&app, &engine] { engine.SetPace(ChosenPace(app)); });
}

}  // namespace vtg::ui
