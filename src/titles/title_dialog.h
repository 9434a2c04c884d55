#pragma once
// "タイトル設定": the titles of one line, sixteen pages at a time; sends the edited title or
// all 256.
#include <QLabel>
#include <array>

#include "titles/page_cells.h"
#include "titles/title_command.h"
#include "titles/title_edit.h"
#include "ui/sequence_runner.h"
#include "ui/settings_dialog.h"

namespace vtg {

class TitleDialog : public ui::SettingsDialog {
  Q_OBJECT
 public:
  TitleDialog(ui::AppContext& app, QWidget* parent);

 private:
  // The edit box and the cells follow the current line and page.
  void ShowPage();
  void RefreshCells();
  void SendCurrent(TitleMemory memory);
  void SendAll(TitleMemory memory);

  std::array<QLabel*, kTitleCells> cells_{};
  TitleEdit* edit_;
  ui::SequenceRunner* runner_;
};

}  // namespace vtg
