#pragma once
// The "Slave Address" list (control 1094) of the dialogs: one choice for the whole program.
#include <QComboBox>

#include "settings/controller_state.h"

namespace vtg::ui {

class SlaveAddressCombo : public QComboBox {
  Q_OBJECT
 public:
  enum class Entries {
    WithBroadcast,  // "00".."31", "Broadcast"
    UnitsOnly,      // "00".."31": the slave address dialog gives one unit its address
  };
  static constexpr int kControlId = 1094;

  // Opens on `slave_index` (nothing selected when it cannot be shown); a selection change
  // stores the new index at once.
  SlaveAddressCombo(ControllerState& state, Entries entries, QWidget* parent = nullptr);
};

}  // namespace vtg::ui
