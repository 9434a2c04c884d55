#include "titles/choice_rows_dialog.h"

#include "titles/level_command.h"
#include "titles/line_fields.h"
#include "titles/page_edits.h"
#include "titles/page_switch_command.h"
#include "titles/title_controls.h"
#include "ui/qt_text.h"
#include "ui/slave_address_combo.h"

namespace vtg {
namespace {

constexpr std::array<int, 4> kLineListIds{1020, 1021, 1022, 1023};
constexpr std::array<int, 4> kLineButtonIds{1005, 1007, 1009, 1010};
constexpr int kGroupsPerRow = 2;

QStringList PageChoices() { return NumberEntries(1, kPages, 2) << QStringLiteral("AUTO"); }
QStringList PositionChoices() { return NumberEntries(0, 16, 2); }
QStringList LevelChoices() { return NumberEntries(0, 4, 1); }

}  // namespace

const PerLineKind kPageSwitchKind{"表示ページ切換え", "表示ページの切換え ", PageChoices, &SettingsImage::display_page,
                                  SendPageSwitch};
const PerLineKind kStartupKind{"スタートアップの設定", "スタートアップの設定 ", PageChoices,
                               &SettingsImage::startup_page, SendStartupPage};
const PerLineKind kDisplayPositionKind{"表示位置微調整", "表示位置の微調整 ", PositionChoices,
                                       &SettingsImage::display_position, SendDisplayPosition};

ChoiceRowsDialog::ChoiceRowsDialog(ui::AppContext& app, const ui::DialogSetup& setup, QWidget* parent)
    : SettingsDialog(app, setup, parent), grid_(new QGridLayout(this)) {}

void ChoiceRowsDialog::AddRow(const QString& group, int list_id, int button_id, const QStringList& entries,
                              int& value, std::function<void()> send) {
  QComboBox* list = ChoiceList(list_id, entries, value, this);
  OnChoice(list, this, [this, &value](int index) { EditSettings(state(), {&value, 1}, index); });
  QPushButton* button = Button(button_id, QStringLiteral("設定"));
  connect(button, &QPushButton::clicked, this, std::move(send));
  grid_->addWidget(Group(group, {list, button}), rows_ / kGroupsPerRow, rows_ % kGroupsPerRow);
  ++rows_;
}

void ChoiceRowsDialog::Finish() {
  auto* slave = new ui::SlaveAddressCombo(state(), ui::SlaveAddressCombo::Entries::WithBroadcast, this);
  QPushButton* close = Button(2, QStringLiteral("Close"));
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  const int row = (rows_ + kGroupsPerRow - 1) / kGroupsPerRow;
  grid_->addWidget(Group(QStringLiteral("Slave Address"), {slave}), row, 0);
  grid_->addWidget(close, row, 1, Qt::AlignRight | Qt::AlignBottom);
  KeepControlsWhole(this);
}

PerLineDialog::PerLineDialog(ui::AppContext& app, const PerLineKind& kind, QWidget* parent)
    : ChoiceRowsDialog(app, {QString::fromUtf8(kind.caption), QString::fromUtf8(kind.peer_caption)}, parent) {
  for (int line = 0; line < kLines; ++line) {
    const auto i = static_cast<std::size_t>(line);
    AddRow(ui::ToQString(kLineNames[i]), kLineListIds[i], kLineButtonIds[i], kind.entries(),
           (state().image.*kind.values)[i],
           [this, &kind, line] { kind.send(this->app().link, state().image, line); });
  }
  Finish();
}

CharLevelDialog::CharLevelDialog(ui::AppContext& app, QWidget* parent)
    : ChoiceRowsDialog(app, {QStringLiteral("文字レベルの設定"), QStringLiteral("文字レベルの設定 ")}, parent) {
  SettingsImage& image = state().image;
  AddRow(QStringLiteral("White Level"), 1058, 1006, LevelChoices(), image.white_level,
         [this] { SendWhiteLevel(this->app().link, state().image); });
  AddRow(QStringLiteral("Edge Level"), 1059, 1008, LevelChoices(), image.edge_level,
         [this] { SendEdgeLevel(this->app().link, state().image); });
  Finish();
}

}  // namespace vtg
