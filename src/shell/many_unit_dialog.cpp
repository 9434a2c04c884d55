#include "shell/many_unit_dialog.h"

#include <QBoxLayout>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <algorithm>
#include <set>

#include "link/client_table.h"
#include "link/tcp_transport.h"
#include "link/text_helpers.h"
#include "settings/document_commands.h"
#include "shell/difference_table.h"
#include "shell/verify_dialog.h"
#include "ui/control_id.h"
#include "ui/cp932_text.h"
#include "ui/pace_choice.h"
#include "ui/qt_text.h"

namespace vtg::shell {
namespace {

constexpr int kTimeRefreshMs = 500;
constexpr int kSlaveAddresses = kBroadcast;  // "00".."31"

QString StatusText(UnitRunRow::Status status) {
  switch (status) {
    case UnitRunRow::Status::Waiting: return QStringLiteral("待機中");
    case UnitRunRow::Status::Running: return QStringLiteral("実行中");
    case UnitRunRow::Status::Succeeded: return QStringLiteral("完了");
    case UnitRunRow::Status::Failed: return QStringLiteral("失敗");
  }
  return {};
}

QString DefaultFolder(const DocumentState& doc) {
  if (doc.doc_file_name.empty()) return QDir::homePath();
  return QFileInfo(QString::fromStdString(doc.doc_file_name)).absolutePath();
}

}  // namespace

bool ManyUnitDialog::Offered(const ControllerState& state) {
  return state.link.interface_setting == kRs232c || state.link.tcp_role == kServer;
}

ManyUnitDialog::ManyUnitDialog(ui::AppContext& app, const WholeUnitRunLayout& layout, QWidget* parent)
    : QDialog(parent), app_(app), layout_(layout) {
  setWindowTitle(QString::fromUtf8(layout.caption) + QStringLiteral("（複数の本機）"));
  all_ = ui::WithId(kAllId, new QCheckBox(QStringLiteral("すべて"), this));
  list_ = ui::WithId(kUnitListId, new QListWidget(this));
  list_->setMinimumWidth(180);
  connect(all_, &QCheckBox::clicked, this, [this](bool on) {
    for (int i = 0; i < list_->count(); ++i) list_->item(i)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
  });
  connect(list_, &QListWidget::itemChanged, this, [this] {
    all_->setChecked(list_->count() > 0 && CheckedUnits().size() == static_cast<std::size_t>(list_->count()));
  });
  ListUnits();
  if (app.tcp)
    connect(app.tcp, &TcpTransport::clientsChanged, this, [this] {
      if (!Running()) ListUnits();
    });

  start_ = ui::WithId(kStartId, new QPushButton(QString::fromUtf8(layout.start_text), this));
  stop_ = ui::WithId(kStopId, new QPushButton(QStringLiteral("中止"), this));
  close_ = ui::WithId(2, new QPushButton(QStringLiteral("Close"), this));
  for (QPushButton* button : {start_, stop_, close_}) button->setAutoDefault(false);
  connect(start_, &QPushButton::clicked, this, &ManyUnitDialog::Start);
  connect(stop_, &QPushButton::clicked, this, &ManyUnitDialog::Stop);
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);

  table_ = ui::WithId(kTableId, new QTableWidget(0, 5, this));
  table_->setHorizontalHeaderLabels({QStringLiteral("本機"), QStringLiteral("状態"), QStringLiteral("％"),
                                     QStringLiteral("時間"), QStringLiteral("結果")});
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setMinimumSize(560, 240);
  time_ = ui::WithId(kTimeId, new QLabel(this));
  time_refresh_.setInterval(kTimeRefreshMs);
  connect(&time_refresh_, &QTimer::timeout, this, [this] {
    for (std::size_t i = 0; i < runs_->rows().size(); ++i)
      if (runs_->rows()[i].status == UnitRunRow::Status::Running) ShowRow(static_cast<int>(i));
    ShowTime();
  });

  auto* units = new QGroupBox(QStringLiteral("本機"), this);
  auto* units_column = new QVBoxLayout(units);
  units_column->addWidget(all_);
  units_column->addWidget(list_, 1);

  auto* run_column = new QVBoxLayout;
  if (layout.many == ManyUnitRun::Read) {
    folder_ = ui::WithId(kFolderId, new QLineEdit(DefaultFolder(app.state.doc), this));
    auto* browse = ui::WithId(kBrowseId, new QPushButton(QStringLiteral("参照…"), this));
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, [this] {
      const QString chosen = QFileDialog::getExistingDirectory(this, QStringLiteral("保存先のフォルダ"), folder_->text());
      if (!chosen.isEmpty()) folder_->setText(chosen);
    });
    auto* folder_row = new QHBoxLayout;
    folder_row->addWidget(new QLabel(QStringLiteral("保存先のフォルダ"), this));
    folder_row->addWidget(folder_, 1);
    folder_row->addWidget(browse);
    run_column->addLayout(folder_row);
  }
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(start_);
  buttons->addWidget(stop_);
  buttons->addStretch(1);
  buttons->addWidget(new QLabel(QStringLiteral("送信間隔"), this));
  buttons->addWidget(new ui::PaceChoice(app, this));
  run_column->addLayout(buttons);
  run_column->addWidget(table_, 1);

  auto* top = new QHBoxLayout;
  top->addWidget(units);
  top->addLayout(run_column, 1);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(time_, 1);
  if (layout.many == ManyUnitRun::Verify) {
    differences_ = ui::WithId(kDifferencesId, new QPushButton(QStringLiteral("違いを表示…"), this));
    differences_->setAutoDefault(false);
    differences_->setEnabled(false);
    connect(table_, &QTableWidget::currentCellChanged, this, &ManyUnitDialog::OfferDifferences);
    connect(differences_, &QPushButton::clicked, this, [this] { ShowDifferencesOf(table_->currentRow()); });
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row) { ShowDifferencesOf(row); });
    bottom->addWidget(differences_);
  }
  bottom->addWidget(close_);

  auto* column = new QVBoxLayout(this);
  column->addLayout(top, 1);
  column->addLayout(bottom);
  SetRunning(false);
}

ManyUnitDialog::~ManyUnitDialog() = default;

QString ManyUnitDialog::DocumentPath(const Unit& unit) const {
  return QDir(folder_->text()).filePath(QString::fromStdString(unit.name) + QStringLiteral(".dat"));
}

void ManyUnitDialog::ListUnits() {
  std::set<std::string> checked;
  for (const Unit& unit : CheckedUnits()) checked.insert(unit.name);
  const bool first = offered_.empty();
  offered_.clear();
  if (app_.state.link.interface_setting == kRs232c) {
    for (int address = 0; address < kSlaveAddresses; ++address) offered_.push_back({Dec2(address), 0, address});
    if (first && app_.state.selection.slave_index < kSlaveAddresses) checked.insert(Dec2(app_.state.selection.slave_index));
  } else {
    for (const NamedUnit& unit : NamedUnits(app_.state.client_table)) {
      offered_.push_back({unit.name, unit.record, app_.state.selection.slave_index});
      if (first) checked.insert(unit.name);
    }
  }
  const QSignalBlocker quiet(list_);
  list_->clear();
  for (const Unit& unit : offered_) {
    auto* item = new QListWidgetItem(QString::fromStdString(unit.name), list_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(checked.contains(unit.name) ? Qt::Checked : Qt::Unchecked);
  }
  all_->setChecked(!offered_.empty() && CheckedUnits().size() == offered_.size());
}

std::vector<ManyUnitDialog::Unit> ManyUnitDialog::CheckedUnits() const {
  std::vector<Unit> units;
  for (int i = 0; i < list_->count() && static_cast<std::size_t>(i) < offered_.size(); ++i)
    if (list_->item(i)->checkState() == Qt::Checked) units.push_back(offered_[static_cast<std::size_t>(i)]);
  return units;
}

void ManyUnitDialog::Start() {
  if (Running()) return;
  std::vector<Unit> units = CheckedUnits();
  if (units.empty()) return app_.messages.ErrorBox(kNoUnitText);
  if (folder_ && (folder_->text().isEmpty() || !QDir(folder_->text()).exists()))
    return app_.messages.ErrorBox(kNoFolderText);
  if (folder_ && std::any_of(units.begin(), units.end(), [this](const Unit& unit) { return QFileInfo::exists(DocumentPath(unit)); }) &&
      !app_.messages.Ask(Question::ReplaceFile, kReplaceFilesText))
    return;

  targets_.clear();
  stopping_ = false;
  std::vector<std::string> names;
  for (Unit& unit : units) {
    names.push_back(unit.name);
    auto lane = std::make_unique<UnitLane>(app_, unit.record, unit.slave_index, nullptr);
    const int index = static_cast<int>(targets_.size());
    lane->on_progress = [this, index](int percent) { runs_->Progress(index, percent); };
    lane->on_end = [this, index](bool completed) { UnitEnded(index, completed); };
    targets_.push_back({std::move(unit), std::move(lane)});
  }
  const std::size_t count = targets_.size();
  const auto order = app_.state.link.interface_setting == kRs232c ? UnitRuns::Order::InTurn : UnitRuns::Order::Parallel;
  runs_ = std::make_unique<UnitRuns>(
      std::move(names), order, [this](int index) { return BeginUnit(index); },
      [this] { return static_cast<std::int64_t>(clock_.elapsed()); });
  // A row shows its progress at the refresh: a table redrawn at every line would slow the run.
  runs_->on_change = [this](int index) {
    if (runs_->rows()[static_cast<std::size_t>(index)].status != TargetAt(index).shown) ShowRow(index);
  };
  runs_->on_done = [this] {
    estimate_.End(clock_.elapsed());
    SetRunning(false);
    emit runsEnded();
  };

  table_->setRowCount(0);
  table_->setRowCount(static_cast<int>(count));
  for (int row = 0; row < static_cast<int>(count); ++row)
    for (int column = 0; column < 5; ++column) {
      auto* cell = new QTableWidgetItem;
      if (column == kPercentColumn || column == kTimeColumn) cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(row, column, cell);
    }
  clock_.start();
  estimate_.Begin(0);
  estimated_ = 0;
  SetRunning(true);
  for (int row = 0; row < static_cast<int>(count); ++row) ShowRow(row);
  runs_->Start();
}

std::string ManyUnitDialog::BeginUnit(int index) {
  if (stopping_) return std::string(kStoppedText);
  Target& target = TargetAt(index);
  SequenceRun run = layout_.make_run(target.lane->context(), true);
  target.read_into = run.read_into;
  return target.lane->Begin(std::move(run));
}

void ManyUnitDialog::UnitEnded(int index, bool completed) {
  Target& target = TargetAt(index);
  UnitLane& lane = *target.lane;
  if (!completed) {
    std::string why = lane.Failure();
    if (why.empty()) why = stopping_ ? kStoppedText : text::kNoAnswer;
    return runs_->Ended(index, false, std::move(why));
  }
  switch (layout_.many) {
    case ManyUnitRun::SetAll:
      target.result = "設定しました";
      break;
    case ManyUnitRun::Read: {
      const QString path = DocumentPath(target.unit);
      if (!WriteDocumentFile(path.toStdString(), lane.context().state.image, lane.context().messages))
        return runs_->Ended(index, false, lane.Failure());
      target.result = QFileInfo(path).fileName().toStdString();
      break;
    }
    case ManyUnitRun::Verify: {
      target.differences = CompareSettings(app_.state.image, *target.read_into, Cp932BytesToUtf8);
      const std::size_t found = target.differences.size();
      target.result = found ? QStringLiteral("違い %1 件").arg(found).toStdString() : "一致";
      break;
    }
  }
  runs_->Ended(index, true);
}

void ManyUnitDialog::ShowRow(int index) {
  const UnitRunRow& row = runs_->rows()[static_cast<std::size_t>(index)];
  const bool begun = row.status != UnitRunRow::Status::Waiting;
  Target& target = TargetAt(index);
  const std::int64_t ms = (row.Over() ? row.ended_ms : clock_.elapsed()) - row.started_ms;
  const QString cells[] = {
      QString::fromStdString(row.unit),
      StatusText(row.status),
      begun ? QString::number(row.percent) : QString(),
      begun ? QStringLiteral("%1 秒").arg(static_cast<double>(ms) / 1000.0, 0, 'f', 2) : QString(),
      QString::fromStdString(row.status == UnitRunRow::Status::Failed ? row.error : target.result),
  };
  target.shown = row.status;
  for (int column = 0; column < 5; ++column) {
    QTableWidgetItem* cell = table_->item(index, column);
    cell->setText(cells[column]);
    cell->setToolTip(cells[column]);
  }
  if (index == table_->currentRow()) OfferDifferences();
  ShowTime();
}

void ManyUnitDialog::ShowTime() {
  if (!runs_) return;
  const auto over = std::count_if(runs_->rows().begin(), runs_->rows().end(), [](const UnitRunRow& row) { return row.Over(); });
  const std::int64_t now = clock_.elapsed();
  const int done = runs_->PercentsDone();
  if (done != estimated_) estimate_.Step(estimated_ = done, 100 * static_cast<int>(runs_->rows().size()), now);
  QString text = QStringLiteral("%1　終了 %2 / %3 台")
                     .arg(ui::ToQString(estimate_.Text(now, 0)))
                     .arg(over)
                     .arg(runs_->rows().size());
  if (const int failed = runs_->FailedCount()) text += QStringLiteral("　失敗 %1 台").arg(failed);
  time_->setText(text);
}

void ManyUnitDialog::OfferDifferences() {
  if (!differences_) return;
  const int row = table_->currentRow();
  differences_->setEnabled(row >= 0 && static_cast<std::size_t>(row) < targets_.size() &&
                           !TargetAt(row).differences.empty());
}

void ManyUnitDialog::ShowDifferencesOf(int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= targets_.size()) return;
  const Target& target = TargetAt(row);
  if (target.differences.empty()) return;
  QDialog shown(this);
  shown.setWindowTitle(QStringLiteral("違い ") + QString::fromStdString(target.unit.name));
  QTableWidget* table = NewDifferenceTable(kVerifyTableId, &shown);
  ShowDifferences(*table, target.differences);
  auto* close = new QPushButton(QStringLiteral("Close"), &shown);
  connect(close, &QPushButton::clicked, &shown, &QDialog::accept);
  auto* column = new QVBoxLayout(&shown);
  column->addWidget(table, 1);
  column->addWidget(close, 0, Qt::AlignRight);
  shown.exec();
}

void ManyUnitDialog::Stop() {
  if (!Running()) return;
  stopping_ = true;
  for (Target& target : targets_)
    if (target.lane->Running()) target.lane->Abort();
}

void ManyUnitDialog::SetRunning(bool running) {
  start_->setEnabled(!running);
  stop_->setEnabled(running);
  close_->setEnabled(!running);
  list_->setEnabled(!running);
  all_->setEnabled(!running);
  if (folder_) folder_->setEnabled(!running);
  if (running) {
    time_refresh_.start();
  } else {
    time_refresh_.stop();
    ShowTime();
  }
}

void ManyUnitDialog::done(int result) {
  Stop();
  QDialog::done(result);
}

}  // namespace vtg::shell
