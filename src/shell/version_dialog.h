#pragma once
// "VTG7300のﾊﾞｰｼﾞｮﾝ情報": the program's icon and version. OK ends it with 1, Escape with 2.
#include "ui/settings_dialog.h"

namespace vtg::shell {

inline constexpr const char* kVersionText = "VTG7300 Version 1.00";

class VersionDialog : public ui::SettingsDialog {
  Q_OBJECT
 public:
  VersionDialog(ui::AppContext& app, QWidget* parent);
};

}  // namespace vtg::shell
