#pragma once
// Set All Items, Read Setting Items or the verify over several units: the operator ticks the
// units (the server role's connected units by their address, or slave addresses on the
// serial line), and a table shows each unit's progress, result, time and error. Units on
// connections of their own run at once, those on the serial line one after another; one
// unit's failure never stops the others. A read keeps one document a unit, named after it.
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <memory>
#include <vector>

#include "link/run_estimate.h"
#include "link/unit_runs.h"
#include "settings/setting_comparison.h"
#include "shell/unit_lane.h"
#include "shell/whole_unit_run_dialog.h"

namespace vtg::shell {

class ManyUnitDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kUnitListId = 1421;
  static constexpr int kAllId = 1422;
  static constexpr int kFolderId = 1423;
  static constexpr int kBrowseId = 1424;
  static constexpr int kStartId = 1425;
  static constexpr int kStopId = 1426;
  static constexpr int kTableId = 1427;
  static constexpr int kDifferencesId = 1428;
  static constexpr int kTimeId = 1429;

  enum Column { kUnitColumn, kStatusColumn, kPercentColumn, kTimeColumn, kResultColumn };

  static constexpr std::string_view kNoUnitText = "本機を選んでください。";
  static constexpr std::string_view kNoFolderText = "保存先のフォルダがありません。";
  static constexpr std::string_view kStoppedText = "中止しました";
  static constexpr std::string_view kReplaceFilesText = "保存先のフォルダに同じ名前のファイルがあります。置き換えますか？";

  // Whether the program's link can reach several units: the server role, or the serial line.
  static bool Offered(const ControllerState& state);

  ManyUnitDialog(ui::AppContext& app, const WholeUnitRunLayout& layout, QWidget* parent);
  ~ManyUnitDialog() override;

  // As the start button does.
  void Start();
  bool Running() const { return runs_ && !runs_->Done(); }

 signals:
  // Every unit's run is over.
  void runsEnded();

 protected:
  void done(int result) override;

 private:
  struct Unit {
    std::string name;
    int record;       // the server role's; 0 on the serial line
    int slave_index;  // on the serial line
  };
  // A unit of the run going or last run.
  struct Target {
    Unit unit;
    std::unique_ptr<UnitLane> lane;
    std::shared_ptr<SettingsImage> read_into;  // the verify's
    std::vector<Difference> differences;       // the verify's
    std::string result;                        // what it left once its run completed
    UnitRunRow::Status shown = UnitRunRow::Status::Waiting;  // what its row last showed
  };
  Target& TargetAt(int index) { return targets_[static_cast<std::size_t>(index)]; }
  void ListUnits();
  std::vector<Unit> CheckedUnits() const;
  std::string BeginUnit(int index);
  // Unit `index`'s run ended: what it leaves is kept, and its row says so.
  void UnitEnded(int index, bool completed);
  void ShowRow(int index);
  void ShowTime();
  // "違いを表示…" is usable on a row whose unit differs.
  void OfferDifferences();
  void ShowDifferencesOf(int row);
  // Where a read keeps the unit's document.
  QString DocumentPath(const Unit& unit) const;
  void Stop();
  void SetRunning(bool running);

  ui::AppContext& app_;
  const WholeUnitRunLayout& layout_;
  QListWidget* list_;
  QCheckBox* all_;
  QLineEdit* folder_ = nullptr;
  QPushButton* start_;
  QPushButton* stop_;
  QPushButton* close_;
  QPushButton* differences_ = nullptr;
  QTableWidget* table_;
  QLabel* time_;
  QTimer time_refresh_;
  QElapsedTimer clock_;
  RunEstimate estimate_;
  int estimated_ = 0;  // the percentages the estimate was last told
  std::vector<Unit> offered_;  // the list's
  bool stopping_ = false;
  std::unique_ptr<UnitRuns> runs_;
  // Last: their lanes go before what their runs report to.
  std::vector<Target> targets_;
};

}  // namespace vtg::shell
