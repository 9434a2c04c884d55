#pragma once
// Set All Items and Read Setting Items: one button starts a paced run over the whole unit,
// with its percentage, its progress bar and the slave address it goes to.
#include "link/sequence_engine.h"
#include "ui/sequence_runner.h"
#include "ui/settings_dialog.h"

namespace vtg::shell {

struct WholeUnitRunLayout {
  const char* caption;  // the caption with a unit's address follows it after a space
  int start_id;
  const char* start_text;
  int percent_id;
  int bar_id;
  const char* notice;  // a line of warning under the controls; null for none
  SequenceRun (*make_run)(ui::AppContext& app);
};

extern const WholeUnitRunLayout kSetAllItemsLayout;       // dialog 106
extern const WholeUnitRunLayout kReadSettingItemsLayout;  // dialog 118

class WholeUnitRunDialog : public ui::SettingsDialog {
  Q_OBJECT
 public:
  WholeUnitRunDialog(ui::AppContext& app, const WholeUnitRunLayout& layout, QWidget* parent);

  // The run's timer; tests tick it in virtual time.
  ui::SequenceRunner& runner() { return *runner_; }

 private:
  const WholeUnitRunLayout& layout_;
  ui::SequenceRunner* runner_;
};

template <const WholeUnitRunLayout& kLayout>
void OpenWholeUnitRun(ui::AppContext& app, QWidget* owner) {
  WholeUnitRunDialog dialog(app, kLayout, owner);
  dialog.exec();
}

}  // namespace vtg::shell
