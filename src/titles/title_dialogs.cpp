#include "titles/title_dialogs.h"

#include <memory>

#include "shell/menu_table.h"
#include "titles/choice_rows_dialog.h"
#include "titles/glyph_insert_dialog.h"
#include "titles/page_setting_dialog.h"
#include "titles/slave_address_dialog.h"
#include "titles/title_dialog.h"

namespace vtg {

void RegisterTitleDialogs(ui::DialogRegistry& registry) {
  // Remembered from one opening to the next for as long as the program runs.
  auto choices = std::make_shared<TitleDialogChoices>();
  const auto page_setting = [choices](const PageSettingKind& kind) {
    return [choices, &kind](ui::AppContext& app, QWidget* owner) {
      PageSettingDialog dialog(app, kind, *choices, owner);
      dialog.exec();
    };
  };
  const auto per_line = [](const PerLineKind& kind) {
    return [&kind](ui::AppContext& app, QWidget* owner) {
      PerLineDialog dialog(app, kind, owner);
      dialog.exec();
    };
  };
  registry.Register(kCmdTitle, ui::OpenModal<TitleDialog>);
  registry.Register(kCmdTitleDisplay, page_setting(kTitleDisplaySetting));
  registry.Register(kCmdCharSize, page_setting(kCharSizeSetting));
  registry.Register(kCmdAutoSwitch, page_setting(kAutoSwitchSetting));
  registry.Register(kCmdDisplayPage, per_line(kPageSwitchKind));
  registry.Register(kCmdStartup, per_line(kStartupKind));
  registry.Register(kCmdDisplayPosition, per_line(kDisplayPositionKind));
  registry.Register(kCmdCharLevel, ui::OpenModal<CharLevelDialog>);
  registry.Register(kCmdInsertGlyph, [choices](ui::AppContext& app, QWidget* owner) {
    GlyphInsertDialog dialog(app, *choices, owner);
    dialog.exec();
  });
  registry.Register(kCmdSlaveAddress, ui::OpenModal<SlaveAddressDialog>);
}

}  // namespace vtg
