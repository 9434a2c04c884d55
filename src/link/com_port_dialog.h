#pragma once
// "RS-232Cの設定": which serial port the controller opens at its next start.
#include <QComboBox>

#include "ui/settings_dialog.h"

namespace vtg {

class ComPortDialog : public ui::SettingsDialog {
  Q_OBJECT
 public:
  ComPortDialog(ui::AppContext& app, QWidget* parent);

 private:
  QComboBox* ports_;
};

}  // namespace vtg
