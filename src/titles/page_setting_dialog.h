#pragma once
// The per-page settings of one line, thirty-two pages at a time: display on or off
// ("タイトル表示の設定"), character size and auto switching time. Sends the value of one page
// or, as "全設定", the values of all four lines.
#include <QComboBox>
#include <QLabel>
#include <array>
#include <string>

#include "link/sequence_engine.h"
#include "titles/page_cells.h"
#include "titles/title_dialog_choices.h"
#include "ui/sequence_runner.h"
#include "ui/settings_dialog.h"

namespace vtg {

// What differs between the three dialogs.
struct PageSettingKind {
  const char* caption;
  const char* peer_caption;
  int page_digits;  // the character size dialog numbers its pages "1".."64"
  const char* value_group;
  const char* same_group;
  int value_id;
  int same_id;
  int progress_id;
  int value_count;
  std::string (*value_text)(int value);
  std::array<int, kTitles> SettingsImage::*values;
  int TitleDialogChoices::*same_choice;
  std::string (*command)(const SettingsImage& image, int line, int page);
  SequenceRun (*run)(Link& link, const SettingsImage& image);
  SettingCells (*cells)(const SettingsImage& image, int line, int page);
};

extern const PageSettingKind kTitleDisplaySetting;
extern const PageSettingKind kCharSizeSetting;
extern const PageSettingKind kAutoSwitchSetting;

class PageSettingDialog : public ui::SettingsDialog {
  Q_OBJECT
 public:
  PageSettingDialog(ui::AppContext& app, const PageSettingKind& kind, TitleDialogChoices& choices, QWidget* parent);

 private:
  int& CurrentValue() const;
  // The value list and the cells follow the current line and page.
  void ShowPage();

  const PageSettingKind& kind_;
  TitleDialogChoices& choices_;
  std::array<QLabel*, kSettingCells> cells_{};
  QComboBox* value_;
  QComboBox* same_;
  ui::SequenceRunner* runner_;
};

}  // namespace vtg
