#include "shell/whole_unit_run_dialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>

#include "link/link.h"
#include "shell/many_unit_dialog.h"
#include "shell/read_all_run.h"
#include "shell/set_all_run.h"
#include "shell/verify_dialog.h"
#include "ui/pace_choice.h"
#include "ui/slave_address_combo.h"

namespace vtg::shell {
namespace {

SequenceRun SetAll(ui::AppContext& app, bool then_verify) {
  return SetAllItemsRun(app.state, app.link, app.messages, then_verify);
}
SequenceRun ReadAll(ui::AppContext& app, bool) { return ReadSettingItemsRun(app.state, app.link, app.messages); }

ui::DialogSetup Setup(const WholeUnitRunLayout& layout) {
  const QString caption = QString::fromUtf8(layout.caption);
  return {caption, caption + QLatin1Char(' ')};
}

}  // namespace

const WholeUnitRunLayout kSetAllItemsLayout{"全項目の設定", 1012, "設定", 1013, 1015, nullptr, SetAll,
                                            ManyUnitRun::SetAll, "設定後に本機と照合する"};
const WholeUnitRunLayout kReadSettingItemsLayout{"設定項目の読み込み", 1069, "読み込み", 1070, 1071,
                                                 "メンテナンス以外で読み込み動作を行わないでください。", ReadAll,
                                                 ManyUnitRun::Read};

WholeUnitRunDialog::WholeUnitRunDialog(ui::AppContext& app, const WholeUnitRunLayout& layout, QWidget* parent)
    : SettingsDialog(app, Setup(layout), parent), layout_(layout) {
  QPushButton* start = Button(layout.start_id, QString::fromUtf8(layout.start_text));
  auto* percent = ui::WithId(layout.percent_id, new QLineEdit(this));
  percent->setReadOnly(true);
  percent->setAlignment(Qt::AlignRight);
  percent->setFixedWidth(percent->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
  auto* bar = ui::WithId(layout.bar_id, new QProgressBar(this));
  bar->setRange(0, layout.make_run(app, false).progress_range);
  bar->setValue(0);
  bar->setTextVisible(false);
  QPushButton* close = Button(2, QStringLiteral("Close"));
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  runner_ = new ui::SequenceRunner(app, this, close, bar, percent);
  runner_->OnEnd([this](SequenceEngine::End how) { RunEnded(how); });
  auto* time = ui::WithId(ui::PaceChoice::kTimeId, new QLabel(this));
  runner_->ShowTimeIn(time);
  connect(start, &QPushButton::clicked, this, &WholeUnitRunDialog::Start);

  auto* run_row = new QHBoxLayout;
  run_row->addWidget(start);
  run_row->addSpacing(12);
  run_row->addWidget(percent);
  run_row->addWidget(new QLabel(QStringLiteral("％"), this));
  run_row->addStretch(1);
  if (layout.verify_after) {
    verify_after_ = ui::WithId(kVerifyAfterId, new QCheckBox(QString::fromUtf8(layout.verify_after), this));
    run_row->addWidget(verify_after_);
  }

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(Group(QStringLiteral("Slave Address"),
                          {new ui::SlaveAddressCombo(state(), ui::SlaveAddressCombo::Entries::WithBroadcast, this)}));
  bottom->addWidget(Group(QStringLiteral("送信間隔"), {new ui::PaceChoice(app, runner_->engine(), this)}));
  bottom->addStretch(1);
  QPushButton* many = Button(kManyUnitsId, QStringLiteral("複数の本機…"));
  many->setEnabled(ManyUnitDialog::Offered(app.state));
  connect(many, &QPushButton::clicked, this, [this] {
    if (runner_->Running()) return;
    ManyUnitDialog dialog(this->app(), layout_, this);
    dialog.exec();
  });
  bottom->addWidget(many, 0, Qt::AlignBottom);
  bottom->addWidget(close, 0, Qt::AlignBottom);

  auto* column = new QVBoxLayout(this);
  column->addLayout(run_row);
  column->addWidget(bar);
  column->addWidget(time);
  if (layout.notice) column->addWidget(new QLabel(QString::fromUtf8(layout.notice), this));
  results_ = new QVBoxLayout;
  column->addLayout(results_, 1);
  column->addLayout(bottom);
}

void WholeUnitRunDialog::Start() {
  if (runner_->Running()) return;
  // What the box said when the run began: the run was made for it.
  then_verify_ = verify_after_ && verify_after_->isChecked();
  runner_->Begin(MakeRun());
}

SequenceRun WholeUnitRunDialog::MakeRun() { return layout_.make_run(app(), then_verify_); }

void WholeUnitRunDialog::RunEnded(SequenceEngine::End how) {
  if (how != SequenceEngine::End::Completed || !then_verify_) return;
  // Not from inside the run's last tick: the verify opens once the tick is over.
  QTimer::singleShot(0, this, [this] {
    VerifyDialog verify(app(), this);
    verify.Start();
    verify.exec();
  });
}

}  // namespace vtg::shell
