#include "titles/page_setting_dialog.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QVBoxLayout>

#include "link/text_helpers.h"
#include "titles/auto_switch_command.h"
#include "titles/char_size_command.h"
#include "titles/page_edits.h"
#include "titles/title_controls.h"
#include "titles/title_display_command.h"
#include "titles/title_runs.h"
#include "ui/qt_text.h"
#include "ui/slave_address_combo.h"

namespace vtg {
namespace {

std::string DisplayChoice(int flag) { return std::string(kDisplayChoices[static_cast<std::size_t>(flag)]); }
std::string SizeChoice(int size) { return std::string(kSizeChoices[static_cast<std::size_t>(size)]); }

QStringList Entries(const PageSettingKind& kind) {
  QStringList entries;
  for (int v = 0; v < kind.value_count; ++v) entries << ui::ToQString(kind.value_text(v));
  return entries;
}

}  // namespace

const PageSettingKind kTitleDisplaySetting{
    "タイトル表示の設定", "タイトル表示の設定 ", 2, "Display", "Same Display", 1056, 1057, 1098,
    static_cast<int>(kDisplayChoices.size()), DisplayChoice, &SettingsImage::display_flag,
    &TitleDialogChoices::same_display, TitleDisplayCommand, TitleDisplayRun, DisplayFlagCells};

// Its template kept the caption and group names of the title display dialog.
const PageSettingKind kCharSizeSetting{
    "タイトル表示の設定", "文字サイズの設定 ", 1, "Display", "Same Display", 1056, 1057, 1098,
    static_cast<int>(kSizeChoices.size()), SizeChoice, &SettingsImage::char_size,
    &TitleDialogChoices::same_size, CharSizeCommand, CharSizeRun, CharSizeCells};

const PageSettingKind kAutoSwitchSetting{
    "自動切換えの設定", "自動切換えの設定 ", 2, "Time(second)", "Same Time", 1062, 1063, 1097,
    100, Dec2, &SettingsImage::auto_switch_time,
    &TitleDialogChoices::same_time, AutoSwitchCommand, AutoSwitchRun, AutoSwitchCells};

PageSettingDialog::PageSettingDialog(ui::AppContext& app, const PageSettingKind& kind, TitleDialogChoices& choices,
                                     QWidget* parent)
    : SettingsDialog(app, {QString::fromUtf8(kind.caption), QString::fromUtf8(kind.peer_caption)}, parent),
      kind_(kind),
      choices_(choices) {
  const Selection& at = state().selection;
  auto* grid = new QGridLayout;
  cells_ = PageCells<kSettingCells>(1024, QStringLiteral("Page00 = MEDIUM"), grid, this);

  QComboBox* lines = ChoiceList(kLineListId, LineListEntries(), at.current_line, this);
  QComboBox* pages = ChoiceList(kPageListId, NumberEntries(1, kPages, kind.page_digits), at.current_page, this);
  value_ = ChoiceList(kind.value_id, Entries(kind), CurrentValue(), this);
  same_ = ChoiceList(kind.same_id, Entries(kind), choices.*kind.same_choice, this);
  OnChoice(lines, this, [this](int line) {
    state().selection.current_line = line;
    ShowPage();
  });
  OnChoice(pages, this, [this](int page) {
    state().selection.current_page = page;
    ShowPage();
  });
  OnChoice(value_, this, [this](int value) {
    EditSettings(state(), {&CurrentValue(), 1}, value);
    ShowPage();
  });
  OnChoice(same_, this, [this](int value) {
    choices_.*kind_.same_choice = value;
    EditSettings(state(), WholeLine(state().image.*kind_.values, state().selection.current_line), value);
    ShowPage();
  });
  auto* slave = new ui::SlaveAddressCombo(state(), ui::SlaveAddressCombo::Entries::WithBroadcast, this);

  QPushButton* send = Button(40031, QStringLiteral("設定"));
  QPushButton* send_all = Button(40189, QStringLiteral("全設定"));
  auto* progress = ui::WithId(kind.progress_id, new QProgressBar(this));
  progress->setRange(0, kLines - 1);
  progress->setTextVisible(false);
  QPushButton* close = Button(2, QStringLiteral("Close"));
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  runner_ = new ui::SequenceRunner(app, this, close, progress);
  connect(send, &QPushButton::clicked, this, [this] {
    // A page sent during a run would take the reply the run waits for.
    if (state().flags.sequence_step != 0) return;
    const Selection& now = state().selection;
    this->app().link.SendCommandLine(kind_.command(state().image, now.current_line, now.current_page));
  });
  connect(send_all, &QPushButton::clicked, this,
          [this] { runner_->Begin(kind_.run(this->app().link, state().image)); });

  auto* choices_row = new QHBoxLayout;
  choices_row->addWidget(Group(QStringLiteral("Channel Number"), {lines}));
  choices_row->addWidget(Group(QStringLiteral("Page Number"), {pages}));
  choices_row->addWidget(Group(QString::fromUtf8(kind.value_group), {value_}));
  choices_row->addWidget(Group(QString::fromUtf8(kind.same_group), {same_}));
  choices_row->addWidget(Group(QStringLiteral("Slave Address"), {slave}));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(send);
  buttons->addWidget(send_all);
  buttons->addWidget(progress, 1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(choices_row);
  layout->addLayout(buttons);
  KeepControlsWhole(this);
  ShowPage();
}

int& PageSettingDialog::CurrentValue() const {
  const Selection& at = state().selection;
  return (state().image.*kind_.values)[static_cast<std::size_t>(TitleIndex(at.current_line, at.current_page))];
}

void PageSettingDialog::ShowPage() {
  const Selection& at = state().selection;
  value_->setCurrentIndex(CurrentValue());
  same_->setCurrentIndex(choices_.*kind_.same_choice);
  ShowCells(cells_, kind_.cells(state().image, at.current_line, at.current_page));
}

}  // namespace vtg
