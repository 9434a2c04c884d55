#include "shell/verify_dialog.h"

#include "settings/setting_comparison.h"
#include "shell/difference_table.h"
#include "shell/read_all_run.h"
#include "ui/cp932_text.h"
#include "ui/qt_text.h"

namespace vtg::shell {
namespace {

SequenceRun ReadUnit(ui::AppContext& app, bool) {
  return ReadUnitRun(app.state, app.link, app.messages, std::make_shared<SettingsImage>(DefaultSettingsImage()));
}

}  // namespace

const WholeUnitRunLayout kVerifyLayout{"設定の照合", 1310, "照合", 1311, 1312,
                                       "本機の設定を読み込み、データと照合します。", ReadUnit,
                                       ManyUnitRun::Verify};

VerifyDialog::VerifyDialog(ui::AppContext& app, QWidget* parent) : WholeUnitRunDialog(app, kVerifyLayout, parent) {
  result_ = ui::WithId(kVerifyResultId, new QLabel(this));
  table_ = NewDifferenceTable(kVerifyTableId, this);
  table_->hide();
  results()->addWidget(result_);
  results()->addWidget(table_, 1);
}

SequenceRun VerifyDialog::MakeRun() {
  SequenceRun run = ReadUnit(app(), false);
  unit_ = run.read_into;
  result_->clear();
  table_->hide();
  return run;
}

void VerifyDialog::RunEnded(SequenceEngine::End how) {
  table_->setRowCount(0);
  if (how != SequenceEngine::End::Completed) {
    result_->setText(ui::ToQString(kFailedText));
    return;
  }
  const std::vector<Difference> found = CompareSettings(state().image, *unit_, Cp932BytesToUtf8);
  if (found.empty()) {
    result_->setText(ui::ToQString(kAllEqualText));
    return;
  }
  result_->setText(QStringLiteral("一致しない項目が %1 件あります。").arg(found.size()));
  ShowDifferences(*table_, found);
  table_->show();
  // The caption's minimum width keeps the layout from growing the dialog by itself.
  resize(size().expandedTo(sizeHint()));
}

}  // namespace vtg::shell
