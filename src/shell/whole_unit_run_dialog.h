#pragma once
// Set All Items, Read Setting Items and the verify: one button starts a paced run over the
// whole unit, with its percentage, its progress bar and the slave address it goes to.
#include <QCheckBox>
#include <QVBoxLayout>

#include "link/sequence_engine.h"
#include "ui/sequence_runner.h"
#include "ui/settings_dialog.h"

namespace vtg::shell {

// What a run over several units keeps of each unit whose run completed.
enum class ManyUnitRun {
  SetAll,  // nothing: the unit took every line
  Read,    // its settings, as a document named after it
  Verify,  // where it differs from the data
};

struct WholeUnitRunLayout {
  const char* caption;  // the caption with a unit's address follows it after a space
  int start_id;
  const char* start_text;
  int percent_id;
  int bar_id;
  const char* notice;  // a line of warning under the controls; null for none
  // `then_verify`: the run is to end once the unit answered its last line.
  SequenceRun (*make_run)(ui::AppContext& app, bool then_verify);
  ManyUnitRun many;
  // A check box that verifies the unit after a complete run; null for none.
  const char* verify_after = nullptr;
};

extern const WholeUnitRunLayout kSetAllItemsLayout;       // dialog 106
extern const WholeUnitRunLayout kReadSettingItemsLayout;  // dialog 118

inline constexpr int kVerifyAfterId = 1315;
inline constexpr int kManyUnitsId = 1420;

class WholeUnitRunDialog : public ui::SettingsDialog {
  Q_OBJECT
 public:
  WholeUnitRunDialog(ui::AppContext& app, const WholeUnitRunLayout& layout, QWidget* parent);

  // The run's timer; tests tick it in virtual time.
  ui::SequenceRunner& runner() { return *runner_; }
  // As the start button does.
  void Start();

 protected:
  // The run the start button begins.
  virtual SequenceRun MakeRun();
  virtual void RunEnded(SequenceEngine::End how);
  // Under the bar and its notice: what a run shows once it has ended.
  QVBoxLayout* results() { return results_; }

 private:
  const WholeUnitRunLayout& layout_;
  ui::SequenceRunner* runner_;
  QCheckBox* verify_after_ = nullptr;
  bool then_verify_ = false;
  QVBoxLayout* results_;
};

template <const WholeUnitRunLayout& kLayout>
void OpenWholeUnitRun(ui::AppContext& app, QWidget* owner) {
  WholeUnitRunDialog dialog(app, kLayout, owner);
  dialog.exec();
}

}  // namespace vtg::shell
