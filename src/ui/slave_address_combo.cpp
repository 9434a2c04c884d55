#include "ui/slave_address_combo.h"

#include "link/text_helpers.h"
#include "ui/control_id.h"
#include "ui/qt_text.h"

namespace vtg::ui {

SlaveAddressCombo::SlaveAddressCombo(ControllerState& state, Entries entries, QWidget* parent) : QComboBox(parent) {
  WithId(kControlId, this);
  for (int i = 0; i < kBroadcast; ++i) addItem(ToQString(Dec2(i)));
  if (entries == Entries::WithBroadcast) addItem(QStringLiteral("Broadcast"));
  setCurrentIndex(state.selection.slave_index < count() ? state.selection.slave_index : -1);
  connect(this, &QComboBox::currentIndexChanged, this, [&state](int index) {
    if (index >= 0) state.selection.slave_index = index;
  });
}

}  // namespace vtg::ui
