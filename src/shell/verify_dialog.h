#pragma once
// "設定の照合": reads every setting of the unit into an image of its own, on the one engine,
// and shows where it differs from the data the operator holds (what Save would write).
#include <QLabel>
#include <QTableWidget>
#include <memory>

#include "shell/whole_unit_run_dialog.h"

namespace vtg::shell {

extern const WholeUnitRunLayout kVerifyLayout;

inline constexpr int kVerifyResultId = 1313;
inline constexpr int kVerifyTableId = 1314;

class VerifyDialog : public WholeUnitRunDialog {
  Q_OBJECT
 public:
  VerifyDialog(ui::AppContext& app, QWidget* parent);

  static constexpr std::string_view kAllEqualText = "データと本機の設定はすべて一致しています。";
  static constexpr std::string_view kFailedText = "本機の設定を読み込めなかったため、照合できませんでした。";

 protected:
  SequenceRun MakeRun() override;
  void RunEnded(SequenceEngine::End how) override;

 private:
  std::shared_ptr<SettingsImage> unit_;
  QLabel* result_;
  QTableWidget* table_;
};

}  // namespace vtg::shell
